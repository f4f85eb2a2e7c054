#include "WinLib/ListBox.h"

#include "base/Assert.h"

#include <vector>

int Win::ListBox::getCount() const
{
    return static_cast<int>(::SendMessageA(_h, LB_GETCOUNT, 0, 0));
}

std::string Win::ListBox::getText(int idx) const
{
    Assert(idx<getCount());
    const LRESULT length = ::SendMessageA(_h, LB_GETTEXTLEN, static_cast<WPARAM>(idx), 0);
    if (length <= 0)
        return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        ::SendMessageA(_h, LB_GETTEXT, static_cast<WPARAM>(idx), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0));
}

bool Win::ListBox::isSelection() const
{
    return ::SendMessageA(_h, LB_GETCURSEL, 0, 0) != LB_ERR;
}

int Win::ListBox::getSelection() const
{
    Assert(isSelection());
    return static_cast<int>(::SendMessageA(_h, LB_GETCURSEL, 0, 0));
}

void Win::ListBox::AddString(const char* text)
{
    ::SendMessageA(_h, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void Win::ListBox::InsertString(int idx, const char* text)
{
    ::SendMessageA(_h, LB_INSERTSTRING, static_cast<WPARAM>(idx), reinterpret_cast<LPARAM>(text));
}

void Win::ListBox::DeleteString(int idx)
{
    ::SendMessageA(_h, LB_DELETESTRING, static_cast<WPARAM>(idx), 0);
}

void Win::ListBox::SetSelection(int idx)
{
    ::SendMessageA(_h, LB_SETCURSEL, static_cast<WPARAM>(idx), 0);
}
