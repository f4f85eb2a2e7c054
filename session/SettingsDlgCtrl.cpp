#include "session/SettingsDlgCtrl.h"

#include "WinLib/MessageBox.h"
#include "WinLib/Helper.h"
#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "model/Outline.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
    const char* const HelpKeyword = "Specifying Study Session Settings";
}

SettingsDlgCtrl::SettingsDlgCtrl(const Setting& setting, const Outline& outline, const Win::HelpFile& help)
    : _outline(outline), _setting(setting), _helpFile(help)
{
}

void SettingsDlgCtrl::OnInitDialog()
{
    _from.Init(_h, IDC_FROM);
    _to.Init(_h, IDC_TO);
    _choicesSpin.Init(_h, IDC_CHOICES_SPIN);
    _timeOutEdit.Init(_h, IDC_TIMEOUT_EDIT);
    _timeOutSpin.Init(_h, IDC_TIMEOUT_SPIN);
    _timeOutCheck.Init(_h, IDC_TIMEOUT_CHECK);
    _shuffle.Init(_h, IDC_SHUFFLE);
    _continuous.Init(_h, IDC_CONTINUOUS);
    _caseSensitive.Init(_h, IDC_CASE_SENSITIVE);

    fillDirections();
    selectDirections();
    initSpin(_choicesSpin, Setting::NumChoicesMin, Setting::NumChoicesMax, _setting.getNumChoices());
    const int timeOut = _setting.getTimeOut();
    _timeOutCheck.SetCheck(timeOut >= 1);
    _timeOutEdit.Enable(timeOut >= 1);
    initSpin(_timeOutSpin, Setting::TimeOutMin, Setting::TimeOutMax, timeOut >= 1 ? timeOut : Setting::TimeOutMin);
    _shuffle.SetCheck(_setting.isShuffle());
    _continuous.SetCheck(_setting.isContinuous());
    _caseSensitive.SetCheck(_setting.isCaseSensitive());
}

void SettingsDlgCtrl::fillDirections()
{
    const HINSTANCE inst = Win::instanceOf(_h);
    _from.Reset();
    _to.Reset();
    _from.AddString(_outline.getItemType().c_str());
    _to.AddString(_outline.getItemType().c_str());
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
    {
        _from.AddString(_outline.getDef(i).c_str());
        _to.AddString(_outline.getDef(i).c_str());
    }
    _anythingPos = _from.AddString(Win::ResString(inst, IDS_ANYTHING));
    _anythingElsePos = _to.AddString(Win::ResString(inst, IDS_ANYTHING_ELSE));
    _everythingElsePos = _to.AddString(Win::ResString(inst, IDS_EVERYTHING_ELSE));
}

void SettingsDlgCtrl::selectDirections()
{
    if (_setting.isFromTerm())
        _from.SetSelection(0);
    else if (_setting.isFromAnything())
        _from.SetSelection(_anythingPos);
    else
        _from.SetSelection(static_cast<int>(_setting.getFromField()) + 1);

    if (_setting.isToTerm())
        _to.SetSelection(0);
    else if (_setting.isToAnything())
        _to.SetSelection(_anythingElsePos);
    else if (_setting.isToEverythingElse())
        _to.SetSelection(_everythingElsePos);
    else
        _to.SetSelection(static_cast<int>(_setting.getToField()) + 1);
}

void SettingsDlgCtrl::initSpin(Win::UpDown& spin, int low, int high, int pos)
{
    spin.SetRange(low, high);
    spin.SetPos(pos);
}

bool SettingsDlgCtrl::OnCommand(int ctrlId, int /*notifyCode*/)
{
    switch (ctrlId)
    {
    case IDOK:
        onOk();
        return true;
    case IDCANCEL:
        EndCancel();
        return true;
    case IDC_HELP_BUTTON:
        Win::Helper(_h, _helpFile).KeywordTopic(HelpKeyword);
        return true;
    case IDC_TIMEOUT_CHECK:
        onTimeOutChecked();
        return true;
    default:
        return false;
    }
}

void SettingsDlgCtrl::onOk()
{
    const int from = _from.getSelection();
    const int to = _to.getSelection();
    if (from == to && from != _anythingPos)
    {
        const HINSTANCE inst = Win::instanceOf(_h);
        const Win::ResString text(inst, IDS_FROM_TO_DIFFERENT);
        const Win::ResString caption(inst, IDS_STUDY_SETTINGS);
        Win::messageBox(_h, text.str(), caption.str(), MB_ICONERROR | MB_OK);
        return;
    }
    if (from == 0)
        _setting.setFromTerm();
    else if (from == _anythingPos)
        _setting.setFromAnything();
    else
        _setting.setFromField(static_cast<unsigned>(from - 1));

    if (to == 0)
        _setting.setToTerm();
    else if (to == _everythingElsePos)
        _setting.setToEverythingElse();
    else if (to == _anythingElsePos)
        _setting.setToAnything();
    else
        _setting.setToField(static_cast<unsigned>(to - 1));

    // A number the user typed outside the spin's range keeps the setting as it was.
    int choices = 0;
    if (_choicesSpin.getValidPos(choices))
        _setting.setNumChoices(choices);
    if (_timeOutCheck.isChecked())
    {
        int timeOut = 0;
        if (_timeOutSpin.getValidPos(timeOut))
            _setting.setTimeOut(timeOut);
    }
    else
    {
        _setting.setTimeOut(0);
    }
    _setting.setShuffle(_shuffle.isChecked());
    _setting.setContinuous(_continuous.isChecked());
    _setting.setCaseSensitive(_caseSensitive.isChecked());
    EndOk();
}

void SettingsDlgCtrl::onTimeOutChecked()
{
    _timeOutEdit.Enable(_timeOutCheck.isChecked());
}
