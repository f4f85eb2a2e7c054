#include "stream/Record.h"

#include "base/Exception.h"
#include "base/UnicodeForm.h"
#include "stream/Primitives.h"
#include "stream/Serializer.h"

WinFile::Record::Record(Serializer& out)
    : _out(out), _bytes(256)
{
}

void WinFile::Record::addBool(bool value)
{
    addUInt(value ? BoolTrue : BoolFalse);
}

void WinFile::Record::addString(std::string_view text)
{
    if (_out.textEncoder() && !Unicode::isAscii(text))
        addBytes(_out.textEncoder()(text));
    else
        addBytes(text);
}

void WinFile::Record::addBytes(std::string_view bytes)
{
    put(&StringMark, 1);
    addUInt(static_cast<std::uint32_t>(bytes.size()));
    if (bytes.size() < FullSize)
    {
        put(bytes.data(), bytes.size());
        return;
    }
    // A long text goes to the stream as it is, not through a copy.
    write();
    send(bytes.data(), bytes.size());
}

void WinFile::Record::write()
{
    const std::size_t count = _used;
    _used = 0;
    send(_bytes.data(), count);
}

// Straight into the stream's buffer, without a sentry. Whatever the buffer
// throws is a failed write, as the stream itself would take it. No system
// error code: the stream's owner knows the device and adds it.
void WinFile::Record::send(const char* bytes, std::size_t count)
{
    const auto size = static_cast<std::streamsize>(count);
    std::streambuf* sink = _out.rdbuf();
    try
    {
        if (!sink || sink->sputn(bytes, size) != size)
            _out.setstate(std::ios::badbit);
    }
    catch (...)
    {
        _out.setstate(std::ios::badbit);
    }
    if (_out.bad())
        throw Win::Exception("File write failed", 0);
}
