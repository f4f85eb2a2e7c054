#include "persist/Filer.h"

#include <algorithm>
#include <exception>

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "model/Quillory.h"
#include "stream/DeSerializer.h"
#include "persist/FileOps.h"
#include "stream/Serializer.h"
#include "persist/StudyListFile.h"
#include "res/strings.h"

namespace
{
    std::string withoutQuotes(std::string path)
    {
        path.erase(std::remove(path.begin(), path.end(), '"'), path.end());
        return path;
    }
}

WinFile::Filer::Filer(Quillory& doc, const std::string& path, FilerHost& host,
                      const SerializerFactory& files, Quotes quotes, CodePages pages)
    : _doc(doc), _path(quotes == Quotes::Dropped ? withoutQuotes(path) : path), _host(host), _files(files),
      _pages(pages)
{
}

bool WinFile::Filer::load()
{
    _failure.clear();
    try
    {
        DeSerializer in(_path);
        if (!in.isOpen())
            throw Win::Exception("Couldn't open file for reading", Win::lastError());
        Quillory scratch;
        _texts = readStudyList(in, scratch, _pages);
        _doc = std::move(scratch);
    }
    catch (const Win::Exception& e)
    {
        reportLoadFailure(e.getMessage(), true);
        return false;
    }
    catch (const std::exception& e)
    {
        // Plain failures, the string's own length error, lack of memory.
        reportLoadFailure(e.what(), false);
        return false;
    }
    _doc.setPath(_path);
    _doc.addRecentDoc(_path);
    _host.titleChanged();
    return true;
}

bool WinFile::Filer::save()
{
    _failure.clear();
    try
    {
        saveAside();
    }
    catch (const Win::Exception& e)
    {
        reportSaveFailure(e.getMessage());
        return false;
    }
    catch (const std::exception& e)
    {
        reportSaveFailure(e.what());
        return false;
    }
    _doc.setPath(_path);
    _host.titleChanged();
    return true;
}

// The new content is written next to the file and takes its place whole
// only when it is complete on the disk: at every instant the path holds the
// previous file or the new one, even when the program or the machine stops.
void WinFile::Filer::saveAside()
{
    FileOps::TempFile temp(FileOps::directoryOf(_path));
    // The file is replaced, not written, but a file the user cannot write
    // (read-only, a directory) is refused as a write to it would be.
    if (FileOps::exists(_path) && !FileOps::opensForWriting(_path))
        throw Win::Exception("Couldn't open file for writing", Win::lastError());
    const bool wasSaved = _doc.isSaved();
    try
    {
        const FileTexts written = writeWhole(temp.path());
        temp.replace(_path);
        _texts = written;
    }
    catch (...)
    {
        if (!wasSaved)
            _doc.setModified();
        throw;
    }
}

// A function of its own, so that the stream, and with it the file, is closed
// before the file is moved.
WinFile::FileTexts WinFile::Filer::writeWhole(const std::string& path)
{
    const std::unique_ptr<Serializer> out = _files.open(path);
    if (!out->isOpen())
        throw Win::Exception("Couldn't open file for writing", Win::lastError());
    const FileTexts texts = writeStudyList(*out, _doc, _pages);
    if (!out->close())
        throw Win::Exception("File write failed", Win::lastError());
    return texts;
}

void WinFile::Filer::reportLoadFailure(const std::string& failure, bool withFailureLine)
{
    _failure = failure;
    std::string text = std::string(STR_CANT_OPEN) + "\n" + _path;
    if (withFailureLine)
        text += "\n" + failure;
    _host.showError(text);
}

void WinFile::Filer::reportSaveFailure(const std::string& failure)
{
    _failure = failure;
    _host.showError(std::string(STR_CANT_SAVE) + "\n" + _path + "\n" + failure);
}
