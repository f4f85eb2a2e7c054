#include "WinLib/Edit.h"

#include <vector>

std::string Win::getWindowText(HWND h)
{
    const int length = ::GetWindowTextLengthA(h);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int copied = ::GetWindowTextA(h, buffer.data(), static_cast<int>(buffer.size()));
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

int Win::Edit::GetLength() const
{
    return static_cast<int>(::SendMessageA(_h, WM_GETTEXTLENGTH, 0, 0));
}

std::string Win::Edit::GetText() const
{
    const int length = GetLength();
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied = ::SendMessageA(_h, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

void Win::Edit::Clear()
{
    ::SendMessageA(_h, EM_SETSEL, 0, -1);
    ::SendMessageA(_h, WM_CLEAR, 0, 0);
}
