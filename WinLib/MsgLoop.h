#pragma once
#include <windows.h>
#include <vector>

namespace Win
{
    // The message loop: modeless dialogs first, then accelerators, then dispatch.
    class MsgPrepro
    {
    public:
        MsgPrepro(HWND accelWin, HACCEL accel) : _accelWin(accelWin), _accel(accel) {}
        void AddDialog(HWND dlg) { _dialogs.push_back(dlg); }
        void RemoveDialog(HWND dlg);
        // Runs until WM_QUIT; returns its wParam.
        int Pump();

    private:
        bool preprocess(MSG& msg);

        std::vector<HWND> _dialogs;
        HWND _accelWin;
        HACCEL _accel;
    };
}
