#pragma once
#include <windows.h>

namespace Win
{
    // A push button, check box or radio button of a dialog.
    class Button
    {
    public:
        Button(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        bool isChecked() const;
        void SetCheck(bool checked);
        bool isEnabled() const { return ::IsWindowEnabled(_h) != FALSE; }
        // Disabling the focused button first moves the focus on (enableControl).
        void Enable(bool enable);

    private:
        HWND _h;
    };
}
