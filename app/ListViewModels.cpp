#include "app/ListViewModels.h"

#include "base/Assert.h"
#include "model/Quillory.h"
#include "model/Outline.h"
#include "model/TermSet.h"

#include <charconv>

namespace
{
    const char* const TrailingTitles[] = {"Comment", "Times Asked", "Correct Answers", "Ratio"};
    const unsigned FixedCount = 2;
    const unsigned TrailingCount = 4;
}

std::string numberText(int value)
{
    char buf[16];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    if (result.ec != std::errc())
        return "ERROR";
    return std::string(buf, result.ptr);
}

StudyListOutlineModel::StudyListOutlineModel(const Outline& outline)
    : _outline(outline), _fixedWidths{19, 120}, _trailingWidths{116, 75, 90, 38}
{
}

unsigned StudyListOutlineModel::getColumnsCount() const
{
    return _outline.getDefCount() + FixedCount + TrailingCount;
}

StudyListOutlineModel::Kind StudyListOutlineModel::kindOf(unsigned colIdx, unsigned& subIdx) const
{
    Assert(colIdx<getColumnsCount());
    const unsigned defCount = _outline.getDefCount();
    if (colIdx < FixedCount)
    {
        subIdx = colIdx;
        return Kind::FIXED;
    }
    if (colIdx < FixedCount + defCount)
    {
        subIdx = colIdx - FixedCount;
        return Kind::DEF;
    }
    subIdx = colIdx - FixedCount - defCount;
    return Kind::TRAILING;
}

std::string StudyListOutlineModel::getColTitle(unsigned colIdx) const
{
    unsigned sub = 0;
    switch (kindOf(colIdx, sub))
    {
    case Kind::FIXED:
        return sub == 0 ? std::string("#") : _outline.getItemType();
    case Kind::DEF:
        return _outline.getDef(sub);
    case Kind::TRAILING:
        break;
    }
    return TrailingTitles[sub];
}

int StudyListOutlineModel::getColWidth(unsigned colIdx) const
{
    unsigned sub = 0;
    switch (kindOf(colIdx, sub))
    {
    case Kind::FIXED:
        return static_cast<int>(_fixedWidths[sub]);
    case Kind::DEF:
    {
        const auto it = _defWidths.find(_outline.getDef(sub));
        return static_cast<int>(it == _defWidths.end() ? DefaultDefWidth : it->second);
    }
    case Kind::TRAILING:
        break;
    }
    return static_cast<int>(_trailingWidths[sub]);
}

void StudyListOutlineModel::setColWidth(unsigned colIdx, int width)
{
    const unsigned w = static_cast<unsigned>(width);
    unsigned sub = 0;
    switch (kindOf(colIdx, sub))
    {
    case Kind::FIXED:
        _fixedWidths[sub] = w;
        return;
    case Kind::DEF:
        _defWidths[_outline.getDef(sub)] = w;
        return;
    case Kind::TRAILING:
        _trailingWidths[sub] = w;
        return;
    }
}

Sorter StudyListOutlineModel::getSorter(unsigned colIdx) const
{
    unsigned sub = 0;
    switch (kindOf(colIdx, sub))
    {
    case Kind::FIXED:
        return Sorter(sub == 0 ? &Sorter::byItemNo : &Sorter::byTerm);
    case Kind::DEF:
        return Sorter(&Sorter::byDefText, sub);
    case Kind::TRAILING:
        break;
    }
    static const Sorter::CmpFunc trailing[] = {
        &Sorter::byComment, &Sorter::byTimesAsked, &Sorter::byCorrectAnswers, &Sorter::byRatio};
    return Sorter(trailing[sub]);
}

StudyListDataModel::StudyListDataModel(const Quillory& doc) : _doc(doc)
{
}

unsigned StudyListDataModel::getItemsCount() const
{
    return _doc.getItemCount();
}

const Win::ListViewItem& StudyListDataModel::getItem(unsigned idx)
{
    Assert(idx<getItemsCount());
    _row = std::make_unique<StudyItem>(_doc.getItem(idx), _doc.getOutline());
    return *_row;
}

std::string StudyListDataModel::StudyItem::getText(unsigned colIdx, const std::string& /*title*/) const
{
    const unsigned defCount = _outline.getDefCount();
    if (colIdx == 0)
        return numberText(_item.getItemNo());
    if (colIdx == 1)
        return _item.getTerm();
    if (colIdx < FixedCount + defCount)
        return _item.getDefText(colIdx - FixedCount);
    switch (colIdx - FixedCount - defCount)
    {
    case 0:
        return _item.getComment();
    case 1:
        return numberText(_item.getTimesAsked());
    case 2:
        return numberText(_item.getCorrectAnswers());
    case 3:
    {
        const std::string ratio = numberText(_item.getRatio());
        return ratio == "ERROR" ? ratio : ratio + " %";
    }
    }
    Assert(colIdx<FixedCount + defCount + TrailingCount);
    return std::string();
}
