#include "WinLib/UpDown.h"

#include <commctrl.h>

void Win::UpDown::SetRange(int low, int high)
{
    ::SendMessageA(_h, UDM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

void Win::UpDown::SetPos(int pos)
{
    ::SendMessageA(_h, UDM_SETPOS32, 0, static_cast<LPARAM>(pos));
}

bool Win::UpDown::getValidPos(int& pos) const
{
    // UDM_GETPOS reads the buddy's text; a non-zero high word means it held no valid number.
    const LRESULT result = ::SendMessageA(_h, UDM_GETPOS, 0, 0);
    if (HIWORD(result) != 0)
        return false;
    const int value = static_cast<short>(LOWORD(result));
    int low = 0;
    int high = 0;
    ::SendMessageA(_h, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    if (value < low || value > high)
        return false;
    pos = value;
    return true;
}
