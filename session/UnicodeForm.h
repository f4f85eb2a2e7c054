#pragma once
#include <optional>
#include <string>
#include <string_view>

// The platform's Unicode services that judging and imports need: the
// system's own normalization and case mapping on Windows, utf8proc where the
// engines are built natively. No tables of our own.
namespace Unicode
{
    // No byte above 0x7F: the same text in every code page, and already in
    // normalization form C.
    inline bool isAscii(std::string_view text)
    {
        unsigned char bits = 0;
        for (const char c : text)
            bits |= static_cast<unsigned char>(c);
        return bits < 0x80;
    }

    // A text in the process code page, in normalization form C and UTF-8,
    // upper-cased in every script that has case when `upperCase`. Nothing
    // when the bytes are not text of that code page.
    std::optional<std::string> comparisonForm(std::string_view text, bool upperCase);
    // A UTF-8 text in normalization form C; nothing when it is not UTF-8.
    std::optional<std::string> composedUtf8(std::string_view utf8);
}
