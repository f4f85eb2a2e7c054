#include "engine/StudySession.h"

#include <ctime>
#include <utility>

#include "base/Assert.h"
#include "model/Quillory.h"
#include "model/Setting.h"
#include "model/Outline.h"
#include "model/TermSet.h"

StudySession::StudySession(Quillory& doc, bool useAllItems, RandomSource& random)
    : _doc(doc), _setting(doc.getSettings()), _random(random)
{
    _random.seed(static_cast<unsigned>(std::time(nullptr)));
    if (useAllItems)
    {
        const unsigned count = _doc.getItemCount();
        _questions.reserve(count);
        for (unsigned idx = 0; idx < count; ++idx)
            _questions.push_back(idx);
    }
    else
    {
        Assert(doc.hasSelection());
        _questions = _doc.getSelection();
    }
    if (_setting.isShuffle())
        shuffle();
}

void StudySession::shuffle()
{
    // drawBelow combines draws where rand() stops short of the list's size
    // (32767 on Windows), so that k comes from the whole list.
    const std::size_t size = _questions.size();
    for (std::size_t i = 0; i < size; ++i)
    {
        const std::size_t k = drawBelow(_random, size);
        std::swap(_questions[k], _questions[i]);
    }
}

int StudySession::itemsTotal() const
{
    return _setting.isContinuous() ? -1 : static_cast<int>(_questions.size());
}

// A loop rather than recursion: a long run of skipped questions (up to the
// list's length times the field count) must not deepen the stack.
bool StudySession::next()
{
    if (_finished)
        return false;
    const int n = defCount();
    for (;;)
    {
        if (continuesEverythingElse(n))
        {
            ++_answerField;
        }
        else
        {
            if (!moveToAskableItem())
            {
                _finished = true;
                return false;
            }
            const TermSet& item = currentItem();
            ++_itemCount;
            _noAdmissibleField = !chooseQuestionField(item, n) || !chooseAnswerField(item, n);
        }
        if (questionPasses() && acceptQuestion())
        {
            _askedInPass = true;
            return true;
        }
    }
}

bool StudySession::continuesEverythingElse(int n) const
{
    return _setting.isToEverythingElse() && _answerField != n - 1
        && _currItemIdx != -1 && !_noAdmissibleField;
}

bool StudySession::moveToAskableItem()
{
    const int size = static_cast<int>(_questions.size());
    ++_currItemIdx;
    for (;;)
    {
        while (_currItemIdx < size && !isAskable(_doc.getItem(_questions[_currItemIdx])))
            ++_currItemIdx;
        if (_currItemIdx < size)
            return true;
        // Items and settings stay the same during a session, so a pass that
        // yielded nothing would yield nothing again.
        if (!_setting.isContinuous() || !_askedInPass)
            return false;
        _askedInPass = false;
        if (_setting.isShuffle())
            shuffle();
        _currItemIdx = 0;
    }
}

bool StudySession::isAskable(const TermSet& item) const
{
    const int n = defCount();
    for (int field = 0; field < n; ++field)
        if (!item.viewDefText(static_cast<unsigned>(field)).empty())
            return true;
    return false;
}

bool StudySession::chooseQuestionField(const TermSet& item, int n)
{
    switch (_setting.getFromDir())
    {
    case Setting::TERM:
        _questionField = -1;
        return true;
    case Setting::FIELD:
        _questionField = static_cast<int>(_setting.getFromField());
        return true;
    default:
        break;
    }
    return drawAdmissibleField(item, n, &StudySession::isAskableQuestion, _questionField);
}

bool StudySession::chooseAnswerField(const TermSet& item, int n)
{
    switch (_setting.getToDir())
    {
    case Setting::TERM:
    case Setting::EVERYTHING_ELSE:
        _answerField = -1;
        return true;
    case Setting::FIELD:
        _answerField = static_cast<int>(_setting.getToField());
        return true;
    default:
        break;
    }
    return drawAdmissibleField(item, n, &StudySession::isAskableAnswer, _answerField);
}

// Draw until admissible, but only when some field is: otherwise the draws
// would never end.
bool StudySession::drawAdmissibleField(const TermSet& item, int n, Admissible admissible, int& field)
{
    bool any = false;
    for (int candidate = -1; candidate < n && !any; ++candidate)
        any = (this->*admissible)(item, candidate);
    if (!any)
        return false;
    do
        field = drawField(n);
    while (!(this->*admissible)(item, field));
    return true;
}

bool StudySession::isAskableQuestion(const TermSet& item, int field) const
{
    if (_setting.isToTerm() && field == -1)
        return false;
    if (_setting.isToField() && field == static_cast<int>(_setting.getToField()))
        return false;
    return !fieldView(item, field).empty();
}

bool StudySession::isAskableAnswer(const TermSet& item, int field) const
{
    return field != _questionField && !fieldView(item, field).empty();
}

bool StudySession::questionPasses() const
{
    return !_noAdmissibleField && _questionField != _answerField
        && !fieldView(currentItem(), _questionField).empty() && !fieldView(currentItem(), _answerField).empty();
}

// Each of the n+1 fields with equal weight; the remainder n stands for the
// item's own text.
int StudySession::drawField(int n)
{
    const unsigned fields = static_cast<unsigned>(n) + 1;
    const unsigned r = static_cast<unsigned>(_random.draw()) % fields;
    return r == static_cast<unsigned>(n) ? -1 : static_cast<int>(r);
}

int StudySession::defCount() const
{
    return static_cast<int>(_doc.getOutline().getDefCount());
}

TermSet& StudySession::currentItem() const
{
    return _doc.getItem(currentItemIndex());
}

unsigned StudySession::currentItemIndex() const
{
    Assert(_currItemIdx>=0 && static_cast<std::size_t>(_currItemIdx)<_questions.size());
    return _questions[_currItemIdx];
}

std::string_view StudySession::fieldView(const TermSet& item, int field) const
{
    return field == -1 ? std::string_view(item.getTerm()) : item.viewDefText(static_cast<unsigned>(field));
}

std::string StudySession::fieldTitle(int field) const
{
    const Outline& outline = _doc.getOutline();
    return field == -1 ? outline.getItemType() : outline.getDef(static_cast<unsigned>(field));
}

std::string StudySession::questionText() const
{
    return std::string(fieldView(currentItem(), _questionField));
}

std::string StudySession::answerText() const
{
    return std::string(fieldView(currentItem(), _answerField));
}

std::string StudySession::questionTitle() const
{
    return fieldTitle(_questionField);
}

std::string StudySession::answerTitle() const
{
    return fieldTitle(_answerField);
}
