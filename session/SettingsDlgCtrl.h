#pragma once
#include <memory>

#include "WinLib/ComboBox.h"
#include "WinLib/Dialog.h"
#include "WinLib/Helper.h"
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
    void initSpin(HWND spin, int low, int high, int pos);
    void onOk();
    void onTimeOutChecked();
    bool isChecked(HWND button) const;
    void check(HWND button, bool checked);

    Win::ComboBox _from;
    Win::ComboBox _to;
    HWND _choicesSpin = nullptr;
    HWND _timeOutEdit = nullptr;
    HWND _timeOutSpin = nullptr;
    HWND _timeOutCheck = nullptr;
    HWND _shuffle = nullptr;
    HWND _continuous = nullptr;
    HWND _caseSensitive = nullptr;
    int _anythingPos = 0;
    int _anythingElsePos = 0;
    int _everythingElsePos = 0;
    const Outline& _outline;
    Setting _setting;
    const Win::HelpFile& _helpFile;
    std::unique_ptr<Win::Helper> _helper;
};
