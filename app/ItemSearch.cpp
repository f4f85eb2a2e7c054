#include "app/ItemSearch.h"

#include "model/Quillory.h"

bool ItemSearch::matches(const TermSet& item, unsigned defCount) const
{
    if (_search.foundIn(item.getTerm()) || _search.foundIn(item.getComment()))
        return true;
    for (unsigned i = 0; i < defCount; ++i)
    {
        if (_search.foundIn(item.viewDefText(i)))
            return true;
    }
    return false;
}

std::optional<unsigned> ItemSearch::next(const Quillory& doc, std::optional<unsigned> from, Direction direction) const
{
    const unsigned count = doc.getItemCount();
    if (count == 0)
        return std::nullopt;
    const bool forward = direction == Direction::Forward;
    // Positions are counted from the start going forward, from the end going back.
    unsigned idx = from && *from < count ? *from : (forward ? count - 1 : 0);
    const unsigned defCount = doc.getOutline().getDefCount();
    for (unsigned step = 0; step < count; ++step)
    {
        idx = forward ? (idx + 1) % count : (idx + count - 1) % count;
        if (matches(doc.getItem(idx), defCount))
            return idx;
    }
    return std::nullopt;
}
