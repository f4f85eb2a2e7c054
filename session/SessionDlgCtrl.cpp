#include "session/SessionDlgCtrl.h"

#include <string>

#include "WinLib/MessageBox.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "res/resource.h"
#include "res/strings.h"
#include "session/SessionWinCtrl.h"
#include "engine/StudySession.h"

// Between leaving a question and showing the next, or while the stop question
// is open: the dialog is disabled and its timer stopped. Undone however the
// step ends, so that a failure cannot leave a session that cannot be ended.
class SessionDlgCtrl::Busy
{
public:
    explicit Busy(SessionDlgCtrl& dlg) : _dlg(dlg)
    {
        _dlg._timer.reset();
        _dlg.enable(false);
        _dlg._busy = true;
    }
    ~Busy()
    {
        _dlg._busy = false;
        if (_dlg._ended)
            return;
        _dlg.enable(true);
        if (_dlg._timeOut != 0)
            _dlg.startTimer();
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    SessionDlgCtrl& _dlg;
};

SessionDlgCtrl::SessionDlgCtrl(StudySession& engine, int timeOut, HWND sessionWin)
    : _engine(engine), _timeOut(timeOut), _secondsLeft(timeOut), _sessionWin(sessionWin)
{
}

void SessionDlgCtrl::OnInitDialog()
{
    _stop = ::GetDlgItem(_h, IDC_STOP);
    _next = ::GetDlgItem(_h, IDC_NEXT);
    _itemNumber = ::GetDlgItem(_h, IDC_ITEM_NUMBER);
    _itemTotal = ::GetDlgItem(_h, IDC_ITEM_TOTAL);
    _seconds = ::GetDlgItem(_h, IDC_SECONDS);
    if (_timeOut != 0)
        startTimer();
    ::SetWindowPos(_h, nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    updateDisplay();
    // The dialog activates itself and focuses its first button once this
    // returns; the posted message comes after that, from the dialog's loop.
    ::PostMessageA(_sessionWin, UM_TAKE_KEYBOARD, 0, 0);
}

// The progress dialog has no system menu: WM_CLOSE is the Stop button.
bool SessionDlgCtrl::OnClose()
{
    stop();
    return true;
}

// Esc (IDCANCEL) is deliberately not handled.
bool SessionDlgCtrl::OnCommand(int ctrlId, int /*notifyCode*/)
{
    switch (ctrlId)
    {
    case IDC_STOP:
        stop();
        return true;
    case IDC_NEXT:
        advance();
        return true;
    default:
        return false;
    }
}

bool SessionDlgCtrl::OnTimer(WPARAM /*timerId*/)
{
    if (_busy || _ended)
        return true;
    --_secondsLeft;
    if (_secondsLeft < 0)
        advance();
    else
        updateDisplay();
    return true;
}

void SessionDlgCtrl::startTimer()
{
    // Both timers have the same id: were the old one destroyed after the new
    // one was set, its KillTimer would stop the new one.
    _timer.reset();
    _timer = std::make_unique<Win::Timer>(_h, TimerPeriodMs, TimerId);
}

void SessionDlgCtrl::advance()
{
    if (_busy || _ended)
        return;
    moveOn();
}

void SessionDlgCtrl::moveOn()
{
    const Busy busy(*this);
    ::SendMessageA(_sessionWin, UM_LEAVE_QUESTION, 0, 0);
    if (!_engine.next())
    {
        endSession();
        EndOk();
        return;
    }
    _secondsLeft = _timeOut;
    ::SendMessageA(_sessionWin, UM_NEW_QUESTION, 0, 0);
    updateDisplay();
    ::InvalidateRect(_sessionWin, nullptr, FALSE);
}

void SessionDlgCtrl::endSession()
{
    _ended = true;
    _timer.reset();
    enable(false);
    // Its controller shows the results box while it goes.
    ::DestroyWindow(_sessionWin);
}

void SessionDlgCtrl::stop()
{
    if (_busy || _ended)
        return;
    if (askToStop() == IDYES)
    {
        endSession();
        EndCancel();
        return;
    }
    moveOn();
}

int SessionDlgCtrl::askToStop()
{
    const Busy busy(*this);
    const HINSTANCE inst = Win::instanceOf(_h);
    const Win::ResString question(inst, IDS_STOP_SESSION);
    const Win::ResString caption(inst, IDS_PLEASE_CONFIRM);
    return Win::messageBox(_sessionWin, question.str(), caption.str(), MB_ICONQUESTION | MB_YESNO);
}

void SessionDlgCtrl::pressMnemonic(WPARAM key, LPARAM keyData)
{
    // The dialog's own mnemonic search; a key that is none is the dialog's to refuse.
    MSG msg{_h, WM_SYSCHAR, key, keyData, static_cast<DWORD>(::GetMessageTime()), {}};
    ::IsDialogMessageW(_h, &msg);
}

void SessionDlgCtrl::updateDisplay()
{
    ::SetWindowTextA(_itemNumber, std::to_string(_engine.getItemCount()).c_str());
    const int total = _engine.itemsTotal();
    if (total != -1)
        ::SetWindowTextA(_itemTotal, std::to_string(total).c_str());
    const std::string seconds = _secondsLeft != 0 ? std::to_string(_secondsLeft) : "--";
    ::SetWindowTextA(_seconds, seconds.c_str());
}
