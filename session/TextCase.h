#pragma once
#include <cstddef>
#include <string_view>

// Single-byte upper-casing by the runtime's mapping. Bytes above 127 reach
// toupper as unsigned char values, never as negative ones.

// Same length and the same bytes once both are upper-cased.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// A hash under which texts equal ignoring case collide, computed without an
// upper-cased copy.
std::size_t hashIgnoringCase(std::string_view text);
