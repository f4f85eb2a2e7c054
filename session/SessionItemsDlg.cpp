#include "session/SessionItemsDlg.h"

#include "res/resource.h"

void SessionItemsDlg::OnInitDialog()
{
    _selectedItems = ::GetDlgItem(_h, IDC_SELECTED_ITEMS);
    _allItems = ::GetDlgItem(_h, IDC_ALL_ITEMS);
    ::SendMessageA(_selectedItems, BM_SETCHECK, BST_CHECKED, 0);
}

bool SessionItemsDlg::OnCommand(int ctrlId, int /*notifyCode*/)
{
    switch (ctrlId)
    {
    case IDOK:
        _useAllItems = ::SendMessageA(_allItems, BM_GETCHECK, 0, 0) == BST_CHECKED;
        EndOk();
        return true;
    case IDCANCEL:
        EndCancel();
        return true;
    default:
        return false;
    }
}
