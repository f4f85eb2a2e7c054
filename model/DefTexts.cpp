#include "model/DefTexts.h"

#include <cstring>
#include <limits>
#include <stdexcept>

namespace
{
    const std::size_t WordSize = sizeof(std::uint32_t);

    void putWord(std::string& bytes, std::size_t idx, std::size_t value)
    {
        const auto word = static_cast<std::uint32_t>(value);
        std::memcpy(&bytes[idx * WordSize], &word, WordSize);
    }
}

std::uint32_t DefTexts::word(std::size_t idx) const
{
    std::uint32_t value;
    std::memcpy(&value, _bytes.data() + idx * WordSize, WordSize);
    return value;
}

void DefTexts::assign(const std::vector<Entry>& entries)
{
    if (entries.empty())
    {
        _bytes.clear();
        return;
    }
    std::size_t total = (1 + 2 * entries.size()) * WordSize;
    for (const Entry& e : entries)
        total += e.first.size() + e.second.size();
    // Offsets are 32-bit: an item beyond 4 GiB is refused, never cut short.
    if (total > std::numeric_limits<std::uint32_t>::max())
        throw std::length_error("definition texts too long");
    std::string bytes(total, '\0');
    putWord(bytes, 0, entries.size());
    std::size_t at = (1 + 2 * entries.size()) * WordSize;
    for (std::size_t i = 0; i < entries.size(); ++i)
    {
        putWord(bytes, 1 + 2 * i, at);
        entries[i].first.copy(&bytes[at], entries[i].first.size());
        at += entries[i].first.size();
        putWord(bytes, 2 + 2 * i, at);
        entries[i].second.copy(&bytes[at], entries[i].second.size());
        at += entries[i].second.size();
    }
    // The entries may view the old buffer: it goes only now.
    _bytes = std::move(bytes);
}

std::vector<DefTexts::Entry> DefTexts::entries() const
{
    std::vector<Entry> result;
    result.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        result.push_back(entry(i));
    return result;
}

DefTexts::Entry DefTexts::entry(std::size_t idx) const
{
    const std::size_t nameAt = word(1 + 2 * idx);
    const std::size_t textAt = word(2 + 2 * idx);
    const std::size_t end = idx + 1 < size() ? word(3 + 2 * idx) : _bytes.size();
    const std::string_view all(_bytes);
    return {all.substr(nameAt, textAt - nameAt), all.substr(textAt, end - textAt)};
}

std::size_t DefTexts::lowerBound(std::string_view name) const
{
    std::size_t low = 0;
    std::size_t high = size();
    while (low < high)
    {
        const std::size_t mid = low + (high - low) / 2;
        if (entry(mid).first < name)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

std::optional<std::string_view> DefTexts::find(std::string_view name) const
{
    // An item has a few fields as a rule: a scan that compares lengths first
    // reads fewer name bytes than a binary search does.
    const std::size_t linearUpTo = 8;
    if (size() <= linearUpTo)
    {
        const std::size_t count = size();
        for (std::size_t i = 0; i < count; ++i)
        {
            const std::size_t nameAt = word(1 + 2 * i);
            const std::size_t textAt = word(2 + 2 * i);
            if (textAt - nameAt == name.size() && std::memcmp(_bytes.data() + nameAt, name.data(), name.size()) == 0)
                return entry(i).second;
        }
        return std::nullopt;
    }
    const std::size_t idx = lowerBound(name);
    if (idx < size() && entry(idx).first == name)
        return entry(idx).second;
    return std::nullopt;
}

void DefTexts::set(std::string_view name, std::string_view text)
{
    std::vector<Entry> all = entries();
    const std::size_t idx = lowerBound(name);
    if (idx < all.size() && all[idx].first == name)
        all[idx].second = text;
    else
        all.insert(all.begin() + static_cast<std::ptrdiff_t>(idx), Entry(name, text));
    assign(all);
}
