#pragma once
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "stream/SerializerFactory.h"
#include "exchange/StudyListRecord.h"

class Quillory;

namespace QlxTest
{
    struct RunResult
    {
        int status;
        std::string out;
        std::string err;
    };

    // Runs the qlx command line in this process: run({"check", path}).
    RunResult run(const std::vector<std::string>& args, const WinFile::SerializerFactory& files = WinFile::diskFiles());

    // The list in `file` as qlx reads it, texts in code page 1252.
    Qlx::StudyListRecord recordOf(const std::string& file);

    std::string readBytes(const std::filesystem::path& path);
    void writeBytes(const std::filesystem::path& path, const std::string& bytes);

    // A fresh directory per test, removed afterwards.
    class FilesTest : public ::testing::Test
    {
    protected:
        void SetUp() override;
        void TearDown() override;

        std::string path(const std::string& name) const { return (_dir / name).string(); }
        // The names of the files in the directory, sorted.
        std::vector<std::string> fileNames() const;
        // Saves through the program's own Filer as a program on an older Western
        // Windows does: the document's texts are the file's bytes.
        std::string save(Quillory& doc, const std::string& name) const;

        std::filesystem::path _dir;
    };
}
