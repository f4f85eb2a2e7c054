#pragma once
// User-level helpers for GUI tests that run the program's windows in-process:
// wait for a state while messages flow, find windows, read what a user reads,
// and send what a menu, key, accelerator or button sends.
#include <windows.h>

namespace Win { class ModelessDialogs; }

#include <functional>
#include <string>
#include <vector>

namespace Gui
{
    // ---- Waiting ------------------------------------------------------------
    // Dispatches this thread's messages until `done` holds. The timeout only
    // guards against a hang; returns done()'s last value.
    bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);
    // Dispatches every message already queued (and the paints they cause).
    void pumpPending();
    // WM_QUIT is taken out of the queue by the pumps above and remembered here.
    bool quitReceived(int* exitCode = nullptr);
    void resetQuit();
    // Accelerators (and the keys of modeless dialogs) translated by
    // pumpUntil/pumpPending, as the program's loop does.
    void setAccelerators(HWND target, HACCEL table, const Win::ModelessDialogs* dialogs = nullptr);

    // ---- Finding windows ----------------------------------------------------
    // Visible top-level windows of this thread, optionally of one class.
    std::vector<HWND> threadWindows(const char* className = nullptr);
    // Visible top-level windows of a process (of any of its threads), optionally of one class.
    std::vector<HWND> processWindows(DWORD processId, const char* className = nullptr);
    // A visible dialog (class "#32770") of this thread; null owner and empty
    // title match any. Null when there is none.
    HWND findDialog(HWND owner = nullptr, const std::string& title = std::string());
    // Waits (pumping messages) for such a dialog.
    HWND waitForDialog(HWND owner = nullptr, const std::string& title = std::string(), DWORD timeoutMs = 10000);
    HWND ownerOf(HWND h);
    std::string className(HWND h);
    // A visible dialog or message box owned by `owner`, of any thread; null if none.
    HWND ownedDialog(HWND owner);

    // ---- Reading ------------------------------------------------------------
    std::string windowText(HWND h);
    std::string controlText(HWND dlg, int id);
    // A message box's text (its static control 0xFFFF) and caption.
    std::string messageBoxText(HWND box);
    std::string caption(HWND h);
    bool isEnabled(HWND dlg, int id);
    bool isChecked(HWND dlg, int id);
    // A dialog's push button whose text, without "&", equals `text`; null if none.
    HWND findButton(HWND dlg, const std::string& text);
    // "&Next >" -> "Next >"; "&&" -> "&".
    std::string withoutMnemonic(const std::string& text);

    // ---- Acting on dialogs ---------------------------------------------------
    // Posts the click of button `id` (WM_COMMAND BN_CLICKED), as a mouse click does.
    void click(HWND dlg, int id);
    bool click(HWND dlg, const std::string& buttonText);
    // Sets a control's text; edit controls notify their dialog with EN_CHANGE.
    void setText(HWND dlg, int id, const std::string& text);
    void setChecked(HWND dlg, int id, bool checked);
    void selectCombo(HWND dlg, int id, int index);
    void selectListBox(HWND dlg, int id, int index);
    // Posts WM_CLOSE, as the title-bar close box does.
    void closeBox(HWND h);

    // ---- Keyboard -------------------------------------------------------------
    enum Modifier { NoModifier = 0, Ctrl = 1, Shift = 2, Alt = 4 };
    // A key press for `target`: posted WM_KEYDOWN/WM_KEYUP without modifiers;
    // with modifiers it focuses `target` and types through the input queue,
    // where TranslateAccelerator reads the modifier state.
    void postKey(HWND target, UINT vk, int modifiers = NoModifier);
    // Types a key through the system input queue to the focused window.
    void typeKey(UINT vk, int modifiers = NoModifier);

    // ---- Commands -------------------------------------------------------------
    // WM_COMMAND as a menu item sends it (high word 0, lParam 0).
    LRESULT sendMenuCommand(HWND h, int id);
    // WM_COMMAND as an accelerator sends it (high word 1, lParam 0).
    LRESULT sendAccelCommand(HWND h, int id);
    // WM_COMMAND as a toolbar button sends it to the toolbar's parent.
    LRESULT sendToolbarCommand(HWND toolbar, int id);
    // Clicks a toolbar button with the mouse (down and up at its centre);
    // a disabled button does nothing, as for a user.
    void clickToolbarButton(HWND toolbar, int id);

    // ---- Menus ----------------------------------------------------------------
    struct MenuItem
    {
        std::string text;   // with its "&" and "\t" shortcut label
        UINT id = 0;        // command id; 0 for separators
        HMENU popup = nullptr;
        bool separator = false;
        bool grayed = false;
        bool checked = false;
    };
    MenuItem menuItem(HMENU menu, int pos);
    std::vector<MenuItem> menuItems(HMENU menu);
    // GetMenuState by command id; -1 when the menu has no such item.
    int menuState(HMENU menu, UINT id);
    // Sends WM_INITMENUPOPUP as the system does before popup `pos` of `owner`'s
    // menu bar opens, and returns that popup.
    HMENU openBarPopup(HWND owner, int pos);
    // The position of the popup whose text (without "&") is `text`; -1 if none.
    int findPopup(HMENU menu, const std::string& text);

    // ---- Toolbar ---------------------------------------------------------------
    // TB_GETSTATE; -1 when the toolbar has no such button.
    int toolbarState(HWND toolbar, int id);
    int toolbarButtonCount(HWND toolbar);
    struct ToolbarButtonInfo
    {
        int id;
        int bitmap;
        BYTE state;
        BYTE style;
    };
    ToolbarButtonInfo toolbarButton(HWND toolbar, int index);

    // ---- List view ------------------------------------------------------------
    std::vector<std::string> listViewColumns(HWND lv);
    std::vector<int> listViewColumnWidths(HWND lv);
    int listViewRowCount(HWND lv);
    std::string listViewCell(HWND lv, int row, int column);
    std::vector<std::vector<std::string>> listViewRows(HWND lv);
    std::vector<int> listViewSelection(HWND lv);
    // Selects exactly the given rows, raising the usual notifications.
    void listViewSelect(HWND lv, const std::vector<int>& rows);
    // A row's bounds in screen coordinates.
    RECT listViewRowScreenRect(HWND lv, int row);
}
