#pragma once
#include <string>

// Single-byte upper-casing by the runtime's mapping. Bytes above 127 reach
// toupper as unsigned char values, never as negative ones.
std::string upperCased(const std::string& text);

// Same length and the same bytes once both are upper-cased.
bool equalIgnoringCase(const std::string& a, const std::string& b);
