#include "WinLib/Class.h"

#include "WinLib/Controller.h"
#include "base/Exception.h"
#include "WinLib/LastError.h"

Win::ClassMaker::ClassMaker(const char* className, HINSTANCE hInst) : _class{}
{
    _class.cbSize = sizeof(WNDCLASSEXA);
    _class.style = 0;
    _class.lpfnWndProc = &Procedure;
    _class.cbClsExtra = 0;
    _class.cbWndExtra = 0;
    _class.hInstance = hInst;
    _class.hIcon = ::LoadIconA(nullptr, IDI_APPLICATION);
    _class.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    _class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    _class.lpszMenuName = nullptr;
    _class.lpszClassName = className;
    _class.hIconSm = nullptr;
}

void Win::ClassMaker::SetIcons(int iconId)
{
    _class.hIcon = static_cast<HICON>(::LoadImageA(_class.hInstance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                   ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON),
                                                   LR_DEFAULTCOLOR));
    _class.hIconSm = static_cast<HICON>(::LoadImageA(_class.hInstance, MAKEINTRESOURCEA(iconId), IMAGE_ICON,
                                                     ::GetSystemMetrics(SM_CXSMICON),
                                                     ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

void Win::ClassMaker::Register()
{
    if (::RegisterClassExA(&_class) == 0)
        throw Win::Exception("Internal error: RegisterClassEx failed", Win::lastError());
}
