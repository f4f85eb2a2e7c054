#pragma once
#include <windows.h>

namespace Win
{
    // An up-down (spin) control with a buddy edit box that shows its number.
    class UpDown
    {
    public:
        UpDown(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        void SetRange(int low, int high);
        void SetPos(int pos);
        // The position as the buddy shows it. False, and `pos` untouched, when
        // the buddy holds no number or one outside the range: the user may
        // type anything into it.
        bool getValidPos(int& pos) const;

    private:
        HWND _h;
    };
}
