#include "WinLib/Timer.h"

Win::Timer::Timer(HWND h, UINT interval, UINT_PTR id) : _h(h), _id(id)
{
    // Not checked: without a timer the session simply never times out.
    ::SetTimer(_h, _id, interval, nullptr);
}

Win::Timer::~Timer()
{
    ::KillTimer(_h, _id);
}
