#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/DefTexts.h"
#include "model/Outline.h"

class DefTextsReader;
namespace WinFile
{
    class Record;
}

// One study item. Definition texts are kept by field name and found through
// the list's Outline, so that the Outline can change without touching items.
class TermSet
{
public:
    TermSet(std::int32_t itemNo, const Outline& outline);
    TermSet(const TermSet& other) = default;
    TermSet(TermSet&& other) noexcept = default;
    // Assignment copies everything but the Outline reference: the target
    // stays bound to its own list.
    TermSet& operator=(const TermSet& other);
    TermSet& operator=(TermSet&& other) noexcept;

    // The Outline reference is not compared.
    bool operator==(const TermSet& other) const;
    bool operator!=(const TermSet& other) const { return !(*this == other); }

    std::int32_t getItemNo() const { return _itemNo; }
    void setItemNo(std::int32_t itemNo) { _itemNo = itemNo; }
    const std::string& getTerm() const { return _term; }
    void setTerm(const std::string& term) { _term = term; }
    const std::string& getComment() const { return _comment; }
    void setComment(const std::string& comment) { _comment = comment; }

    std::string getDefText(unsigned idx) const;
    // The same text without a copy; valid while the item's texts stay as they are.
    std::string_view viewDefText(unsigned idx) const;
    void setDefText(unsigned idx, const std::string& text);

    std::int32_t getTimesAsked() const { return _timesAsked; }
    std::int32_t getCorrectAnswers() const { return _correctAnswers; }
    void answeredCorrectly();
    void answeredWrongly();
    void resetScores();
    // Scores carried over from elsewhere (qlx import); precondition
    // "correctAnswers>=0 && correctAnswers<=timesAsked".
    void setScores(std::int32_t timesAsked, std::int32_t correctAnswers);
    // Whole percent of correct answers, rounded down; 0 when never asked.
    std::int32_t getRatio() const;

    const Outline& getOutline() const { return *_outline; }
    // For the document that takes the item over from another document: the
    // item is then bound to the new document's Outline.
    void rebind(const Outline& outline) { _outline = &outline; }

    // The item's term, its definition texts in field order and its comment.
    void forEachText(const std::function<void(std::string_view)>& visit) const;
    // Replaces each of those texts with what `rewrite` makes of it. The
    // definitions are taken by field of the item's Outline and stored under
    // the names of the same fields in `renamed`, to which the item is then
    // bound; for fields that now share a name the first text stays.
    void rewriteTexts(const std::function<std::string(std::string_view)>& rewrite, const Outline& renamed);

    // Item record without the item number (the document adds that first).
    void write(WinFile::Record& out) const;
    // `texts` keeps the scratch space one list's items share.
    void read(WinFile::DeSerializer& in, DefTextsReader& texts);

private:
    void repairScores();

    std::int32_t _itemNo;
    std::string _term;
    DefTexts _defTexts;
    std::string _comment;
    std::int32_t _timesAsked;
    std::int32_t _correctAnswers;
    const Outline* _outline;   // never null
};
