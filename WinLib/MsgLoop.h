#pragma once
#include <windows.h>

namespace Win
{
    class ModelessDialogs;

    // The message loop: modeless dialogs first, then accelerators, then dispatch.
    class MsgPrepro
    {
    public:
        MsgPrepro(HWND accelWin, HACCEL accel, const ModelessDialogs* dialogs = nullptr)
            : _accelWin(accelWin), _accel(accel), _dialogs(dialogs)
        {
        }
        // Runs until WM_QUIT; returns its wParam.
        int Pump();
        // What the loop does with a message before dispatching it: true when
        // a modeless dialog or an accelerator has handled it.
        bool Translate(MSG& msg) const;

    private:
        HWND _accelWin;
        HACCEL _accel;
        const ModelessDialogs* _dialogs;
    };
}
