#include "WinLib/Dialog.h"

#include "WinLib/MessageBox.h"
#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/Maker.h"
#include "WinLib/PendingException.h"

namespace
{
    bool dispatch(Dialog::Controller& ctrl, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg)
        {
        case WM_CLOSE:
            return ctrl.OnClose();
        case WM_COMMAND:
            return ctrl.OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_NOTIFY:
        {
            NMHDR& hdr = *reinterpret_cast<NMHDR*>(lParam);
            if (static_cast<int>(hdr.code) == static_cast<int>(TTN_NEEDTEXTA))
                return ctrl.OnToolTip(hdr.idFrom, reinterpret_cast<NMTTDISPINFOA*>(lParam)->szText);
            return ctrl.OnNotify(hdr);
        }
        case WM_TIMER:
            return ctrl.OnTimer(wParam);
        default:
            return false;
        }
    }
}

INT_PTR CALLBACK Dialog::Procedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try
    {
        if (msg == WM_INITDIALOG)
        {
            auto* ctrl = reinterpret_cast<Controller*>(lParam);
            ::SetWindowLongPtrA(h, GWLP_USERDATA, lParam);
            ctrl->setWindow(h);
            ctrl->OnInitDialog();
            // The system sets the default focus.
            return TRUE;
        }
        auto* ctrl = reinterpret_cast<Controller*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
        if (ctrl != nullptr && dispatch(*ctrl, msg, wParam, lParam))
            return TRUE;
    }
    catch (const Win::Exception& e)
    {
        // The dialog stays open; the user decides what to do next.
        Win::messageBox(h, "Unexpected error", e.getMessage(), MB_ICONERROR | MB_OK);
    }
    catch (...)
    {
        // Anything else ends the dialog; Modal throws it again to the caller.
        Win::keepPendingException(std::current_exception());
        ::EndDialog(h, -1);
    }
    return FALSE;
}

HWND Dialog::CreateModeless(HWND owner, int dlgId, Controller& ctrl)
{
    const HWND h = ::CreateDialogParamA(Win::instanceOf(owner), MAKEINTRESOURCEA(dlgId), owner, &Procedure,
                                        reinterpret_cast<LPARAM>(&ctrl));
    Win::rethrowPendingException();
    if (h == nullptr)
        throw Win::Exception("Internal error: CreateDialog failed.", Win::lastError());
    return h;
}

Dialog::Modal::Modal(HWND parent, int dlgId, Controller& ctrl)
    : _result(::DialogBoxParamA(Win::instanceOf(parent), MAKEINTRESOURCEA(dlgId), parent, &Procedure,
                                reinterpret_cast<LPARAM>(&ctrl)))
{
    Win::rethrowPendingException();
}
