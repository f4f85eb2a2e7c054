#include "stream/Primitives.h"

#include "base/Exception.h"
#include "stream/Record.h"

namespace
{
    // No system error code: the stream's owner knows the device and adds it
    // (see persist's readStudyList and writeStudyList).
    [[noreturn]] void fail(const char* text)
    {
        throw Win::Exception(text, 0);
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

    template <class Value>
    void writeOne(WinFile::Serializer& out, void (WinFile::Record::*add)(Value), Value value)
    {
        WinFile::Record record(out);
        (record.*add)(value);
        record.write();
    }
}

void WinFile::writeUInt(Serializer& out, std::uint32_t value)
{
    writeOne(out, &Record::addUInt, value);
}

void WinFile::writeInt(Serializer& out, std::int32_t value)
{
    writeOne(out, &Record::addInt, value);
}

void WinFile::writeBool(Serializer& out, bool value)
{
    writeOne(out, &Record::addBool, value);
}

void WinFile::writeString(Serializer& out, std::string_view text)
{
    writeOne(out, &Record::addString, text);
}

void WinFile::writeBytes(Serializer& out, std::string_view bytes)
{
    writeOne(out, &Record::addBytes, bytes);
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
