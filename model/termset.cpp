#include "model/termset.h"

#include <algorithm>
#include <limits>

#include "WinLib/Assert.h"
#include "stream/Primitives.h"

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

void TermSet::write(WinFile::Serializer& out) const
{
    WinFile::writeString(out, _term);
    for (unsigned i = 0; i < _outline->getDefCount(); ++i)
        WinFile::writeString(out, viewDefText(i));
    WinFile::writeString(out, _comment);
    WinFile::writeInt(out, _timesAsked);
    WinFile::writeInt(out, _correctAnswers);
}

void TermSet::read(WinFile::DeSerializer& in)
{
    _term = WinFile::readString(in);
    readDefTexts(in);
    _comment = WinFile::readString(in);
    _timesAsked = WinFile::readInt(in);
    _correctAnswers = WinFile::readInt(in);
    repairScores();
}

// The texts come in field order and are viewed in the loaded bytes until
// they are stored. For two fields of the same name the first text stays, as
// if each had been inserted under its name in turn.
void TermSet::readDefTexts(WinFile::DeSerializer& in)
{
    const unsigned defCount = _outline->getDefCount();
    std::vector<DefTexts::Entry> entries;
    entries.reserve(defCount);
    for (unsigned i = 0; i < defCount; ++i)
    {
        const std::string_view text = WinFile::readStringView(in);
        if (!text.empty())
            entries.emplace_back(_outline->getDef(i), text);
    }
    const auto notAfter = [](const auto& a, const auto& b) { return !(a.first < b.first); };
    if (std::adjacent_find(entries.begin(), entries.end(), notAfter) != entries.end())
    {
        const auto namesInOrder = [](const auto& a, const auto& b) { return a.first < b.first; };
        std::stable_sort(entries.begin(), entries.end(), namesInOrder);
        const auto sameName = [](const auto& a, const auto& b) { return a.first == b.first; };
        entries.erase(std::unique(entries.begin(), entries.end(), sameName), entries.end());
    }
    _defTexts.assign(entries);
}

// Scores no session can produce would stop the program when the ratio is
// shown: bring them to the nearest possible ones.
void TermSet::repairScores()
{
    _timesAsked = std::max<std::int32_t>(_timesAsked, 0);
    _correctAnswers = std::clamp<std::int32_t>(_correctAnswers, 0, _timesAsked);
}
