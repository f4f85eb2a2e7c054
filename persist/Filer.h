#pragma once
#include <string>

#include "persist/FileTexts.h"
#include "persist/FilerHost.h"
#include "stream/SerializerFactory.h"

class Quillory;

namespace WinFile
{
    // Loads a Study List into the open document, or saves it, for one path.
    // Failures never escape: they go to the host's showError, and load/save
    // return false with the failure's own text in getFailure().
    class Filer
    {
    public:
        // The program's command line may put a path in double quotes, so they
        // are dropped from it; a tool that takes names as given keeps them.
        enum class Quotes
        {
            Dropped,
            Kept
        };

        // A save writes through `files`; texts cross between `pages`.
        Filer(Quillory& doc, const std::string& path, FilerHost& host,
              const SerializerFactory& files = diskFiles(), Quotes quotes = Quotes::Dropped,
              CodePages pages = systemCodePages());

        // Reads the file into a scratch document and takes it over only when
        // the whole file was read; then sets the path, adds it to the recent
        // documents and tells the host that the title changed.
        bool load();
        // Writes the file so that a failed save leaves the previous content.
        bool save();

        const std::string& getPath() const { return _path; }
        // The failure's text ("Unexpected end of file", "Data corruption",
        // ...), empty after success.
        const std::string& getFailure() const { return _failure; }
        // What the file's texts are written in, after a load or a save.
        FileTexts getFileTexts() const { return _texts; }

    private:
        void saveThroughBackup();
        void reportLoadFailure(const std::string& failure, bool withFailureLine);
        void reportSaveFailure(const std::string& failure);

        Quillory& _doc;
        std::string _path;
        FilerHost& _host;
        const SerializerFactory& _files;
        const CodePages _pages;
        std::string _failure;
        FileTexts _texts = FileTexts::LegacyCodePage;
    };
}
