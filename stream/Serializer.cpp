#include "stream/Serializer.h"

WinFile::Serializer::Serializer(const std::string& path)
    : std::ostream(nullptr)
{
    if (!_file.open(path, std::ios::out | std::ios::binary | std::ios::trunc))
    {
        setstate(std::ios::failbit);
        return;
    }
    rdbuf(&_file);
}

WinFile::Serializer::Serializer(std::streambuf& sink)
    : std::ostream(&sink)
{
}

WinFile::Serializer::Serializer(std::unique_ptr<std::streambuf> sink)
    : std::ostream(sink.get()), _ownedSink(std::move(sink))
{
}

WinFile::Serializer::~Serializer() = default;

bool WinFile::Serializer::isOpen() const
{
    return rdbuf() != nullptr;
}

bool WinFile::Serializer::close()
{
    bool ok = rdbuf() != nullptr && rdbuf()->pubsync() != -1;
    if (_file.is_open() && !_file.close())
        ok = false;
    if (!ok)
        setstate(std::ios::badbit);
    return ok;
}
