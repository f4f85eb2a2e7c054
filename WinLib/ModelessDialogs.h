#pragma once
#include <windows.h>
#include <vector>

namespace Win
{
    // The modeless dialogs that the message loop hands their keyboard
    // messages (IsDialogMessage: Tab, Enter, Esc, mnemonics). A dialog may
    // bring keys of its own that run another window's commands (F3 in a find
    // window runs the main window's Find Next), since that window's
    // accelerators never see the dialog's messages.
    class ModelessDialogs
    {
    public:
        // `keys`, when given, are translated into commands for `keysTarget`.
        void Add(HWND dlg, HACCEL keys = nullptr, HWND keysTarget = nullptr);
        void Remove(HWND dlg);
        // True when `msg` belonged to one of the dialogs and has been handled.
        bool Preprocess(MSG& msg) const;

    private:
        struct Entry
        {
            HWND dlg;
            HACCEL keys;
            HWND keysTarget;
        };
        std::vector<Entry> _dialogs;
    };
}
