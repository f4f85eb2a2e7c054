#pragma once
#include <memory>

#include "WinLib/Dialog.h"
#include "WinLib/Timer.h"

class StudySession;

// The progress dialog (206): item number, item total and seconds left, with
// Stop and Next. It drives the session: it owns the one-second timer, asks the
// engine for the next question and tells the session window when a question
// is left and when a new one is current.
class SessionDlgCtrl : public Dialog::ModalController
{
public:
    SessionDlgCtrl(StudySession& engine, int timeOut, HWND sessionWin);

    void OnInitDialog() override;
    bool OnClose() override;
    bool OnCommand(int ctrlId, int notifyCode) override;
    bool OnTimer(WPARAM timerId) override;

    // Leaves the current question and moves to the next one, or ends the session.
    void advance();
    // Asks whether to stop; No moves on as advance does.
    void stop();
    void updateDisplay();
    // Alt+key typed in the session window, which has the keyboard: pushes the
    // button whose mnemonic it is, as the dialog's loop does for its own keys.
    void pressMnemonic(WPARAM key, LPARAM keyData);

    static constexpr UINT_PTR TimerId = 100;
    static constexpr UINT TimerPeriodMs = 1000;

private:
    class Busy;

    void moveOn();
    int askToStop();
    void startTimer();
    void endSession();
    void enable(bool enable) { ::EnableWindow(_h, enable ? TRUE : FALSE); }

    StudySession& _engine;
    int _timeOut;
    int _secondsLeft;
    HWND _sessionWin;
    HWND _stop = nullptr;
    HWND _next = nullptr;
    HWND _itemNumber = nullptr;
    HWND _itemTotal = nullptr;
    HWND _seconds = nullptr;
    std::unique_ptr<Win::Timer> _timer;
    // Between leaving a question and showing the next, or while the stop
    // question is open: a command posted meanwhile must not move the session twice.
    bool _busy = false;
    bool _ended = false;
};
