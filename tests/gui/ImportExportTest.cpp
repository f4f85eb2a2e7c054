// Import and Export as a person does them: the menu by keyboard, the file
// dialog, the Import dialog, and the boxes that follow.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "persist/Filer.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"
#include "tools/qlx/Command.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace
{
    void writeFile(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // What `qlx export FILE --format FORMAT` writes.
    std::string qlxExport(const std::string& file, const char* format)
    {
        std::ostringstream out;
        std::ostringstream err;
        const char* const argv[] = {"qlx", "export", file.c_str(), "--format", format};
        EXPECT_EQ(Qlx::run(5, argv, out, err), 0) << err.str();
        return out.str();
    }

    // Waits until `dlg` is the foreground window, where a person's keys go.
    void waitForForeground(HWND dlg)
    {
        ASSERT_NE(dlg, nullptr);
        ASSERT_TRUE(RealInput::pollUntil([dlg] { return ::GetForegroundWindow() == dlg; }));
    }

    // Alt and the popup's letter, then the command's letter, once the menu shows.
    void chooseFromMenu(char popup, char command)
    {
        RealInput::press(popup, Gui::Alt);
        ASSERT_TRUE(RealInput::waitForWindow("#32768", nullptr) != nullptr);
        RealInput::press(command);
    }

    // Types a path over the file name the dialog with this title offers, and
    // presses Enter.
    void answerFileDialog(const char* title, const std::string& path)
    {
        const HWND dlg = RealInput::waitForWindow("#32770", title);
        waitForForeground(dlg);
        RealInput::press(VK_HOME);
        RealInput::press(VK_END, Gui::Shift);
        RealInput::type(path);
        RealInput::press(VK_RETURN);
    }

    // Reads the message box with this caption and presses `vk` in it.
    std::string answerBox(const char* caption, UINT vk)
    {
        const HWND box = RealInput::waitForWindow("#32770", caption);
        waitForForeground(box);
        if (box == nullptr)
            return "(no box)";
        const std::string text = Gui::messageBoxText(box);
        RealInput::press(vk);
        EXPECT_TRUE(RealInput::pollUntil([box] { return !::IsWindow(box) || !::IsWindowVisible(box); }));
        return text;
    }

    const char* const AnkiNotes = "#separator:tab\n#html:true\n#notetype column:1\n#tags column:4\n"
                                  "Basic\tHund\tdog\tanimal\n"
                                  "Cloze\t{{c1::Katze}} miaut\t\t\n"
                                  "Basic\t<b>Maus</b>\tmouse<br>small\t\n";
}

class ImportExport : public CommandDialogFixture
{
protected:
    void SetUp() override
    {
        CommandDialogFixture::SetUp();
        // The person answers the boxes and dialogs: the answerer lets them be
        // for as long as a slow machine may take, then dismisses them.
        _answerer.reset();
        _answerer = std::make_unique<Gui::Answerer>(60000);
    }

    std::vector<std::string> items()
    {
        std::vector<std::string> texts;
        for (unsigned i = 0; i < doc().getItemCount(); ++i)
        {
            const TermSet& item = doc().getItem(i);
            std::string text = std::to_string(item.getItemNo()) + " " + item.getTerm();
            for (unsigned d = 0; d < doc().getOutline().getDefCount(); ++d)
                text += " / " + item.getDefText(d);
            texts.push_back(text + (item.getComment().empty() ? "" : " (" + item.getComment() + ")"));
        }
        return texts;
    }
};

TEST_F(ImportExport, ACsvComesInByKeyboardAsANewListThatSaveMustName)
{
    addItems(2);
    const std::string csv = tempPath("quillory-words.csv");
    writeFile(csv, "Term,Definition\r\nchien,dog\r\nalone\r\nchat,\"cat, tom\"\r\n");
    std::string question, preview, summary;
    int format = -1;
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        chooseFromMenu('S', 'I');
        question = answerBox("Quillory", 'N');
        answerFileDialog("Open", csv);
        const HWND dlg = RealInput::waitForWindow("#32770", "Import");
        waitForForeground(dlg);
        format = Gui::comboSelection(dlg, IDC_IMPORT_FORMAT);
        preview = Gui::controlText(dlg, IDC_IMPORT_SUMMARY);
        RealInput::press(VK_RETURN);
        summary = answerBox("Quillory", VK_RETURN);
    });
    person.finish();

    EXPECT_EQ(question, "Save changes to new Study List ?");
    EXPECT_EQ(format, 0) << "CSV";
    EXPECT_EQ(preview, "quillory-words.csv: 2 items; item type \"Term\", field \"Definition\"; header line 1\n"
                       "Left out: line 3: 1 columns, expected 2");
    EXPECT_EQ(summary, "quillory-words.csv: 2 items; item type \"Term\", field \"Definition\"; header line 1\n\n"
                       "Rows left out:\nline 3: 1 columns, expected 2");
    EXPECT_EQ(items(), (std::vector<std::string> {"1 chien / dog", "2 chat / cat, tom"}));
    EXPECT_EQ(Gui::listViewRowCount(listView()), 2);
    EXPECT_EQ(title(), "Quillory - ");
    EXPECT_FALSE(doc().isSaved());
    // Untitled: Save asks for a name.
    const Gui::Seen saveAs = expectFileDialogCancel("Save As");
    sendCommand("StudySet_Save");
    EXPECT_TRUE(saveAs.seen());
}

TEST_F(ImportExport, AMalformedOrEmptyFileLeavesTheListAsItWasAndSaysWhy)
{
    addItems(3);
    struct Case
    {
        const char* name;
        const char* bytes;
        const char* reason;
    };
    for (const Case& c : {Case {"quillory-open-quote.csv", "Term,Definition\r\nchien,\"dog\r\n",
                                "Can't import: line 2: a quoted text is not closed"},
                          Case {"quillory-empty.csv", "", "Can't import: the file is empty"}})
    {
        const std::string path = tempPath(c.name);
        writeFile(path, c.bytes);
        std::string shown;
        bool okOffered = true;
        _answerer->expectMessageBox(IDNO, "Quillory");
        expectOpen(path);
        onDialog(IDC_IMPORT_PREVIEW, [&](HWND dlg) {
            shown = Gui::controlText(dlg, IDC_IMPORT_SUMMARY);
            okOffered = Gui::isEnabled(dlg, IDOK);
            // Enter takes nothing: the list below stays as it was.
            Gui::pressEnterIn(dlg, IDC_IMPORT_FORMAT);
            Gui::click(dlg, IDCANCEL);
        });
        sendCommand("StudySet_Import");
        EXPECT_EQ(shown, c.reason);
        EXPECT_FALSE(okOffered);
        EXPECT_EQ(items(), (std::vector<std::string> {"1 term1 / def1", "2 term2 / def2", "3 term3 / def3"}));
        EXPECT_EQ(Gui::listViewRowCount(listView()), 3);
        EXPECT_FALSE(doc().isSaved());
    }
}

TEST_F(ImportExport, AnAnkiExportComesInWithTheNoteTypeChosenInTheDialog)
{
    const std::string notes = tempPath("quillory-notes.txt");
    writeFile(notes, AnkiNotes);
    std::vector<std::string> previews;
    std::vector<std::string> noteTypes;
    int format = -1;
    std::string summary;
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        chooseFromMenu('S', 'I');
        answerFileDialog("Open", notes);
        const HWND dlg = RealInput::waitForWindow("#32770", "Import");
        waitForForeground(dlg);
        format = Gui::comboSelection(dlg, IDC_IMPORT_FORMAT);
        noteTypes = Gui::comboItems(dlg, IDC_IMPORT_NOTE_TYPE);
        const auto rows = [dlg] { return Gui::listViewRowCount(::GetDlgItem(dlg, IDC_IMPORT_PREVIEW)); };
        previews.push_back(Gui::listViewCell(::GetDlgItem(dlg, IDC_IMPORT_PREVIEW), 0, 1));
        // Alt+N reaches the note type; the arrow keys choose, the preview follows.
        RealInput::press('N', Gui::Alt);
        ASSERT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_IMPORT_NOTE_TYPE)));
        RealInput::press(VK_DOWN);
        ASSERT_TRUE(RealInput::pollUntil([&] { return rows() == 1; }));
        previews.push_back(Gui::listViewCell(::GetDlgItem(dlg, IDC_IMPORT_PREVIEW), 0, 1));
        RealInput::press(VK_UP);
        ASSERT_TRUE(RealInput::pollUntil([&] { return rows() == 2; }));
        RealInput::press(VK_RETURN);
        summary = answerBox("Quillory", VK_RETURN);
    });
    person.finish();

    EXPECT_EQ(format, 2) << "Anki notes";
    EXPECT_EQ(noteTypes, (std::vector<std::string> {"Basic", "Cloze"}));
    EXPECT_EQ(previews, (std::vector<std::string> {"Hund", "{{c1::Katze}} miaut"}));
    EXPECT_EQ(items(), (std::vector<std::string> {"1 Hund / dog (animal)", "2 Maus / mouse small"}));
    EXPECT_EQ(doc().getOutline().getItemType(), "Front");
    EXPECT_EQ(summary, "quillory-notes.txt: 2 items; item type \"Front\", field \"Back\"; "
                       "no #columns:, Anki's default names; 1 note of other note types left out");
}

TEST_F(ImportExport, ExportToTsvWritesWhatQlxExportWritesAndLeavesTheListSaved)
{
    addItem("caf\xC3\xA9", "coffee", 3, 2);
    addItem("tab\there", "two\r\nlines", 0, 0);
    doc().getItem(1).setComment("note");
    const std::string list = tempPath("quillory-export.qlx");
    WinFile::SilentFilerHost host;
    ASSERT_TRUE(WinFile::Filer(doc(), list, host).save());
    const std::string tsv = tempPath("quillory-export.tsv");
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        chooseFromMenu('S', 'E');
        answerFileDialog("Save As", tsv);
        ASSERT_TRUE(RealInput::pollUntil([&] { return !readFile(tsv).empty(); }));
    });
    person.finish();

    EXPECT_EQ(readFile(tsv), qlxExport(list, "tsv"));
    EXPECT_EQ(readFile(tsv).substr(0, 30), "Term\tDefinition\tComment\tTimes ");
    EXPECT_TRUE(doc().isSaved());
    EXPECT_EQ(doc().getPath(), list);
}

TEST_F(ImportExport, AnExportThatCannotReplaceAFileLeavesItWhole)
{
    addItems(2);
    const std::string csv = tempPath("quillory-in-use.csv");
    writeFile(csv, "kept");
    // Another program holds the file open and shares it with no one.
    const HANDLE inUse = ::CreateFileA(csv.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    expectSaveAs(csv);
    const Gui::Seen overwrite = _answerer->expectMessageBox(IDYES);
    const Gui::Seen failure = _answerer->expectMessageBox(IDOK, "Quillory Error");
    sendCommand("StudySet_Export");
    ::CloseHandle(inUse);
    EXPECT_TRUE(overwrite.seen());
    EXPECT_EQ(failure.text(), "Can't export to " + csv + ":\nthe file cannot be replaced");
    EXPECT_EQ(readFile(csv), "kept");
}
