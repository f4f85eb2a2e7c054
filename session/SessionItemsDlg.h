#pragma once
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
    HWND _selectedItems = nullptr;
    HWND _allItems = nullptr;
    bool _useAllItems = false;
};
