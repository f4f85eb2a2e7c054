#pragma once
#include <windows.h>

#include "WinLib/Control.h"

namespace Win
{
    // A push button, check box or radio button of a dialog.
    class Button : public Control
    {
    public:
        using Control::Control;

        bool isChecked() const;
        void SetCheck(bool checked);
    };
}
