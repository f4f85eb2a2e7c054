#include "session/TextCase.h"

#include <cctype>
#include <cstdint>

namespace
{
    char upper(char c)
    {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
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
