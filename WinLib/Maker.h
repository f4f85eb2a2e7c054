#pragma once
#include <windows.h>

namespace Win
{
    class Controller;

    // The parameters of one CreateWindowExA call; change any before Create.
    class Maker
    {
    public:
        Maker(const char* className, HINSTANCE hInst);
        // The controller becomes the creation parameter and is bound at WM_NCCREATE.
        HWND Create(Controller& ctrl, const char* title);
        // For system control classes, which have no controller.
        HWND Create(const char* title);

        HINSTANCE _hInst;
        const char* _className;
        DWORD _style = WS_OVERLAPPEDWINDOW;
        DWORD _exStyle = 0;
        int _x = CW_USEDEFAULT;
        int _y = 0;
        int _width = CW_USEDEFAULT;
        int _height = 0;
        HWND _hWndParent = nullptr;
        HMENU _hMenu = nullptr;

    private:
        HWND create(const char* title, void* param);
    };

    class ChildMaker : public Maker
    {
    public:
        ChildMaker(const char* className, HWND parent, int childId);
    };

    // An owned top-level window.
    class PopupWindowMaker : public Maker
    {
    public:
        PopupWindowMaker(const char* className, HWND owner);
    };

    HINSTANCE instanceOf(HWND h);
}
