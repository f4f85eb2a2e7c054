#pragma once
#include <windows.h>

namespace Win
{
    // Prepares and registers a window class whose windows are driven by
    // Win::Controller through Win::Procedure.
    class ClassMaker
    {
    public:
        ClassMaker(const char* className, HINSTANCE hInst);
        // Loads the icon resource at the system's large and small icon size.
        void SetIcons(int iconId);
        void Register();
        const WNDCLASSEXA& getClass() const { return _class; }

    private:
        WNDCLASSEXA _class;
    };
}
