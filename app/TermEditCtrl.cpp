#include "app/TermEditCtrl.h"

#include "WinLib/Maker.h"
#include "WinLib/ResString.h"
#include "base/TextFormat.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
    const char* const HelpKeyword = "Adding/Editing Items";
}

TermEditCtrl::TermEditCtrl(const Outline& outline, const TermSet& item, const Win::HelpFile& help)
    : FormDialogCtrl(help, HelpKeyword),
      _outline(outline),
      _item(item),
      _labelFormat(Win::ResString(::GetModuleHandleA(nullptr), IDS_ENTER_FIELD).str())
{
}

void TermEditCtrl::OnInitDialog()
{
    _termLabel = ::GetDlgItem(_h, IDC_TERM_LABEL);
    _defLabel = ::GetDlgItem(_h, IDC_DEF_LABEL);
    _term.Init(_h, IDC_TERM);
    _comment.Init(_h, IDC_COMMENT);
    _defText.Init(_h, IDC_DEF_TEXT);
    _fields.Init(_h, IDC_DEF_FIELDS);
    _previous.Init(_h, IDC_PREV_FIELD);
    _next.Init(_h, IDC_NEXT_FIELD);

    ::SetWindowTextA(_termLabel, (_outline.getItemType() + ":").c_str());
    _term.SetText(_item.getTerm());
    _comment.SetText(_item.getComment());
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
        _fields.AddString(_outline.getDef(i).c_str());
    _fields.SetSelection(0);
    // A loaded list may have no definition field at all: nothing to show then.
    if (_outline.getDefCount() != 0)
    {
        relabel();
        showDefText();
    }
    _previous.Enable(false);
    _next.Enable(hasNextField());
}

bool TermEditCtrl::hasNextField() const
{
    return static_cast<unsigned>(selectedField()) < _outline.getDefCount() - 1;
}

void TermEditCtrl::relabel()
{
    const int sel = selectedField();
    if (sel < 0)
        return;
    // The field name is an argument, never part of the format.
    const std::string& name = _outline.getDef(static_cast<unsigned>(sel));
    ::SetWindowTextA(_defLabel, Win::fillFormat(_labelFormat, {name}).c_str());
}

void TermEditCtrl::showDefText()
{
    const int sel = selectedField();
    if (sel >= 0)
        _defText.SetText(_item.getDefText(static_cast<unsigned>(sel)));
}

bool TermEditCtrl::OnCommand(int ctrlId, int notifyCode)
{
    switch (ctrlId)
    {
    case IDC_TERM:
        if (notifyCode == EN_CHANGE)
            _item.setTerm(_term.GetText());
        return true;
    case IDC_COMMENT:
        if (notifyCode == EN_CHANGE)
            _item.setComment(_comment.GetText());
        return true;
    case IDC_DEF_TEXT:
        if (notifyCode == EN_CHANGE && selectedField() >= 0)
            _item.setDefText(static_cast<unsigned>(selectedField()), _defText.GetText());
        return true;
    case IDC_DEF_FIELDS:
        onFieldChosen();
        return true;
    case IDC_NEXT_FIELD:
        showNext();
        return true;
    case IDC_PREV_FIELD:
        showPrevious();
        return true;
    default:
        return onFormCommand(ctrlId);
    }
}

void TermEditCtrl::onFieldChosen()
{
    if (selectedField() < 0)
        return;
    relabel();
    showDefText();
    _next.Enable(hasNextField());
    _previous.Enable(selectedField() > 0);
}

void TermEditCtrl::showNext()
{
    // Enter in the last field and a stray command must not step past the end.
    if (!hasNextField())
        return;
    _fields.SetSelection(selectedField() + 1);
    relabel();
    // Previous first: a focus leaving Next at the last field can land on it.
    if (selectedField() > 0)
        _previous.Enable(true);
    if (!hasNextField())
        _next.Enable(false);
    showDefText();
}

void TermEditCtrl::showPrevious()
{
    if (selectedField() < 1)
        return;
    _fields.SetSelection(selectedField() - 1);
    relabel();
    if (hasNextField())
        _next.Enable(true);
    if (selectedField() < 1)
        _previous.Enable(false);
    showDefText();
}

// Enter walks from the term to the comment, to the definition and through
// every definition field; only then does it validate and end the dialog.
void TermEditCtrl::onOk()
{
    if (hasFocus(_term) && _term.GetLength() != 0)
        _comment.SetFocus();
    else if (hasFocus(_comment))
        _defText.SetFocus();
    else if (hasFocus(_defText) && hasNextField())
        showNext();
    else if (_term.GetLength() == 0)
        refuse(Win::fillFormat(loadString(IDS_MUST_ENTER), {_outline.getItemType()}), _term);
    else if (hasAnyDefinition())
        EndOk();
    else
        refuse(loadString(IDS_ONE_DEFINITION), _defText);
}

bool TermEditCtrl::hasAnyDefinition() const
{
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
    {
        if (!_item.getDefText(i).empty())
            return true;
    }
    return false;
}

