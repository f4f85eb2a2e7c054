#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    class ListBox
    {
    public:
        ListBox(HWND h = nullptr) : _h(h) {}
        void Init(HWND h) { _h = h; }
        void Init(HWND dlg, int id) { _h = ::GetDlgItem(dlg, id); }
        HWND getHandle() const { return _h; }

        int getCount() const;
        std::string getText(int idx) const;
        bool isSelection() const;
        int getSelection() const;
        void AddString(const char* text);
        void InsertString(int idx, const char* text);
        void DeleteString(int idx);
        void SetSelection(int idx);

    private:
        HWND _h;
    };
}
