#include "session/QnaWinCtrl.h"

#include "session/QnaSessionView.h"

std::unique_ptr<QuestionsSessionView> QnaWinCtrl::createQuestionsView()
{
    return std::make_unique<QnaSessionView>(_h, _engine);
}

bool QnaWinCtrl::OnFocus(HWND /*lostFocus*/)
{
    if (_view)
        ::SetFocus(static_cast<QnaSessionView&>(*_view).getAnswerBox());
    return true;
}

// Control 1 is Enter in the answer box.
bool QnaWinCtrl::OnControl(HWND /*control*/, int id, int /*code*/)
{
    if (id == 1)
        advance();
    return true;
}
