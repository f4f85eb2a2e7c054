#include "persist/FileOps.h"

#include <cstdint>

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "stream/PlainFailure.h"

#ifdef _WIN32
#include <windows.h>
#include <vector>
#else
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef _WIN32

namespace
{
    // What a user may have set on a Study List and expects to find after a save.
    const DWORD KeptAttributes =
        FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

    // One rename over the file, so that the path is never without one.
    // ReplaceFile would carry the attributes over itself, but Wine's moves
    // the old file away before it moves the new one in, and Microsoft
    // documents failures of it that leave no file at the path.
    std::uint32_t moveOver(const std::string& from, const std::string& to)
    {
        const DWORD attributes = ::GetFileAttributesA(to.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES)
        {
            const DWORD kept = attributes & KeptAttributes;
            ::SetFileAttributesA(from.c_str(), kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
        }
        if (::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return 0;
        return ::GetLastError();
    }

    std::string replaceFailure(std::uint32_t error)
    {
        // The file could be opened for writing just before: a refusal now
        // comes from another program that holds it open (Windows refuses
        // it without delete sharing, Wine whenever it is open).
        if (error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
            return "Couldn't replace the file: another program may be using it";
        return "Couldn't replace the file";
    }

    void removeFile(const std::string& path)
    {
        ::DeleteFileA(path.c_str());
    }
}

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

bool FileOps::opensForWriting(const std::string& path)
{
    // Windows refuses a read-only file to everybody; Wine lets an
    // administrator write it.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
    {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return false;
    }
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
}

FileOps::TempFile::TempFile(const std::string& directory)
{
    std::vector<char> name(directory.size() + MAX_PATH + 1, '\0');
    const std::string dir = directory.empty() ? "." : directory;
    if (::GetTempFileNameA(dir.c_str(), ".", 0, name.data()) == 0)
        throw WinFile::PlainFailure("Unable to write in this directory");
    _path = name.data();
}

#else

namespace
{
    std::string replaceFailure(std::uint32_t)
    {
        return "Couldn't replace the file";
    }

    void removeFile(const std::string& path)
    {
        ::unlink(path.c_str());
    }

    // The mode a file created at the path would have got.
    mode_t newFileMode()
    {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return 0666 & ~mask;
    }

    // The rename reaches the disk with the directory. It is done already: a
    // directory that cannot be synced (some file systems) does not undo it.
    void syncDirectoryOf(const std::string& path)
    {
        const std::string dir = FileOps::directoryOf(path);
        const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        ::fsync(fd);
        ::close(fd);
    }

    // A rename over the file: done whole or not at all.
    std::uint32_t moveOver(const std::string& from, const std::string& to)
    {
        struct stat info;
        const mode_t mode = ::stat(to.c_str(), &info) == 0 ? (info.st_mode & 07777) : newFileMode();
        if (::chmod(from.c_str(), mode) != 0 || std::rename(from.c_str(), to.c_str()) != 0)
            return static_cast<std::uint32_t>(errno);
        syncDirectoryOf(to);
        return 0;
    }
}

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

bool FileOps::opensForWriting(const std::string& path)
{
    // Not blocking: a pipe without a reader fails instead of waiting for one.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

FileOps::TempFile::TempFile(const std::string& directory)
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
    if (!_path.empty())
        removeFile(_path);
}

void FileOps::TempFile::replace(const std::string& target)
{
    const std::uint32_t error = moveOver(_path, target);
    if (error != 0)
        throw Win::Exception(replaceFailure(error), error);
    _path.clear();   // it is the file at `target` now
}
