#include "session/SessionWinCtrl.h"

#include "WinLib/Canvas.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "res/strings.h"
#include "session/MessageText.h"
#include "session/QnaSession.h"
#include "session/SessionDlgCtrl.h"

SessionWinCtrl::SessionWinCtrl(const Setting& setting, StudySession& engine) : _engine(engine), _setting(setting)
{
}

bool SessionWinCtrl::OnCreate(CREATESTRUCTA* /*create*/)
{
    ::SetWindowPos(_h, nullptr, Left, Top, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    _view.reset();
    _view = createView();
    return true;
}

// Only the progress dialog ends a session.
bool SessionWinCtrl::OnClose()
{
    return true;
}

bool SessionWinCtrl::OnDestroy()
{
    onFinish();
    return true;
}

bool SessionWinCtrl::OnSize(int /*width*/, int /*height*/, int /*sizeType*/)
{
    if (_view)
        _view->layout();
    return true;
}

bool SessionWinCtrl::OnPaint()
{
    Win::PaintCanvas canvas(_h);
    if (_view)
    {
        const Win::FontHolder font(canvas, _view->getFont());
        _view->paint(canvas);
    }
    return true;
}

bool SessionWinCtrl::OnUserMessage(UINT msg, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/)
{
    switch (msg)
    {
    case UM_LEAVE_QUESTION:
        onLeaveQuestion();
        return true;
    case UM_NEW_QUESTION:
        onNewQuestion();
        return true;
    case UM_TAKE_KEYBOARD:
        takeKeyboard();
        return true;
    default:
        return false;
    }
}

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
    ::MessageBoxA(_h, text.c_str(), caption.c_str(), MB_ICONERROR | MB_OK);
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
    ::MessageBoxA(_h, text.c_str(), caption.c_str(), MB_ICONINFORMATION | MB_OK);
}

void QuestionsSessionCtrl::advance()
{
    if (_dlg != nullptr)
        _dlg->advance();
}
