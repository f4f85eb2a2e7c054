#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>
#include "WinLib/Dpi.h"

namespace Win
{
    // Receives the messages of one window, decoded into typed hooks. A hook
    // returns true when it handled the message; false lets the default window
    // procedure run. The controller must outlive its window.
    class Controller
    {
    public:
        virtual ~Controller() = default;

        virtual bool OnCreate(CREATESTRUCTA* /*create*/) { return false; }
        virtual bool OnClose() { return false; }
        virtual bool OnDestroy() { return false; }
        virtual bool OnActivate(int /*state*/, bool /*isMinimized*/, HWND /*other*/) { return false; }
        virtual bool OnFocus(HWND /*lostFocus*/) { return false; }
        virtual bool OnSize(int /*width*/, int /*height*/, int /*sizeType*/) { return false; }
        virtual bool OnPaint() { return false; }
        virtual bool OnCommand(int /*cmdId*/, bool /*isAccel*/) { return false; }
        virtual bool OnControl(HWND /*control*/, int /*id*/, int /*code*/) { return false; }
        // `text` is the notification's own 80-character buffer.
        virtual bool OnToolTip(HWND /*from*/, UINT_PTR /*id*/, char* /*text*/) { return false; }
        virtual bool OnGetDispInfo(HWND /*from*/, UINT_PTR /*id*/, LVITEMA& /*item*/) { return false; }
        virtual bool OnColumnClick(HWND /*from*/, UINT_PTR /*id*/, int /*column*/) { return false; }
        virtual bool OnNotify(NMHDR& /*header*/) { return false; }
        virtual bool OnInitPopup(HMENU /*popup*/, int /*pos*/) { return false; }
        virtual bool OnInitSystemMenu(HMENU /*popup*/, int /*pos*/) { return false; }
        virtual bool OnMenuSelect(int /*id*/, int /*flags*/, HMENU /*menu*/) { return false; }
        virtual bool OnMouseMove(int /*x*/, int /*y*/, WPARAM /*keys*/) { return false; }
        virtual bool OnKeyDown(WPARAM /*key*/, LPARAM /*keyData*/) { return false; }
        virtual bool OnChar(WPARAM /*ch*/, LPARAM /*keyData*/) { return false; }
        // A character typed with Alt held (a mnemonic).
        virtual bool OnSysChar(WPARAM /*ch*/, LPARAM /*keyData*/) { return false; }
        // Whether Windows may end the user's session now; the default answers yes.
        virtual bool OnQueryEndSession() { return true; }
        // `ending`: the session ends once the hook returns; false when it goes on.
        virtual void OnEndSession(bool /*ending*/) {}
        // `result` is preset to 0; it is returned when the hook returns true.
        virtual bool OnUserMessage(UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
        // x and y are screen coordinates, negative left of or above the
        // primary monitor; both are -1 when the keyboard asked for the menu
        // (isKeyboardMenu).
        virtual bool OnContextMenu(HWND /*window*/, int /*x*/, int /*y*/) { return false; }
        // The window moved to a monitor of another DPI (or that monitor's DPI
        // changed); `suggested` is where the system proposes the window stands,
        // in screen coordinates.
        virtual bool OnDpiChanged(Dpi /*dpi*/, const RECT& /*suggested*/) { return false; }
        // Files dropped on a window that accepts them (DragAcceptFiles), in the
        // order the shell gives them.
        virtual bool OnDropFiles(const std::vector<std::string>& /*paths*/) { return false; }

        HWND getWindow() const { return _h; }
        void setWindow(HWND h) { _h = h; }

    protected:
        HWND _h = nullptr;
    };

    // Shift+F10 and the Menu key send WM_CONTEXTMENU with the point (-1, -1).
    inline bool isKeyboardMenu(int x, int y) { return x == -1 && y == -1; }

    // Installed by every class that ClassMaker registers.
    LRESULT CALLBACK Procedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

    // Intercepts the focus, key and character messages of an existing window
    // (usually an edit control); everything else goes to the window's own
    // procedure. Its characters arrive as UTF-16 code units.
    class SubController : public Controller
    {
    public:
        // Subclasses `h`. The previous procedure is never put back: the
        // sub-controller stays bound until the window is destroyed.
        void Attach(HWND h);
        WNDPROC getPrevProc() const { return _prevProc; }

    private:
        WNDPROC _prevProc = nullptr;
    };

    LRESULT CALLBACK SubProcedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);
}
