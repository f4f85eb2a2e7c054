#pragma once
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "WinLib/Button.h"
#include "WinLib/ComboBox.h"
#include "WinLib/Dialog.h"
#include "WinLib/ListView.h"
#include "app/ListViewModels.h"
#include "exchange/ImportAttempt.h"
#include "model/Quillory.h"

// The Import dialog: shows how a file is read (format, separator, header line,
// note type), reads it again whenever the user changes that, and previews the
// first items it gives. OK is offered only when the file gives a list, which
// the caller then takes.
class ImportCtrl : public Dialog::ModalController
{
public:
    // `text` is the file's content and must outlive the dialog.
    ImportCtrl(std::string fileName, std::string_view text, const Qlx::ImportChoice& guess);

    void OnInitDialog() override;
    bool OnCommand(int ctrlId, int notifyCode) override;

    Quillory& getList() { return _list; }
    const Qlx::ImportReport& getReport() const { return _attempt.report; }

private:
    // The first rows only: the preview shows what the import makes, not all of it.
    class PreviewRows : public StudyListDataModel
    {
    public:
        using StudyListDataModel::StudyListDataModel;
        unsigned getCount() const override;
    };

    void fillChoices();
    void readChoice();
    void attempt();
    void showAttempt();
    void enableChoices();

    const std::string _fileName;
    const std::string_view _text;
    Qlx::ImportChoice _choice;
    Qlx::ImportAttempt _attempt;
    std::vector<std::string> _noteTypes;
    Quillory _list;
    StudyListOutlineModel _columns;
    PreviewRows _rows;
    Win::ListView _preview;
    Win::ComboBox _format;
    Win::ComboBox _separator;
    Win::ComboBox _cardEnd;
    Win::ComboBox _noteType;
    Win::Button _header;
    Win::Button _ok;
};
