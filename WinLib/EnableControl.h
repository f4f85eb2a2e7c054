#pragma once
#include <windows.h>

namespace Win
{
    // Enables or disables a control. A disabled window cannot keep the focus,
    // and Windows leaves it there: the keyboard would reach no window at all.
    // So before the control that has the focus is disabled, the focus moves
    // to the next control of its dialog that can take it (WM_NEXTDLGCTL).
    void enableControl(HWND control, bool enable);
}
