#include "WinLib/EnableControl.h"

namespace
{
    // The focus may be in a part of the control (a combo box's edit).
    bool holdsFocus(HWND control)
    {
        const HWND focus = ::GetFocus();
        return focus != nullptr && (focus == control || ::IsChild(control, focus));
    }
}

void Win::enableControl(HWND control, bool enable)
{
    if (!enable && holdsFocus(control))
        ::SendMessageA(::GetParent(control), WM_NEXTDLGCTL, 0, FALSE);
    ::EnableWindow(control, enable ? TRUE : FALSE);
}
