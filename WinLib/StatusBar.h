#pragma once
#include <windows.h>
#include "WinLib/Maker.h"

namespace Win
{
    // WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP | CCS_BOTTOM.
    class StatusBarMaker : public ChildMaker
    {
    public:
        StatusBarMaker(HWND parent, int id);
    };

    class StatusBar
    {
    public:
        StatusBar() = default;
        void Create(const Maker& maker);
        // The height of part 0; unchanged when the control cannot tell.
        void MeasureHeight();
        int getHeight() const { return _height; }
        HWND getHandle() const { return _h; }
        void SetText(const char* text) { ::SetWindowTextA(_h, text); }
        // After the parent's size changed: the bar places itself at the bottom.
        void Resize() { ::SendMessageA(_h, WM_SIZE, 0, 0); }

    private:
        HWND _h = nullptr;
        int _height = 0;
    };
}
