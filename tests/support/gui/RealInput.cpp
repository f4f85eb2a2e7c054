#include "tests/support/gui/RealInput.h"

#include <vector>

namespace
{
    // How often a wait looks at the state it waits for.
    const DWORD PollPeriodMs = 10;

    const std::pair<int, WORD> ModifierKeys[] = {{Gui::Ctrl, VK_CONTROL}, {Gui::Shift, VK_SHIFT}, {Gui::Alt, VK_MENU}};

    INPUT keyInput(WORD vk, bool up)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return input;
    }

    INPUT unicodeInput(wchar_t ch, bool up)
    {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = static_cast<WORD>(ch);
        input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
        return input;
    }

    void send(std::vector<INPUT>& inputs)
    {
        if (!inputs.empty())
            ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }

    // The keys of one stroke: modifiers down, the key down and up, modifiers up.
    void appendStroke(std::vector<INPUT>& inputs, WORD vk, int modifiers)
    {
        for (const auto& mod : ModifierKeys)
            if (modifiers & mod.first)
                inputs.push_back(keyInput(mod.second, false));
        inputs.push_back(keyInput(vk, false));
        inputs.push_back(keyInput(vk, true));
        for (const auto& mod : ModifierKeys)
            if (modifiers & mod.first)
                inputs.push_back(keyInput(mod.second, true));
    }

    // VkKeyScan's shift state: 1 Shift, 2 Ctrl, 4 Alt.
    int modifiersOfShiftState(int state)
    {
        return ((state & 1) ? Gui::Shift : 0) | ((state & 2) ? Gui::Ctrl : 0) | ((state & 4) ? Gui::Alt : 0);
    }

    // A character outside the keyboard (any script, a surrogate half of one
    // beyond the Basic Multilingual Plane) is typed as itself, as an input
    // method types it.
    void appendCharacter(std::vector<INPUT>& inputs, wchar_t ch)
    {
        const bool surrogate = ch >= 0xD800 && ch <= 0xDFFF;
        const SHORT scan = surrogate ? -1 : ::VkKeyScanW(ch);
        if (scan == -1)
        {
            inputs.push_back(unicodeInput(ch, false));
            inputs.push_back(unicodeInput(ch, true));
            return;
        }
        appendStroke(inputs, static_cast<WORD>(LOBYTE(scan)), modifiersOfShiftState(HIBYTE(scan)));
    }

    std::wstring utf16Of(const std::string& text)
    {
        const int size = static_cast<int>(text.size());
        std::wstring wide(static_cast<std::size_t>(::MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0)),
                          L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
        return wide;
    }

    // SendInput's absolute coordinates span the virtual screen as 0..65535.
    LONG normalized(LONG value, int origin, int extent)
    {
        return static_cast<LONG>(::MulDiv(value - origin, 65535, extent > 1 ? extent - 1 : 1));
    }

    DWORD downFlag(RealInput::Button button)
    {
        return button == RealInput::Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    }

    DWORD upFlag(RealInput::Button button)
    {
        return button == RealInput::Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    }

    // The middle of the title bar, if `top` has one: the run of points that
    // hit the caption on the window's vertical centre line.
    bool titleBarPoint(HWND top, POINT& at)
    {
        if ((::GetWindowLongA(top, GWL_STYLE) & WS_CAPTION) != WS_CAPTION)
            return false;
        RECT r{};
        ::GetWindowRect(top, &r);
        const int x = (r.left + r.right) / 2;
        int first = -1;
        int last = -1;
        for (int y = r.top; y < r.bottom && (last == -1 || last == y - 1); ++y)
        {
            if (::SendMessageA(top, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != HTCAPTION)
                continue;
            if (first == -1)
                first = y;
            last = y;
        }
        if (first == -1)
            return false;
        at = {x, (first + last) / 2};
        // A person can click only a title bar that no other window covers.
        return ::GetAncestor(::WindowFromPoint(at), GA_ROOT) == top;
    }
}

void RealInput::type(const std::string& text)
{
    std::vector<INPUT> inputs;
    for (wchar_t ch : utf16Of(text))
        appendCharacter(inputs, ch);
    send(inputs);
}

void RealInput::press(UINT vk, int modifiers)
{
    std::vector<INPUT> inputs;
    appendStroke(inputs, static_cast<WORD>(vk), modifiers);
    send(inputs);
}

void RealInput::clickAt(POINT screen, Button button)
{
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = normalized(screen.x, left, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
    move.mi.dy = normalized(screen.y, top, ::GetSystemMetrics(SM_CYVIRTUALSCREEN));
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
    INPUT down = move;
    down.mi.dwFlags |= downFlag(button);
    INPUT up = move;
    up.mi.dwFlags |= upFlag(button);
    std::vector<INPUT> inputs{move, down, up};
    send(inputs);
}

void RealInput::clickCentre(HWND h, Button button)
{
    RECT r{};
    ::GetWindowRect(h, &r);
    clickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}, button);
}

bool RealInput::bringToForeground(HWND h, DWORD timeoutMs)
{
    HWND top = ::GetAncestor(h, GA_ROOT);
    if (::GetForegroundWindow() == top)
        return true;
    POINT at{};
    if (titleBarPoint(top, at))
        clickAt(at);
    else
        ::SetForegroundWindow(top); // what the taskbar does for its button
    return pollUntil([top] { return ::GetForegroundWindow() == top; }, timeoutMs);
}

HWND RealInput::focusOf(HWND anyWindow)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(anyWindow, nullptr), &info))
        return nullptr;
    return info.hwndFocus;
}

bool RealInput::hasKeyboard(HWND h)
{
    return h != nullptr && focusOf(h) == h && ::GetForegroundWindow() == ::GetAncestor(h, GA_ROOT);
}

bool RealInput::waitForFocus(HWND h, DWORD timeoutMs)
{
    return pollUntil([h] { return hasKeyboard(h); }, timeoutMs);
}

HWND RealInput::waitForWindow(const char* className, const char* title, DWORD timeoutMs)
{
    HWND found = nullptr;
    pollUntil(
        [&] {
            found = ::FindWindowA(className, title);
            return found != nullptr && ::IsWindowVisible(found);
        },
        timeoutMs);
    return found != nullptr && ::IsWindowVisible(found) ? found : nullptr;
}

bool RealInput::pollUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        Gui::pumpPending();
        if (done())
            return true;
        if (::GetTickCount() - start >= timeoutMs)
            return done();
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, PollPeriodMs, QS_ALLINPUT);
    }
}
