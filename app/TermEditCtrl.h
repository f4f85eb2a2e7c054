#pragma once
#include <windows.h>
#include <string>

#include "WinLib/Button.h"
#include "WinLib/ComboBox.h"
#include "WinLib/Edit.h"
#include "app/FormDialogCtrl.h"
#include "model/Outline.h"
#include "model/TermSet.h"

// Dialog 203, "Edit Term": edits a working copy of one study item, one
// definition field at a time; the caller takes the copy back after OK.
class TermEditCtrl : public FormDialogCtrl
{
public:
    TermEditCtrl(const Outline& outline, const TermSet& item, const Win::HelpFile& help);

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    const TermSet& getItem() const { return _item; }

private:
    void onOk() override;
    void onFieldChosen();
    void showNext();
    void showPrevious();
    void relabel();
    void showDefText();
    bool hasNextField() const;
    bool hasAnyDefinition() const;
    int selectedField() const { return _fields.getSelection(); }

    const Outline& _outline;
    TermSet _item;
    HWND _termLabel = nullptr;
    HWND _defLabel = nullptr;
    Win::Edit _term;
    Win::Edit _comment;
    Win::Edit _defText;
    Win::ComboBox _fields;
    Win::Button _previous;
    Win::Button _next;
    std::string _labelFormat;
};
