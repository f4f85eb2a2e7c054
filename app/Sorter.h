#pragma once
#include <vector>

class TermSet;

// Compares two items by one column of the list view: "comes before".
class Sorter
{
public:
    using CmpFunc = bool (*)(const TermSet& a, const TermSet& b);
    using DefCmpFunc = bool (*)(const TermSet& a, const TermSet& b, unsigned defIdx);

    explicit Sorter(CmpFunc cmpFunc);
    Sorter(DefCmpFunc defCmpFunc, unsigned defIdx);

    bool operator()(const TermSet& a, const TermSet& b) const;

    // The comparisons, one per kind of column.
    static bool byItemNo(const TermSet& a, const TermSet& b);
    static bool byTerm(const TermSet& a, const TermSet& b);
    static bool byDefText(const TermSet& a, const TermSet& b, unsigned defIdx);
    static bool byComment(const TermSet& a, const TermSet& b);
    static bool byTimesAsked(const TermSet& a, const TermSet& b);
    static bool byCorrectAnswers(const TermSet& a, const TermSet& b);
    static bool byRatio(const TermSet& a, const TermSet& b);

private:
    CmpFunc _cmpFunc;
    DefCmpFunc _defCmpFunc;
    unsigned _defIdx;
};

// Sorts ascending; if that changes nothing, sorts descending instead, so that
// clicking the same column again toggles the order. Items that compare equal
// keep their relative order ascending and reverse it descending.
void sortByColumn(std::vector<TermSet>& items, const Sorter& sorter);
