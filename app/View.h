#pragma once
#include <windows.h>
#include <memory>
#include <string>

#include "WinLib/Font.h"
#include "WinLib/ListView.h"
#include "WinLib/StatusBar.h"
#include "WinLib/Menu.h"
#include "WinLib/Toolbar.h"
#include "app/ListViewModels.h"
#include "app/RecentMenu.h"

namespace Cmd { class Vector; }
class Quillory;

// The main window's children: menu bar, toolbar, list view and status bar.
class View
{
public:
    static const int StatusBarId = 1;
    static const int ListViewId = 2;
    static const int ToolbarId = 3;

    View(HWND win, const Cmd::Vector& cmdVector, const Quillory& doc);

    void attachMenu(HWND win) { _menus.Attach(win); }
    void size(int width, int height);
    void refreshAll();
    void refreshRows() { _listView.RefreshItems(); }
    void setStatusText(const char* text);
    // The item and selection counts, formatted with the status format.
    void showCounts();
    void storeColumnWidths();
    // One column's width that the list view has not applied yet.
    void storeColumnWidth(int column, int width);
    void contextMenu(HWND win, int x, int y);
    // The window now shows at `dpi`: columns, toolbar images and the
    // children's font follow it.
    void rescale(HWND win, Win::Dpi dpi);

    StudyListOutlineModel& getColumnModel() { return _columnModel; }
    Win::ListView& getListView() { return _listView; }
    Win::Toolbar& getToolbar() { return _toolbar; }
    Win::StatusBar& getStatusBar() { return _statusBar; }
    Menu::DropDown& getMenus() { return _menus; }
    const std::string& getStatusText() const { return _statusText; }

private:
    void finishChildren(HWND win);
    void finishToolbar();
    void placeListBelowToolbar();

    Menu::DropDown _menus;
    RecentMenu _recentMenu;
    StudyListOutlineModel _columnModel;
    StudyListDataModel _rowModel;
    Win::ListView _listView;
    Win::StatusBar _statusBar;
    Win::Toolbar _toolbar;
    const Quillory* _doc;
    std::string _statusFormat;
    std::string _statusText;
    // Made at the first change of DPI; until then the children show the
    // fonts the system gave them.
    std::unique_ptr<Win::Font> _font;
};
