#include "session/TextCase.h"

#include <cctype>
#include <cstdint>

namespace
{
    char upper(char c)
    {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }

    bool isAscii(char c)
    {
        return static_cast<unsigned char>(c) < 0x80;
    }

    // upper() of every ASCII byte, looked up instead of called.
    const std::array<char, 128>& asciiUpper()
    {
        static const std::array<char, 128> table = [] {
            std::array<char, 128> t {};
            for (std::size_t c = 0; c < t.size(); ++c)
                t[c] = upper(static_cast<char>(c));
            return t;
        }();
        return table;
    }
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::string_view::size_type i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}

// 64-bit FNV-1a over the upper-cased bytes.
std::size_t hashIgnoringCase(std::string_view text)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : text)
    {
        hash ^= static_cast<unsigned char>(upper(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

SearchIgnoringCase::SearchIgnoringCase(std::string_view needle) : _needle(needle)
{
    _upper.reserve(_needle.size());
    for (const char c : _needle)
        _upper += isAscii(c) ? asciiUpper()[static_cast<unsigned char>(c)] : c;
    if (_needle.empty())
        return;
    for (std::size_t b = 0; b < _mayStart.size(); ++b)
    {
        const char c = static_cast<char>(b);
        _mayStart[b] = !isAscii(c) || !isAscii(_needle[0]) || asciiUpper()[b] == _upper[0];
    }
}

bool SearchIgnoringCase::foundIn(std::string_view text) const
{
    if (_needle.empty())
        return true;
    for (std::size_t pos = 0; pos + _needle.size() <= text.size(); ++pos)
    {
        if (_mayStart[static_cast<unsigned char>(text[pos])] && matchesAt(text, pos))
            return true;
    }
    return false;
}

bool SearchIgnoringCase::matchesAt(std::string_view text, std::size_t pos) const
{
    const auto& table = asciiUpper();
    for (std::size_t i = 0; i < _needle.size(); ++i)
    {
        const char c = text[pos + i];
        if (!isAscii(c) || !isAscii(_needle[i]))
            return equalIgnoringCase(text.substr(pos, _needle.size()), _needle);
        if (table[static_cast<unsigned char>(c)] != _upper[i])
            return false;
    }
    return true;
}
