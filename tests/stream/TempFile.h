#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace TestFiles
{
    // A file of the given bytes for one test, removed afterwards.
    class TempFile
    {
    public:
        explicit TempFile(const std::string& bytes)
        {
            std::random_device random;
            _path = (std::filesystem::temp_directory_path() / ("qlx-stream-" + std::to_string(random()))).string();
            std::ofstream(_path, std::ios::binary) << bytes;
        }
        ~TempFile()
        {
            std::error_code ignored;
            std::filesystem::remove(_path, ignored);
        }
        TempFile(const TempFile&) = delete;
        TempFile& operator=(const TempFile&) = delete;

        const std::string& path() const { return _path; }
        std::string bytes() const
        {
            std::ifstream in(_path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }

    private:
        std::string _path;
    };
}
