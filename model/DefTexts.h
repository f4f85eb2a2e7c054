#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// An item's definition texts by field name, in name order with one entry per
// name, all in one buffer: a list of 100,000 items then costs one allocation
// per item for its texts, not one per text and name.
//
// The buffer holds the entry count, then for each entry the offsets of its
// name and of its text, then the names and texts one after the other; each
// part ends where the next begins.
class DefTexts
{
public:
    using Entry = std::pair<std::string_view, std::string_view>;

    // Entries in name order with distinct names; they may view this object.
    void assign(const std::vector<Entry>& entries);
    std::vector<Entry> entries() const;

    std::size_t size() const { return _bytes.empty() ? 0 : word(0); }
    Entry entry(std::size_t idx) const;
    std::optional<std::string_view> find(std::string_view name) const;
    void set(std::string_view name, std::string_view text);

    bool operator==(const DefTexts& other) const { return _bytes == other._bytes; }

private:
    std::uint32_t word(std::size_t idx) const;
    std::size_t lowerBound(std::string_view name) const;

    std::string _bytes;
};
