#include "app/TopController.h"

#include "WinLib/MessageBox.h"
#include "WinLib/Accel.h"
#include "WinLib/Helper.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "app/Commander.h"
#include "app/Finder.h"
#include "app/Messages.h"
#include "app/RecentDocsStore.h"
#include "app/UiTables.h"
#include "app/View.h"
#include "app/Sorter.h"
#include "res/strings.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>
#include <cstring>

namespace
{
    const UINT MenuClosed = 0xFFFF;
    // Header notifications reach the list view's parent in the parent's
    // character set: ANSI here, though some systems pass the wide code through.
    const UINT HeaderItemChangedA = static_cast<UINT>(HDN_ITEMCHANGEDA);
    const UINT HeaderItemChangedW = static_cast<UINT>(HDN_ITEMCHANGEDW);
    // Wine's list view passes on only the end of a divider drag, sent before
    // the header applies the new width, which the notification carries.
    const UINT HeaderEndTrackA = static_cast<UINT>(HDN_ENDTRACKA);
    const UINT HeaderEndTrackW = static_cast<UINT>(HDN_ENDTRACKW);
    // What TTN_NEEDTEXTA offers: a fixed 80-character buffer.
    const size_t ToolTipBufferSize = 80;
}

TopController::TopController(RecentDocsStore& recentStore, const Win::HelpFile& help)
    : _recentStore(recentStore), _help(help)
{
}

TopController::~TopController() = default;

HACCEL TopController::getAccel() const
{
    return _accel ? _accel->getHandle() : nullptr;
}

bool TopController::OnCreate(CREATESTRUCTA* /*create*/)
{
    try
    {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS};
        ::InitCommonControlsEx(&icc);
        _commander = std::make_unique<Commander>(_h, _doc, _help);
        _cmdVector = std::make_unique<CmdVector>(CmdTable, _commander.get());
        _accel = std::make_unique<Accel::Table>(AccelTable, *_cmdVector);
        _view = std::make_unique<View>(_h, *_cmdVector, _doc);
        _findKeys = std::make_unique<Accel::Table>(FindKeysTable, *_cmdVector);
        _finder = std::make_unique<Finder>(_h, *_view, _doc, _dialogs, _findKeys->getHandle());
        _view->attachMenu(_h);
        ::DragAcceptFiles(_h, TRUE);
        _view->showCounts();
        _recentStore.load(_doc);
    }
    catch (...)
    {
        // The window is still created, with whatever could be built.
        Win::messageBox(_h, "Internal error:\nFailure to initialize", "Exception", MB_ICONWARNING | MB_OK);
    }
    return true;
}

// Only the progress dialog ends a session: a close request from the taskbar
// or another program would destroy the session's windows.
bool TopController::mayQuit()
{
    if (!_commander)
        return true;
    return !_commander->isStudying() && _commander->askSaveChanges();
}

bool TopController::OnClose()
{
    return !mayQuit();
}

// Logging off asks as closing does; the user ends a running session first.
bool TopController::OnQueryEndSession()
{
    return mayQuit();
}

// Windows ends the process after this without destroying the window.
void TopController::OnEndSession(bool ending)
{
    if (ending)
        _recentStore.save(_doc);
}

bool TopController::OnDestroy()
{
    if (_finder)
        _finder->close();
    Win::Helper(_h, _help).Quit();
    _recentStore.save(_doc);
    ::PostQuitMessage(0);
    return true;
}

bool TopController::OnFocus(HWND /*lostFocus*/)
{
    if (_view)
        ::SetFocus(_view->getListView().getHandle());
    return true;
}

bool TopController::OnSize(int width, int height, int /*sizeType*/)
{
    if (_view)
        _view->size(width, height);
    return true;
}

bool TopController::OnCommand(int cmdId, bool isAccel)
{
    // The table checks only its own preconditions; an id from elsewhere would read past its end.
    if (!_cmdVector || !isCommandId(cmdId))
        return true;
    // Accelerators bypass the greying of menu items and buttons: test them here.
    if (!isAccel || _cmdVector->test(cmdId) != 0)
        _cmdVector->execute(cmdId);
    return true;
}

bool TopController::OnControl(HWND control, int id, int /*code*/)
{
    // A toolbar button sends its command's id; a greyed button cannot be clicked.
    if (control != nullptr && control == ::GetDlgItem(_h, View::ToolbarId))
        return OnCommand(id, false);
    return true;
}

bool TopController::OnToolTip(HWND /*from*/, UINT_PTR id, char* text)
{
    if (!_cmdVector || id > static_cast<UINT_PTR>(INT_MAX) || !isCommandId(static_cast<int>(id)))
        return true;
    const char* help = _cmdVector->getHelp(static_cast<int>(id));
    const size_t length = std::min(std::strlen(help), ToolTipBufferSize - 1);
    std::memcpy(text, help, length);
    text[length] = '\0';
    return true;
}

bool TopController::OnColumnClick(HWND /*from*/, UINT_PTR id, int column)
{
    if (_view && id == static_cast<UINT_PTR>(View::ListViewId) && column >= 0)
        sortByColumn(static_cast<unsigned>(column));
    return true;
}

void TopController::sortByColumn(unsigned column)
{
    StudyListOutlineModel& columns = _view->getColumnModel();
    if (column >= columns.getColumnsCount())
        return;
    ::sortByColumn(_doc.getTermSets(), columns.getSorter(column));
    listChanged();
    _doc.clearSelection();
    _view->refreshRows();
    showState();
}

bool TopController::OnNotify(NMHDR& header)
{
    if (!_view)
        return false;
    if (header.code == LVN_ITEMCHANGED && header.idFrom == static_cast<UINT_PTR>(View::ListViewId))
        return onItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
    if (header.code == static_cast<UINT>(NM_DBLCLK) && header.idFrom == static_cast<UINT_PTR>(View::ListViewId))
    {
        const int editId = _cmdVector->cmdToId("Term_Edit");
        if (_cmdVector->test(editId) != 0)
            _cmdVector->execute(editId);
        return true;
    }
    if (header.code == HeaderItemChangedA || header.code == HeaderItemChangedW)
    {
        _view->storeColumnWidths();
        return true;
    }
    if (header.code == HeaderEndTrackA || header.code == HeaderEndTrackW)
    {
        // Both variants start with the same fields; only the item's text differs.
        const NMHEADERA& track = reinterpret_cast<const NMHEADERA&>(header);
        _view->storeColumnWidths();
        if (track.pitem != nullptr && (track.pitem->mask & HDI_WIDTH) != 0)
            _view->storeColumnWidth(track.iItem, track.pitem->cxy);
        return false;
    }
    return false;
}

bool TopController::onItemChanged(const NMLISTVIEW& change)
{
    if ((change.uChanged & LVIF_STATE) == 0)
        return false;
    const bool wasSelected = (change.uOldState & LVIS_SELECTED) != 0;
    const bool isSelected = (change.uNewState & LVIS_SELECTED) != 0;
    if (wasSelected == isSelected)
        return true;
    // iItem -1: the change was applied to all rows at once.
    if (change.iItem < 0)
        selectionFromListView();
    else if (isSelected)
        _doc.select(change.iItem);
    else
        _doc.deselect(change.iItem);
    if (!_selectingAll)
        showState();
    return true;
}

void TopController::selectionFromListView()
{
    _doc.clearSelection();
    for (int row : _view->getListView().SelectedRows())
        _doc.select(static_cast<unsigned>(row));
}

void TopController::showState()
{
    _view->showCounts();
    _view->getToolbar().UpdateButtons();
}

bool TopController::OnInitPopup(HMENU popup, int /*pos*/)
{
    if (_view)
        _view->getMenus().InitPopup(popup);
    return true;
}

bool TopController::OnMenuSelect(int id, int flags, HMENU /*menu*/)
{
    if (!_view)
        return false;
    if (static_cast<UINT>(flags) == MenuClosed)
    {
        _view->showCounts();
        return true;
    }
    if ((flags & (MF_SEPARATOR | MF_POPUP | MF_SYSMENU)) != 0 || !isCommandId(id))
        return false;
    _view->setStatusText(_cmdVector->getHelp(id));
    return true;
}

bool TopController::OnUserMessage(UINT msg, WPARAM wParam, LPARAM /*lParam*/, LRESULT& /*result*/)
{
    if (msg < UM_REFRESH_ALL || msg > UM_FIND)
        return false;
    if (!_view)
        return true;
    switch (msg)
    {
    case UM_REFRESH_ALL:
        listChanged();
        _doc.clearSelection();
        _view->refreshAll();
        showState();
        break;
    case UM_REFRESH_ITEMS:
        listChanged();
        _doc.clearSelection();
        _view->refreshRows();
        showState();
        break;
    case UM_SELECT_ALL:
        _selectingAll = true;
        _view->getListView().SelectAll();
        _selectingAll = false;
        showState();
        break;
    case UM_UPDATE_TITLE:
        updateTitle();
        break;
    case UM_OPEN_FILE:
        openFile(reinterpret_cast<const char*>(wParam));
        break;
    case UM_FIND:
        find(wParam);
        break;
    }
    return true;
}

void TopController::listChanged()
{
    if (_finder)
        _finder->listChanged();
}

void TopController::find(WPARAM request)
{
    if (!_finder)
        return;
    switch (request)
    {
    case FIND_SHOW: _finder->show(); break;
    case FIND_NEXT: _finder->find(ItemSearch::Direction::Forward); break;
    case FIND_PREVIOUS: _finder->find(ItemSearch::Direction::Backward); break;
    default: _finder->close(); break;
    }
}

void TopController::openFile(const char* path)
{
    if (path == nullptr || !_commander->askSaveChanges())
        return;
    _commander->load(path);
    // As UM_REFRESH_ALL: the counts and buttons must show the loaded list too.
    listChanged();
    _doc.clearSelection();
    _view->refreshAll();
    showState();
}

void TopController::updateTitle()
{
    const std::string title = Win::ResString(Win::instanceOf(_h), IDS_PRODUCT_NAME).str() + " - " + _doc.getPath();
    ::SetWindowTextA(_h, title.c_str());
}

bool TopController::OnDropFiles(const std::vector<std::string>& paths)
{
    // A dialog of the main window or a session may hold items of the open
    // list: nothing replaces it meanwhile.
    if (!_commander || !::IsWindowEnabled(_h) || _commander->isStudying())
        return true;
    // One list at a time: the first of several files.
    if (!paths.empty())
        _commander->openDropped(paths.front());
    return true;
}

bool TopController::OnContextMenu(HWND window, int x, int y)
{
    if (!_view || window != _view->getListView().getHandle())
        return false;
    _view->contextMenu(_h, x, y);
    return true;
}

bool TopController::OnDpiChanged(Win::Dpi dpi, const RECT& suggested)
{
    ::SetWindowPos(_h, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    if (_view)
        _view->rescale(_h, dpi);
    return true;
}
