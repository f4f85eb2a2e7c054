#include <windows.h>

#include "WinLib/Class.h"
#include "WinLib/Exception.h"
#include "WinLib/HtmlHelp.h"
#include "WinLib/Maker.h"
#include "WinLib/MsgLoop.h"
#include "WinLib/ProgramDir.h"
#include "WinLib/ResString.h"
#include "WinLib/WinHelp.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/ProgramHelp.h"
#include "app/RegistryRecentDocsStore.h"
#include "app/TopController.h"
#include "res/resource.h"
#include "res/strings.h"

#include <memory>

namespace
{
    const char* const ClassName = "Quillory Window Class";
}

int WINAPI WinMain(HINSTANCE hInst, HINSTANCE /*hPrevInst*/, LPSTR cmdParam, int cmdShow)
{
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
        Win::ClassMaker winClass(ClassName, hInst);
        winClass.SetIcons(IDI_QUILLORY);
        winClass.Register();

        Win::Maker maker(ClassName, hInst);
        ctrl = std::make_unique<TopController>(recentStore, help);
        const Win::ResString title(hInst, IDS_PRODUCT_NAME);
        HWND win = maker.Create(*ctrl, title);
        MainWindow::record(win);
        ::ShowWindow(win, cmdShow);
        // The command line goes on unchanged: the file layer drops any quotes.
        if (cmdParam != nullptr && cmdParam[0] != '\0')
            ::SendMessageA(win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(cmdParam), 0);
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
