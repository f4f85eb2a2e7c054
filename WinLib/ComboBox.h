#pragma once
#include <windows.h>

#include "WinLib/Control.h"

namespace Win
{
    class ComboBox : public Control
    {
    public:
        using Control::Control;

        // Returns the new entry's index.
        int AddString(const char* text);
        void SetSelection(int idx);
        // CB_ERR (-1) when nothing is selected.
        int getSelection() const;
        void Reset();
    };
}
