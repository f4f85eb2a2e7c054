#pragma once
#include <windows.h>

namespace Win
{
    // A window timer; WM_TIMER reaches the window's controller.
    class Timer
    {
    public:
        Timer(HWND h, UINT interval, UINT_PTR id);
        ~Timer();
        Timer(const Timer&) = delete;
        Timer& operator=(const Timer&) = delete;
        UINT_PTR getId() const { return _id; }

    private:
        HWND _h;
        UINT_PTR _id;
    };
}
