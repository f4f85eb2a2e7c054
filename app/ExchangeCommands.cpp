// Import and Export: the Study List to and from the text formats of exchange/.
#include "app/Commander.h"

#include "WinLib/MessageBox.h"
#include "WinLib/BusyCursor.h"
#include "WinLib/Dialog.h"
#include "base/Exception.h"
#include "WinLib/FileDlg.h"
#include "WinLib/ResString.h"
#include "base/TextFormat.h"
#include "app/ImportCtrl.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "exchange/CodePage.h"
#include "exchange/Failure.h"
#include "exchange/ListExport.h"
#include "exchange/TextFile.h"
#include "model/Quillory.h"
#include "persist/FileOps.h"
#include "persist/FileTexts.h"
#include "res/resource.h"
#include "res/strings.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <new>
#include <stdexcept>

namespace
{
    struct FileKind
    {
        const char* description;
        const char* pattern;
        Qlx::TextFormat format;
    };

    // In the order of the filters; Anki and Quizlet both write .txt files.
    const FileKind ExportKinds[] = {
        {"CSV (comma-separated values)", "*.csv", Qlx::TextFormat::CSV},
        {"TSV (tab-separated values)", "*.tsv", Qlx::TextFormat::TSV},
        {"Anki notes in plain text", "*.txt", Qlx::TextFormat::ANKI},
        {"Quizlet cards", "*.txt", Qlx::TextFormat::QUIZLET},
        {"JSON", "*.json", Qlx::TextFormat::JSON},
    };

    // The files Import reads, as the file dialog's first filter offers them.
    const std::string ImportExtensions[] = {"csv", "tsv", "txt", "json"};

    // The code page the list's files are written in when they fit it: an
    // export names it for a text a file left unconverted.
    Qlx::CodePage legacyPage()
    {
        return Qlx::CodePage(WinFile::systemCodePages().legacy);
    }

    std::string fileNameOf(const std::string& path)
    {
        const auto slash = path.find_last_of("\\/");
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }

    // In small letters: the file system ignores their case.
    std::string extensionOf(const std::string& path)
    {
        const std::string name = fileNameOf(path);
        const auto dot = name.rfind('.');
        std::string extension = dot == std::string::npos ? std::string() : name.substr(dot + 1);
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
        return extension;
    }

    // The kind a file name's extension names, else the chosen file type's:
    // "words.tsv" is written as TSV whatever type the dialog showed.
    const FileKind& exportKindFor(const std::string& path, int filterIndex)
    {
        const bool inRange = filterIndex >= 1 && filterIndex <= static_cast<int>(std::size(ExportKinds));
        const FileKind& chosen = inRange ? ExportKinds[filterIndex - 1] : ExportKinds[0];
        const std::string pattern = "*." + extensionOf(path);
        if (pattern == chosen.pattern)
            return chosen;
        const auto named = std::find_if(std::begin(ExportKinds), std::end(ExportKinds),
                                        [&pattern](const FileKind& kind) { return pattern == kind.pattern; });
        return named == std::end(ExportKinds) ? chosen : *named;
    }

    std::string withoutExtension(const std::string& name)
    {
        const auto dot = name.rfind('.');
        return dot == std::string::npos ? name : name.substr(0, dot);
    }

    std::string message(HWND win, int formatId, const std::vector<std::string>& args)
    {
        return Win::fillFormat(Win::ResString(Win::instanceOf(win), formatId).str(), args);
    }

    // Runs `work`; a failure of the file, or too little memory for it, is
    // said in the error box with the path, and the open list stays as it is.
    template <class Work>
    void reportingFailures(HWND win, int formatId, const std::string& path, Work work)
    {
        try
        {
            work();
        }
        catch (const std::runtime_error& failure)
        {
            showError(message(win, formatId, {path, failure.what()}));
        }
        catch (const std::bad_alloc&)
        {
            showError(message(win, formatId, {path, "not enough memory"}));
        }
    }

    // Writes the whole text beside `path` first and only then puts it in the
    // file's place, so that a failure never leaves a file cut short.
    void writeWholeFile(const std::string& path, const std::string& text)
    {
        FileOps::TempFile temp(FileOps::directoryOf(path));
        {
            std::ofstream out(temp.path(), std::ios::binary | std::ios::trunc);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            out.close();
            if (!out)
                throw Qlx::Failure("the file cannot be written");
        }
        try
        {
            temp.replace(path);
        }
        catch (const Win::Exception&)
        {
            throw Qlx::Failure("the file cannot be replaced");
        }
    }
}

void Commander::StudySet_Import()
{
    if (!askSaveChanges())
        return;
    WinFile::OpenDialog dlg(_win);
    std::string patterns;
    for (const std::string& extension : ImportExtensions)
        patterns += (patterns.empty() ? "*." : ";*.") + extension;
    dlg.AddFilter("Lists to import (" + patterns + ")", patterns);
    for (const FileKind& kind : ExportKinds)
        dlg.AddFilter(kind.description, kind.pattern);
    dlg.AddFilter("All files", "*.*");
    if (dlg.Show())
        importFile(dlg.GetPath());
}

void Commander::importFile(const std::string& path)
{
    reportingFailures(_win, IDS_CANT_IMPORT, path, [&] {
        std::string text;
        {
            const Win::BusyCursor busy;
            text = Qlx::readWholeFile(path);
        }
        ImportCtrl ctrl(fileNameOf(path), text, Qlx::guessChoice(text, extensionOf(path)));
        if (!Dialog::Modal(_win, IDD_IMPORT, ctrl).IsOk())
            return;
        takeImported(ctrl.getList());
        const std::string caption = loadString(IDS_PRODUCT_NAME);
        const std::string summary = Qlx::importMessage(fileNameOf(path), ctrl.getReport());
        Win::messageBox(_win, summary, caption, MB_ICONINFORMATION | MB_OK);
    });
}

void Commander::openDropped(const std::string& path)
{
    const std::string extension = extensionOf(path);
    const bool studyList = extension == "qlx";
    if (!studyList && std::find(std::begin(ImportExtensions), std::end(ImportExtensions), extension)
                          == std::end(ImportExtensions))
    {
        const std::string text = message(_win, IDS_CANT_DROP, {fileNameOf(path)});
        Win::messageBox(_win, text, loadString(IDS_PRODUCT_NAME), MB_ICONINFORMATION | MB_OK);
        return;
    }
    if (!askSaveChanges())
        return;
    if (!studyList)
    {
        importFile(path);
        return;
    }
    load(path);
    send(UM_REFRESH_ALL);
}

void Commander::takeImported(Quillory& imported)
{
    const Win::BusyCursor busy;
    *_doc = std::move(imported);
    _doc->setPath(std::string());
    _doc->setModified();
    send(UM_UPDATE_TITLE);
    send(UM_REFRESH_ALL);
}

void Commander::StudySet_Export()
{
    WinFile::SaveDialog dlg(_win);
    for (const FileKind& kind : ExportKinds)
        dlg.AddFilter(kind.description, kind.pattern);
    dlg.SetDefaultExtension("csv");
    if (!_doc->getPath().empty())
        dlg.SetFileName(withoutExtension(fileNameOf(_doc->getPath())));
    if (!dlg.Show())
        return;
    const std::string path = dlg.GetPath();
    const FileKind& kind = exportKindFor(path, dlg.GetFilterIndex());
    reportingFailures(_win, IDS_CANT_EXPORT, path, [&] {
        const Win::BusyCursor busy;
        writeWholeFile(path, Qlx::exportList(*_doc, kind.format, legacyPage()));
    });
}
