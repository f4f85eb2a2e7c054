#pragma once
#include <string>
#include <string_view>

namespace Qlx
{
    // Plain text of a field that Anki holds as HTML, in UTF-8: tags removed; a
    // <br> and the edges of block elements (div, p, li, tr, td, ...) become one
    // space, taking the white space around them with it; entities decoded
    // (&nbsp; and U+00A0 as a space); sound ([sound:x.mp3]) and image (<img>)
    // references dropped and added to `mediaDropped`. The result is trimmed.
    std::string plainTextOfHtml(std::string_view html, unsigned& mediaDropped);
}
