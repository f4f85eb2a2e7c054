#include "persist/FileOps.h"

#include "stream/PlainFailure.h"

#ifdef _WIN32
#include <windows.h>
#include <vector>
#else
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

std::string FileOps::directoryOf(const std::string& path)
{
    const auto sep = path.find_last_of("\\/");
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

bool FileOps::exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileOps::isFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FileOps::copyFile(const std::string& from, const std::string& to)
{
    return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
}

bool FileOps::removeFile(const std::string& path)
{
    // The copy took over the attributes of the original, which may be read-only.
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::DeleteFileA(path.c_str()) != 0;
}

FileOps::TempFile::TempFile(const std::string& directory)
    : _keep(false)
{
    std::vector<char> name(directory.size() + MAX_PATH + 1, '\0');
    const std::string dir = directory.empty() ? "." : directory;
    if (::GetTempFileNameA(dir.c_str(), ".", 0, name.data()) == 0)
        throw WinFile::PlainFailure("Unable to write in this directory");
    _path = name.data();
}

#else

std::string FileOps::directoryOf(const std::string& path)
{
    const auto sep = path.find_last_of('/');
    return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

bool FileOps::exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

bool FileOps::isFile(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool FileOps::copyFile(const std::string& from, const std::string& to)
{
    std::error_code error;
    return std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error);
}

bool FileOps::removeFile(const std::string& path)
{
    ::chmod(path.c_str(), S_IRUSR | S_IWUSR);
    return ::unlink(path.c_str()) == 0;
}

FileOps::TempFile::TempFile(const std::string& directory)
    : _keep(false)
{
    std::string name = directory + ".qlxXXXXXX";
    const int fd = ::mkstemp(&name[0]);
    if (fd < 0)
        throw WinFile::PlainFailure("Unable to write in this directory");
    ::close(fd);
    _path = name;
}

#endif

FileOps::TempFile::~TempFile()
{
    if (!_keep)
        removeFile(_path);
}
