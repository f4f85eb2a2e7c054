#include "tests/support/gui/Harness.h"

#include "WinLib/MsgLoop.h"
#include "WinLib/PendingException.h"
#include "tests/support/gui/RealInput.h"

#include <commctrl.h>

#include <memory>

namespace
{
    // The program's own loop translates what the pumps dispatch.
    std::unique_ptr<Win::MsgPrepro> loop;
    bool quitSeen = false;
    int quitCode = 0;

    void dispatch(MSG& msg)
    {
        if (loop && loop->Translate(msg))
            return;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }

    struct ThreadWindows
    {
        const char* className;
        std::vector<HWND> found;
        DWORD processId = 0;   // 0: the thread's windows, of any process
    };

    DWORD processOf(HWND h)
    {
        DWORD id = 0;
        ::GetWindowThreadProcessId(h, &id);
        return id;
    }

    BOOL CALLBACK collect(HWND h, LPARAM param)
    {
        auto& search = *reinterpret_cast<ThreadWindows*>(param);
        if (::IsWindowVisible(h) && (search.className == nullptr || Gui::className(h) == search.className) &&
            (search.processId == 0 || processOf(h) == search.processId))
            search.found.push_back(h);
        return TRUE;
    }

    struct OwnedSearch
    {
        HWND owner;
        HWND dialog;
    };

    BOOL CALLBACK findOwned(HWND h, LPARAM param)
    {
        auto& search = *reinterpret_cast<OwnedSearch*>(param);
        if (!::IsWindowVisible(h) || Gui::className(h) != "#32770" || ::GetWindow(h, GW_OWNER) != search.owner)
            return TRUE;
        search.dialog = h;
        return FALSE;
    }

    std::vector<char> buffer(LRESULT length)
    {
        return std::vector<char>(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    }
}

bool Gui::pumpUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        pumpPending();
        if (done())
            return true;
        const DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return done();
        // Wakes at the next message; the timeout only ends a wait that failed.
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

void Gui::pumpPending()
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            quitSeen = true;
            quitCode = static_cast<int>(msg.wParam);
            continue;
        }
        dispatch(msg);
        // A handler's failure reaches the test as it would reach the program's loop.
        Win::rethrowPendingException();
    }
}

bool Gui::quitReceived(int* exitCode)
{
    if (exitCode != nullptr)
        *exitCode = quitCode;
    return quitSeen;
}

void Gui::resetQuit()
{
    quitSeen = false;
    quitCode = 0;
}

void Gui::setAccelerators(HWND target, HACCEL table, const Win::ModelessDialogs* dialogs)
{
    loop = std::make_unique<Win::MsgPrepro>(target, table, dialogs);
}

std::string Gui::className(HWND h)
{
    char name[256] = {};
    ::GetClassNameA(h, name, sizeof(name));
    return name;
}

std::vector<HWND> Gui::threadWindows(const char* className)
{
    ThreadWindows search{className, {}};
    ::EnumThreadWindows(::GetCurrentThreadId(), &collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> Gui::processWindows(DWORD processId, const char* className)
{
    ThreadWindows search{className, {}, processId};
    ::EnumWindows(&collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Gui::ownerOf(HWND h)
{
    return ::GetWindow(h, GW_OWNER);
}

HWND Gui::ownedDialog(HWND owner)
{
    OwnedSearch search{owner, nullptr};
    ::EnumThreadWindows(::GetWindowThreadProcessId(owner, nullptr), &findOwned, reinterpret_cast<LPARAM>(&search));
    return search.dialog;
}

HWND Gui::findDialog(HWND owner, const std::string& title)
{
    for (HWND h : threadWindows("#32770"))
    {
        if ((owner == nullptr || ownerOf(h) == owner) && (title.empty() || windowText(h) == title))
            return h;
    }
    return nullptr;
}

HWND Gui::waitForDialog(HWND owner, const std::string& title, DWORD timeoutMs)
{
    HWND found = nullptr;
    pumpUntil([&] { return (found = findDialog(owner, title)) != nullptr; }, timeoutMs);
    return found;
}

std::string Gui::windowText(HWND h)
{
    const LRESULT length = ::SendMessageA(h, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> text = buffer(length);
    ::SendMessageA(h, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

std::string Gui::controlText(HWND dlg, int id)
{
    return windowText(::GetDlgItem(dlg, id));
}

std::string Gui::messageBoxText(HWND box)
{
    return controlText(box, 0xFFFF);
}

std::string Gui::caption(HWND h)
{
    return windowText(h);
}

bool Gui::isEnabled(HWND dlg, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(dlg, id)) != FALSE;
}

bool Gui::isChecked(HWND dlg, int id)
{
    return ::IsDlgButtonChecked(dlg, id) == BST_CHECKED;
}

std::string Gui::withoutMnemonic(const std::string& text)
{
    std::string plain;
    for (size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        plain += text[i];
    }
    return plain;
}

HWND Gui::findButton(HWND dlg, const std::string& text)
{
    for (HWND child = ::GetWindow(dlg, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT))
    {
        if (className(child) == "Button" && withoutMnemonic(windowText(child)) == withoutMnemonic(text))
            return child;
    }
    return nullptr;
}

void Gui::click(HWND dlg, int id)
{
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, id)));
}

bool Gui::click(HWND dlg, const std::string& buttonText)
{
    HWND button = findButton(dlg, buttonText);
    if (button == nullptr)
        return false;
    click(dlg, ::GetDlgCtrlID(button));
    return true;
}

void Gui::setText(HWND dlg, int id, const std::string& text)
{
    ::SetDlgItemTextA(dlg, id, text.c_str());
}

void Gui::setChecked(HWND dlg, int id, bool checked)
{
    ::CheckDlgButton(dlg, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Gui::selectCombo(HWND dlg, int id, int index)
{
    HWND combo = ::GetDlgItem(dlg, id);
    ::SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // CB_SETCURSEL is silent; a user's choice also notifies the dialog.
    ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Gui::selectListBox(HWND dlg, int id, int index)
{
    HWND list = ::GetDlgItem(dlg, id);
    ::SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

void Gui::closeBox(HWND h)
{
    ::PostMessageA(h, WM_CLOSE, 0, 0);
}

void Gui::postKey(HWND target, UINT vk, int modifiers)
{
    if (modifiers == NoModifier)
    {
        const UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
        const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
        const LPARAM up = down | (LPARAM(1) << 30) | (LPARAM(1) << 31);
        ::PostMessageA(target, WM_KEYDOWN, vk, down);
        ::PostMessageA(target, WM_KEYUP, vk, up);
        pumpPending();
        return;
    }
    // Modifier state comes from the input queue, so the keys go through it.
    ::SetForegroundWindow(::GetAncestor(target, GA_ROOT));
    ::SetFocus(target);
    typeKey(vk, modifiers);
}

void Gui::typeKey(UINT vk, int modifiers)
{
    RealInput::press(vk, modifiers);
    pumpPending();
}

LRESULT Gui::sendMenuCommand(HWND h, int id)
{
    return ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

LRESULT Gui::sendAccelCommand(HWND h, int id)
{
    return ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(id, 1), 0);
}

LRESULT Gui::sendToolbarCommand(HWND toolbar, int id)
{
    return ::SendMessageA(::GetParent(toolbar), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                          reinterpret_cast<LPARAM>(toolbar));
}

void Gui::clickToolbarButton(HWND toolbar, int id)
{
    // By position: the separators' id 0 is also the first command's, so
    // TB_GETRECT would find a separator for it.
    int index = 0;
    const int count = toolbarButtonCount(toolbar);
    while (index < count && (toolbarButton(toolbar, index).id != id || (toolbarButton(toolbar, index).style & BTNS_SEP) != 0))
        ++index;
    RECT rect{};
    if (index == count || !::SendMessageA(toolbar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
        return;
    const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    ::PostMessageA(toolbar, WM_MOUSEMOVE, 0, at);
    ::PostMessageA(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::PostMessageA(toolbar, WM_LBUTTONUP, 0, at);
    pumpPending();
}

Gui::MenuItem Gui::menuItem(HMENU menu, int pos)
{
    MenuItem item;
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
    info.dwTypeData = nullptr;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &info))
        return item;
    std::vector<char> text(info.cch + 1, '\0');
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    ::GetMenuItemInfoA(menu, static_cast<UINT>(pos), TRUE, &info);
    item.text = text.data();
    item.id = info.wID;
    item.popup = info.hSubMenu;
    item.separator = (info.fType & MFT_SEPARATOR) != 0;
    item.grayed = (info.fState & MFS_GRAYED) != 0;
    item.checked = (info.fState & MFS_CHECKED) != 0;
    return item;
}

std::vector<Gui::MenuItem> Gui::menuItems(HMENU menu)
{
    std::vector<MenuItem> items;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
        items.push_back(menuItem(menu, i));
    return items;
}

int Gui::menuState(HMENU menu, UINT id)
{
    const UINT state = ::GetMenuState(menu, id, MF_BYCOMMAND);
    return state == static_cast<UINT>(-1) ? -1 : static_cast<int>(state);
}

HMENU Gui::openBarPopup(HWND owner, int pos)
{
    HMENU popup = ::GetSubMenu(::GetMenu(owner), pos);
    ::SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup), MAKELPARAM(pos, FALSE));
    return popup;
}

int Gui::findPopup(HMENU menu, const std::string& text)
{
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i)
    {
        const MenuItem item = menuItem(menu, i);
        if (item.popup != nullptr && withoutMnemonic(item.text) == withoutMnemonic(text))
            return i;
    }
    return -1;
}

int Gui::toolbarState(HWND toolbar, int id)
{
    return static_cast<int>(::SendMessageA(toolbar, TB_GETSTATE, static_cast<WPARAM>(id), 0));
}

int Gui::toolbarButtonCount(HWND toolbar)
{
    return static_cast<int>(::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
}

Gui::ToolbarButtonInfo Gui::toolbarButton(HWND toolbar, int index)
{
    TBBUTTON button{};
    ::SendMessageA(toolbar, TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button));
    return {button.idCommand, button.iBitmap, button.fsState, button.fsStyle};
}

std::vector<std::string> Gui::listViewColumns(HWND lv)
{
    std::vector<std::string> titles;
    for (int i = 0;; ++i)
    {
        char text[512] = {};
        LVCOLUMNA column{};
        column.mask = LVCF_TEXT;
        column.pszText = text;
        column.cchTextMax = sizeof(text);
        if (!::SendMessageA(lv, LVM_GETCOLUMNA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column)))
            break;
        titles.push_back(text);
    }
    return titles;
}

std::vector<int> Gui::listViewColumnWidths(HWND lv)
{
    std::vector<int> widths;
    const size_t count = listViewColumns(lv).size();
    for (size_t i = 0; i < count; ++i)
        widths.push_back(static_cast<int>(::SendMessageA(lv, LVM_GETCOLUMNWIDTH, i, 0)));
    return widths;
}

int Gui::listViewRowCount(HWND lv)
{
    return static_cast<int>(::SendMessageA(lv, LVM_GETITEMCOUNT, 0, 0));
}

std::string Gui::listViewCell(HWND lv, int row, int column)
{
    // LVM_GETITEMTEXTA returns the length copied; grow until the text fits.
    for (size_t size = 256;; size *= 2)
    {
        std::vector<char> text(size, '\0');
        LVITEMA item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length =
            ::SendMessageA(lv, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (static_cast<size_t>(length) + 1 < size)
            return std::string(text.data(), static_cast<size_t>(length));
    }
}

std::vector<std::vector<std::string>> Gui::listViewRows(HWND lv)
{
    std::vector<std::vector<std::string>> rows;
    const int columns = static_cast<int>(listViewColumns(lv).size());
    const int count = listViewRowCount(lv);
    for (int r = 0; r < count; ++r)
    {
        std::vector<std::string> cells;
        for (int c = 0; c < columns; ++c)
            cells.push_back(listViewCell(lv, r, c));
        rows.push_back(cells);
    }
    return rows;
}

std::vector<int> Gui::listViewSelection(HWND lv)
{
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(::SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) != -1)
        rows.push_back(row);
    return rows;
}

void Gui::listViewSelect(HWND lv, const std::vector<int>& rows)
{
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = 0;
    ::SendMessageA(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    item.state = LVIS_SELECTED;
    for (int row : rows)
        ::SendMessageA(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

RECT Gui::listViewRowScreenRect(HWND lv, int row)
{
    RECT rect{};
    rect.left = LVIR_BOUNDS;
    ::SendMessageA(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    ::MapWindowPoints(lv, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}
