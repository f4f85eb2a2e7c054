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

namespace
{
    bool nameBefore(const std::pair<std::string, std::string>& entry, const std::string& name)
    {
        return entry.first < name;
    }

    bool namesInOrder(const std::pair<std::string, std::string>& a, const std::pair<std::string, std::string>& b)
    {
        return a.first < b.first;
    }
}

TermSet::DefTexts::const_iterator TermSet::findDefText(const std::string& name) const
{
    const auto entry = std::lower_bound(_defTexts.begin(), _defTexts.end(), name, nameBefore);
    return entry != _defTexts.end() && entry->first == name ? entry : _defTexts.end();
}

std::string TermSet::getDefText(unsigned idx) const
{
    return std::string(viewDefText(idx));
}

std::string_view TermSet::viewDefText(unsigned idx) const
{
    const auto entry = findDefText(_outline->getDef(idx));
    return entry == _defTexts.end() ? std::string_view() : std::string_view(entry->second);
}

void TermSet::setDefText(unsigned idx, const std::string& text)
{
    const std::string& name = _outline->getDef(idx);
    const auto entry = std::lower_bound(_defTexts.begin(), _defTexts.end(), name, nameBefore);
    if (entry != _defTexts.end() && entry->first == name)
        entry->second = text;
    else
        _defTexts.emplace(entry, name, text);
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
    {
        const auto entry = findDefText(_outline->getDef(i));
        static const std::string none;
        WinFile::writeString(out, entry == _defTexts.end() ? none : entry->second);
    }
    WinFile::writeString(out, _comment);
    WinFile::writeInt(out, _timesAsked);
    WinFile::writeInt(out, _correctAnswers);
}

void TermSet::read(WinFile::DeSerializer& in)
{
    _term = WinFile::readString(in);
    _defTexts.clear();
    const unsigned defCount = _outline->getDefCount();
    _defTexts.reserve(defCount);
    for (unsigned i = 0; i < defCount; ++i)
    {
        std::string text = WinFile::readString(in);
        if (!text.empty())
            _defTexts.emplace_back(_outline->getDef(i), std::move(text));
    }
    keepFirstTextOfEachName();
    _comment = WinFile::readString(in);
    _timesAsked = WinFile::readInt(in);
    _correctAnswers = WinFile::readInt(in);
    repairScores();
}

// The texts were read in field order. For two fields of the same name the
// first text stays, as if each had been inserted under its name in turn.
void TermSet::keepFirstTextOfEachName()
{
    const auto notAfter = [](const auto& a, const auto& b) { return !(a.first < b.first); };
    if (std::adjacent_find(_defTexts.begin(), _defTexts.end(), notAfter) == _defTexts.end())
        return;   // names in order and distinct: the usual case, nothing to do
    std::stable_sort(_defTexts.begin(), _defTexts.end(), namesInOrder);
    const auto sameName = [](const auto& a, const auto& b) { return a.first == b.first; };
    _defTexts.erase(std::unique(_defTexts.begin(), _defTexts.end(), sameName), _defTexts.end());
}

// Scores no session can produce would stop the program when the ratio is
// shown: bring them to the nearest possible ones.
void TermSet::repairScores()
{
    _timesAsked = std::max<std::int32_t>(_timesAsked, 0);
    _correctAnswers = std::clamp<std::int32_t>(_correctAnswers, 0, _timesAsked);
}
