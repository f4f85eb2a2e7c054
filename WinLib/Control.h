#pragma once
#include <windows.h>

#include "WinLib/EnableControl.h"

namespace Win
{
    // A control of a dialog or window, known by its handle; its window
    // belongs to the dialog. Each kind of control adds its own calls.
    class Control
    {
    public:
        Control(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        bool isEnabled() const { return ::IsWindowEnabled(_h) != FALSE; }
        // Disabling the focused control first moves the focus on (enableControl).
        void Enable(bool enable) { enableControl(_h, enable); }

    protected:
        HWND _h;
    };
}
