// Adding and editing items through the "Edit Term" dialog, as a user types.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
    // What the dialog shows of the field being edited.
    struct FieldView
    {
        std::string label;
        std::string text;
        int selection;
        bool previous;
        bool next;
    };

    FieldView fieldView(HWND dlg)
    {
        return {Gui::controlText(dlg, IDC_DEF_LABEL), Gui::controlText(dlg, IDC_DEF_TEXT),
                Gui::comboSelection(dlg, IDC_DEF_FIELDS), Gui::isEnabled(dlg, IDC_PREV_FIELD),
                Gui::isEnabled(dlg, IDC_NEXT_FIELD)};
    }
}

class ItemDialog : public CommandDialogFixture
{
protected:
    // The default structure plus a second field "Example".
    void useTwoFields()
    {
        Outline outline = doc().getOutline();
        outline.addDef("Example");
        doc().setOutline(outline);
        refreshAll();
    }

    std::string defText(unsigned item, unsigned field) { return doc().getItem(item).getDefText(field); }
};

TEST_F(ItemDialog, EnterWalksFromTermToCommentToEachDefinitionThenAdds)
{
    useTwoFields();
    std::vector<int> focus;
    FieldView first{};
    FieldView second{};
    std::string title;
    std::string termLabel;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        title = Gui::windowText(dlg);
        termLabel = Gui::controlText(dlg, IDC_TERM_LABEL);
        first = fieldView(dlg);
        Gui::typeInto(dlg, IDC_TERM, "chat");
        Gui::pressEnterIn(dlg, IDC_TERM);
        focus.push_back(Gui::focusedId(dlg));
        Gui::typeInto(dlg, IDC_COMMENT, "masculine");
        Gui::pressEnterIn(dlg, IDC_COMMENT);
        focus.push_back(Gui::focusedId(dlg));
        Gui::typeInto(dlg, IDC_DEF_TEXT, "cat");
        Gui::pressEnterIn(dlg, IDC_DEF_TEXT);
        focus.push_back(Gui::focusedId(dlg));
        second = fieldView(dlg);
        Gui::typeInto(dlg, IDC_DEF_TEXT, "le chat dort");
        // Enter in the last field validates and ends the dialog.
        Gui::pressEnterIn(dlg, IDC_DEF_TEXT);
    }));
    EXPECT_EQ(title, "Edit Term");
    EXPECT_EQ(termLabel, "Term:");
    EXPECT_EQ(first.label, "Enter the Definition below:");
    EXPECT_EQ(first.selection, 0);
    EXPECT_FALSE(first.previous);
    EXPECT_TRUE(first.next);
    EXPECT_EQ(focus, (std::vector<int>{IDC_COMMENT, IDC_DEF_TEXT, IDC_DEF_TEXT}));
    EXPECT_EQ(second.label, "Enter the Example below:");
    EXPECT_EQ(second.text, "");
    EXPECT_EQ(second.selection, 1);
    EXPECT_TRUE(second.previous);
    EXPECT_FALSE(second.next);

    ASSERT_EQ(doc().getItemCount(), 1u);
    const TermSet& item = doc().getItem(0);
    EXPECT_EQ(item.getItemNo(), 1);
    EXPECT_EQ(item.getTerm(), "chat");
    EXPECT_EQ(item.getComment(), "masculine");
    EXPECT_EQ(defText(0, 0), "cat");
    EXPECT_EQ(defText(0, 1), "le chat dort");
    EXPECT_FALSE(doc().isSaved());
    EXPECT_EQ(Gui::listViewRows(listView()),
              (std::vector<std::vector<std::string>>{{"1", "chat", "cat", "le chat dort", "masculine", "0", "0", "0 %"}}));
    EXPECT_EQ(status(), "1 item(s), 0 selected");
}

TEST_F(ItemDialog, EmptyTermIsRefusedNamingTheItemType)
{
    Outline outline = doc().getOutline();
    outline.setItemType("Word");
    doc().setOutline(outline);
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    int focusAfter = 0;
    std::string termLabel;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        termLabel = Gui::controlText(dlg, IDC_TERM_LABEL);
        Gui::typeInto(dlg, IDC_DEF_TEXT, "a meaning");
        Gui::pressEnterIn(dlg, IDC_TERM);
        focusAfter = Gui::focusedId(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(termLabel, "Word:");
    ASSERT_TRUE(refusal.seen());
    EXPECT_EQ(refusal.text(), "You must enter a Word.");
    EXPECT_EQ(refusal.caption(), "Quillory");
    EXPECT_EQ(focusAfter, IDC_TERM);
    EXPECT_EQ(doc().getItemCount(), 0u);
}

TEST_F(ItemDialog, OkWithoutAnyDefinitionIsRefusedAndTheDialogStaysOpen)
{
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    int focusAfter = 0;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "lonely");
        Gui::pushButton(dlg, IDOK);
        focusAfter = Gui::focusedId(dlg);
        Gui::typeInto(dlg, IDC_DEF_TEXT, "found");
        Gui::pushButton(dlg, IDOK);
    }));
    ASSERT_TRUE(refusal.seen());
    EXPECT_EQ(refusal.text(), "You must enter at least one definition.");
    EXPECT_EQ(focusAfter, IDC_DEF_TEXT);
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getTerm(), "lonely");
    EXPECT_EQ(defText(0, 0), "found");
}

TEST_F(ItemDialog, DefinitionsSurviveSwitchingFieldsAndAnyOneSatisfiesOk)
{
    useTwoFields();
    std::vector<std::string> shown;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "Hund");
        Gui::pushButton(dlg, IDC_NEXT_FIELD);
        Gui::typeInto(dlg, IDC_DEF_TEXT, "der Hund bellt");
        Gui::pushButton(dlg, IDC_PREV_FIELD);
        shown.push_back(Gui::controlText(dlg, IDC_DEF_TEXT));
        Gui::selectCombo(dlg, IDC_DEF_FIELDS, 1);
        shown.push_back(Gui::controlText(dlg, IDC_DEF_TEXT));
        shown.push_back(Gui::controlText(dlg, IDC_DEF_LABEL));
        Gui::selectCombo(dlg, IDC_DEF_FIELDS, 0);
        // Only the second field has a text, and it is not the one shown.
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(shown, (std::vector<std::string>{"", "der Hund bellt", "Enter the Example below:"}));
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(defText(0, 0), "");
    EXPECT_EQ(defText(0, 1), "der Hund bellt");
    EXPECT_EQ(doc().getItem(0).getComment(), "");
}

TEST_F(ItemDialog, WithOneFieldBothButtonsAreOffAndEnterInTheDefinitionValidates)
{
    bool previous = true;
    bool next = true;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        previous = Gui::isEnabled(dlg, IDC_PREV_FIELD);
        next = Gui::isEnabled(dlg, IDC_NEXT_FIELD);
        Gui::typeInto(dlg, IDC_TERM, "one");
        Gui::typeInto(dlg, IDC_DEF_TEXT, "1");
        Gui::pressEnterIn(dlg, IDC_DEF_TEXT);
    }));
    EXPECT_FALSE(previous);
    EXPECT_FALSE(next);
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getTerm(), "one");
}

TEST_F(ItemDialog, CancelledAddUsesUpNoNumber)
{
    addItems(2);
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "dropped");
        Gui::typeInto(dlg, IDC_DEF_TEXT, "gone");
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(doc().getItemCount(), 2u);
    EXPECT_TRUE(runDialog("Term_Add", IDC_TERM, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "kept");
        Gui::typeInto(dlg, IDC_DEF_TEXT, "here");
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(columnTexts(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"term1", "term2", "kept"}));
}

TEST_F(ItemDialog, EditChangesTheSelectedItemWithTheSmallestIndex)
{
    addItem("alpha", "a", 4, 3);
    addItem("beta", "b", 2, 1);
    addItem("gamma", "c");
    refreshAll();
    selectRows({2, 1});
    std::string shownTerm;
    std::string shownDef;
    // Toolbar, menu and accelerator all run the same command.
    ASSERT_TRUE(runDialog("Term_Edit", IDC_TERM, [&](HWND dlg) {
        shownTerm = Gui::controlText(dlg, IDC_TERM);
        shownDef = Gui::controlText(dlg, IDC_DEF_TEXT);
        Gui::typeInto(dlg, IDC_TERM, "BETA");
        Gui::typeInto(dlg, IDC_COMMENT, "edited");
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(shownTerm, "beta");
    EXPECT_EQ(shownDef, "b");
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"alpha", "BETA", "gamma"}));
    const TermSet& edited = doc().getItem(1);
    EXPECT_EQ(edited.getItemNo(), 2);
    EXPECT_EQ(edited.getComment(), "edited");
    EXPECT_EQ(edited.getTimesAsked(), 2);
    EXPECT_EQ(edited.getCorrectAnswers(), 1);
    EXPECT_EQ(status(), "3 item(s), 0 selected");
    EXPECT_FALSE(doc().isSaved());
}

TEST_F(ItemDialog, CancelledEditChangesNothing)
{
    addItems(2);
    selectRows({0});
    ASSERT_TRUE(runDialog("Term_Edit", IDC_TERM, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "changed");
        Gui::closeBox(dlg);
        Gui::pumpDialog(dlg);
    }));
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"term1", "term2"}));
}

TEST_F(ItemDialog, DoubleClickOnARowEditsIt)
{
    addItems(2);
    selectRows({1});
    std::string shownTerm;
    onDialog(IDC_TERM, [&](HWND dlg) {
        shownTerm = Gui::controlText(dlg, IDC_TERM);
        Gui::pushButton(dlg, IDCANCEL);
    });
    NMHDR click{listView(), 2, static_cast<UINT>(NM_DBLCLK)};
    ::SendMessageA(_win, WM_NOTIFY, 2, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(shownTerm, "term2");
}

TEST_F(ItemDialog, LongNamesAndFormatCharactersShowWhole)
{
    const std::string fieldName = "%s%n%d " + std::string(400, 'f');
    const std::string itemType = "%s Ding %n " + std::string(300, 't');
    Outline outline;
    outline.removeDef(0);
    outline.setItemType(itemType);
    outline.addDef(fieldName);
    doc().setOutline(outline);
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    std::string defLabel;
    std::string termLabel;
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [&](HWND dlg) {
        defLabel = Gui::controlText(dlg, IDC_DEF_LABEL);
        termLabel = Gui::controlText(dlg, IDC_TERM_LABEL);
        Gui::pushButton(dlg, IDOK);
        Gui::typeInto(dlg, IDC_TERM, "100% %s");
        Gui::typeInto(dlg, IDC_DEF_TEXT, "%n%n%n");
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(defLabel, "Enter the " + fieldName + " below:");
    EXPECT_EQ(termLabel, itemType + ":");
    EXPECT_EQ(refusal.text(), "You must enter a " + itemType + ".");
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getTerm(), "100% %s");
    EXPECT_EQ(defText(0, 0), "%n%n%n");
}

TEST_F(ItemDialog, ListWithoutDefinitionFieldsCanOnlyBeCancelled)
{
    Outline outline;
    outline.removeDef(0);
    outline.setItemType("Bare");
    doc().setOutline(outline);
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    ASSERT_TRUE(runDialog("Term_Add", IDC_TERM, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_TERM, "x");
        Gui::typeInto(dlg, IDC_DEF_TEXT, "nowhere to keep this");
        Gui::pushButton(dlg, IDOK);
        Gui::pushButton(dlg, IDC_NEXT_FIELD);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(refusal.text(), "You must enter at least one definition.");
    EXPECT_EQ(doc().getItemCount(), 0u);
}

using ItemCommands = CommandDialogFixture;

TEST_F(ItemCommands, RemoveAsksThenDeletesTheSelectedItemsAndRenumbers)
{
    addItems(5);
    selectRows({1, 3});
    const Gui::Seen no = _answerer->expectMessageBox(IDNO, "Please confirm");
    sendCommand("Term_Remove");
    ASSERT_TRUE(no.seen());
    EXPECT_EQ(no.text(), "Are you sure you want to delete the selected items?");
    EXPECT_EQ(doc().getItemCount(), 5u);
    EXPECT_EQ(status(), "5 item(s), 2 selected");

    const Gui::Seen yes = _answerer->expectMessageBox(IDYES, "Please confirm");
    sendCommand("Term_Remove");
    ASSERT_TRUE(yes.seen());
    EXPECT_EQ(columnTexts(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"term1", "term3", "term5"}));
    EXPECT_EQ(status(), "3 item(s), 0 selected");
    // Nothing selected: Remove and Edit are greyed on the toolbar.
    EXPECT_EQ(Gui::toolbarState(toolbar(), cmdId("Term_Remove")) & TBSTATE_ENABLED, 0);
    EXPECT_EQ(Gui::toolbarState(toolbar(), cmdId("Term_Edit")) & TBSTATE_ENABLED, 0);
}

TEST_F(ItemCommands, SelectAllThenEditTakesTheFirstRow)
{
    addItems(3);
    sendCommand("Term_SelectAll");
    EXPECT_EQ(status(), "3 item(s), 3 selected");
    std::string shownTerm;
    ASSERT_TRUE(runDialog("Term_Edit", IDC_TERM, [&](HWND dlg) {
        shownTerm = Gui::controlText(dlg, IDC_TERM);
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(shownTerm, "term1");
    // OK reloads the rows and clears the selection.
    EXPECT_EQ(status(), "3 item(s), 0 selected");
}
