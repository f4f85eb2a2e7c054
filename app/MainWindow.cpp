#include "app/MainWindow.h"

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
    ::MessageBoxA(MainWindow::handle(), text.c_str(), "Quillory Error", MB_ICONERROR | MB_OK);
}
