#include "session/SessionWinCtrl.h"

#include "WinLib/Canvas.h"
#include "WinLib/Maker.h"

SessionWinCtrl::SessionWinCtrl(const Setting& setting, StudySession& engine) : _engine(engine), _setting(setting)
{
}

bool SessionWinCtrl::OnCreate(CREATESTRUCTA* /*create*/)
{
    // Beside the progress dialog in the screen's top-left corner, which grows with the DPI too.
    const Win::Dpi dpi = Win::Dpi::of(_h);
    ::SetWindowPos(_h, nullptr, dpi.scale(Left), dpi.scale(Top), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
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

bool SessionWinCtrl::OnDpiChanged(Win::Dpi dpi, const RECT& suggested)
{
    ::SetWindowPos(_h, nullptr, suggested.left, suggested.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    if (_view)
    {
        _view->setDpi(dpi);
        _view->layout();
        ::InvalidateRect(_h, nullptr, TRUE);
    }
    return true;
}
