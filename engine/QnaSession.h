#pragma once
#include <string>

#include "engine/StudySession.h"

// A study session that judges each answer against the stored one, keeps the
// session's tally and updates the items' scores answer by answer. The
// command that ran the session marks the document modified afterwards.
class QnaSession : public StudySession
{
public:
    QnaSession(Quillory& doc, bool useAllItems, RandomSource& random = runtimeRandom());

    // Judges the answer to the current question and records the outcome.
    bool checkAnswer(const std::string& answer);

    int getQuestionsCnt() const { return _questionsCnt; }
    int getCorrectAnswersCnt() const { return _correctAnswersCnt; }
    // Whole percent of correct answers, rounded down; 0 before any answer.
    int resultPercent() const;

    // Equal in normalization form C, and (case-insensitive) once both are
    // upper-cased in every script.
    static bool matches(const std::string& answer, const std::string& expected, bool caseSensitive);

private:
    int _questionsCnt = 0;
    int _correctAnswersCnt = 0;
};
