#include "tools/qlx/ListFiles.h"

#include <iostream>
#include <iterator>

#include "model/Quillory.h"
#include "persist/Filer.h"
#include "exchange/Failure.h"
#include "exchange/TextFile.h"
#include "tools/qlx/SystemText.h"

namespace Qlx
{
    void loadStudyList(const std::string& path, Quillory& doc)
    {
        // The tool reports the failure itself; the box text is not wanted.
        WinFile::SilentFilerHost host;
        WinFile::Filer filer(doc, systemPath(path), host, WinFile::diskFiles(), WinFile::Filer::Quotes::Kept);
        if (!filer.load())
            throw Failure(filer.getFailure());
    }

    void saveStudyList(Quillory& doc, const std::string& path, const WinFile::SerializerFactory& files)
    {
        WinFile::SilentFilerHost host;
        WinFile::Filer filer(doc, systemPath(path), host, files, WinFile::Filer::Quotes::Kept);
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
