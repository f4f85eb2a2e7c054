#include "app/MainFilerHost.h"

#include "app/MainWindow.h"
#include "app/Messages.h"

void MainFilerHost::showError(const std::string& text)
{
    ::showError(text);
}

void MainFilerHost::titleChanged()
{
    ::SendMessageA(_win, UM_UPDATE_TITLE, 0, 0);
}
