#pragma once
#include <optional>
#include <string_view>

#include "session/TextCase.h"

class Quillory;
class TermSet;

// Finds the items whose term, a definition or the comment holds a text,
// ignoring case as answers are judged, in the order the list shows them.
class ItemSearch
{
public:
    enum class Direction
    {
        Forward,
        Backward
    };

    explicit ItemSearch(std::string_view text) : _search(text) {}

    bool matches(const TermSet& item, unsigned defCount) const;
    // The first match after `from` (before it, going backward), going round
    // the list's end, with `from` itself last; without `from`, the search
    // starts at the first (last) item. None when no item matches.
    std::optional<unsigned> next(const Quillory& doc, std::optional<unsigned> from, Direction direction) const;

private:
    SearchIgnoringCase _search;
};
