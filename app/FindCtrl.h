#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "WinLib/Dialog.h"
#include "WinLib/Edit.h"

// The Find window's dialog (208), modeless: Enter or Find Next asks for the
// next item with the typed text; Esc, Close or the close box end it.
class FindCtrl : public Dialog::Controller
{
public:
    FindCtrl(std::function<void(const std::string&)> findNext, std::function<void()> close)
        : _findNext(std::move(findNext)), _close(std::move(close))
    {
    }

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;
    void EndOk() override { _findNext(_text.GetText()); }
    void EndCancel() override { _close(); }

    // Puts `text` in the box, all of it selected, and the keyboard there.
    void showText(const std::string& text);

private:
    std::function<void(const std::string&)> _findNext;
    std::function<void()> _close;
    Win::Edit _text;
};
