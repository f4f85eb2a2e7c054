#pragma once
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace TestData
{
    // The read-only mark the program meets: the file attribute on Windows,
    // the permission bits natively.
    inline void setReadOnly(const std::string& path, bool readOnly)
    {
#ifdef _WIN32
        ::SetFileAttributesA(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
#else
        using std::filesystem::perms;
        std::error_code ignored;
        std::filesystem::permissions(path, readOnly ? perms::owner_read | perms::group_read | perms::others_read
                                                    : perms::owner_read | perms::owner_write, ignored);
#endif
    }

    // A fresh directory for one test, removed with everything in it.
    class TempDir
    {
    public:
        TempDir()
        {
            std::random_device random;
            _dir = std::filesystem::temp_directory_path() / ("qlxtest-" + std::to_string(random()));
            std::filesystem::create_directories(_dir);
        }
        ~TempDir()
        {
            std::error_code ignored;
            for (const auto& entry : std::filesystem::directory_iterator(_dir, ignored))
                setReadOnly(entry.path().string(), false);
            std::filesystem::remove_all(_dir, ignored);
        }
        std::string file(const std::string& name) const { return (_dir / name).string(); }
        std::string path() const { return _dir.string(); }
        std::set<std::string> names() const
        {
            std::set<std::string> result;
            for (const auto& entry : std::filesystem::directory_iterator(_dir))
                result.insert(entry.path().filename().string());
            return result;
        }

    private:
        std::filesystem::path _dir;
    };

    inline void writeFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    // In one read: the tests read lists of 100,000 items hundreds of times.
    inline std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary | std::ios::ate);
        const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
        if (size < 0)
            return std::string();
        std::string bytes(static_cast<std::size_t>(size), '\0');
        in.seekg(0);
        in.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    }
}
