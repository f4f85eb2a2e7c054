#include "WinLib/MsgLoop.h"

#include "WinLib/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/PendingException.h"

#include <algorithm>

void Win::MsgPrepro::RemoveDialog(HWND dlg)
{
    _dialogs.erase(std::remove(_dialogs.begin(), _dialogs.end(), dlg), _dialogs.end());
}

bool Win::MsgPrepro::preprocess(MSG& msg)
{
    for (HWND dlg : _dialogs)
    {
        if (::IsDialogMessageW(dlg, &msg))
            return true;
    }
    return _accel != nullptr && ::TranslateAcceleratorW(_accelWin, _accel, &msg) != 0;
}

int Win::MsgPrepro::Pump()
{
    MSG msg;
    for (;;)
    {
        rethrowPendingException();
        // Wide messages: a typed character that is not in the system code
        // page reaches a wide window (an edit box) whole, not as "?".
        const BOOL status = ::GetMessageW(&msg, nullptr, 0, 0);
        if (status == 0)
        {
            rethrowPendingException();
            return static_cast<int>(msg.wParam);
        }
        if (status == -1)
            throw Win::Exception("Error in Windows message loop", Win::lastError());
        if (!preprocess(msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
