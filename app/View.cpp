#include "app/View.h"

#include "WinLib/MessageBox.h"
#include "WinLib/Controller.h"
#include "base/Exception.h"
#include "WinLib/ResString.h"
#include "base/TextFormat.h"
#include "app/UiTables.h"
#include "model/Quillory.h"
#include "res/strings.h"

#include <commctrl.h>

View::View(HWND win, const Cmd::Vector& cmdVector, const Quillory& doc)
    : _menus(MenuTable, cmdVector),
      _recentMenu(_menus, doc, cmdVector),
      _columnModel(doc.getOutline()),
      _rowModel(doc),
      _listView(_columnModel, _rowModel),
      _toolbar(win, ToolbarId, ToolbarTable, cmdVector),
      _doc(&doc),
      _statusFormat(Win::ResString(Win::instanceOf(win), IDS_STATUS_FORMAT).str())
{
    // A child that fails is reported here; the window goes on with what exists.
    try
    {
        finishChildren(win);
    }
    catch (const Win::Exception& e)
    {
        const std::string text = Win::fillFormat("%s, Error %i", {e.getMessage(), std::to_string(static_cast<int>(e.getError()))});
        Win::messageBox(nullptr, text, "Initialization", MB_ICONWARNING | MB_OK);
    }
    catch (...)
    {
        Win::messageBox(nullptr, "Unknown Exception", "Initialization", MB_ICONWARNING | MB_OK);
    }
}

void View::finishChildren(HWND win)
{
    finishToolbar();

    _statusBar.Create(Win::StatusBarMaker(win, StatusBarId));
    _statusBar.MeasureHeight();

    Win::ListViewMaker listMaker(win, ListViewId);
    // The match of a find stays visible while the Find window has the keyboard.
    listMaker._style |= LVS_SHOWSELALWAYS;
    listMaker.Create("");
    _listView.Init(::GetDlgItem(win, ListViewId), ListViewId);
    placeListBelowToolbar();
    _listView.SetFullRowSelect();

    refreshAll();
}

void View::finishToolbar()
{
    _toolbar.SetFlat();
    _toolbar.SetToolTips();
    _toolbar.AddButtons();
    _toolbar.AutoSize();
    _toolbar.UpdateButtons();
}

void View::placeListBelowToolbar()
{
    ::SetWindowPos(_listView.getHandle(), nullptr, 0, _toolbar.getHeight(), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void View::rescale(HWND win, Win::Dpi dpi)
{
    auto font = std::make_unique<Win::Font>(dpi);
    _listView.SetDpi(dpi);
    font->applyTo(_listView.getHandle());
    _toolbar.Recreate(dpi);
    font->applyTo(_toolbar.getHandle());
    finishToolbar();
    font->applyTo(_statusBar.getHandle());
    _statusBar.Resize();
    _statusBar.MeasureHeight();
    // The children have let go of the font made for the previous DPI.
    _font = std::move(font);
    placeListBelowToolbar();
    RECT client{};
    ::GetClientRect(win, &client);
    size(client.right, client.bottom);
}

void View::size(int width, int height)
{
    _statusBar.Resize();
    _toolbar.AutoSize();
    const int listHeight = height - _statusBar.getHeight() - _toolbar.getHeight();
    ::SetWindowPos(_listView.getHandle(), nullptr, 0, 0, width, listHeight > 0 ? listHeight : 0,
                   SWP_NOMOVE | SWP_NOZORDER);
}

void View::refreshAll()
{
    _listView.RefreshColumns();
    _listView.RefreshItems();
}

void View::setStatusText(const char* text)
{
    _statusText = text;
    _statusBar.SetText(_statusText.c_str());
}

void View::showCounts()
{
    setStatusText(Win::fillFormat(_statusFormat, {std::to_string(_doc->getItemCount()),
                                                  std::to_string(_doc->getSelectedCount())})
                      .c_str());
}

void View::storeColumnWidths()
{
    if (_listView.isRescaling())
        return;
    _columnModel.clearDefWidths();
    _listView.SaveColumnWidths();
}

void View::storeColumnWidth(int column, int width)
{
    if (_listView.isRescaling())
        return;
    if (column >= 0 && static_cast<unsigned>(column) < _columnModel.getColumnsCount() && width >= 0)
        _listView.SaveColumnWidth(static_cast<unsigned>(column), width);
}

void View::contextMenu(HWND win, int x, int y)
{
    HMENU itemMenu = ::GetSubMenu(::GetMenu(win), ItemMenuBarIdx);
    if (itemMenu == nullptr)
        return;
    _menus.InitPopup(itemMenu);
    POINT at{x, y};
    if (Win::isKeyboardMenu(x, y))
        at = _listView.keyboardMenuPoint();
    ::TrackPopupMenu(itemMenu, TPM_RIGHTBUTTON, at.x, at.y, 0, win, nullptr);
}
