#include "tests/qlx/QlxTestFiles.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <sstream>

#include "model/Quillory.h"
#include "exchange/CodePage.h"
#include "tools/qlx/Command.h"
#include "exchange/DocumentRecord.h"
#include "tools/qlx/ListFiles.h"

namespace QlxTest
{
    RunResult run(const std::vector<std::string>& args, const WinFile::SerializerFactory& files)
    {
        std::vector<const char*> argv {"qlx"};
        for (const std::string& arg : args)
            argv.push_back(arg.c_str());
        std::ostringstream out, err;
        const int status = Qlx::run(static_cast<int>(argv.size()), argv.data(), out, err, files);
        return {status, out.str(), err.str()};
    }

    Qlx::StudyListRecord recordOf(const std::string& file)
    {
        Quillory doc;
        Qlx::loadStudyList(file, doc, Qlx::toolCodePages(1252));
        return Qlx::toRecord(doc, Qlx::CodePage(1252));
    }

    std::string readBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return content.str();
    }

    void writeBytes(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    void FilesTest::SetUp()
    {
        static std::atomic<unsigned> counter {0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        _dir = std::filesystem::temp_directory_path()
               / ("qlx-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(_dir);
    }

    void FilesTest::TearDown()
    {
        std::error_code ignored;
        std::filesystem::remove_all(_dir, ignored);
    }

    std::vector<std::string> FilesTest::fileNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(_dir))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string FilesTest::save(Quillory& doc, const std::string& name) const
    {
        const std::string file = path(name);
        Qlx::saveStudyList(doc, file, {1252, 1252});
        return file;
    }
}
