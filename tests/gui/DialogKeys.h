#pragma once
// What a user does inside a modal dialog that is open in this thread: type
// into a box, press Enter in it, push a button. Keys go through
// IsDialogMessage as in the dialog's own loop, so Enter becomes the default
// button's command with the focus left where the user had it.
#include <windows.h>

#include <string>
#include <vector>

namespace Gui
{
    // Puts the focus into control `id` and replaces its text, as typing does.
    void typeInto(HWND dlg, int id, const std::string& text);
    // A key pressed with the focus in control `id`.
    void pressKeyIn(HWND dlg, int id, UINT vk);
    // Enter with the focus in control `id`.
    void pressEnterIn(HWND dlg, int id);
    // A mouse click on an enabled button: the button takes the focus first.
    // False (and nothing happens) when the button is disabled.
    bool pushButton(HWND dlg, int id);
    // A mouse click on a check box: it toggles its own check and notifies.
    void clickCheckBox(HWND dlg, int id);
    // The control id of the focused control of `dlg`; 0 when the focus is elsewhere.
    int focusedId(HWND dlg);
    std::vector<std::string> listBoxItems(HWND dlg, int id);
    int listBoxSelection(HWND dlg, int id);
    std::vector<std::string> comboItems(HWND dlg, int id);
    int comboSelection(HWND dlg, int id);
    // Dispatches the queued messages of `dlg`'s loop the way its loop does.
    void pumpDialog(HWND dlg);
}
