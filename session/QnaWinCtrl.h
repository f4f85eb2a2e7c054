#pragma once
#include "session/QuestionsSessionCtrl.h"

// The questions-and-answers session window: the user types each answer.
class QnaWinCtrl : public QuestionsSessionCtrl
{
public:
    using QuestionsSessionCtrl::QuestionsSessionCtrl;

    bool OnFocus(HWND lostFocus) override;
    bool OnControl(HWND control, int id, int code) override;

protected:
    std::unique_ptr<QuestionsSessionView> createQuestionsView() override;
};
