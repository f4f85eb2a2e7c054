#pragma once
// What a person does with the real keyboard and mouse: every key and click
// goes through the system's input queue (SendInput) to the foreground window
// and the focus it has, exactly as the user's would. Nothing here names a
// target window for a key.
//
// The waits poll a state (every few milliseconds, pumping the calling
// thread's own messages meanwhile) until it holds; the timeout only guards
// against a hang. A person usually runs in a thread of its own (Gui::Person)
// while the test's thread runs the program's own message loops.
#include "tests/support/gui/Harness.h"

#include <windows.h>

#include <functional>
#include <string>

namespace RealInput
{
    // ---- Keyboard -------------------------------------------------------------
    // Types `text`, in the process code page (UTF-8 under the program's
    // manifest), key by key (Shift where the character needs it);
    // a character no key makes is typed as that character itself
    // (KEYEVENTF_UNICODE), as an input method does.
    void type(const std::string& text);
    // Presses and releases `vk` with the modifiers held (Gui::Ctrl | Gui::Shift |
    // Gui::Alt): press('N', Gui::Alt), press(VK_F10, Gui::Shift), press(VK_RETURN).
    void press(UINT vk, int modifiers = Gui::NoModifier);

    // ---- Mouse ------------------------------------------------------------------
    enum class Button { Left, Right };
    // Moves the mouse to `screen` (screen coordinates) and clicks there.
    void clickAt(POINT screen, Button button = Button::Left);
    // Clicks the centre of `h` as it stands on the screen.
    void clickCentre(HWND h, Button button = Button::Left);

    // ---- Windows and focus ------------------------------------------------------
    // Makes `h`'s top-level window the foreground window as a person would: a
    // click on its title bar, or through the taskbar when it has none. True
    // once it is the foreground window.
    bool bringToForeground(HWND h, DWORD timeoutMs = 10000);
    // The window with the keyboard focus in the thread that owns `anyWindow`.
    HWND focusOf(HWND anyWindow);
    // True when the keys a person types now reach `h`: `h` has the focus and
    // its top-level window is the foreground window.
    bool hasKeyboard(HWND h);
    // Waits until hasKeyboard(h).
    bool waitForFocus(HWND h, DWORD timeoutMs = 10000);
    // Waits for a visible top-level window of this class and title, of any
    // thread, as a person sees whatever comes up; null when none came.
    HWND waitForWindow(const char* className, const char* title, DWORD timeoutMs = 10000);

    // ---- Waiting ----------------------------------------------------------------
    // Polls `done` until it holds, dispatching the calling thread's messages
    // meanwhile; returns done()'s last value.
    bool pollUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
}
