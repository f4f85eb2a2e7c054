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
    // Copies `from` over `to` (replacing it); false if it could not.
    bool copyFile(const std::string& from, const std::string& to);
    // Clears a read-only attribute and deletes; false if it could not.
    bool removeFile(const std::string& path);

    // A new, empty, uniquely named file in a directory (the current one for
    // ""); removed when the object goes away unless kept.
    class TempFile
    {
    public:
        // Fails with the plain text "Unable to write in this directory".
        explicit TempFile(const std::string& directory);
        ~TempFile();
        TempFile(const TempFile&) = delete;
        TempFile& operator=(const TempFile&) = delete;

        const std::string& path() const { return _path; }
        // The file holds something that must not be lost: leave it in place.
        void keep() { _keep = true; }

    private:
        std::string _path;
        bool _keep;
    };
}
