#include "session/SessionView.h"

#include "engine/StudySession.h"

SessionView::SessionView(HWND win, StudySession& engine)
    : _win(win), _dpi(Win::Dpi::of(win)), _brush(RGB(200, 200, 200)),
      _font(std::make_unique<Win::Font>(FontHeight, FW_BOLD, _dpi)), _engine(engine)
{
}

void SessionView::setDpi(Win::Dpi dpi)
{
    _dpi = dpi;
    _font = std::make_unique<Win::Font>(FontHeight, FW_BOLD, _dpi);
    applyFont();
}

void SessionView::layout()
{
    const SIZE outer = Win::scaledWindowSize(_win, SIZE{OuterWidth, OuterHeight}, _dpi);
    ::SetWindowPos(_win, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOMOVE);
    RECT client{};
    ::GetClientRect(_win, &client);
    _width = client.right;
    _height = client.bottom;
}

void SessionView::drawFrame(Win::Canvas& canvas)
{
    canvas.rectangle(0, 0, _width, _height);
    canvas.line(0, _height / 2, _width, _height / 2);
}

void SessionView::drawTitles(Win::Canvas& canvas)
{
    const int th = textHeight(canvas);
    Win::BrushHolder grey(canvas, _brush);
    canvas.rectangle(0, 0, _width, th);
    canvas.drawText(_engine.questionTitle(), 0, 0, _width, th, DT_CENTER | DT_WORDBREAK);
    canvas.rectangle(0, _height / 2, _width, _height / 2 + th);
    canvas.drawText(_engine.answerTitle(), 0, _height / 2, _width, _height / 2 + th, DT_CENTER | DT_WORDBREAK);
}

int SessionView::paintCommon(Win::Canvas& canvas)
{
    // Fills with the window class's background colour.
    ::SendMessageA(_win, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.getDC()), 0);
    drawFrame(canvas);
    canvas.transparentBkgnd();
    drawTitles(canvas);
    canvas.opaqueBkgnd();
    return textHeight(canvas);
}

int SessionView::textHeight(const Win::Canvas& canvas)
{
    int charWidth = 0;
    int charHeight = 0;
    canvas.getTextMetrics(charWidth, charHeight);
    return charHeight;
}

int SessionView::windowTextHeight() const
{
    Win::WindowCanvas canvas(_win);
    const Win::FontHolder font(canvas, *_font);
    return textHeight(canvas);
}
