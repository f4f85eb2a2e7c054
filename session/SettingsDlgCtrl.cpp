#include "session/SettingsDlgCtrl.h"

#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "model/outline.h"
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
    _helper = std::make_unique<Win::Helper>(_h, _helpFile);
    _from.Init(_h, IDC_FROM);
    _to.Init(_h, IDC_TO);
    _choicesSpin = ::GetDlgItem(_h, IDC_CHOICES_SPIN);
    _timeOutEdit = ::GetDlgItem(_h, IDC_TIMEOUT_EDIT);
    _timeOutSpin = ::GetDlgItem(_h, IDC_TIMEOUT_SPIN);
    _timeOutCheck = ::GetDlgItem(_h, IDC_TIMEOUT_CHECK);
    _shuffle = ::GetDlgItem(_h, IDC_SHUFFLE);
    _continuous = ::GetDlgItem(_h, IDC_CONTINUOUS);
    _caseSensitive = ::GetDlgItem(_h, IDC_CASE_SENSITIVE);

    fillDirections();
    selectDirections();
    initSpin(_choicesSpin, Setting::NumChoicesMin, Setting::NumChoicesMax, _setting.getNumChoices());
    const int timeOut = _setting.getTimeOut();
    check(_timeOutCheck, timeOut >= 1);
    ::EnableWindow(_timeOutEdit, timeOut >= 1 ? TRUE : FALSE);
    initSpin(_timeOutSpin, Setting::TimeOutMin, Setting::TimeOutMax, timeOut >= 1 ? timeOut : Setting::TimeOutMin);
    check(_shuffle, _setting.isShuffle());
    check(_continuous, _setting.isContinuous());
    check(_caseSensitive, _setting.isCaseSensitive());
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

void SettingsDlgCtrl::initSpin(HWND spin, int low, int high, int pos)
{
    ::SendMessageA(spin, UDM_SETRANGE, 0, MAKELPARAM(high, low));
    ::SendMessageA(spin, UDM_SETPOS, 0, MAKELPARAM(pos, 0));
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
        _helper->KeywordTopic(HelpKeyword);
        return true;
    case IDC_TIMEOUT_CHECK:
        onTimeOutChecked();
        return true;
    default:
        return false;
    }
}

namespace
{
    // The spin's position, or false when its buddy holds no number in range.
    // The range is checked here too: a stored value outside it would break
    // the settings' own invariants.
    bool spinPosition(HWND spin, int low, int high, int& pos)
    {
        const LRESULT result = ::SendMessageA(spin, UDM_GETPOS, 0, 0);
        if (HIWORD(result) != 0)
            return false;
        const int value = static_cast<short>(LOWORD(result));
        if (value < low || value > high)
            return false;
        pos = value;
        return true;
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
        ::MessageBoxA(_h, text, caption, MB_ICONERROR | MB_OK);
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

    int choices = 0;
    if (spinPosition(_choicesSpin, Setting::NumChoicesMin, Setting::NumChoicesMax, choices))
        _setting.setNumChoices(choices);
    if (isChecked(_timeOutCheck))
    {
        int timeOut = 0;
        if (spinPosition(_timeOutSpin, Setting::TimeOutMin, Setting::TimeOutMax, timeOut))
            _setting.setTimeOut(timeOut);
    }
    else
    {
        _setting.setTimeOut(0);
    }
    _setting.setShuffle(isChecked(_shuffle));
    _setting.setContinuous(isChecked(_continuous));
    _setting.setCaseSensitive(isChecked(_caseSensitive));
    EndOk();
}

void SettingsDlgCtrl::onTimeOutChecked()
{
    ::EnableWindow(_timeOutEdit, isChecked(_timeOutCheck) ? TRUE : FALSE);
}

bool SettingsDlgCtrl::isChecked(HWND button) const
{
    return ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void SettingsDlgCtrl::check(HWND button, bool checked)
{
    ::SendMessageA(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}
