// A user's whole day with a Study List, driven only through the GUI: create
// it, change its structure, add and edit items, study, change the settings,
// save, quit, start again, reopen it from "Open Recent" and find it all.
#include "tests/gui/DialogKeys.h"
#include "tests/gui/ProgramRunsFixture.h"
#include "tests/gui/SessionFixture.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    struct Entry
    {
        std::string term;
        std::string comment;
        std::string example;
        std::string definition;
    };

    // Types one item the way the Enter key walks through the dialog.
    void typeItem(HWND dlg, const Entry& entry)
    {
        Gui::typeInto(dlg, IDC_TERM, entry.term);
        Gui::pressEnterIn(dlg, IDC_TERM);
        Gui::typeInto(dlg, IDC_COMMENT, entry.comment);
        Gui::pressEnterIn(dlg, IDC_COMMENT);
        Gui::typeInto(dlg, IDC_DEF_TEXT, entry.example);
        Gui::pressEnterIn(dlg, IDC_DEF_TEXT);
        Gui::typeInto(dlg, IDC_DEF_TEXT, entry.definition);
        Gui::pressEnterIn(dlg, IDC_DEF_TEXT);
    }

    struct ShownSettings
    {
        int from;
        int to;
        bool timeOut;
        std::string seconds;
        bool shuffle;
        bool continuous;
        bool caseSensitive;
    };

    ShownSettings readSettings(HWND dlg)
    {
        return {Gui::comboSelection(dlg, IDC_FROM),      Gui::comboSelection(dlg, IDC_TO),
                Gui::isChecked(dlg, IDC_TIMEOUT_CHECK),  Gui::controlText(dlg, IDC_TIMEOUT_EDIT),
                Gui::isChecked(dlg, IDC_SHUFFLE),        Gui::isChecked(dlg, IDC_CONTINUOUS),
                Gui::isChecked(dlg, IDC_CASE_SENSITIVE)};
    }
}

using EndToEnd = ProgramRunsFixture;

TEST_F(EndToEnd, AListMadeInOneRunComesBackWholeInTheNext)
{
    const std::string path = tempPath("quillory-end-to-end.qlx");
    const std::vector<std::string> columns{"#",       "Mot",         "Exemple",         "Definition",
                                           "Comment", "Times Asked", "Correct Answers", "Ratio"};

    // ---- First run ----
    startRun();

    // Ctrl+L: the item type becomes "Mot", a field "Exemple" is added and moved first.
    onDialog(IDC_FIELD_LIST, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_ITEM_TYPE, "Mot");
        Gui::pressEnterIn(dlg, IDC_ITEM_TYPE);
        Gui::typeInto(dlg, IDC_NEW_FIELD, "Exemple");
        Gui::pressEnterIn(dlg, IDC_NEW_FIELD);
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 1);
        Gui::pushButton(dlg, IDC_MOVE_UP);
        Gui::pushButton(dlg, IDOK);
    });
    Gui::postKey(_win, 'L', Gui::Ctrl);
    ASSERT_EQ(Gui::listViewColumns(listView()), columns);

    // Three items: from the toolbar, the menu and the Insert key.
    const std::vector<Entry> entries{{"chat", "m.", "le chat dort", "cat"},
                                     {"chien", "", "un chien fidèle", "dog"},
                                     {"oiseau", "", "l'oiseau chante", "bird"}};
    onDialog(IDC_TERM, [&](HWND dlg) { typeItem(dlg, entries[0]); });
    Gui::clickToolbarButton(toolbar(), cmdId("Term_Add"));
    onDialog(IDC_TERM, [&](HWND dlg) { typeItem(dlg, entries[1]); });
    sendCommand("Term_Add");
    onDialog(IDC_TERM, [&](HWND dlg) { typeItem(dlg, entries[2]); });
    Gui::postKey(_win, VK_INSERT);
    ASSERT_EQ(status(), "3 item(s), 0 selected");

    // Double-click the second row and change it.
    selectRows({1});
    onDialog(IDC_TERM, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "chienne");
        Gui::typeInto(dlg, IDC_COMMENT, "f.");
        Gui::pushButton(dlg, IDC_NEXT_FIELD);
        Gui::typeInto(dlg, IDC_DEF_TEXT, "dog (female)");
        Gui::pushButton(dlg, IDOK);
    });
    NMHDR doubleClick{listView(), 2, static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageA(_win, WM_NOTIFY, 2, reinterpret_cast<LPARAM>(&doubleClick));
    Gui::pumpPending();

    // Study from the word to its definition, one answer wrong.
    onDialog(IDC_FROM, [](HWND dlg) {
        Gui::selectCombo(dlg, IDC_FROM, 0);
        Gui::selectCombo(dlg, IDC_TO, 2);
        Gui::pushButton(dlg, IDOK);
    });
    sendCommand("StudySet_Settings");
    bool studied = false;
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_STOP), [&](HWND dlg) {
        studied = true;
        Gui::setAccelerators(nullptr, nullptr);
        SessionDriver session(dlg);
        for (const char* answer : {"cat", "wolf", "bird"})
        {
            session.type(answer);
            session.enter();
        }
        Gui::setAccelerators(_win, _ctrl->getAccel());
    });
    const Gui::Seen wrong = _answerer->expectMessageBox(IDOK, "Quillory");
    const Gui::Seen results = _answerer->expectMessageBox(IDOK, "Quillory");
    sendCommand("Study_QA");
    ASSERT_TRUE(studied);
    EXPECT_TRUE(results.seen());
    EXPECT_NE(wrong.text().find("dog (female)"), std::string::npos) << wrong.text();

    // Then a time-out, shuffling and case-sensitive answers for next time.
    onDialog(IDC_FROM, [](HWND dlg) {
        Gui::clickCheckBox(dlg, IDC_TIMEOUT_CHECK);
        Gui::typeInto(dlg, IDC_TIMEOUT_EDIT, "30");
        Gui::clickCheckBox(dlg, IDC_SHUFFLE);
        Gui::clickCheckBox(dlg, IDC_CASE_SENSITIVE);
        Gui::pushButton(dlg, IDOK);
    });
    sendCommand("StudySet_Settings");

    const std::vector<std::vector<std::string>> rows{
        {"1", "chat", "le chat dort", "cat", "m.", "1", "1", "100 %"},
        {"2", "chienne", "un chien fidèle", "dog (female)", "f.", "1", "0", "0 %"},
        {"3", "oiseau", "l'oiseau chante", "bird", "", "1", "1", "100 %"}};
    ASSERT_EQ(Gui::listViewRows(listView()), rows);

    // Ctrl+S on a new list asks for a name.
    expectSaveAs(path);
    Gui::postKey(_win, 'S', Gui::Ctrl);
    ASSERT_TRUE(doc().isSaved());
    EXPECT_EQ(title(), "Quillory - " + path);
    // Saved: quitting asks nothing.
    quitRun();
    EXPECT_EQ(registryValues().front(), "");

    // ---- Second run ----
    startRun();
    EXPECT_EQ(title(), "Quillory");
    EXPECT_EQ(recentMenuTexts(), (std::vector<std::string>{"Clear Recent", "-"}));
    quitRun();

    // Saving does not make a list recent; opening it once does.
    startRun();
    expectOpen(path);
    sendCommand("StudySet_Open");
    quitRun();
    EXPECT_EQ(registryValues().front(), path);

    // ---- And back ----
    startRun();
    EXPECT_EQ(recentMenuTexts(), (std::vector<std::string>{"Clear Recent", "-", path}));
    chooseRecent(path);
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(Gui::listViewColumns(listView()), columns);
    EXPECT_EQ(Gui::listViewRows(listView()), rows);
    EXPECT_EQ(status(), "3 item(s), 0 selected");

    ShownSettings shown{};
    onDialog(IDC_FROM, [&](HWND dlg) {
        shown = readSettings(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    });
    sendCommand("StudySet_Settings");
    EXPECT_EQ(shown.from, 0);
    EXPECT_EQ(shown.to, 2);
    EXPECT_TRUE(shown.timeOut);
    EXPECT_EQ(shown.seconds, "30");
    EXPECT_TRUE(shown.shuffle);
    EXPECT_FALSE(shown.continuous);
    EXPECT_TRUE(shown.caseSensitive);

    // The structure is the one customized, field by field.
    std::vector<std::string> fields;
    std::string itemType;
    onDialog(IDC_FIELD_LIST, [&](HWND dlg) {
        itemType = Gui::controlText(dlg, IDC_ITEM_TYPE);
        fields = Gui::listBoxItems(dlg, IDC_FIELD_LIST);
        Gui::pushButton(dlg, IDCANCEL);
    });
    sendCommand("StudySet_Outline");
    EXPECT_EQ(itemType, "Mot");
    EXPECT_EQ(fields, (std::vector<std::string>{"Exemple", "Definition"}));
    EXPECT_TRUE(doc().isSaved());
    quitRun();
}
