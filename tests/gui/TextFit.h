#pragma once
// Whether texts show whole where the program puts them. A text shows whole
// when it looks the same as it does with room to spare: a copy of the control
// (or a list view like the program's) is painted at the size in question and
// again much larger, and the two must agree within that size.
#include <windows.h>

#include <set>
#include <string>

namespace TextFit
{
    // The texts of the controls of a dialog (or window) that do not show them whole.
    std::set<std::string> cutTexts(HWND dialog);

    // Where a report list view shows a text.
    enum class Place { FirstColumn, LaterColumn, Title };
    // Whether a report list view showing its texts in `font` shows `text`
    // whole in a column `width` pixels wide.
    bool showsWhole(HFONT font, const std::string& text, int width, Place place);

    // The extent of `text` drawn with `h`'s font on one line.
    SIZE extent(HWND h, const std::string& text);
}
