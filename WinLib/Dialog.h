#pragma once
#include <windows.h>
#include <commctrl.h>

namespace Dialog
{
    // Receives the messages of one dialog. Bound at WM_INITDIALOG.
    class Controller
    {
    public:
        virtual ~Controller() = default;

        virtual void OnInitDialog() {}
        virtual bool OnClose() { EndCancel(); return true; }
        virtual bool OnCommand(int /*ctrlId*/, int /*notifyCode*/) { return false; }
        // `text` is the notification's own 80-character buffer.
        virtual bool OnToolTip(UINT_PTR /*id*/, char* /*text*/) { return false; }
        virtual bool OnNotify(NMHDR& /*header*/) { return false; }
        virtual bool OnTimer(WPARAM /*timerId*/) { return false; }
        virtual void EndOk() = 0;
        virtual void EndCancel() = 0;
        // OK and Cancel end the dialog as their names say; false for any
        // other control.
        bool endOnButton(int ctrlId)
        {
            if (ctrlId == IDOK)
                EndOk();
            else if (ctrlId == IDCANCEL)
                EndCancel();
            else
                return false;
            return true;
        }

        HWND getWindow() const { return _h; }
        void setWindow(HWND h) { _h = h; }

    protected:
        HWND _h = nullptr;
    };

    class ModalController : public Controller
    {
    public:
        void EndOk() override { ::EndDialog(_h, 1); }
        void EndCancel() override { ::EndDialog(_h, 0); }
    };

    INT_PTR CALLBACK Procedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam);

    // Creates a modeless dialog owned by `owner`, shown as its template says.
    // The controller must outlive the window, which the caller destroys; the
    // message loop must be given the dialog (Win::ModelessDialogs).
    HWND CreateModeless(HWND owner, int dlgId, Controller& ctrl);

    // Runs one modal dialog to its end in the constructor. The controller
    // lives on the caller's stack and is read back after IsOk.
    class Modal
    {
    public:
        Modal(HWND parent, int dlgId, Controller& ctrl);
        // False when the dialog could not be created (-1) or was cancelled (0).
        bool IsOk() const { return _result != -1 && _result != 0; }
        INT_PTR getResult() const { return _result; }

    private:
        INT_PTR _result;
    };
}
