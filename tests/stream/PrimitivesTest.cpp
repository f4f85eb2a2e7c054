#include <gtest/gtest.h>

#include <sstream>
#include <stdexcept>
#include <string>

#include "base/Exception.h"
#include "stream/DeSerializer.h"
#include "stream/Primitives.h"
#include "stream/Record.h"
#include "stream/Serializer.h"
#include "tests/support/FailureMessage.h"

using TestSupport::failureMessage;

namespace
{
    template <class Write>
    std::string written(Write write)
    {
        std::stringbuf buf;
        WinFile::Serializer out(buf);
        write(out);
        return buf.str();
    }

    template <class Read>
    std::string failureOf(const std::string& bytes, Read read)
    {
        WinFile::DeSerializer in(bytes.data(), bytes.size());
        return failureMessage([&] { read(in); });
    }

    // A source whose device fails after the given bytes.
    class BrokenSource : public std::streambuf
    {
    public:
        explicit BrokenSource(std::string bytes) : _bytes(std::move(bytes))
        {
            setg(&_bytes[0], &_bytes[0], &_bytes[0] + _bytes.size());
        }

    protected:
        int_type underflow() override { throw std::runtime_error("device error"); }

    private:
        std::string _bytes;
    };

    // A sink whose device refuses every byte.
    class FullSink : public std::streambuf
    {
    protected:
        int_type overflow(int_type) override { return traits_type::eof(); }
        std::streamsize xsputn(const char*, std::streamsize) override { return 0; }
    };

    const std::string Mark = "\xC5";
}

TEST(Primitives, StringsAreMarkLengthAndBytes)
{
    EXPECT_EQ(written([](auto& out) { WinFile::writeString(out, ""); }), std::string("\xC5\0\0\0\0", 5));
    EXPECT_EQ(written([](auto& out) { WinFile::writeString(out, "abc"); }), std::string("\xC5\x03\0\0\0abc", 8));
}

TEST(Primitives, BooleansAreTwoMagicWords)
{
    EXPECT_EQ(written([](auto& out) { WinFile::writeBool(out, true); }), "\xB7\xFA\xBE\xBA");
    EXPECT_EQ(written([](auto& out) { WinFile::writeBool(out, false); }), "\x12\xAD\xDD\xBA");
}

TEST(Primitives, IntegersAreLittleEndianTwosComplement)
{
    EXPECT_EQ(written([](auto& out) { WinFile::writeInt(out, -2); }), "\xFE\xFF\xFF\xFF");
    EXPECT_EQ(written([](auto& out) { WinFile::writeInt(out, 0x01020304); }), "\x04\x03\x02\x01");
}

TEST(Primitives, ValuesReadBackAsWritten)
{
    const std::string bytes = written([](auto& out) {
        WinFile::writeInt(out, -123456);
        WinFile::writeBool(out, true);
        WinFile::writeBool(out, false);
        WinFile::writeString(out, std::string("a\0b", 3));
    });
    WinFile::DeSerializer in(bytes.data(), bytes.size());
    EXPECT_EQ(WinFile::readInt(in), -123456);
    EXPECT_TRUE(WinFile::readBool(in));
    EXPECT_FALSE(WinFile::readBool(in));
    EXPECT_EQ(WinFile::readString(in), std::string("a\0b", 3));
    EXPECT_EQ(in.remaining(), 0u);
}

TEST(PrimitiveReads, ReportTheFailureOfThePointWhereTheyStop)
{
    const auto readInt = [](WinFile::DeSerializer& in) { WinFile::readInt(in); };
    const auto readBool = [](WinFile::DeSerializer& in) { WinFile::readBool(in); };
    const auto readString = [](WinFile::DeSerializer& in) { WinFile::readString(in); };
    EXPECT_EQ(failureOf("", readInt), "Unexpected end of file");
    EXPECT_EQ(failureOf("\x01\x02\x03", readInt), "Unexpected end of file");
    EXPECT_EQ(failureOf(std::string("\x01\0\0\0", 4), readBool), "Invalid data");
    EXPECT_EQ(failureOf("\xB7\xFA\xBE", readBool), "Unexpected end of file");
    EXPECT_EQ(failureOf("", readString), "Data corruption");
    EXPECT_EQ(failureOf("\xC4", readString), "Data corruption");
    EXPECT_EQ(failureOf(Mark, readString), "Unexpected end of file");
    EXPECT_EQ(failureOf(Mark + "\x03\0", readString), "Unexpected end of file");
    EXPECT_EQ(failureOf(Mark + std::string("\x03\0\0\0", 4) + "ab", readString), "Unexpected end of file");
}

TEST(PrimitiveReads, AHugeStringLengthIsRefusedBeforeAllocating)
{
    // Without the check this would ask for 4 GB (or fail with a length error).
    const std::string bytes = Mark + "\xF0\xFF\xFF\xFF" + "abc";
    EXPECT_EQ(failureOf(bytes, [](WinFile::DeSerializer& in) { WinFile::readString(in); }), "Unexpected end of file");
}

TEST(PrimitiveReads, DeviceErrorIsFileReadFailed)
{
    BrokenSource intSource("\x01\x02");
    WinFile::DeSerializer intIn(intSource);
    EXPECT_EQ(failureMessage([&] { WinFile::readInt(intIn); }), "File read failed");

    BrokenSource stringSource(Mark + std::string("\x05\0\0\0", 4) + "ab");
    WinFile::DeSerializer stringIn(stringSource);
    EXPECT_EQ(failureMessage([&] { WinFile::readString(stringIn); }), "File read failed");
}

TEST(PrimitiveWrites, DeviceRefusalIsFileWriteFailed)
{
    FullSink sink;
    WinFile::Serializer out(sink);
    EXPECT_EQ(failureMessage([&] { WinFile::writeInt(out, 1); }), "File write failed");
    out.clear();
    EXPECT_EQ(failureMessage([&] { WinFile::writeBool(out, true); }), "File write failed");
    out.clear();
    EXPECT_EQ(failureMessage([&] { WinFile::writeString(out, "x"); }), "File write failed");
}

// Items are gathered into records written in large pieces: the bytes are
// those of the values written one by one, whatever the pieces' sizes.
TEST(Records, HoldTheBytesOfTheValuesWrittenOneByOne)
{
    const std::string longText(200000, 't');
    const std::string one = written([&](auto& out) {
        for (int i = 0; i < 3000; ++i)
        {
            WinFile::writeInt(out, i);
            WinFile::writeString(out, i % 1000 == 500 ? longText : "item " + std::to_string(i));
            WinFile::writeBool(out, i % 2 == 0);
        }
    });
    std::stringbuf buf;
    WinFile::Serializer out(buf);
    WinFile::Record record(out);
    for (int i = 0; i < 3000; ++i)
    {
        record.addInt(i);
        record.addString(i % 1000 == 500 ? longText : "item " + std::to_string(i));
        record.addBool(i % 2 == 0);
        record.writeWhenFull();
    }
    EXPECT_LT(buf.str().size(), one.size());
    record.write();
    EXPECT_EQ(buf.str(), one);
}

// Plain ASCII is the same in every code page: only other texts are encoded.
TEST(Records, PassOnlyTextsBeyondAsciiThroughTheEncoder)
{
    std::stringbuf buf;
    WinFile::Serializer out(buf);
    out.setTextEncoder([](std::string_view text) { return "<" + std::string(text) + ">"; });
    WinFile::Record record(out);
    record.addString("plain");
    record.addString("caf\xC3\xA9");
    record.addBytes("caf\xC3\xA9");
    record.write();
    EXPECT_EQ(buf.str(), written([](auto& raw) {
                  WinFile::writeBytes(raw, "plain");
                  WinFile::writeBytes(raw, "<caf\xC3\xA9>");
                  WinFile::writeBytes(raw, "caf\xC3\xA9");
              }));
}
