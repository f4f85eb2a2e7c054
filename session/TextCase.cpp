#include "session/TextCase.h"

#include <cctype>

namespace
{
    char upper(char c)
    {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
}

std::string upperCased(const std::string& text)
{
    std::string result(text);
    for (char& c : result)
        c = upper(c);
    return result;
}

bool equalIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size())
        return false;
    for (std::string::size_type i = 0; i < a.size(); ++i)
        if (upper(a[i]) != upper(b[i]))
            return false;
    return true;
}
