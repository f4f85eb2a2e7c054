#pragma once
#include <windows.h>
#include <string>

#include "WinLib/Control.h"
#include "WinLib/Dialog.h"
#include "WinLib/HelpFile.h"

// A dialog the user fills in box by box: Enter walks through the boxes
// (onOk), a box left wrong is refused with the program's error box and gets
// the focus back, and Help opens the dialog's own topic.
class FormDialogCtrl : public Dialog::ModalController
{
protected:
    FormDialogCtrl(const Win::HelpFile& help, const char* helpKeyword) : _helpFile(help), _helpKeyword(helpKeyword) {}

    // Help, Cancel and OK, which every form answers alike; false for others.
    bool onFormCommand(int ctrlId);
    virtual void onOk() = 0;
    void refuse(const std::string& text, Win::Control& boxToFill);
    std::string loadString(int id) const;
    static bool hasFocus(const Win::Control& box) { return ::GetFocus() == box.getHandle(); }

private:
    const Win::HelpFile& _helpFile;
    const char* _helpKeyword;
};
