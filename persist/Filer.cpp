#include "persist/Filer.h"

#include <algorithm>
#include <exception>

#include "WinLib/Exception.h"
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
        saveThroughBackup();
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

// The previous file is copied aside before the path is overwritten and copied
// back if anything fails before the new file is completely written and closed.
void WinFile::Filer::saveThroughBackup()
{
    FileOps::TempFile temp(FileOps::directoryOf(_path));
    const bool existed = FileOps::exists(_path);
    const bool backedUp = existed && FileOps::copyFile(_path, temp.path());
    // A file that cannot be copied aside is not overwritten: a failed write
    // would then leave nothing of its previous content.
    if (!backedUp && FileOps::isFile(_path))
        throw Win::Exception("Couldn't make a backup copy of the file", Win::lastError());
    const bool wasSaved = _doc.isSaved();
    bool touched = false;
    try
    {
        const std::unique_ptr<Serializer> out = _files.open(_path);
        if (!out->isOpen())
            throw Win::Exception("Couldn't open file for writing", Win::lastError());
        touched = true;
        _texts = writeStudyList(*out, _doc, _pages);
        if (!out->close())
            throw Win::Exception("File write failed", Win::lastError());
    }
    catch (...)
    {
        if (!wasSaved)
            _doc.setModified();
        if (touched && backedUp && !FileOps::copyFile(temp.path(), _path))
            temp.keep();   // the only copy of the previous content left
        else if (touched && !existed)
            FileOps::removeFile(_path);   // no half-written new file
        throw;
    }
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
