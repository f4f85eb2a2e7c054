#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Quillory;

// The texts of a list's items as a search compares them (judging's
// comparison form, case ignored), made all at once when a search first needs
// them and kept until the list changes: then a search through texts of any
// script costs no more than one through ASCII texts.
class ItemForms
{
public:
    // The items, their texts or their order changed.
    void forget() { _forms.clear(); }
    // Item `idx`'s term, definitions and comment, joined by '\0', which no
    // searched-for text holds.
    const std::string& of(const Quillory& doc, unsigned idx);

private:
    std::vector<std::string> _forms;
};

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

    explicit ItemSearch(std::string_view text);

    // The first match after `from` (before it, going backward), going round
    // the list's end, with `from` itself last; without `from`, the search
    // starts at the first (last) item. None when no item matches.
    std::optional<unsigned> next(const Quillory& doc, std::optional<unsigned> from, Direction direction,
                                 ItemForms& forms) const;

private:
    std::string _form;
};
