#pragma once
#include <windows.h>

#include "persist/FilerHost.h"

// The file layer's reports as the main window shows them: the program's error
// box and a recomposed title.
class MainFilerHost : public WinFile::FilerHost
{
public:
    explicit MainFilerHost(HWND win) : _win(win) {}
    void showError(const std::string& text) override;
    void titleChanged() override;

private:
    HWND _win;
};
