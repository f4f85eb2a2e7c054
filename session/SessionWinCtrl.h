#pragma once
#include <memory>

#include "WinLib/Controller.h"
#include "session/SessionView.h"

class SessionDlgCtrl;
class Setting;
class StudySession;

// What the progress dialog sends to the session window (always sent).
const UINT UM_LEAVE_QUESTION = WM_USER + 7; // the current question is being left
const UINT UM_NEW_QUESTION = WM_USER + 8;   // next() has made a new question current
const UINT UM_TAKE_KEYBOARD = WM_USER + 9;  // the progress dialog is up (posted once)

// The controller of a session window: a fixed-size popup that shows the
// current question through its view. Only the progress dialog destroys it.
class SessionWinCtrl : public Win::Controller
{
public:
    SessionWinCtrl(const Setting& setting, StudySession& engine);

    bool OnCreate(CREATESTRUCTA* create) override;
    bool OnClose() override;
    bool OnDestroy() override;
    bool OnSize(int width, int height, int sizeType) override;
    bool OnPaint() override;
    bool OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnDpiChanged(Win::Dpi dpi, const RECT& suggested) override;

    SessionView* getView() const { return _view.get(); }

    // Where the window stands on the screen, at 96 dpi.
    static constexpr int Left = 150;
    static constexpr int Top = 75;

protected:
    virtual std::unique_ptr<SessionView> createView() = 0;
    virtual void onLeaveQuestion() = 0;
    virtual void onNewQuestion() {}
    virtual void onFinish() {}
    // Makes the keys the user types reach the session; a presentation leaves
    // them with the progress dialog.
    virtual void takeKeyboard() {}

    StudySession& _engine;
    const Setting& _setting;
    std::unique_ptr<SessionView> _view;
};
