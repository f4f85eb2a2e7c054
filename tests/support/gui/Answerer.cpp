#include "tests/support/gui/Answerer.h"

#include "tests/support/gui/Harness.h"
#include "WinLib/PendingException.h"

#include <algorithm>

namespace
{
    // The innermost answerer watches the thread; an outer one resumes after it.
    Gui::Answerer* current = nullptr;

    // Period of the watch; it only runs while a message loop does.
    const UINT watchPeriodMs = 20;

    bool contains(const std::vector<HWND>& list, HWND h)
    {
        return std::find(list.begin(), list.end(), h) != list.end();
    }

    void dismiss(HWND dlg)
    {
        if (::GetDlgItem(dlg, IDCANCEL) != nullptr)
            Gui::click(dlg, IDCANCEL);
        else if (::GetDlgItem(dlg, IDNO) != nullptr)
            Gui::click(dlg, IDNO);
        else if (::GetDlgItem(dlg, IDOK) != nullptr)
            Gui::click(dlg, IDOK);
        else
            Gui::closeBox(dlg);
    }
}

bool Gui::DialogMatch::matches(HWND dlg) const
{
    if (!title.empty() && windowText(dlg) != title)
        return false;
    return controlId == 0 || ::GetDlgItem(dlg, controlId) != nullptr;
}

Gui::Answerer::Answerer(DWORD unexpectedMs) : _unexpectedMs(unexpectedMs), _outer(current)
{
    current = this;
    _hook = ::SetWindowsHookExA(WH_CBT, &cbtHook, nullptr, ::GetCurrentThreadId());
    _timer = ::SetTimer(nullptr, 0, watchPeriodMs, &onTimer);
}

Gui::Answerer::~Answerer()
{
    if (_timer != 0)
        ::KillTimer(nullptr, _timer);
    if (_hook != nullptr)
        ::UnhookWindowsHookEx(_hook);
    if (current == this)
        current = _outer;
}

Gui::Seen Gui::Answerer::expectMessageBox(int button, std::string caption)
{
    return onDialog(DialogMatch::byTitle(std::move(caption)), [button](HWND box) { click(box, button); });
}

Gui::Seen Gui::Answerer::onDialog(DialogMatch match, std::function<void(HWND)> action)
{
    auto state = std::make_shared<Seen::State>();
    _pending.push_back({std::move(match), std::move(action), state});
    return Seen(state);
}

LRESULT CALLBACK Gui::Answerer::cbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && current != nullptr)
    {
        HWND h = reinterpret_cast<HWND>(wParam);
        if (className(h) == "#32770")
            current->noticed(h);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK Gui::Answerer::onTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (current == nullptr)
        return;
    // Called by a system loop: nothing may unwind through it.
    try
    {
        current->serve();
    }
    catch (...)
    {
        Win::keepPendingException(std::current_exception());
    }
}

void Gui::Answerer::noticed(HWND dlg)
{
    if (contains(_handled, dlg) || contains(_waiting, dlg))
        return;
    if (_waiting.empty())
        _firstWait = ::GetTickCount();
    _waiting.push_back(dlg);
}

void Gui::Answerer::serve()
{
    // Dialogs that activated before the hook saw them, or never activated.
    for (HWND dlg : threadWindows("#32770"))
        noticed(dlg);
    _waiting.erase(std::remove_if(_waiting.begin(), _waiting.end(), [](HWND h) { return !::IsWindow(h); }),
                   _waiting.end());

    const std::vector<HWND> waiting = _waiting;
    for (HWND dlg : waiting)
    {
        const auto expectation = std::find_if(_pending.begin(), _pending.end(),
                                              [dlg](const Expectation& e) { return e.match.matches(dlg); });
        if (expectation == _pending.end())
            continue;
        Expectation claimed = *expectation;
        _pending.erase(expectation);
        _waiting.erase(std::find(_waiting.begin(), _waiting.end(), dlg));
        _handled.push_back(dlg);
        claimed.state->seen = true;
        claimed.state->window = dlg;
        claimed.state->owner = ownerOf(dlg);
        claimed.state->text = messageBoxText(dlg);
        claimed.state->caption = caption(dlg);
        // The action may open further modal boxes; nothing here is used after it.
        claimed.action(dlg);
        return;
    }

    if (!_waiting.empty() && ::GetTickCount() - _firstWait >= _unexpectedMs)
    {
        HWND dlg = _waiting.front();
        _waiting.erase(_waiting.begin());
        _handled.push_back(dlg);
        _unexpected.push_back(caption(dlg) + ": " + messageBoxText(dlg));
        _firstWait = ::GetTickCount();
        dismiss(dlg);
    }
}
