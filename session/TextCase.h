#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// Single-byte upper-casing by the runtime's mapping. Bytes above 127 reach
// toupper as unsigned char values, never as negative ones.

// Same length and the same bytes once both are upper-cased.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// A hash under which texts equal ignoring case collide, computed without an
// upper-cased copy.
std::size_t hashIgnoringCase(std::string_view text);

// Finds a needle inside texts, ignoring case as equalIgnoringCase compares.
// The needle is upper-cased once and bytes of plain ASCII are compared through
// a table, so that a search through a long list stays cheap; wherever a
// non-ASCII byte takes part, equalIgnoringCase itself decides.
class SearchIgnoringCase
{
public:
    explicit SearchIgnoringCase(std::string_view needle);
    // An empty needle is found in every text.
    bool foundIn(std::string_view text) const;

private:
    bool matchesAt(std::string_view text, std::size_t pos) const;

    std::string _needle;
    std::string _upper;
    // The bytes at which a match may begin: most of a text is passed over
    // with one look-up per byte.
    std::array<bool, 256> _mayStart {};
};
