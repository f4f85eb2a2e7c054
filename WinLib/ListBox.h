#pragma once
#include <windows.h>

#include "WinLib/Control.h"
#include <string>

namespace Win
{
    class ListBox : public Control
    {
    public:
        using Control::Control;

        int getCount() const;
        std::string getText(int idx) const;
        bool isSelection() const;
        int getSelection() const;
        void AddString(const char* text);
        void InsertString(int idx, const char* text);
        void DeleteString(int idx);
        void SetSelection(int idx);
    };
}
