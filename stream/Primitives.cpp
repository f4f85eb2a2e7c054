#include "stream/Primitives.h"

#include "WinLib/Exception.h"
#include "WinLib/LastError.h"

namespace
{
    void fail(const char* text)
    {
        throw Win::Exception(text, Win::lastError());
    }

    void putBytes(WinFile::Serializer& out, const char* bytes, std::size_t count)
    {
        out.write(bytes, static_cast<std::streamsize>(count));
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

    // Reads a 4-byte word whose start must still lie inside the file.
    std::uint32_t getWord(WinFile::DeSerializer& in)
    {
        if (in.eof())
            fail("Unexpected end of file");
        unsigned char bytes[4];
        const std::size_t got = in.readBytes(reinterpret_cast<char*>(bytes), sizeof bytes);
        if (in.bad())
            fail("File read failed");
        if (got < sizeof bytes)
            fail("Unexpected end of file");
        return decodeWord(bytes);
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

void WinFile::writeString(Serializer& out, const std::string& text)
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
    char mark = 0;
    const std::size_t gotMark = in.readBytes(&mark, 1);
    if (in.bad())
        fail("File read failed");
    // A marker that could not be read because the file ended is no marker.
    if (gotMark != 1 || static_cast<unsigned char>(mark) != StringMark)
        fail("Data corruption");
    if (in.eof())
        fail("Unexpected end of file");

    unsigned char lengthBytes[4];
    const std::size_t gotLength = in.readBytes(reinterpret_cast<char*>(lengthBytes), sizeof lengthBytes);
    if (in.bad())
        fail("File read failed");
    if (in.eof() || gotLength < sizeof lengthBytes)
        fail("Unexpected end of file");

    // A length beyond the end of the file is refused before any allocation.
    const std::uint32_t length = decodeWord(lengthBytes);
    if (length > in.remaining())
        fail("Unexpected end of file");

    std::string text(length, '\0');
    const std::size_t got = length ? in.readBytes(&text[0], length) : 0;
    if (in.bad())
        fail("File read failed");
    if (got < length)
        fail("Unexpected end of file");
    return text;
}
