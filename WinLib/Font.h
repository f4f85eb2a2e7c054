#pragma once
#include <windows.h>

#include "WinLib/Dpi.h"

namespace Win
{
    // A font the program made, deleted with the wrapper: the windows that
    // show it must be gone or show another by then.
    class Font
    {
    public:
        // The system's font for messages and controls, made for `dpi`.
        explicit Font(Dpi dpi);
        // A font of the dialogs' face ("MS Shell Dlg"), which Windows links to
        // fonts of other scripts: texts of any language show as letters, as
        // they would not in the raster System font. The cell height is stated
        // for 96 dpi.
        Font(int heightAt96, int weight, Dpi dpi);
        ~Font();
        Font(const Font&) = delete;
        Font& operator=(const Font&) = delete;

        HFONT getHandle() const { return _h; }
        // The window shows its text in this font from now on.
        void applyTo(HWND h) const;

    private:
        HFONT _h;
    };
}
