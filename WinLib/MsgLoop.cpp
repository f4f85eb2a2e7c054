#include "WinLib/MsgLoop.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/ModelessDialogs.h"
#include "WinLib/PendingException.h"

bool Win::MsgPrepro::Translate(MSG& msg) const
{
    if (_dialogs != nullptr && _dialogs->Preprocess(msg))
        return true;
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
        if (!Translate(msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}
