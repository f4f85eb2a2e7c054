#include "app/Commander.h"

#include "WinLib/MessageBox.h"
#include "WinLib/Dialog.h"
#include "WinLib/FileDlg.h"
#include "WinLib/Helper.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "base/TextFormat.h"
#include "app/AboutCtrl.h"
#include "app/Messages.h"
#include "app/MainFilerHost.h"
#include "app/OutlineCtrl.h"
#include "app/TermEditCtrl.h"
#include "persist/Filer.h"
#include "model/Quillory.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
    // The Open and Save As dialogs share their filters.
    void prepare(WinFile::FileDialog& dlg)
    {
        dlg.AddFilter("Quillory Documents", "*.qlx");
        dlg.AddFilter("All files", "*.*");
        dlg.SetDefaultExtension("qlx");
    }
}

std::string Commander::loadString(int id) const
{
    return Win::ResString(Win::instanceOf(_win), id).str();
}

bool Commander::confirm(int textId)
{
    const std::string text = loadString(textId);
    const std::string caption = loadString(IDS_PLEASE_CONFIRM);
    return Win::messageBox(_win, text, caption, MB_ICONWARNING | MB_YESNO) == IDYES;
}

int Commander::can_IfItems() const
{
    return _doc->getItemCount() != 0 ? 1 : 0;
}

int Commander::can_IfSelection() const
{
    return _doc->hasSelection() ? 1 : 0;
}

bool Commander::askSaveChanges()
{
    if (_doc->isSaved())
        return true;
    const std::string name = _doc->getPath().empty() ? loadString(IDS_NEW_STUDY_LIST) : _doc->getPath();
    const std::string text = Win::fillFormat(loadString(IDS_SAVE_CHANGES), {name});
    const std::string caption = loadString(IDS_PRODUCT_NAME);
    switch (Win::messageBox(_win, text, caption, MB_ICONQUESTION | MB_YESNOCANCEL))
    {
    case IDNO:
        return true;
    case IDYES:
        StudySet_Save();
        return _doc->isSaved();
    default:
        return false;
    }
}

void Commander::load(const std::string& path)
{
    MainFilerHost host(_win);
    WinFile::Filer(*_doc, path, host).load();
}

void Commander::saveTo(const std::string& path)
{
    MainFilerHost host(_win);
    WinFile::Filer(*_doc, path, host).save();
}

void Commander::Program_Help()
{
    Win::Helper(_win, *_help).Contents();
}

void Commander::Program_About()
{
    AboutCtrl ctrl;
    Dialog::Modal(_win, IDD_ABOUT, ctrl);
}

void Commander::Program_Exit()
{
    send(WM_CLOSE);
}

void Commander::StudySet_New()
{
    if (!askSaveChanges())
        return;
    _doc->newList();
    send(UM_UPDATE_TITLE);
    send(UM_REFRESH_ALL);
}

void Commander::StudySet_Open()
{
    if (!askSaveChanges())
        return;
    WinFile::OpenDialog dlg(_win);
    prepare(dlg);
    if (!dlg.Show())
        return;
    load(dlg.GetPath());
    send(UM_REFRESH_ALL);
}

void Commander::openRecent(unsigned pos)
{
    if (!askSaveChanges())
        return;
    // A copy: loading puts the path first in the document's own list.
    const auto recent = _doc->getRecentDocs();
    if (pos >= recent.size())
        return;
    load(recent[pos]);
    send(UM_REFRESH_ALL);
}

void Commander::StudySet_Save()
{
    if (_doc->getPath().empty())
        StudySet_SaveAs();
    else
        saveTo(_doc->getPath());
}

void Commander::StudySet_SaveAs()
{
    WinFile::SaveDialog dlg(_win);
    prepare(dlg);
    if (dlg.Show())
        saveTo(dlg.GetPath());
}

void Commander::StudySet_Outline()
{
    OutlineCtrl ctrl(_doc->getOutline(), *_help);
    if (!Dialog::Modal(_win, IDD_OUTLINE, ctrl).IsOk())
        return;
    _doc->setOutline(ctrl.getOutline());
    send(UM_REFRESH_ALL);
}

void Commander::StudySet_ClearRecent()
{
    _doc->clearRecentDocs();
}

void Commander::StudySet_ResetScores()
{
    if (!confirm(IDS_RESET_SCORES))
        return;
    _doc->resetScores();
    send(UM_REFRESH_ITEMS);
}

void Commander::Term_Add()
{
    const TermSet item(static_cast<std::int32_t>(_doc->getItemCount() + 1), _doc->getOutline());
    TermEditCtrl ctrl(_doc->getOutline(), item, *_help);
    if (!Dialog::Modal(_win, IDD_TERM_EDIT, ctrl).IsOk())
        return;
    _doc->addItem(ctrl.getItem());
    send(UM_REFRESH_ITEMS);
}

void Commander::Term_Remove()
{
    if (!confirm(IDS_DELETE_ITEMS))
        return;
    _doc->removeSelected();
    send(UM_REFRESH_ITEMS);
}

void Commander::Term_Edit()
{
    // The command is offered only with a selection; the list view's double
    // click checks the same.
    if (!_doc->hasSelection())
        return;
    TermEditCtrl ctrl(_doc->getOutline(), _doc->getSelectedItem(), *_help);
    if (!Dialog::Modal(_win, IDD_TERM_EDIT, ctrl).IsOk())
        return;
    _doc->setSelectedItem(ctrl.getItem());
    send(UM_REFRESH_ITEMS);
}

void Commander::Term_SelectAll()
{
    send(UM_SELECT_ALL);
}

void Commander::Term_Find()
{
    send(UM_FIND, FIND_SHOW);
}

void Commander::Term_FindNext()
{
    send(UM_FIND, FIND_NEXT);
}

void Commander::Term_FindPrevious()
{
    send(UM_FIND, FIND_PREVIOUS);
}
