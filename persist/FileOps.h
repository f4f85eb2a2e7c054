#pragma once
#include <string>

// The few file-system operations of a safe save, one implementation for
// Windows (kernel calls) and one for the native build.
namespace FileOps
{
    // Everything up to and including the last separator; empty for none.
    std::string directoryOf(const std::string& path);
    bool exists(const std::string& path);
    // An existing file that is not a directory.
    bool isFile(const std::string& path);
    // Whether the file could be opened for writing; it is opened without
    // being truncated and closed again at once.
    bool opensForWriting(const std::string& path);

    // A new, empty, uniquely named file in a directory (the current one for
    // ""); removed when the object goes away unless it took another file's
    // place.
    class TempFile
    {
    public:
        // Fails with the plain text "Unable to write in this directory".
        explicit TempFile(const std::string& directory);
        ~TempFile();
        TempFile(const TempFile&) = delete;
        TempFile& operator=(const TempFile&) = delete;

        const std::string& path() const { return _path; }
        // Makes this file, complete and flushed, the file at `target` in one
        // step of the file system, with the attributes of a file that was
        // there. On failure throws Win::Exception, the file at `target` as
        // it was.
        void replace(const std::string& target);

    private:
        std::string _path;
    };
}
