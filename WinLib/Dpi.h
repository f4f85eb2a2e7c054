#pragma once
#include <windows.h>

namespace Win
{
    // A window's dots per inch. The program states its lengths for 96 dpi;
    // a Dpi turns them into the window's pixels and back.
    class Dpi
    {
    public:
        static constexpr int Standard = 96;

        explicit Dpi(int dpi = Standard) : _dpi(dpi > 0 ? dpi : Standard) {}
        // The DPI of the window's monitor; before Windows 10 the system's.
        static Dpi of(HWND h);
        // The DPI of the primary monitor when the user logged on.
        static Dpi system();

        int get() const { return _dpi; }
        // A length stated for 96 dpi, in pixels at this DPI.
        int scale(int length) const { return ::MulDiv(length, _dpi, Standard); }
        // Pixels at this DPI, as a length at 96 dpi.
        int unscale(int pixels) const { return ::MulDiv(pixels, Standard, _dpi); }

        bool operator==(Dpi other) const { return _dpi == other._dpi; }
        bool operator!=(Dpi other) const { return _dpi != other._dpi; }

    private:
        int _dpi;
    };

    // The outer size of window `h` at `dpi` for an outer size stated for 96
    // dpi: the client area scales, the frame is the system's at that DPI.
    SIZE scaledWindowSize(HWND h, SIZE outerAt96, Dpi dpi);
}
