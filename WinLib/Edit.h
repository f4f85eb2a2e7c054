#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    // A window's whole text; an empty window gives an empty string.
    std::string getWindowText(HWND h);

    class Edit
    {
    public:
        Edit(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        std::string GetText() const;
        int GetLength() const;
        void SetText(const char* text) { ::SetWindowTextA(_h, text); }
        void SetText(const std::string& text) { SetText(text.c_str()); }
        void Clear();
        void SetFocus() { ::SetFocus(_h); }
        // Disabling the focused box first moves the focus on (enableControl).
        void Enable(bool enable);

    private:
        HWND _h;
    };
}
