#include "WinLib/Dpi.h"

#include "WinLib/Canvas.h"
#include "WinLib/SystemFunction.h"

namespace
{
    // Windows 10's; before it, every window has the system's DPI.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

    SIZE frameAround(SIZE client, DWORD style, DWORD exStyle, Win::Dpi dpi)
    {
        static const auto adjustForDpi =
            Win::systemFunction<AdjustWindowRectExForDpiFn>("user32.dll", "AdjustWindowRectExForDpi");
        RECT rect{0, 0, client.cx, client.cy};
        if (adjustForDpi != nullptr)
            adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi.get()));
        else
            ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    }
}

Win::Dpi Win::Dpi::of(HWND h)
{
    static const auto getDpiForWindow =
        Win::systemFunction<GetDpiForWindowFn>("user32.dll", "GetDpiForWindow");
    if (getDpiForWindow != nullptr)
    {
        const UINT dpi = getDpiForWindow(h);
        if (dpi != 0)
            return Dpi(static_cast<int>(dpi));
    }
    return system();
}

Win::Dpi Win::Dpi::system()
{
    const WindowCanvas screen(nullptr);
    return Dpi(::GetDeviceCaps(screen.getDC(), LOGPIXELSX));
}

SIZE Win::scaledWindowSize(HWND h, SIZE outerAt96, Dpi dpi)
{
    const DWORD style = static_cast<DWORD>(::GetWindowLongPtrA(h, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongPtrA(h, GWL_EXSTYLE));
    const Dpi standard;
    const SIZE frame96 = frameAround(SIZE{0, 0}, style, exStyle, standard);
    const SIZE client{dpi.scale(outerAt96.cx - frame96.cx), dpi.scale(outerAt96.cy - frame96.cy)};
    return frameAround(client, style, exStyle, dpi);
}
