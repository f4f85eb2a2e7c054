#include "app/AboutCtrl.h"

#include "WinLib/Edit.h"
#include "res/resource.h"

#include <shellapi.h>

#include <string>

const char* const AboutCtrl::WebPage = QUILLORY_WEB_ADDRESS;
const char* const AboutCtrl::SupportMail = "mailto:" QUILLORY_SUPPORT_MAIL;

void AboutCtrl::OnInitDialog()
{
    HWND version = ::GetDlgItem(_h, IDC_VERSION);
    const std::string text = Win::getWindowText(version) + QUILLORY_VERSION_TEXT;
    ::SetWindowTextA(version, text.c_str());
}

bool AboutCtrl::OnCommand(int ctrlId, int /*notifyCode*/)
{
    switch (ctrlId)
    {
    case IDOK:
    case IDCANCEL:
        EndOk();
        return true;
    case IDC_VISIT_WEB:
        openWithShell(WebPage, ShowCommand);
        return true;
    case IDC_EMAIL_SUPPORT:
        openWithShell(SupportMail, ShowCommand);
        return true;
    default:
        return false;
    }
}

void AboutCtrl::openWithShell(const char* target, int showCommand)
{
    // The shell reports its own failures; the box stays as it is either way.
    ::ShellExecuteA(_h, nullptr, target, nullptr, ".", showCommand);
}
