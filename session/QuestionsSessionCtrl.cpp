#include "session/QuestionsSessionCtrl.h"

#include "WinLib/Maker.h"
#include "WinLib/MessageBox.h"
#include "WinLib/ResString.h"
#include "engine/MessageText.h"
#include "engine/QnaSession.h"
#include "res/strings.h"
#include "session/SessionDlgCtrl.h"

QuestionsSessionCtrl::QuestionsSessionCtrl(const Setting& setting, QnaSession& engine)
    : SessionWinCtrl(setting, engine), _qna(engine)
{
}

std::unique_ptr<SessionView> QuestionsSessionCtrl::createView()
{
    auto view = createQuestionsView();
    _questionsView = view.get();
    return view;
}

std::string QuestionsSessionCtrl::loadString(int id) const
{
    return Win::ResString(Win::instanceOf(_h), id).str();
}

void QuestionsSessionCtrl::onLeaveQuestion()
{
    const std::string answer = _questionsView->getAnswer();
    if (_qna.checkAnswer(answer))
        return;
    const std::string text = wrongAnswerText(loadString(IDS_WRONG_ANSWER), answer, _qna.answerText());
    const std::string caption = loadString(IDS_PRODUCT_NAME);
    Win::messageBox(_h, text, caption, MB_ICONERROR | MB_OK);
}

void QuestionsSessionCtrl::onNewQuestion()
{
    _questionsView->clearAnswer();
    // A click on the progress dialog's Next took the keyboard there.
    takeKeyboard();
}

void QuestionsSessionCtrl::takeKeyboard()
{
    ::SetFocus(_h);
}

bool QuestionsSessionCtrl::OnSysChar(WPARAM key, LPARAM keyData)
{
    if (_dlg != nullptr)
        _dlg->pressMnemonic(key, keyData);
    return true;
}

void QuestionsSessionCtrl::onFinish()
{
    const std::string text = resultsText(loadString(IDS_RESULTS), _qna.getQuestionsCnt(),
                                         _qna.getCorrectAnswersCnt(), _qna.resultPercent());
    const std::string caption = loadString(IDS_PRODUCT_NAME);
    Win::messageBox(_h, text, caption, MB_ICONINFORMATION | MB_OK);
}

void QuestionsSessionCtrl::advance()
{
    if (_dlg != nullptr)
        _dlg->advance();
}
