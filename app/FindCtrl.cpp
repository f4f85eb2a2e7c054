#include "app/FindCtrl.h"

#include "res/resource.h"

void FindCtrl::OnInitDialog()
{
    _text.Init(_h, IDC_FIND_TEXT);
}

bool FindCtrl::OnCommand(int ctrlId, int /*notifyCode*/)
{
    return endOnButton(ctrlId);
}

void FindCtrl::showText(const std::string& text)
{
    _text.SetText(text);
    ::SendMessageA(_text.getHandle(), EM_SETSEL, 0, -1);
    _text.SetFocus();
}
