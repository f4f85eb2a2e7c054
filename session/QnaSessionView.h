#pragma once
#include "WinLib/Controller.h"
#include "session/SessionView.h"

// Makes Enter in the answer box do what the Next button does: the box's
// parent, the session window, gets the command of control 1. Enter's
// character is swallowed (the box would beep at it), and mnemonics go on to
// the session window.
class QnaInputCtrl : public Win::SubController
{
public:
    bool OnKeyDown(WPARAM key, LPARAM keyData) override;
    bool OnChar(WPARAM ch, LPARAM keyData) override;
    bool OnSysChar(WPARAM key, LPARAM keyData) override;
};

// The questions-and-answers view: the question in the upper half, the answer
// box in the lower half.
class QnaSessionView : public QuestionsSessionView
{
public:
    QnaSessionView(HWND win, StudySession& engine);

    void paint(Win::Canvas& canvas) override;
    void layout() override;
    std::string getAnswer() override;
    void clearAnswer() override;

    HWND getAnswerBox() const { return _answerBox; }

private:
    void applyFont() override;

    HWND _answerBox;
    QnaInputCtrl _input;
};
