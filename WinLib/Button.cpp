#include "WinLib/Button.h"

bool Win::Button::isChecked() const
{
    return ::SendMessageA(_h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win::Button::SetCheck(bool checked)
{
    ::SendMessageA(_h, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
