#include "app/Finder.h"

#include "WinLib/BusyCursor.h"
#include "WinLib/ModelessDialogs.h"
#include "WinLib/ResString.h"
#include "base/TextFormat.h"
#include "app/View.h"
#include "model/Quillory.h"
#include "res/resource.h"
#include "res/strings.h"

#include <optional>

namespace
{
    // The Find window's distance from the main window's top right corner, in
    // dialog units, which grow with the screen's DPI as the window itself does.
    const int MarginUnits = 16;
}

Finder::Finder(HWND mainWin, View& view, const Quillory& doc, Win::ModelessDialogs& dialogs, HACCEL keys)
    : _mainWin(mainWin),
      _view(view),
      _doc(doc),
      _dialogs(dialogs),
      _keys(keys),
      _ctrl([this](const std::string& text) { findFromWindow(text); }, [this] { close(); })
{
}

Finder::~Finder()
{
    close();
}

void Finder::show()
{
    if (_window == nullptr)
    {
        _window = Dialog::CreateModeless(_mainWin, IDD_FIND, _ctrl);
        _dialogs.Add(_window, _keys, _mainWin);
        placeBesideMainWindow();
        ::ShowWindow(_window, SW_SHOW);
    }
    ::SetActiveWindow(_window);
    _ctrl.showText(_text);
}

void Finder::placeBesideMainWindow()
{
    RECT main{};
    RECT own{};
    RECT margin{0, 0, MarginUnits, MarginUnits};
    ::GetWindowRect(_mainWin, &main);
    ::GetWindowRect(_window, &own);
    ::MapDialogRect(_window, &margin);
    ::SetWindowPos(_window, nullptr, main.right - (own.right - own.left) - margin.right, main.top + 2 * margin.bottom, 0,
                   0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Finder::close()
{
    if (_window == nullptr)
        return;
    const HWND window = _window;
    _window = nullptr;
    _dialogs.Remove(window);
    // Destroying the main window destroys the Find window first.
    if (::IsWindow(window))
        ::DestroyWindow(window);
}

void Finder::findFromWindow(const std::string& text)
{
    if (text.empty())
        return;
    _text = text;
    find(ItemSearch::Direction::Forward);
}

void Finder::find(ItemSearch::Direction direction)
{
    if (_text.empty())
    {
        show();
        return;
    }
    // While a dialog of the main window is open, its item must stay the selected one.
    if (!::IsWindowEnabled(_mainWin))
        return;
    Win::ListView& list = _view.getListView();
    const int focused = list.FocusedRow();
    const std::optional<unsigned> from = focused >= 0 ? std::optional<unsigned>(focused) : std::nullopt;
    std::optional<unsigned> match;
    {
        // The first search of a long list in other scripts than English takes a moment.
        const Win::BusyCursor busy;
        match = ItemSearch(_text).next(_doc, from, direction, _forms);
    }
    if (match)
        list.SelectOnly(static_cast<int>(*match));
    else
        _view.setStatusText(Win::fillFormat(Win::ResString(Win::instanceOf(_mainWin), IDS_NOT_FOUND).str(), {_text}).c_str());
}
