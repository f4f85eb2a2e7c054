#include "engine/TextPool.h"

#include <array>

#include "engine/TextCase.h"

namespace
{
    const std::uint32_t NoText = static_cast<std::uint32_t>(-1);

    // A power of two at least twice the count: open addressing stays short.
    std::size_t slotCountFor(std::size_t count)
    {
        std::size_t slots = 16;
        while (slots < 2 * count)
            slots *= 2;
        return slots;
    }

    // A hint that `address` is read soon.
    void prefetch(const void* address)
    {
#if defined(__GNUC__)
        __builtin_prefetch(address);
#else
        (void)address;
#endif
    }
}

// One flat table sized for the whole list up front, so building never
// rehashes and costs one probe per item. Items are hashed a few ahead of
// their probe, so that their slots, at random places in a table larger than
// the caches, are fetched while earlier items are placed.
TextPool::TextPool(bool caseSensitive, std::size_t itemCount,
                   const std::function<std::string_view(std::size_t)>& textOf)
    : _caseSensitive(caseSensitive), _slots(slotCountFor(itemCount), Slot{0, 0})
{
    _positionOfItem.reserve(itemCount);
    _texts.reserve(itemCount);
    const std::size_t ahead = 8;
    std::array<Hashed, ahead> pending;
    for (std::size_t idx = 0; idx < itemCount + ahead; ++idx)
    {
        // The item `ahead` places back is placed, then this one takes its room.
        Hashed& item = pending[idx % ahead];
        if (idx >= ahead)
            _positionOfItem.push_back(item.text.empty() ? NoText : static_cast<std::uint32_t>(findOrAdd(item)));
        if (idx < itemCount)
        {
            item.text = textOf(idx);
            item.hash = item.text.empty() ? 0 : hashOf(item.text);
            prefetch(&_slots[item.hash & (_slots.size() - 1)]);
        }
    }
    _texts.shrink_to_fit();
    _slots.clear();
    _slots.shrink_to_fit();
}

std::size_t TextPool::hashOf(std::string_view text) const
{
    return _caseSensitive ? hashComposed(text) : hashIgnoringCase(text);
}

std::size_t TextPool::findOrAdd(const Hashed& item)
{
    const std::string_view text = item.text;
    const std::size_t hash = item.hash;
    const auto tag = static_cast<std::uint32_t>(hash);
    const std::size_t mask = _slots.size() - 1;
    for (std::size_t s = hash & mask;; s = (s + 1) & mask)
    {
        Slot& slot = _slots[s];
        if (slot.posPlusOne == 0)
        {
            _texts.push_back(text);
            slot = Slot{static_cast<std::uint32_t>(_texts.size()), tag};
            return _texts.size() - 1;
        }
        // The tag first: the text it stands for lies elsewhere in memory.
        if (slot.hashTag != tag)
            continue;
        const std::string_view known = _texts[slot.posPlusOne - 1];
        if (_caseSensitive ? equalComposed(known, text) : equalIgnoringCase(known, text))
            return slot.posPlusOne - 1;
    }
}

std::size_t TextPool::positionOf(std::size_t itemIdx) const
{
    const std::uint32_t pos = _positionOfItem[itemIdx];
    return pos == NoText ? None : pos;
}
