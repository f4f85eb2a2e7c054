#include "app/Format.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

std::string formatText(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0)
    {
        va_end(args);
        return std::string();
    }
    std::vector<char> buf(static_cast<size_t>(length) + 1);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    va_end(args);
    return std::string(buf.data(), static_cast<size_t>(length));
}
