#include "session/PresentationCtrl.h"

#include "engine/StudySession.h"

void PresentationView::paint(Win::Canvas& canvas)
{
    const int th = paintCommon(canvas);
    canvas.drawText(_engine.questionText(), 0, 2 * th, _width, _height / 2, TextFormat);
    canvas.drawText(_engine.answerText(), 0, _height / 2 + 2 * th, _width, _height, TextFormat);
}

std::unique_ptr<SessionView> PresentationCtrl::createView()
{
    return std::make_unique<PresentationView>(_h, _engine);
}

void PresentationCtrl::onLeaveQuestion()
{
    ::InvalidateRect(_h, nullptr, FALSE);
}
