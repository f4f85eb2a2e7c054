#pragma once
#include <windows.h>
#include <string>

#include "WinLib/Canvas.h"

class StudySession;

// Paints a session window's client area: a frame divided into the question's
// upper half and the answer's lower half, each headed by a grey title band.
class SessionView
{
public:
    SessionView(HWND win, StudySession& engine);
    virtual ~SessionView() = default;
    SessionView(const SessionView&) = delete;
    SessionView& operator=(const SessionView&) = delete;

    virtual void paint(Win::Canvas& canvas) = 0;
    // Keeps the window at its fixed outer size and records the client size.
    virtual void layout();
    virtual void drawFrame(Win::Canvas& canvas);
    virtual void drawTitles(Win::Canvas& canvas);

    int getWidth() const { return _width; }
    // The font the view draws with and gives its controls.
    const Win::Font& getFont() const { return _font; }
    int getHeight() const { return _height; }

    static constexpr int OuterWidth = 400;
    static constexpr int OuterHeight = 250;
    // DT_CENTER | DT_VCENTER | DT_WORDBREAK
    static constexpr UINT TextFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK;
    // The cell height and weight of the System font the views drew with
    // before, in a face that shows every script.
    static constexpr int FontHeight = 16;

protected:
    // The steps every view paints first; returns the text height.
    int paintCommon(Win::Canvas& canvas);
    static int textHeight(const Win::Canvas& canvas);
    // The text height of the window's own device context, outside painting.
    int windowTextHeight() const;

    int _width = OuterWidth;
    int _height = OuterHeight;
    HWND _win;
    Win::Brush _brush;
    Win::Font _font;
    StudySession& _engine;
};

// A view that collects the user's answer to each question.
class QuestionsSessionView : public SessionView
{
public:
    using SessionView::SessionView;
    virtual std::string getAnswer() = 0;
    virtual void clearAnswer() = 0;
};
