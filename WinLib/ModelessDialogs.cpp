#include "WinLib/ModelessDialogs.h"

#include <algorithm>

void Win::ModelessDialogs::Add(HWND dlg, HACCEL keys, HWND keysTarget)
{
    _dialogs.push_back({dlg, keys, keysTarget});
}

void Win::ModelessDialogs::Remove(HWND dlg)
{
    _dialogs.erase(std::remove_if(_dialogs.begin(), _dialogs.end(), [dlg](const Entry& e) { return e.dlg == dlg; }),
                   _dialogs.end());
}

bool Win::ModelessDialogs::Preprocess(MSG& msg) const
{
    // A copy: a dialog may end, and leave the list, while it handles the message.
    const std::vector<Entry> dialogs = _dialogs;
    for (const Entry& e : dialogs)
    {
        const bool forDialog = msg.hwnd == e.dlg || ::IsChild(e.dlg, msg.hwnd);
        if (forDialog && e.keys != nullptr && ::TranslateAcceleratorW(e.keysTarget, e.keys, &msg) != 0)
            return true;
        if (::IsDialogMessageW(e.dlg, &msg))
            return true;
    }
    return false;
}
