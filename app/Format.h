#pragma once
#include <string>

// printf-style formatting into a string that is always as long as it needs to be.
std::string formatText(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
