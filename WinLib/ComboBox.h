#pragma once
#include <windows.h>

namespace Win
{
    class ComboBox
    {
    public:
        ComboBox(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        // Returns the new entry's index.
        int AddString(const char* text);
        void SetSelection(int idx);
        // CB_ERR (-1) when nothing is selected.
        int getSelection() const;
        void Reset();

    private:
        HWND _h;
    };
}
