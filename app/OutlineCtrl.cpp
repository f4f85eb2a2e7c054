#include "app/OutlineCtrl.h"

#include "WinLib/Maker.h"
#include "WinLib/MessageBox.h"
#include "WinLib/ResString.h"
#include "res/resource.h"
#include "res/strings.h"

namespace
{
    const char* const HelpKeyword = "Customizing Study List Structure";
}

OutlineCtrl::OutlineCtrl(const Outline& outline, const Win::HelpFile& help)
    : FormDialogCtrl(help, HelpKeyword), _outline(outline)
{
}

void OutlineCtrl::OnInitDialog()
{
    _remove.Init(_h, IDC_REMOVE_FIELD);
    _add.Init(_h, IDC_ADD_FIELD);
    _moveUp.Init(_h, IDC_MOVE_UP);
    _moveDown.Init(_h, IDC_MOVE_DOWN);
    _itemType.Init(_h, IDC_ITEM_TYPE);
    _newField.Init(_h, IDC_NEW_FIELD);
    _fields.Init(_h, IDC_FIELD_LIST);

    _itemType.SetText(_outline.getItemType());
    for (unsigned i = 0; i < _outline.getDefCount(); ++i)
        _fields.AddString(_outline.getDef(i).c_str());
    _newField.Clear();
    _add.Enable(false);
    disableFieldButtons();
}

bool OutlineCtrl::OnCommand(int ctrlId, int notifyCode)
{
    switch (ctrlId)
    {
    case IDC_ITEM_TYPE:
        if (notifyCode == EN_CHANGE)
            _outline.setItemType(_itemType.GetText());
        return true;
    case IDC_NEW_FIELD:
        _add.Enable(_newField.GetLength() != 0);
        return true;
    case IDC_FIELD_LIST:
        updateFieldButtons();
        return true;
    case IDC_ADD_FIELD:
        if (notifyCode == BN_CLICKED)
            addField();
        return true;
    case IDC_REMOVE_FIELD:
        if (notifyCode == BN_CLICKED)
            removeField();
        return true;
    case IDC_MOVE_UP:
        if (notifyCode == BN_CLICKED)
            moveUp();
        return true;
    case IDC_MOVE_DOWN:
        if (notifyCode == BN_CLICKED)
            moveDown();
        return true;
    default:
        return onFormCommand(ctrlId);
    }
}

// Enter walks from the item type to the new-field box, adds each typed name,
// and ends the dialog only with a valid structure.
void OutlineCtrl::onOk()
{
    if (hasFocus(_itemType) && _itemType.GetLength() != 0)
        _newField.SetFocus();
    else if (hasFocus(_newField) && _newField.GetLength() != 0)
        addField();
    else if (_outline.getItemType().empty())
        refuse(loadString(IDS_SPECIFY_ITEM_TYPE), _itemType);
    else if (_outline.getDefCount() == 0)
        refuse(loadString(IDS_ONE_FIELD), _newField);
    else
        EndOk();
}


void OutlineCtrl::updateFieldButtons()
{
    if (!_fields.isSelection())
    {
        disableFieldButtons();
        return;
    }
    const int sel = _fields.getSelection();
    _remove.Enable(true);
    _moveUp.Enable(sel > 0);
    _moveDown.Enable(sel < static_cast<int>(_outline.getDefCount()) - 1);
}

void OutlineCtrl::disableFieldButtons()
{
    _remove.Enable(false);
    _moveUp.Enable(false);
    _moveDown.Enable(false);
}

void OutlineCtrl::addField()
{
    if (!_add.isEnabled())
        return;
    const std::string name = _newField.GetText();
    _outline.addDef(name);
    _fields.AddString(name.c_str());
    _newField.Clear();
    _newField.SetFocus();
}

void OutlineCtrl::removeField()
{
    // The button is enabled only with a selection; a stray command changes nothing.
    if (!_fields.isSelection())
        return;
    if (Win::messageBox(_h, loadString(IDS_REMOVE_FIELD), loadString(IDS_PLEASE_CONFIRM), MB_YESNO | MB_ICONEXCLAMATION)
        != IDYES)
        return;
    const int sel = _fields.getSelection();
    _outline.removeDef(static_cast<unsigned>(sel));
    _fields.DeleteString(sel);
    disableFieldButtons();
}

void OutlineCtrl::moveUp()
{
    if (!_fields.isSelection() || _fields.getSelection() < 1)
        return;
    const int sel = _fields.getSelection();
    _outline.moveDefUp(static_cast<unsigned>(sel));
    const std::string name = _fields.getText(sel);
    _fields.InsertString(sel - 1, name.c_str());
    _fields.DeleteString(sel + 1);
    _fields.SetSelection(sel - 1);
    // Enabled first, so that a focus leaving Move up can land on Move down.
    _moveDown.Enable(true);
    _moveUp.Enable(sel - 1 != 0);
}

void OutlineCtrl::moveDown()
{
    if (!_fields.isSelection() || _fields.getSelection() >= _fields.getCount() - 1)
        return;
    const int sel = _fields.getSelection();
    _outline.moveDefDown(static_cast<unsigned>(sel));
    const std::string name = _fields.getText(sel);
    _fields.InsertString(sel + 2, name.c_str());
    _fields.DeleteString(sel);
    _fields.SetSelection(sel + 1);
    _moveUp.Enable(true);
    _moveDown.Enable(sel + 1 != _fields.getCount() - 1);
}
