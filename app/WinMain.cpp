#include <windows.h>

#include "base/Exception.h"
#include "WinLib/AssertBox.h"
#include "WinLib/HtmlHelp.h"
#include "WinLib/MsgLoop.h"
#include "WinLib/ProgramDir.h"
#include "WinLib/WinHelp.h"
#include "app/MainWindow.h"
#include "app/ProgramHelp.h"
#include "app/RegistryRecentDocsStore.h"
#include "app/Startup.h"
#include "app/TopController.h"

#include <memory>

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE /*hPrevInst*/, LPSTR cmdParam, int cmdShow)
{
    Win::showFailedAssertions();
    // Declared outside the handlers: the main window may outlive a failure and
    // must still find its controller while the error box is shown.
    RegistryRecentDocsStore recentStore;
    // The help viewers outlive the main window, which closes their windows.
    Win::WinHelpBackend winHelp;
    Win::HtmlHelpBackend htmlHelp;
    const Win::HelpFile help = programHelp(Win::programDirectory(), winHelp, htmlHelp);
    std::unique_ptr<TopController> ctrl;
    try
    {
        Startup::registerWindowClass(hInst);
        ctrl = std::make_unique<TopController>(recentStore, help);
        HWND win = Startup::openMainWindow(hInst, *ctrl, cmdShow, cmdParam);
        Win::MsgPrepro loop(win, ctrl->getAccel(), &ctrl->getModelessDialogs());
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
