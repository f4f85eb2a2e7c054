#include "app/MainWindow.h"
#include "WinLib/MessageBox.h"

namespace
{
    HWND& mainWindow()
    {
        static HWND h = nullptr;
        return h;
    }
}

void MainWindow::record(HWND h)
{
    mainWindow() = h;
}

HWND MainWindow::handle()
{
    return mainWindow();
}

void showError(const std::string& text)
{
    Win::messageBox(MainWindow::handle(), text, "Quillory Error", MB_ICONERROR | MB_OK);
}
