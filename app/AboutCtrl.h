#pragma once
#include <windows.h>

#include "WinLib/Dialog.h"

// Dialog 200, "About Quillory": the version, the maker's addresses, and two
// buttons that hand the web page and a support mail to the shell.
class AboutCtrl : public Dialog::ModalController
{
public:
    // What the two buttons open.
    static const char* const WebPage;
    static const char* const SupportMail;

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    // How the shell is to show the browser or mail program it starts.
    static const int ShowCommand = SW_SHOWNORMAL;

protected:
    // Hands a target to the shell; tests see the target and the show command instead.
    virtual void openWithShell(const char* target, int showCommand);
};
