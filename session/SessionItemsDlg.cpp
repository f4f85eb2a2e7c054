#include "session/SessionItemsDlg.h"

#include "res/resource.h"

void SessionItemsDlg::OnInitDialog()
{
    _selectedItems.Init(_h, IDC_SELECTED_ITEMS);
    _allItems.Init(_h, IDC_ALL_ITEMS);
    _selectedItems.SetCheck(true);
}

bool SessionItemsDlg::OnCommand(int ctrlId, int /*notifyCode*/)
{
    if (ctrlId == IDOK)
        _useAllItems = _allItems.isChecked();
    return endOnButton(ctrlId);
}
