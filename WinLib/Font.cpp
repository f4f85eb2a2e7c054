#include "WinLib/Font.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/SystemFunction.h"

namespace
{
    // Windows 10's; before it, the system's DPI is the only one.
    using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);

    LOGFONTW messageFont(Win::Dpi dpi)
    {
        static const auto forDpi =
            Win::systemFunction<SystemParametersInfoForDpiFn>("user32.dll", "SystemParametersInfoForDpi");
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        if (forDpi != nullptr &&
            forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, static_cast<UINT>(dpi.get())))
            return metrics.lfMessageFont;
        // The system's font, made for the system's DPI.
        ::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        metrics.lfMessageFont.lfHeight = ::MulDiv(metrics.lfMessageFont.lfHeight, dpi.get(), Win::Dpi::system().get());
        return metrics.lfMessageFont;
    }
}

Win::Font::Font(Dpi dpi)
{
    const LOGFONTW description = messageFont(dpi);
    _h = ::CreateFontIndirectW(&description);
    if (_h == nullptr)
        throw Win::Exception("Internal error: CreateFontIndirect failed", Win::lastError());
}

Win::Font::Font(int heightAt96, int weight, Dpi dpi)
    : _h(::CreateFontW(dpi.scale(heightAt96), 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                       L"MS Shell Dlg"))
{
    if (_h == nullptr)
        throw Win::Exception("Internal error: CreateFont failed", Win::lastError());
}

Win::Font::~Font()
{
    ::DeleteObject(_h);
}

void Win::Font::applyTo(HWND h) const
{
    ::SendMessageA(h, WM_SETFONT, reinterpret_cast<WPARAM>(_h), TRUE);
}
