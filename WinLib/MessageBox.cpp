#include "WinLib/MessageBox.h"

int Win::messageBox(HWND owner, const std::string& text, const std::string& caption, UINT style)
{
    return ::MessageBoxA(owner, text.c_str(), caption.c_str(), style);
}
