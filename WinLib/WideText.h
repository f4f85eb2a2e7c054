#pragma once
#include <string>
#include <string_view>

namespace Win
{
    // A text of the process code page as UTF-16, for the wide calls that
    // the "A" ones cannot replace (GDI draws "A" texts in the system code
    // page). A byte that stands for no character becomes U+FFFD.
    std::wstring wideOf(std::string_view text);
}
