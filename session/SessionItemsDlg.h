#pragma once
#include "WinLib/Button.h"
#include "WinLib/Dialog.h"

// Dialog 100: with items selected, does the session use only those or all items?
class SessionItemsDlg : public Dialog::ModalController
{
public:
    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    // Read after the dialog ended with OK.
    bool useAllItems() const { return _useAllItems; }

private:
    Win::Button _selectedItems;
    Win::Button _allItems;
    bool _useAllItems = false;
};
