#include "WinLib/Maker.h"

#include "WinLib/Controller.h"
#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/PendingException.h"

HINSTANCE Win::instanceOf(HWND h)
{
    return reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(h, GWLP_HINSTANCE));
}

Win::Maker::Maker(const char* className, HINSTANCE hInst) : _hInst(hInst), _className(className) {}

HWND Win::Maker::Create(Controller& ctrl, const char* title)
{
    return create(title, &ctrl);
}

HWND Win::Maker::Create(const char* title)
{
    return create(title, nullptr);
}

HWND Win::Maker::create(const char* title, void* param)
{
    HWND h = ::CreateWindowExA(_exStyle, _className, title, _style, _x, _y, _width, _height, _hWndParent, _hMenu,
                               _hInst, param);
    // A handler's own failure (OnCreate, say) says more than CreateWindowEx's.
    // A window that came up all the same goes first: its caller never learns
    // its handle, and its controller may not outlive the failure.
    if (h != nullptr && Win::hasPendingException())
        ::DestroyWindow(h);
    Win::rethrowPendingException();
    if (h == nullptr)
        throw Win::Exception("Internal error: CreateWindowEx failed.", Win::lastError());
    return h;
}

Win::ChildMaker::ChildMaker(const char* className, HWND parent, int childId)
    : Maker(className, instanceOf(parent))
{
    _style = WS_CHILD;
    _hWndParent = parent;
    _hMenu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId));
}

Win::PopupWindowMaker::PopupWindowMaker(const char* className, HWND owner) : Maker(className, instanceOf(owner))
{
    _style = WS_POPUP;
    _hWndParent = owner;
}
