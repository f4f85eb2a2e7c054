#include "session/QnaSessionView.h"

#include "WinLib/Edit.h"
#include "WinLib/Maker.h"
#include "engine/StudySession.h"

namespace
{
    const int AnswerBoxId = 0;
    // At 96 dpi, like every length below.
    const int AnswerBoxHeight = 24;
    const int AnswerBoxMargin = 4;
    // Above the middle of the lower half.
    const int AnswerBoxRise = 6;
}

bool QnaInputCtrl::OnKeyDown(WPARAM key, LPARAM /*keyData*/)
{
    if (key != VK_RETURN)
        return false;
    ::SendMessageA(::GetParent(_h), WM_COMMAND, 1, reinterpret_cast<LPARAM>(_h));
    return true;
}

bool QnaInputCtrl::OnChar(WPARAM ch, LPARAM /*keyData*/)
{
    return ch == VK_RETURN;
}

bool QnaInputCtrl::OnSysChar(WPARAM key, LPARAM keyData)
{
    ::SendMessageA(::GetParent(_h), WM_SYSCHAR, key, keyData);
    return true;
}

QnaSessionView::QnaSessionView(HWND win, StudySession& engine) : QuestionsSessionView(win, engine)
{
    Win::ChildMaker maker("EDIT", win, AnswerBoxId);
    maker._style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    maker._exStyle = WS_EX_CLIENTEDGE;
    _answerBox = maker.Create("");
    applyFont();
    _input.Attach(_answerBox);
}

void QnaSessionView::applyFont()
{
    _font->applyTo(_answerBox);
}

void QnaSessionView::paint(Win::Canvas& canvas)
{
    const int th = paintCommon(canvas);
    canvas.drawText(_engine.questionText(), 0, 2 * th, _width, _height / 2, TextFormat);
}

void QnaSessionView::layout()
{
    SessionView::layout();
    const int margin = _dpi.scale(AnswerBoxMargin);
    ::MoveWindow(_answerBox, margin, _height / 2 + _height / 4 - _dpi.scale(AnswerBoxRise), _width - 2 * margin,
                 _dpi.scale(AnswerBoxHeight), TRUE);
}

std::string QnaSessionView::getAnswer()
{
    return Win::Edit(_answerBox).GetText();
}

void QnaSessionView::clearAnswer()
{
    Win::Edit(_answerBox).Clear();
}
