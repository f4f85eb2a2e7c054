#include "WinLib/ComboBox.h"

int Win::ComboBox::AddString(const char* text)
{
    return static_cast<int>(::SendMessageA(_h, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

void Win::ComboBox::SetSelection(int idx)
{
    ::SendMessageA(_h, CB_SETCURSEL, static_cast<WPARAM>(idx), 0);
}

int Win::ComboBox::getSelection() const
{
    return static_cast<int>(::SendMessageA(_h, CB_GETCURSEL, 0, 0));
}

void Win::ComboBox::Reset()
{
    ::SendMessageA(_h, CB_RESETCONTENT, 0, 0);
}
