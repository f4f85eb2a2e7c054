#pragma once
#include "WinLib/Controller.h"
#include "WinLib/ModelessDialogs.h"
#include "app/CmdTable.h"
#include "model/Quillory.h"

#include <memory>
#include <string>
#include <vector>

namespace Accel { class Table; }
class Commander;
class Finder;
class RecentDocsStore;
class View;
namespace Win { class HelpFile; }

// The main window's controller: holds the document, builds the children and
// the command machinery, and keeps the view in step with the document.
class TopController : public Win::Controller
{
public:
    TopController(RecentDocsStore& recentStore, const Win::HelpFile& help);
    ~TopController() override;

    bool OnCreate(CREATESTRUCTA* create) override;
    bool OnClose() override;
    bool OnDestroy() override;
    bool OnQueryEndSession() override;
    void OnEndSession(bool ending) override;
    bool OnFocus(HWND lostFocus) override;
    bool OnSize(int width, int height, int sizeType) override;
    bool OnCommand(int cmdId, bool isAccel) override;
    bool OnControl(HWND control, int id, int code) override;
    bool OnToolTip(HWND from, UINT_PTR id, char* text) override;
    bool OnColumnClick(HWND from, UINT_PTR id, int column) override;
    bool OnNotify(NMHDR& header) override;
    bool OnInitPopup(HMENU popup, int pos) override;
    bool OnMenuSelect(int id, int flags, HMENU menu) override;
    bool OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnContextMenu(HWND window, int x, int y) override;
    bool OnDpiChanged(Win::Dpi dpi, const RECT& suggested) override;
    bool OnDropFiles(const std::vector<std::string>& paths) override;

    HACCEL getAccel() const;
    Quillory& getDocument() { return _doc; }
    View* getView() { return _view.get(); }
    CmdVector* getCmdVector() { return _cmdVector.get(); }
    // The modeless windows the message loop must give their keys.
    const Win::ModelessDialogs& getModelessDialogs() const { return _dialogs; }
    Finder* getFinder() { return _finder.get(); }

private:
    // Closing or logging off may go on: no session runs and the document may be discarded.
    bool mayQuit();
    bool onItemChanged(const NMLISTVIEW& change);
    void selectionFromListView();
    void updateTitle();
    void showState();
    void sortByColumn(unsigned column);
    void openFile(const char* path);
    void find(WPARAM request);
    // What a search keeps of the items is out of date.
    void listChanged();

    std::unique_ptr<View> _view;
    std::unique_ptr<Commander> _commander;
    std::unique_ptr<CmdVector> _cmdVector;
    std::unique_ptr<Accel::Table> _accel;
    std::unique_ptr<Accel::Table> _findKeys;
    Win::ModelessDialogs _dialogs;
    // After the view, which it uses: destroyed before it.
    std::unique_ptr<Finder> _finder;
    Quillory _doc;
    RecentDocsStore& _recentStore;
    const Win::HelpFile& _help;
    // While Select All runs, each row's notification only records the
    // selection; the counts and buttons follow once at the end.
    bool _selectingAll = false;
};
