#include "app/FormDialogCtrl.h"

#include "WinLib/Helper.h"
#include "WinLib/Maker.h"
#include "WinLib/MessageBox.h"
#include "WinLib/ResString.h"
#include "res/resource.h"
#include "res/strings.h"

bool FormDialogCtrl::onFormCommand(int ctrlId)
{
    switch (ctrlId)
    {
    case IDC_HELP_BUTTON:
        Win::Helper(_h, _helpFile).KeywordTopic(_helpKeyword);
        return true;
    case IDOK:
        onOk();
        return true;
    default:
        return endOnButton(ctrlId);
    }
}

void FormDialogCtrl::refuse(const std::string& text, Win::Control& boxToFill)
{
    Win::messageBox(_h, text, loadString(IDS_PROGRAM_NAME), MB_ICONERROR | MB_OK);
    ::SetFocus(boxToFill.getHandle());
}

std::string FormDialogCtrl::loadString(int id) const
{
    return Win::ResString(Win::instanceOf(_h), id).str();
}
