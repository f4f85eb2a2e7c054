#include "WinLib/StatusBar.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"

#include <commctrl.h>

Win::StatusBarMaker::StatusBarMaker(HWND parent, int id) : ChildMaker(nullptr, parent, id)
{
    _style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_BOTTOM;
    _exStyle = WS_EX_CLIENTEDGE;
}

void Win::StatusBar::Create(const Maker& maker)
{
    const UINT id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(maker._hMenu));
    _h = ::CreateStatusWindowA(static_cast<LONG>(maker._style), "", maker._hWndParent, id);
    if (_h == nullptr)
        throw Win::Exception("Internal error: couldn't create status bar", Win::lastError());
}

void Win::StatusBar::MeasureHeight()
{
    RECT rect{};
    if (::SendMessageA(_h, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&rect)))
        _height = rect.bottom - rect.top;
}
