#pragma once
#include "WinLib/Button.h"
#include "WinLib/ComboBox.h"
#include "WinLib/Dialog.h"
#include "WinLib/Edit.h"
#include "WinLib/HelpFile.h"
#include "WinLib/UpDown.h"
#include "model/Setting.h"

class Outline;

// Dialog 102, "Study Settings": edits a working copy of the study list's
// settings; the caller takes the copy over when the dialog ends with OK.
class SettingsDlgCtrl : public Dialog::ModalController
{
public:
    SettingsDlgCtrl(const Setting& setting, const Outline& outline, const Win::HelpFile& help);

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    const Setting& getSetting() const { return _setting; }

private:
    void fillDirections();
    void selectDirections();
    static void initSpin(Win::UpDown& spin, int low, int high, int pos);
    void onOk();
    void onTimeOutChecked();

    Win::ComboBox _from;
    Win::ComboBox _to;
    Win::UpDown _choicesSpin;
    Win::Edit _timeOutEdit;
    Win::UpDown _timeOutSpin;
    Win::Button _timeOutCheck;
    Win::Button _shuffle;
    Win::Button _continuous;
    Win::Button _caseSensitive;
    int _anythingPos = 0;
    int _anythingElsePos = 0;
    int _everythingElsePos = 0;
    const Outline& _outline;
    Setting _setting;
    const Win::HelpFile& _helpFile;
};
