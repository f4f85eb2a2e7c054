#pragma once
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

// The platform's Unicode services that judging and imports need: the
// system's own normalization and case mapping on Windows, utf8proc where the
// engines are built natively. No tables of our own.
namespace Unicode
{
    // No byte above 0x7F: the same text in every code page, and already in
    // normalization form C. Eight bytes at a time: judging asks it of every
    // answer and every multiple-choice text.
    inline bool isAscii(std::string_view text)
    {
        const std::uint64_t highBits = 0x8080808080808080ull;
        std::size_t i = 0;
        for (; i + 8 <= text.size(); i += 8)
        {
            std::uint64_t word;
            std::memcpy(&word, text.data() + i, 8);
            if (word & highBits)
                return false;
        }
        unsigned char bits = 0;
        for (; i < text.size(); ++i)
            bits |= static_cast<unsigned char>(text[i]);
        return bits < 0x80;
    }

    // A text in the process code page, in normalization form C and UTF-8,
    // upper-cased in every script that has case when `upperCase`. Nothing
    // when the bytes are not text of that code page.
    std::optional<std::string> comparisonForm(std::string_view text, bool upperCase);
    // A UTF-8 text in normalization form C; nothing when it is not UTF-8.
    std::optional<std::string> composedUtf8(std::string_view utf8);
}
