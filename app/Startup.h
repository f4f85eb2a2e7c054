#pragma once
#include <windows.h>

class TopController;

// The main window's start-up, written once: the entry point runs it, and the
// tests start the real main window through it.
namespace Startup
{
    // The window class of the main window and the session windows, with the
    // program's icon. Once per process: registering it again fails.
    void registerWindowClass(HINSTANCE inst);

    // Creates the main window for `ctrl`, titled with the product name, records
    // it as the owner of the error boxes, shows it with `cmdShow` and opens the
    // Study List named by `cmdLine` (none when null or empty).
    HWND openMainWindow(HINSTANCE inst, TopController& ctrl, int cmdShow, const char* cmdLine);
}
