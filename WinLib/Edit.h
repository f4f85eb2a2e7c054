#pragma once
#include <windows.h>

#include <string>

#include "WinLib/Control.h"

namespace Win
{
    // A window's whole text; an empty window gives an empty string.
    std::string getWindowText(HWND h);

    class Edit : public Control
    {
    public:
        using Control::Control;

        std::string GetText() const;
        int GetLength() const;
        void SetText(const char* text) { ::SetWindowTextA(_h, text); }
        void SetText(const std::string& text) { SetText(text.c_str()); }
        void Clear();
        void SetFocus() { ::SetFocus(_h); }
    };
}
