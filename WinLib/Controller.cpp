#include "WinLib/Controller.h"

#include "WinLib/Accel.h"
#include "WinLib/PendingException.h"

#include <shellapi.h>
#include <windowsx.h>

namespace
{
    Win::Controller* controllerOf(HWND h)
    {
        return reinterpret_cast<Win::Controller*>(::GetWindowLongPtrA(h, GWLP_USERDATA));
    }

    LRESULT handled(bool done, HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        return done ? 0 : ::DefWindowProcA(h, msg, wParam, lParam);
    }

    // WM_NOTIFY: the three codes with hooks of their own, then the rest.
    bool notify(Win::Controller& ctrl, LPARAM lParam)
    {
        NMHDR& hdr = *reinterpret_cast<NMHDR*>(lParam);
        // Notification codes are negative ints carried in a UINT.
        switch (static_cast<int>(hdr.code))
        {
        case static_cast<int>(TTN_NEEDTEXTA):
            return ctrl.OnToolTip(hdr.hwndFrom, hdr.idFrom, reinterpret_cast<NMTTDISPINFOA*>(lParam)->szText);
        case static_cast<int>(LVN_GETDISPINFOA):
            return ctrl.OnGetDispInfo(hdr.hwndFrom, hdr.idFrom, reinterpret_cast<NMLVDISPINFOA*>(lParam)->item);
        case static_cast<int>(LVN_COLUMNCLICK):
            return ctrl.OnColumnClick(hdr.hwndFrom, hdr.idFrom, reinterpret_cast<NMLISTVIEW*>(lParam)->iSubItem);
        default:
            return ctrl.OnNotify(hdr);
        }
    }

    // The paths a drop carries; the drop's memory is released here.
    std::vector<std::string> droppedFiles(HDROP drop)
    {
        std::vector<std::string> paths;
        const UINT count = ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT i = 0; i < count; ++i)
        {
            std::string path(::DragQueryFileA(drop, i, nullptr, 0) + 1, '\0');
            const UINT length = ::DragQueryFileA(drop, i, path.data(), static_cast<UINT>(path.size()));
            path.resize(length);
            paths.push_back(std::move(path));
        }
        ::DragFinish(drop);
        return paths;
    }

    // Decodes one message into its hook; written once for every window.
    LRESULT dispatch(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_NCCREATE)
        {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* ctrl = static_cast<Win::Controller*>(create->lpCreateParams);
            if (ctrl != nullptr)
            {
                ctrl->setWindow(h);
                ::SetWindowLongPtrA(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(ctrl));
            }
            return ::DefWindowProcA(h, msg, wParam, lParam);
        }

        Win::Controller* ctrl = controllerOf(h);
        // Messages before WM_NCCREATE (WM_GETMINMAXINFO) find no controller yet.
        if (ctrl == nullptr)
            return ::DefWindowProcA(h, msg, wParam, lParam);

        bool done = false;
        switch (msg)
        {
        case WM_CREATE:
            done = ctrl->OnCreate(reinterpret_cast<CREATESTRUCTA*>(lParam));
            break;
        case WM_CLOSE:
            done = ctrl->OnClose();
            break;
        case WM_DESTROY:
            ctrl->OnDestroy();
            return 0;
        case WM_ACTIVATE:
            done = ctrl->OnActivate(LOWORD(wParam), HIWORD(wParam) != 0, reinterpret_cast<HWND>(lParam));
            break;
        case WM_SETFOCUS:
            done = ctrl->OnFocus(reinterpret_cast<HWND>(wParam));
            break;
        case WM_SIZE:
            done = ctrl->OnSize(LOWORD(lParam), HIWORD(lParam), static_cast<int>(wParam));
            break;
        case WM_PAINT:
            done = ctrl->OnPaint();
            break;
        case WM_COMMAND:
            if (lParam == 0)
                done = ctrl->OnCommand(Accel::commandOf(LOWORD(wParam)), HIWORD(wParam) == 1);
            else
                done = ctrl->OnControl(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            break;
        case WM_NOTIFY:
            done = notify(*ctrl, lParam);
            break;
        case WM_INITMENUPOPUP:
            if (HIWORD(lParam) == 0)
                done = ctrl->OnInitPopup(reinterpret_cast<HMENU>(wParam), LOWORD(lParam));
            else
                done = ctrl->OnInitSystemMenu(reinterpret_cast<HMENU>(wParam), LOWORD(lParam));
            break;
        case WM_MENUSELECT:
            done = ctrl->OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
            break;
        case WM_MOUSEMOVE:
            done = ctrl->OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), wParam);
            break;
        case WM_KEYDOWN:
            done = ctrl->OnKeyDown(wParam, lParam);
            break;
        case WM_CHAR:
            done = ctrl->OnChar(wParam, lParam);
            break;
        case WM_SYSCHAR:
            done = ctrl->OnSysChar(wParam, lParam);
            break;
        case WM_QUERYENDSESSION:
            return ctrl->OnQueryEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION:
            ctrl->OnEndSession(wParam != FALSE);
            return 0;
        case WM_DROPFILES:
            done = ctrl->OnDropFiles(droppedFiles(reinterpret_cast<HDROP>(wParam)));
            break;
        case WM_CONTEXTMENU:
            // Signed: monitors left of or above the primary one have negative coordinates.
            if (ctrl->OnContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)))
                return 1;
            break;
        case WM_DPICHANGED:
            // Both words of wParam carry the DPI, for x and for y: they are equal.
            done = ctrl->OnDpiChanged(Win::Dpi(LOWORD(wParam)), *reinterpret_cast<const RECT*>(lParam));
            break;
        default:
            if (msg >= WM_USER)
            {
                LRESULT result = 0;
                if (ctrl->OnUserMessage(msg, wParam, lParam, result))
                    return result;
            }
            break;
        }
        return handled(done, h, msg, wParam, lParam);
    }
}

LRESULT CALLBACK Win::Procedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return dispatch(h, msg, wParam, lParam);
    }
    catch (...)
    {
        keepPendingException(std::current_exception());
        // A failed WM_CREATE makes CreateWindowEx fail, which throws the kept exception.
        return msg == WM_CREATE ? -1 : 0;
    }
}

// A wide procedure: an "A" one would make the control an ANSI window, and
// the system would turn every typed character outside the system code page
// into "?" on its way in.
void Win::SubController::Attach(HWND h)
{
    _h = h;
    _prevProc = reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(h, GWLP_WNDPROC));
    ::SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubProcedure));
}

namespace
{
    bool subDispatch(Win::SubController& ctrl, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        switch (msg)
        {
        case WM_SETFOCUS:
            return ctrl.OnFocus(reinterpret_cast<HWND>(wParam));
        case WM_KEYDOWN:
            return ctrl.OnKeyDown(wParam, lParam);
        case WM_CHAR:
            return ctrl.OnChar(wParam, lParam);
        case WM_SYSCHAR:
            return ctrl.OnSysChar(wParam, lParam);
        default:
            return false;
        }
    }
}

LRESULT CALLBACK Win::SubProcedure(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* ctrl = reinterpret_cast<SubController*>(::GetWindowLongPtrW(h, GWLP_USERDATA));
    try
    {
        if (subDispatch(*ctrl, msg, wParam, lParam))
            return 0;
    }
    catch (...)
    {
        keepPendingException(std::current_exception());
        return 0;
    }
    return ::CallWindowProcW(ctrl->getPrevProc(), ctrl->getWindow(), msg, wParam, lParam);
}
