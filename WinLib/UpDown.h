#pragma once
#include <windows.h>

#include "WinLib/Control.h"

namespace Win
{
    // An up-down (spin) control with a buddy edit box that shows its number.
    class UpDown : public Control
    {
    public:
        using Control::Control;

        void SetRange(int low, int high);
        void SetPos(int pos);
        // The position as the buddy shows it. False, and `pos` untouched, when
        // the buddy holds no number or one outside the range: the user may
        // type anything into it.
        bool getValidPos(int& pos) const;
    };
}
