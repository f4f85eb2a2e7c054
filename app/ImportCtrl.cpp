#include "app/ImportCtrl.h"

#include "WinLib/BusyCursor.h"
#include "WinLib/EnableControl.h"
#include "exchange/AnkiFormat.h"
#include "exchange/Failure.h"
#include "res/resource.h"

#include <algorithm>
#include <iterator>

namespace
{
    using Qlx::TextFormat;

    // In the order of the format box.
    const struct
    {
        const char* name;
        TextFormat format;
    } Formats[] = {
        {"CSV (comma-separated values)", TextFormat::CSV},
        {"TSV (tab-separated values)", TextFormat::TSV},
        {"Anki notes in plain text", TextFormat::ANKI},
        {"Quizlet export", TextFormat::QUIZLET},
        {"JSON", TextFormat::JSON},
    };

    // In the order of the separator box.
    const struct
    {
        const char* name;
        char separator;
    } Separators[] = {{"Comma", ','}, {"Semicolon", ';'}, {"Tab", '\t'}};

    const unsigned PreviewItems = 30;

    template <class Table, class Pred>
    int indexWhere(const Table& table, Pred pred)
    {
        const auto it = std::find_if(std::begin(table), std::end(table), pred);
        return it == std::end(table) ? 0 : static_cast<int>(it - std::begin(table));
    }

    bool takesSeparator(TextFormat format) { return format == TextFormat::CSV || format == TextFormat::QUIZLET; }
    bool takesHeader(TextFormat format) { return format == TextFormat::CSV || format == TextFormat::TSV; }

    // The failure's first lines: the box under the preview has room for three.
    std::string shortened(const std::string& text)
    {
        std::size_t end = 0;
        for (int line = 0; line < 2 && end != std::string::npos; ++line)
            end = text.find('\n', end == 0 ? 0 : end + 1);
        return end == std::string::npos ? text : text.substr(0, end) + " ...";
    }
}

unsigned ImportCtrl::PreviewRows::getCount() const
{
    return std::min(StudyListDataModel::getCount(), PreviewItems);
}

ImportCtrl::ImportCtrl(std::string fileName, std::string_view text, const Qlx::ImportChoice& guess)
    : _fileName(std::move(fileName)),
      _text(text),
      _choice(guess),
      _columns(_list.getOutline()),
      _rows(_list),
      _preview(_columns, _rows)
{
}

void ImportCtrl::OnInitDialog()
{
    _format.Init(_h, IDC_IMPORT_FORMAT);
    _separator.Init(_h, IDC_IMPORT_SEPARATOR);
    _cardEnd.Init(_h, IDC_IMPORT_CARD_END);
    _noteType.Init(_h, IDC_IMPORT_NOTE_TYPE);
    _header.Init(_h, IDC_IMPORT_HEADER);
    _ok.Init(_h, IDOK);
    _preview.Init(::GetDlgItem(_h, IDC_IMPORT_PREVIEW), IDC_IMPORT_PREVIEW);
    _preview.SetFullRowSelect();
    try
    {
        _noteTypes = Qlx::ankiNoteTypes(_text);
    }
    catch (const Qlx::Failure&)
    {
        // A file Anki cannot have written: the import names the fault.
    }
    fillChoices();
    attempt();
}

void ImportCtrl::fillChoices()
{
    for (const auto& f : Formats)
        _format.AddString(f.name);
    _format.SetSelection(indexWhere(Formats, [this](const auto& f) { return f.format == _choice.format; }));
    for (const auto& s : Separators)
        _separator.AddString(s.name);
    _separator.SetSelection(indexWhere(Separators, [this](const auto& s) { return s.separator == _choice.separator; }));
    _cardEnd.AddString("Line break");
    _cardEnd.AddString("Semicolon");
    _cardEnd.SetSelection(_choice.cardsEndAtSemicolon ? 1 : 0);
    for (const std::string& type : _noteTypes)
        _noteType.AddString(type.c_str());
    _noteType.SetSelection(indexWhere(_noteTypes, [this](const std::string& t) { return t == _choice.noteType; }));
    _header.SetCheck(_choice.header);
}

bool ImportCtrl::OnCommand(int ctrlId, int notifyCode)
{
    switch (ctrlId)
    {
    case IDC_IMPORT_FORMAT:
    case IDC_IMPORT_SEPARATOR:
    case IDC_IMPORT_CARD_END:
    case IDC_IMPORT_NOTE_TYPE:
        if (notifyCode != CBN_SELCHANGE)
            return false;
        break;
    case IDC_IMPORT_HEADER:
        if (notifyCode != BN_CLICKED)
            return false;
        break;
    case IDOK:
        // A file that gives no list cannot be taken.
        return !_attempt.ok() || endOnButton(ctrlId);
    default:
        return endOnButton(ctrlId);
    }
    readChoice();
    attempt();
    return true;
}

void ImportCtrl::readChoice()
{
    const int format = _format.getSelection();
    _choice.format = Formats[format < 0 ? 0 : format].format;
    const int separator = _separator.getSelection();
    _choice.separator = Separators[separator < 0 ? 0 : separator].separator;
    _choice.cardsEndAtSemicolon = _cardEnd.getSelection() == 1;
    _choice.header = _header.isChecked();
    const int noteType = _noteType.getSelection();
    _choice.noteType = noteType >= 0 && _noteTypes.size() > 1 ? _noteTypes[static_cast<std::size_t>(noteType)] : "";
}

void ImportCtrl::attempt()
{
    {
        const Win::BusyCursor busy;
        _list = Quillory();
        _attempt = Qlx::attemptImport(_text, _choice, _list);
    }
    showAttempt();
    enableChoices();
}

void ImportCtrl::showAttempt()
{
    if (!_attempt.ok())
        _list = Quillory();
    _preview.RefreshColumns();
    _preview.RefreshItems();
    std::string summary;
    if (_attempt.ok())
    {
        summary = Qlx::importSummary(_fileName, _attempt.report);
        const auto& skipped = _attempt.report.skipped;
        if (!skipped.empty())
            summary += "\nLeft out: " + skipped.front()
                       + (skipped.size() > 1 ? " (and " + std::to_string(skipped.size() - 1) + " more)" : "");
    }
    else
        summary = "Can't import: " + shortened(_attempt.failure);
    ::SetDlgItemTextA(_h, IDC_IMPORT_SUMMARY, summary.c_str());
}

void ImportCtrl::enableChoices()
{
    Win::enableControl(_separator.getHandle(), takesSeparator(_choice.format));
    Win::enableControl(_cardEnd.getHandle(), _choice.format == TextFormat::QUIZLET);
    Win::enableControl(_noteType.getHandle(), _choice.format == TextFormat::ANKI && _noteTypes.size() > 1);
    Win::enableControl(_header.getHandle(), takesHeader(_choice.format));
    _ok.Enable(_attempt.ok());
}
