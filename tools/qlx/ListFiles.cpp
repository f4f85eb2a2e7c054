#include "tools/qlx/ListFiles.h"

#include <iostream>
#include <iterator>

#include "model/Quillory.h"
#include "persist/Filer.h"
#include "exchange/CodePage.h"
#include "exchange/Failure.h"
#include "exchange/TextFile.h"
#include "tools/qlx/SystemText.h"

namespace Qlx
{
    WinFile::CodePages toolCodePages(unsigned legacy)
    {
        // A code page the system does not know is refused before any file is read.
        const CodePage known(legacy);
        return {known.getNumber(), WinFile::CodePage::Utf8};
    }

    WinFile::FileTexts loadStudyList(const std::string& path, Quillory& doc, const WinFile::CodePages& pages)
    {
        // The tool reports the failure itself; the box text is not wanted.
        WinFile::SilentFilerHost host;
        WinFile::Filer filer(doc, systemPath(path), host, WinFile::diskFiles(), WinFile::Filer::Quotes::Kept, pages);
        if (!filer.load())
            throw Failure(filer.getFailure());
        return filer.getFileTexts();
    }

    void saveStudyList(Quillory& doc, const std::string& path, const WinFile::CodePages& pages,
                       const WinFile::SerializerFactory& files)
    {
        WinFile::SilentFilerHost host;
        WinFile::Filer filer(doc, systemPath(path), host, files, WinFile::Filer::Quotes::Kept, pages);
        if (!filer.save())
            throw Failure(filer.getFailure());
    }

    std::string readInput(const std::string& path)
    {
        if (path == "-")
            return std::string(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        return readWholeFile(systemPath(path));
    }
}
