#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// The distinct non-empty texts a study list holds in one field, with the
// position of each item's text among them: where a multiple-choice question
// finds wrong choices without scanning the list. Texts are distinct as
// judging tells them apart (TextCase.h): equal in normalization form C, and
// equal but for case when case is ignored, count as one; the first of them
// stands for all.
// The pool holds views into the items' texts, which must not change while
// it lives (they do not during a session).
class TextPool
{
public:
    static const std::size_t None = static_cast<std::size_t>(-1);

    // `textOf(idx)` is item idx's text, for idx from 0 to itemCount-1.
    TextPool(bool caseSensitive, std::size_t itemCount, const std::function<std::string_view(std::size_t)>& textOf);

    std::size_t size() const { return _texts.size(); }
    std::string_view text(std::size_t pos) const { return _texts[pos]; }
    // Where item idx's text stands in the pool; None for an empty text.
    std::size_t positionOf(std::size_t itemIdx) const;

private:
    struct Hashed
    {
        std::string_view text;
        std::size_t hash = 0;
    };
    std::size_t hashOf(std::string_view text) const;
    std::size_t findOrAdd(const Hashed& item);

    bool _caseSensitive;
    std::vector<std::string_view> _texts;
    std::vector<std::uint32_t> _positionOfItem;
    // The index that merges equal texts; needed only while the pool is built.
    struct Slot
    {
        std::uint32_t posPlusOne;
        std::uint32_t hashTag;
    };
    std::vector<Slot> _slots;
};
