#pragma once
#include <windows.h>

#include "WinLib/Button.h"
#include "WinLib/Edit.h"
#include "app/FormDialogCtrl.h"
#include "WinLib/ListBox.h"
#include "model/Outline.h"

// Dialog 201, "Customize StudySet": edits a working copy of the Study List's
// structure; the caller adopts the copy when the dialog ends with OK.
class OutlineCtrl : public FormDialogCtrl
{
public:
    OutlineCtrl(const Outline& outline, const Win::HelpFile& help);

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    const Outline& getOutline() const { return _outline; }

private:
    void onOk() override;
    void addField();
    void removeField();
    void moveUp();
    void moveDown();
    void updateFieldButtons();
    void disableFieldButtons();

    Win::Button _remove;
    Win::Button _add;
    Win::Button _moveUp;
    Win::Button _moveDown;
    Win::Edit _itemType;
    Win::Edit _newField;
    Win::ListBox _fields;
    Outline _outline;
};
