#include <windows.h>

#include "WinLib/Exception.h"
#include "WinLib/MsgLoop.h"
#include "app/MainWindow.h"
#include "app/RegistryRecentDocsStore.h"
#include "app/Startup.h"
#include "app/TopController.h"

#include <memory>

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE /*hPrevInst*/, LPSTR cmdParam, int cmdShow)
{
    // Declared outside the handlers: the main window may outlive a failure and
    // must still find its controller while the error box is shown.
    RegistryRecentDocsStore recentStore;
    std::unique_ptr<TopController> ctrl;
    try
    {
        Startup::registerWindowClass(hInst);
        ctrl = std::make_unique<TopController>(recentStore);
        HWND win = Startup::openMainWindow(hInst, *ctrl, cmdShow, cmdParam);
        Win::MsgPrepro loop(win, ctrl->getAccel());
        return loop.Pump();
    }
    catch (const Win::Exception& e)
    {
        showError(e.getMessage());
    }
    catch (...)
    {
        showError("Unknown error has occured");
    }
    return -1;
}
