#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>

#include <thread>
#endif

#include "base/Exception.h"
#include "stream/DeSerializer.h"
#include "stream/Primitives.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/TempDir.h"

namespace
{
    std::string winFailure(WinFile::DeSerializer& in, std::string (*read)(WinFile::DeSerializer&))
    {
        return TestSupport::failureMessage([&] { read(in); });
    }

    std::string stringOf(WinFile::DeSerializer& in) { return WinFile::readString(in); }
    std::string intOf(WinFile::DeSerializer& in) { return std::to_string(WinFile::readInt(in)); }

    // A pipe: no size, no seeking, a few bytes at a time, and optionally a
    // device that fails once they are given.
    class Pipe : public std::streambuf
    {
    public:
        Pipe(std::string bytes, std::size_t piece, bool failsAtEnd = false)
            : _bytes(std::move(bytes)), _piece(piece), _failsAtEnd(failsAtEnd), _given(0)
        {
        }

    protected:
        int_type underflow() override
        {
            if (_given == _bytes.size())
            {
                if (_failsAtEnd)
                    throw std::runtime_error("device error");
                return traits_type::eof();
            }
            const std::size_t count = std::min(_piece, _bytes.size() - _given);
            char* start = &_bytes[_given];
            setg(start, start, start + count);
            _given += count;
            return traits_type::to_int_type(*start);
        }

    private:
        std::string _bytes;
        std::size_t _piece;
        bool _failsAtEnd;
        std::size_t _given;
    };

    const std::string Mark = "\xC5";

    std::string stringBytes(const std::string& text)
    {
        const auto n = static_cast<std::uint32_t>(text.size());
        const char length[4] = {static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                                static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
        return Mark + std::string(length, 4) + text;
    }

    // Reads strings until the first failure: the strings, then the failure.
    std::vector<std::string> readToFailure(WinFile::DeSerializer& in)
    {
        std::vector<std::string> seen;
        for (;;)
        {
            std::string text;
            const std::string failure = TestSupport::failureMessage([&] { text = WinFile::readString(in); });
            if (failure != "no failure")
            {
                seen.push_back("failure: " + failure);
                return seen;
            }
            seen.push_back(text);
        }
    }
}

// Without the size of the source, a length of 4 GB would be allocated and
// zero-filled before the end of the input showed.
TEST(DeSerializer, ASourceOfUnknownSizeRefusesAHugeLengthBeforeAllocating)
{
    Pipe pipe(Mark + "\xF0\xFF\xFF\xFF" + "abc", 2);
    WinFile::DeSerializer in(pipe);
    EXPECT_EQ(in.remaining(), 8u);
    EXPECT_EQ(winFailure(in, stringOf), "Unexpected end of file");
}

TEST(DeSerializer, ASourceGivingSmallPiecesIsReadWhole)
{
    std::string bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += Mark + std::string("\x03\0\0\0", 4) + std::to_string(100 + i % 900);
    Pipe pipe(bytes, 1000);
    WinFile::DeSerializer in(pipe);
    ASSERT_EQ(in.remaining(), bytes.size());
    for (int i = 0; i < 100000; ++i)
        ASSERT_EQ(WinFile::readString(in), std::to_string(100 + i % 900)) << i;
    EXPECT_EQ(in.remaining(), 0u);
}

// The bytes given before the device failed are read as usual; the read that
// needs more reports the device, not the end of the file.
TEST(DeSerializer, ADeviceFailureShowsWhereTheBytesEnd)
{
    Pipe intPipe(std::string("\x07\0\0\0\x01\x02", 6), 3, true);
    WinFile::DeSerializer ints(intPipe);
    EXPECT_TRUE(ints.deviceFailed());
    EXPECT_EQ(intOf(ints), "7");
    EXPECT_EQ(winFailure(ints, intOf), "File read failed");

    Pipe stringPipe(Mark + std::string("\x02\0\0\0", 4) + "ab" + Mark, 4, true);
    WinFile::DeSerializer strings(stringPipe);
    EXPECT_EQ(stringOf(strings), "ab");
    EXPECT_EQ(winFailure(strings, stringOf), "File read failed");

    Pipe endPipe(Mark + std::string("\x02\0\0\0", 4) + "ab", 4, true);
    WinFile::DeSerializer ended(endPipe);
    EXPECT_EQ(stringOf(ended), "ab");
    EXPECT_EQ(winFailure(ended, stringOf), "File read failed");
}

TEST(DeSerializer, TheEndOfAPipeIsTheEndOfTheFile)
{
    Pipe pipe(Mark + std::string("\x02\0\0\0", 4) + "ab" + Mark + std::string("\x05\0\0\0", 4) + "cd", 3);
    WinFile::DeSerializer in(pipe);
    EXPECT_FALSE(in.deviceFailed());
    EXPECT_EQ(stringOf(in), "ab");
    EXPECT_EQ(winFailure(in, stringOf), "Unexpected end of file");
}

TEST(DeSerializer, AMissingFileIsNotOpen)
{
    WinFile::DeSerializer in("no such directory/no such file.qlx");
    EXPECT_FALSE(in.isOpen());
    EXPECT_EQ(in.remaining(), 0u);
}

// A file passes through a window far smaller than it; texts longer than the
// window, and texts across its edges, read as from memory.
TEST(DeSerializer, AFileReadThroughASmallWindowReadsAsFromMemory)
{
    std::string bytes;
    for (int i = 0; i < 300; ++i)
        bytes += stringBytes(std::string(static_cast<std::size_t>(i % 37), static_cast<char>('a' + i % 26)));
    bytes += stringBytes(std::string(5000, 'x'));
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    TestData::writeFile(path, bytes);
    WinFile::DeSerializer memory(bytes.data(), bytes.size());
    const std::vector<std::string> expected = readToFailure(memory);
    for (std::size_t window : {std::size_t(1), std::size_t(5), std::size_t(7), std::size_t(64), std::size_t(4096)})
    {
        WinFile::DeSerializer in(path, window);
        ASSERT_TRUE(in.isOpen());
        EXPECT_EQ(in.remaining(), bytes.size()) << window;
        EXPECT_EQ(readToFailure(in), expected) << window;
        EXPECT_EQ(in.remaining(), 0u) << window;
    }
}

// Every cut of a file fails at the same read with the same text as the same
// bytes in memory, whatever the window; a length beyond the end is refused.
TEST(DeSerializer, EveryCutOfAFileFailsAsInMemory)
{
    const std::string whole = stringBytes("first") + stringBytes("") + stringBytes("the third text") + Mark + "\xF0\xFF\xFF\xFF";
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    for (std::size_t cut = 0; cut <= whole.size(); ++cut)
    {
        const std::string bytes = whole.substr(0, cut);
        TestData::writeFile(path, bytes);
        WinFile::DeSerializer memory(bytes.data(), bytes.size());
        const std::vector<std::string> expected = readToFailure(memory);
        for (std::size_t window : {std::size_t(1), std::size_t(6), std::size_t(64)})
        {
            WinFile::DeSerializer in(path, window);
            EXPECT_EQ(readToFailure(in), expected) << "cut " << cut << ", window " << window;
        }
    }
}

// The bytes that were there when the file was opened, and no more: a file
// cut short while it is read ends where it was cut.
TEST(DeSerializer, AFileCutShortWhileReadEndsWhereItWasCut)
{
    const std::string bytes = stringBytes("abcdef") + stringBytes("ghijkl") + stringBytes("mnopqr");
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    TestData::writeFile(path, bytes);
    WinFile::DeSerializer in(path, 8);
    EXPECT_EQ(WinFile::readString(in), "abcdef");
    std::filesystem::resize_file(path, 14);
    EXPECT_EQ(readToFailure(in), std::vector<std::string>{"failure: Unexpected end of file"});
    EXPECT_FALSE(in.deviceFailed());
    // The two bytes after the third marker, too few for its length.
    EXPECT_EQ(in.remaining(), 2u);
}

#ifndef _WIN32
// A pipe given by its path, as in `qlx check <(cat list.qlx)`, tells no size:
// it is read whole, and a length beyond its end is still refused.
TEST(DeSerializer, APipeNamedByItsPathIsReadWhole)
{
    const TestData::TempDir dir;
    const std::string path = dir.file("pipe");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const std::string bytes = stringBytes("first") + Mark + "\xF0\xFF\xFF\xFF" + "abc";
    std::thread writer([&] { TestData::writeFile(path, bytes); });
    WinFile::DeSerializer in(path);
    writer.join();
    ASSERT_TRUE(in.isOpen());
    EXPECT_EQ(in.remaining(), bytes.size());
    EXPECT_EQ(readToFailure(in), (std::vector<std::string>{"first", "failure: Unexpected end of file"}));
}
#endif
