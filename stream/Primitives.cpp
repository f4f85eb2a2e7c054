#include "stream/Primitives.h"

#include "base/Exception.h"

namespace
{
    // No system error code: the stream's owner knows the device and adds it
    // (see persist's readStudyList and writeStudyList).
    [[noreturn]] void fail(const char* text)
    {
        throw Win::Exception(text, 0);
    }

    // Straight into the stream's buffer, without a sentry per write: a Study
    // List of 100,000 items is about two million writes. Whatever the buffer
    // throws is a failed write, as the stream itself would take it.
    void putBytes(WinFile::Serializer& out, const char* bytes, std::size_t count)
    {
        const auto size = static_cast<std::streamsize>(count);
        std::streambuf* sink = out.rdbuf();
        try
        {
            if (!sink || sink->sputn(bytes, size) != size)
                out.setstate(std::ios::badbit);
        }
        catch (...)
        {
            out.setstate(std::ios::badbit);
        }
        if (out.bad())
            fail("File write failed");
    }

    void putWord(WinFile::Serializer& out, std::uint32_t value)
    {
        const char bytes[4] = {
            static_cast<char>(value & 0xFF),
            static_cast<char>((value >> 8) & 0xFF),
            static_cast<char>((value >> 16) & 0xFF),
            static_cast<char>((value >> 24) & 0xFF)};
        putBytes(out, bytes, sizeof bytes);
    }

    std::uint32_t decodeWord(const unsigned char* b)
    {
        return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8
             | static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    }

    // A read that needs more bytes than are left met the end of the file,
    // or the device's failure where the bytes end.
    [[noreturn]] void failShort(const WinFile::DeSerializer& in)
    {
        fail(in.deviceFailed() ? "File read failed" : "Unexpected end of file");
    }

    const unsigned char* take(WinFile::DeSerializer& in, std::size_t count)
    {
        const unsigned char* bytes = in.take(count);
        if (!bytes)
            failShort(in);
        return bytes;
    }

    std::uint32_t getWord(WinFile::DeSerializer& in)
    {
        return decodeWord(take(in, 4));
    }
}

void WinFile::writeUInt(Serializer& out, std::uint32_t value)
{
    putWord(out, value);
}

void WinFile::writeInt(Serializer& out, std::int32_t value)
{
    putWord(out, static_cast<std::uint32_t>(value));
}

void WinFile::writeBool(Serializer& out, bool value)
{
    putWord(out, value ? BoolTrue : BoolFalse);
}

void WinFile::writeString(Serializer& out, std::string_view text)
{
    if (out.textEncoder())
    {
        const std::string encoded = out.textEncoder()(text);
        writeBytes(out, encoded);
        return;
    }
    writeBytes(out, text);
}

void WinFile::writeBytes(Serializer& out, std::string_view text)
{
    const char mark = static_cast<char>(StringMark);
    putBytes(out, &mark, 1);
    putWord(out, static_cast<std::uint32_t>(text.size()));
    putBytes(out, text.data(), text.size());
}

std::int32_t WinFile::readInt(DeSerializer& in)
{
    return static_cast<std::int32_t>(getWord(in));
}

bool WinFile::readBool(DeSerializer& in)
{
    const std::uint32_t word = getWord(in);
    if (word == BoolTrue)
        return true;
    if (word != BoolFalse)
        fail("Invalid data");
    return false;
}

std::string WinFile::readString(DeSerializer& in)
{
    return std::string(readStringView(in));
}

std::string_view WinFile::readStringView(DeSerializer& in)
{
    if (in.remaining() == 0 && in.deviceFailed())
        fail("File read failed");
    // A marker that could not be read because the file ended is no marker.
    const unsigned char* mark = in.take(1);
    if (!mark || *mark != StringMark)
        fail("Data corruption");
    // A length beyond the end of the file is refused before any allocation.
    const std::uint32_t length = getWord(in);
    const unsigned char* bytes = take(in, length);
    in.noteString(bytes, length);
    return std::string_view(reinterpret_cast<const char*>(bytes), length);
}
