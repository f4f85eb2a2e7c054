#pragma once
#include <windows.h>
#include <string>

// The process-wide record of the main window: owner of the error boxes of
// code that has no window of its own.
namespace MainWindow
{
    void record(HWND h);
    HWND handle();
}

// The program's error box: owned by the main window, caption "Quillory Error".
void showError(const std::string& text);
