#include <gtest/gtest.h>

#include <string>

#include "stream/FileSink.h"
#include "tests/support/TempDir.h"

// Pieces smaller than, as large as and larger than the buffer, across its
// edges, reach the file whole and in order.
TEST(FileSink, WritesEveryPieceInOrderWhateverItsSize)
{
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    TestData::writeFile(path, "old content to be replaced");
    std::string expected;
    {
        WinFile::FileSink sink(path, 7);
        ASSERT_TRUE(sink.isOpen());
        for (int i = 0; i < 60; ++i)
        {
            const std::string piece(static_cast<std::size_t>(i % 17), static_cast<char>('a' + i % 26));
            ASSERT_EQ(sink.sputn(piece.data(), static_cast<std::streamsize>(piece.size())),
                      static_cast<std::streamsize>(piece.size()));
            sink.sputc('|');
            expected += piece + '|';
        }
        EXPECT_TRUE(sink.close());
    }
    EXPECT_EQ(TestData::readFile(path), expected);
}

// A sink left without close() still writes what it holds, as a file stream does.
TEST(FileSink, WritesWhatItHoldsWhenDestroyed)
{
    const TestData::TempDir dir;
    const std::string path = dir.file("list.qlx");
    {
        WinFile::FileSink sink(path, 1024);
        sink.sputn("kept", 4);
    }
    EXPECT_EQ(TestData::readFile(path), "kept");
}

TEST(FileSink, AFileThatCannotBeMadeIsNotOpen)
{
    WinFile::FileSink sink("no such directory/file.qlx", 16);
    EXPECT_FALSE(sink.isOpen());
    EXPECT_FALSE(sink.close());
}

#ifndef _WIN32
// A full disk shows at the write that meets it, or at the latest at close().
TEST(FileSink, AFullDiskFailsTheWriteAndTheClose)
{
    WinFile::FileSink sink("/dev/full", 8);
    ASSERT_TRUE(sink.isOpen());
    EXPECT_EQ(sink.sputn("1234567890", 10), 0);
    EXPECT_FALSE(sink.close());
}
#endif
