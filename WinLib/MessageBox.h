#pragma once
#include <windows.h>

#include <string>

namespace Win
{
    // A message box of the system: owner (may be null), text, caption and MB_
    // style; the button pressed (IDOK, IDYES, ...), or 0 when none could show.
    int messageBox(HWND owner, const std::string& text, const std::string& caption, UINT style);
}
