#include "engine/QnaSession.h"

#include "base/Assert.h"
#include "model/Setting.h"
#include "model/TermSet.h"
#include "engine/TextCase.h"

QnaSession::QnaSession(Quillory& doc, bool useAllItems, RandomSource& random)
    : StudySession(doc, useAllItems, random)
{
}

bool QnaSession::matches(const std::string& answer, const std::string& expected, bool caseSensitive)
{
    return caseSensitive ? equalComposed(answer, expected) : equalIgnoringCase(answer, expected);
}

bool QnaSession::checkAnswer(const std::string& answer)
{
    ++_questionsCnt;
    TermSet& item = currentItem();
    if (matches(answer, answerText(), settings().isCaseSensitive()))
    {
        item.answeredCorrectly();
        ++_correctAnswersCnt;
        return true;
    }
    item.answeredWrongly();
    return false;
}

int QnaSession::resultPercent() const
{
    Assert(_questionsCnt>=_correctAnswersCnt);
    if (_questionsCnt == 0)
        return 0;
    return static_cast<int>(100LL * _correctAnswersCnt / _questionsCnt);
}
