#include "tests/gui/DialogKeys.h"

#include "WinLib/PendingException.h"
#include "tests/support/gui/Harness.h"

void Gui::pumpDialog(HWND dlg)
{
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // Belongs to the loop outside the dialog.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!::IsWindow(dlg) || !::IsDialogMessageW(dlg, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        Win::rethrowPendingException();
    }
}

void Gui::typeInto(HWND dlg, int id, const std::string& text)
{
    ::SetFocus(::GetDlgItem(dlg, id));
    setText(dlg, id, text);
}

void Gui::pressKeyIn(HWND dlg, int id, UINT vk)
{
    HWND box = ::GetDlgItem(dlg, id);
    ::SetFocus(box);
    const UINT scan = ::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | static_cast<LPARAM>(scan) << 16;
    ::PostMessageA(box, WM_KEYDOWN, vk, down);
    ::PostMessageA(box, WM_KEYUP, vk, down | (LPARAM(1) << 30) | (LPARAM(1) << 31));
    pumpDialog(dlg);
}

void Gui::pressEnterIn(HWND dlg, int id)
{
    pressKeyIn(dlg, id, VK_RETURN);
}

bool Gui::pushButton(HWND dlg, int id)
{
    HWND button = ::GetDlgItem(dlg, id);
    if (button == nullptr || !::IsWindowEnabled(button))
        return false;
    ::SetFocus(button);
    ::SendMessageA(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    pumpDialog(dlg);
    return true;
}

void Gui::clickCheckBox(HWND dlg, int id)
{
    ::SendMessageA(::GetDlgItem(dlg, id), BM_CLICK, 0, 0);
    pumpDialog(dlg);
}

int Gui::focusedId(HWND dlg)
{
    HWND focus = ::GetFocus();
    if (focus == nullptr || ::GetParent(focus) != dlg)
        return 0;
    return ::GetDlgCtrlID(focus);
}

std::vector<std::string> Gui::listBoxItems(HWND dlg, int id)
{
    HWND list = ::GetDlgItem(dlg, id);
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        const auto length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length > 0 ? length : 0));
        items.push_back(text);
    }
    return items;
}

int Gui::listBoxSelection(HWND dlg, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dlg, id, LB_GETCURSEL, 0, 0));
}

std::vector<std::string> Gui::comboItems(HWND dlg, int id)
{
    HWND combo = ::GetDlgItem(dlg, id);
    std::vector<std::string> items;
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
    {
        const auto length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
        ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(length > 0 ? length : 0));
        items.push_back(text);
    }
    return items;
}

int Gui::comboSelection(HWND dlg, int id)
{
    return static_cast<int>(::SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0));
}
