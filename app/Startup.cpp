#include "app/Startup.h"

#include "WinLib/Class.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "app/MainWindow.h"
#include "app/Messages.h"
#include "app/TopController.h"
#include "res/resource.h"
#include "res/strings.h"
#include "session/SessionStart.h"

void Startup::registerWindowClass(HINSTANCE inst)
{
    Win::ClassMaker winClass(StudyStart::WindowClassName, inst);
    winClass.SetIcons(IDI_QUILLORY);
    winClass.Register();
}

HWND Startup::openMainWindow(HINSTANCE inst, TopController& ctrl, int cmdShow, const char* cmdLine)
{
    Win::Maker maker(StudyStart::WindowClassName, inst);
    const Win::ResString title(inst, IDS_PRODUCT_NAME);
    const HWND win = maker.Create(ctrl, title);
    MainWindow::record(win);
    ::ShowWindow(win, cmdShow);
    // The command line goes on unchanged: the file layer drops any quotes.
    if (cmdLine != nullptr && cmdLine[0] != '\0')
        ::SendMessageA(win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(cmdLine), 0);
    return win;
}
