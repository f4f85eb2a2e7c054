#include "WinLib/MsgLoop.h"

#include "WinLib/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/ModelessDialogs.h"
#include "WinLib/PendingException.h"

bool Win::MsgPrepro::Translate(MSG& msg) const
{
    if (_dialogs != nullptr && _dialogs->Preprocess(msg))
        return true;
    return _accel != nullptr && ::TranslateAcceleratorA(_accelWin, _accel, &msg) != 0;
}

int Win::MsgPrepro::Pump()
{
    MSG msg;
    for (;;)
    {
        rethrowPendingException();
        const BOOL status = ::GetMessageA(&msg, nullptr, 0, 0);
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
            ::DispatchMessageA(&msg);
        }
    }
}
