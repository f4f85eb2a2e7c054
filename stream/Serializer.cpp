#include "stream/Serializer.h"

namespace
{
    // A few large writes instead of a system call every 8 KiB. The Windows
    // heap gives blocks from about 508 KiB up to the system and takes them
    // back when freed, so that a larger buffer would be new memory on every
    // save; below that the heap keeps it. glibc keeps either.
#ifdef _WIN32
    const std::size_t FileBufferSize = 256 * 1024;
#else
    const std::size_t FileBufferSize = 1024 * 1024;
#endif
}

WinFile::Serializer::Serializer(const std::string& path)
    : std::ostream(nullptr), _file(std::make_unique<FileSink>(path, FileBufferSize))
{
    if (!_file->isOpen())
    {
        setstate(std::ios::failbit);
        return;
    }
    rdbuf(_file.get());
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
    if (_file && _file->isOpen() && !_file->close())
        ok = false;
    if (!ok)
        setstate(std::ios::badbit);
    return ok;
}
