#pragma once
#include <windows.h>

#include <string>

#include "app/FindCtrl.h"
#include "app/ItemSearch.h"

class Quillory;
class View;
namespace Win { class ModelessDialogs; }

// Find for the main window: the modeless Find window and the search for the
// next or previous item with its last text, from the focused row on. A match
// becomes the only selected row, focused and scrolled into view; no match is
// said in the status bar and leaves the selection alone.
class Finder
{
public:
    // `keys` are the find keys, which also work in the Find window.
    Finder(HWND mainWin, View& view, const Quillory& doc, Win::ModelessDialogs& dialogs, HACCEL keys);
    ~Finder();
    Finder(const Finder&) = delete;
    Finder& operator=(const Finder&) = delete;

    // Opens the Find window, or brings it back, with its text selected.
    void show();
    // Without a text yet, opens the Find window instead.
    void find(ItemSearch::Direction direction);
    void close();
    // The items, their texts or their order changed.
    void listChanged() { _forms.forget(); }
    HWND getWindow() const { return _window; }

private:
    void findFromWindow(const std::string& text);
    void placeBesideMainWindow();

    HWND _mainWin;
    View& _view;
    const Quillory& _doc;
    Win::ModelessDialogs& _dialogs;
    HACCEL _keys;
    FindCtrl _ctrl;
    HWND _window = nullptr;
    std::string _text;
    ItemForms _forms;
};
