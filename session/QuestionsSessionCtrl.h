#pragma once
#include <memory>
#include <string>

#include "session/SessionWinCtrl.h"

class QnaSession;
class SessionDlgCtrl;

// A session window that collects an answer for each question, judges it when
// the question is left and shows the results when the session ends.
class QuestionsSessionCtrl : public SessionWinCtrl
{
public:
    QuestionsSessionCtrl(const Setting& setting, QnaSession& engine);

    void setProgressDialog(SessionDlgCtrl& dlg) { _dlg = &dlg; }

    // The progress dialog's buttons answer to Alt and their mnemonic here too.
    bool OnSysChar(WPARAM key, LPARAM keyData) override;

protected:
    virtual std::unique_ptr<QuestionsSessionView> createQuestionsView() = 0;
    std::unique_ptr<SessionView> createView() override;
    void onLeaveQuestion() override;
    void onNewQuestion() override;
    void onFinish() override;
    // The session window becomes the active window with the keyboard focus.
    void takeKeyboard() override;

    QuestionsSessionView* questionsView() const { return _questionsView; }
    // Moves the session on as the Next button does.
    void advance();

    QnaSession& _qna;
    SessionDlgCtrl* _dlg = nullptr;

private:
    std::string loadString(int id) const;

    QuestionsSessionView* _questionsView = nullptr;
};
