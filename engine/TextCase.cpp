#include "engine/TextCase.h"

#include <cstdint>
#include <functional>

#include "base/UnicodeForm.h"

namespace
{
    using Unicode::isAscii;

    char asciiUpper(char c)
    {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }

    std::string asciiUpper(std::string_view text)
    {
        std::string upper(text);
        for (char& c : upper)
            c = asciiUpper(c);
        return upper;
    }

    bool equalAsciiIgnoringCase(std::string_view a, std::string_view b)
    {
        if (a.size() != b.size())
            return false;
        for (std::string_view::size_type i = 0; i < a.size(); ++i)
            if (asciiUpper(a[i]) != asciiUpper(b[i]))
                return false;
        return true;
    }

    const std::uint64_t FnvBasis = 14695981039346656037ull;
    const std::uint64_t FnvPrime = 1099511628211ull;

    std::size_t fnv(std::string_view bytes)
    {
        std::uint64_t hash = FnvBasis;
        for (const char c : bytes)
        {
            hash ^= static_cast<unsigned char>(c);
            hash *= FnvPrime;
        }
        return static_cast<std::size_t>(hash);
    }
}

std::string comparisonForm(std::string_view text, bool ignoreCase)
{
    if (!isAscii(text))
    {
        if (auto form = Unicode::comparisonForm(text, ignoreCase))
            return std::move(*form);
    }
    return ignoreCase ? asciiUpper(text) : std::string(text);
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    if (isAscii(a) && isAscii(b))
        return equalAsciiIgnoringCase(a, b);
    return comparisonForm(a, true) == comparisonForm(b, true);
}

// 64-bit FNV-1a over the upper-cased bytes; an ASCII text is hashed in
// place, without an upper-cased copy.
std::size_t hashIgnoringCase(std::string_view text)
{
    std::uint64_t hash = FnvBasis;
    unsigned char bits = 0;
    for (const char c : text)
    {
        bits |= static_cast<unsigned char>(c);
        hash ^= static_cast<unsigned char>(asciiUpper(c));
        hash *= FnvPrime;
    }
    return bits < 0x80 ? static_cast<std::size_t>(hash) : fnv(comparisonForm(text, true));
}

bool equalComposed(std::string_view a, std::string_view b)
{
    if (a == b)
        return true;
    if (isAscii(a) && isAscii(b))
        return false;
    return comparisonForm(a, false) == comparisonForm(b, false);
}

std::size_t hashComposed(std::string_view text)
{
    const std::hash<std::string_view> hash;
    return isAscii(text) ? hash(text) : hash(comparisonForm(text, false));
}
