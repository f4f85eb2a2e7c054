#include "app/Sorter.h"

#include "base/Assert.h"
#include "model/TermSet.h"

#include <algorithm>

Sorter::Sorter(CmpFunc cmpFunc) : _cmpFunc(cmpFunc), _defCmpFunc(nullptr), _defIdx(0)
{
}

Sorter::Sorter(DefCmpFunc defCmpFunc, unsigned defIdx)
    : _cmpFunc(nullptr), _defCmpFunc(defCmpFunc), _defIdx(defIdx)
{
}

bool Sorter::operator()(const TermSet& a, const TermSet& b) const
{
    if (_cmpFunc != nullptr)
    {
        Assert(_defCmpFunc==0);
        return _cmpFunc(a, b);
    }
    Assert(_defCmpFunc!=0);
    return _defCmpFunc(a, b, _defIdx);
}

// std::string compares through char_traits<char>, which orders bytes as
// unsigned values: "Zebra" before "apple", no locale involved.
bool Sorter::byItemNo(const TermSet& a, const TermSet& b)
{
    return a.getItemNo() < b.getItemNo();
}

bool Sorter::byTerm(const TermSet& a, const TermSet& b)
{
    return a.getTerm() < b.getTerm();
}

bool Sorter::byDefText(const TermSet& a, const TermSet& b, unsigned defIdx)
{
    return a.getDefText(defIdx) < b.getDefText(defIdx);
}

bool Sorter::byComment(const TermSet& a, const TermSet& b)
{
    return a.getComment() < b.getComment();
}

bool Sorter::byTimesAsked(const TermSet& a, const TermSet& b)
{
    return a.getTimesAsked() < b.getTimesAsked();
}

bool Sorter::byCorrectAnswers(const TermSet& a, const TermSet& b)
{
    return a.getCorrectAnswers() < b.getCorrectAnswers();
}

bool Sorter::byRatio(const TermSet& a, const TermSet& b)
{
    return a.getRatio() < b.getRatio();
}

void sortByColumn(std::vector<TermSet>& items, const Sorter& sorter)
{
    const std::vector<TermSet> before = items;
    std::stable_sort(items.begin(), items.end(), sorter);
    if (items != before)
        return;
    // Already ascending: reverse it, then bring it into descending order; items
    // that compare equal keep the reversed order.
    std::reverse(items.begin(), items.end());
    std::stable_sort(items.begin(), items.end(),
                     [&sorter](const TermSet& a, const TermSet& b) { return sorter(b, a); });
}
