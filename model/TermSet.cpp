#include "model/TermSet.h"

#include <algorithm>
#include <limits>

#include "base/Assert.h"
#include "model/DefTextsReader.h"
#include "stream/Primitives.h"
#include "stream/Record.h"

TermSet::TermSet(std::int32_t itemNo, const Outline& outline)
    : _itemNo(itemNo), _timesAsked(0), _correctAnswers(0), _outline(&outline)
{
}

TermSet& TermSet::operator=(const TermSet& other)
{
    if (this != &other)
    {
        _itemNo = other._itemNo;
        _term = other._term;
        _defTexts = other._defTexts;
        _comment = other._comment;
        _timesAsked = other._timesAsked;
        _correctAnswers = other._correctAnswers;
    }
    return *this;
}

TermSet& TermSet::operator=(TermSet&& other) noexcept
{
    if (this != &other)
    {
        _itemNo = other._itemNo;
        _term = std::move(other._term);
        _defTexts = std::move(other._defTexts);
        _comment = std::move(other._comment);
        _timesAsked = other._timesAsked;
        _correctAnswers = other._correctAnswers;
    }
    return *this;
}

bool TermSet::operator==(const TermSet& other) const
{
    return _itemNo == other._itemNo && _term == other._term && _comment == other._comment
        && _timesAsked == other._timesAsked && _correctAnswers == other._correctAnswers
        && _defTexts == other._defTexts;
}

std::string TermSet::getDefText(unsigned idx) const
{
    return std::string(viewDefText(idx));
}

std::string_view TermSet::viewDefText(unsigned idx) const
{
    return _defTexts.find(_outline->getDef(idx)).value_or(std::string_view());
}

void TermSet::setDefText(unsigned idx, const std::string& text)
{
    _defTexts.set(_outline->getDef(idx), text);
}

namespace
{
    // A file may hold scores at the largest value: they stay there rather
    // than overflow.
    void countUp(std::int32_t& count)
    {
        if (count < std::numeric_limits<std::int32_t>::max())
            ++count;
    }
}

// Correct answers grow only while they stay at or below the times asked.
void TermSet::answeredCorrectly()
{
    countUp(_timesAsked);
    if (_correctAnswers < _timesAsked)
        ++_correctAnswers;
}

void TermSet::answeredWrongly()
{
    countUp(_timesAsked);
}

void TermSet::resetScores()
{
    _timesAsked = 0;
    _correctAnswers = 0;
}

void TermSet::setScores(std::int32_t timesAsked, std::int32_t correctAnswers)
{
    Assert(correctAnswers>=0 && correctAnswers<=timesAsked);
    _timesAsked = timesAsked;
    _correctAnswers = correctAnswers;
}

std::int32_t TermSet::getRatio() const
{
    Assert(_correctAnswers<=_timesAsked);
    if (_timesAsked == 0)
        return 0;
    // 64-bit so that 100 * a large count cannot overflow.
    return static_cast<std::int32_t>(std::int64_t(100) * _correctAnswers / _timesAsked);
}

void TermSet::forEachText(const std::function<void(std::string_view)>& visit) const
{
    visit(_term);
    for (unsigned i = 0; i < _outline->getDefCount(); ++i)
        visit(viewDefText(i));
    visit(_comment);
}

void TermSet::rewriteTexts(const std::function<std::string(std::string_view)>& rewrite, const Outline& renamed)
{
    DefTexts texts;
    for (unsigned i = 0; i < _outline->getDefCount(); ++i)
    {
        const std::string_view text = viewDefText(i);
        if (!text.empty() && !texts.find(renamed.getDef(i)))
            texts.set(renamed.getDef(i), rewrite(text));
    }
    _term = rewrite(_term);
    _comment = rewrite(_comment);
    _defTexts = std::move(texts);
    _outline = &renamed;
}

void TermSet::write(WinFile::Record& out) const
{
    out.addString(_term);
    for (unsigned i = 0; i < _outline->getDefCount(); ++i)
        out.addString(viewDefText(i));
    out.addString(_comment);
    out.addInt(_timesAsked);
    out.addInt(_correctAnswers);
}

void TermSet::read(WinFile::DeSerializer& in, DefTextsReader& texts)
{
    _term = WinFile::readString(in);
    texts.read(in, *_outline, _defTexts);
    _comment = WinFile::readString(in);
    _timesAsked = WinFile::readInt(in);
    _correctAnswers = WinFile::readInt(in);
    repairScores();
}

// Scores no session can produce would stop the program when the ratio is
// shown: bring them to the nearest possible ones.
void TermSet::repairScores()
{
    _timesAsked = std::max<std::int32_t>(_timesAsked, 0);
    _correctAnswers = std::clamp<std::int32_t>(_correctAnswers, 0, _timesAsked);
}
