#include "stream/Record.h"

#include "base/Exception.h"
#include "base/UnicodeForm.h"
#include "stream/Primitives.h"
#include "stream/Serializer.h"

void WinFile::Record::addUInt(std::uint32_t value)
{
    const char bytes[4] = {
        static_cast<char>(value & 0xFF),
        static_cast<char>((value >> 8) & 0xFF),
        static_cast<char>((value >> 16) & 0xFF),
        static_cast<char>((value >> 24) & 0xFF)};
    _bytes.append(bytes, sizeof bytes);
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
    _bytes.push_back(static_cast<char>(StringMark));
    addUInt(static_cast<std::uint32_t>(bytes.size()));
    _bytes.append(bytes);
}

// Straight into the stream's buffer, without a sentry. Whatever the buffer
// throws is a failed write, as the stream itself would take it. No system
// error code: the stream's owner knows the device and adds it.
void WinFile::Record::write()
{
    const auto size = static_cast<std::streamsize>(_bytes.size());
    std::streambuf* sink = _out.rdbuf();
    try
    {
        if (!sink || sink->sputn(_bytes.data(), size) != size)
            _out.setstate(std::ios::badbit);
    }
    catch (...)
    {
        _out.setstate(std::ios::badbit);
    }
    _bytes.clear();
    if (_out.bad())
        throw Win::Exception("File write failed", 0);
}
