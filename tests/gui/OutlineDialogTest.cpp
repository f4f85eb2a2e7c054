// Changing the Study List's structure through "Customize StudySet".
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    // The four buttons that depend on the field list and the new-field box.
    struct Buttons
    {
        bool add;
        bool remove;
        bool up;
        bool down;
        bool operator==(const Buttons& o) const
        {
            return add == o.add && remove == o.remove && up == o.up && down == o.down;
        }
    };

    std::ostream& operator<<(std::ostream& out, const Buttons& b)
    {
        return out << "add " << b.add << " remove " << b.remove << " up " << b.up << " down " << b.down;
    }

    Buttons buttons(HWND dlg)
    {
        return {Gui::isEnabled(dlg, IDC_ADD_FIELD), Gui::isEnabled(dlg, IDC_REMOVE_FIELD),
                Gui::isEnabled(dlg, IDC_MOVE_UP), Gui::isEnabled(dlg, IDC_MOVE_DOWN)};
    }

    std::vector<std::string> fields(HWND dlg)
    {
        return Gui::listBoxItems(dlg, IDC_FIELD_LIST);
    }

    const std::vector<std::string> FixedColumns{"Comment", "Times Asked", "Correct Answers", "Ratio"};

    std::vector<std::string> columnsFor(const std::vector<std::string>& head)
    {
        std::vector<std::string> all = head;
        all.insert(all.end(), FixedColumns.begin(), FixedColumns.end());
        return all;
    }
}

using OutlineDialog = CommandDialogFixture;

TEST_F(OutlineDialog, ShowsTheStructureWithEveryFieldButtonOff)
{
    useFields({"F1", "F2"});
    std::string title;
    std::string itemType;
    std::vector<std::string> shown;
    Buttons state{};
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        title = Gui::windowText(dlg);
        itemType = Gui::controlText(dlg, IDC_ITEM_TYPE);
        shown = fields(dlg);
        state = buttons(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(title, "Customize StudySet");
    EXPECT_EQ(itemType, "Term");
    EXPECT_EQ(shown, (std::vector<std::string>{"F1", "F2"}));
    EXPECT_EQ(state, (Buttons{false, false, false, false}));
}

TEST_F(OutlineDialog, EnterAddsTypedNamesThenEndsWhenTheBoxIsEmpty)
{
    addItems(1);
    std::vector<int> focus;
    std::vector<Buttons> states;
    std::vector<std::vector<std::string>> lists;
    std::string boxAfterAdd = "?";
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::typeInto(dlg, IDC_ITEM_TYPE, "Word");
        Gui::pressEnterIn(dlg, IDC_ITEM_TYPE);
        focus.push_back(Gui::focusedId(dlg));
        Gui::typeInto(dlg, IDC_NEW_FIELD, "Example");
        states.push_back(buttons(dlg));
        Gui::pressEnterIn(dlg, IDC_NEW_FIELD);
        focus.push_back(Gui::focusedId(dlg));
        boxAfterAdd = Gui::controlText(dlg, IDC_NEW_FIELD);
        states.push_back(buttons(dlg));
        lists.push_back(fields(dlg));
        // The same name twice is allowed.
        Gui::typeInto(dlg, IDC_NEW_FIELD, "Example");
        Gui::pushButton(dlg, IDC_ADD_FIELD);
        lists.push_back(fields(dlg));
        Gui::pressEnterIn(dlg, IDC_NEW_FIELD);
    }));
    EXPECT_EQ(focus, (std::vector<int>{IDC_NEW_FIELD, IDC_NEW_FIELD}));
    EXPECT_EQ(boxAfterAdd, "");
    EXPECT_EQ(states, (std::vector<Buttons>{{true, false, false, false}, {false, false, false, false}}));
    EXPECT_EQ(lists, (std::vector<std::vector<std::string>>{{"Definition", "Example"},
                                                              {"Definition", "Example", "Example"}}));
    EXPECT_EQ(doc().getOutline().getItemType(), "Word");
    EXPECT_EQ(docFields(), (std::vector<std::string>{"Definition", "Example", "Example"}));
    EXPECT_EQ(Gui::listViewColumns(listView()), columnsFor({"#", "Word", "Definition", "Example", "Example"}));
    // The items keep their texts under the fields they already had.
    EXPECT_EQ(Gui::listViewCell(listView(), 0, 2), "def1");
    EXPECT_FALSE(doc().isSaved());
}

TEST_F(OutlineDialog, MoveUpAndDownFollowTheSelection)
{
    useFields({"F1", "F2", "F3"});
    std::vector<std::vector<std::string>> lists;
    std::vector<int> selections;
    std::vector<Buttons> states;
    const auto record = [&](HWND dlg) {
        lists.push_back(fields(dlg));
        selections.push_back(Gui::listBoxSelection(dlg, IDC_FIELD_LIST));
        states.push_back(buttons(dlg));
    };
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 1);
        record(dlg);
        Gui::pushButton(dlg, IDC_MOVE_UP);
        record(dlg);
        Gui::pushButton(dlg, IDC_MOVE_DOWN);
        Gui::pushButton(dlg, IDC_MOVE_DOWN);
        record(dlg);
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(lists, (std::vector<std::vector<std::string>>{
                         {"F1", "F2", "F3"}, {"F2", "F1", "F3"}, {"F1", "F3", "F2"}}));
    EXPECT_EQ(selections, (std::vector<int>{1, 0, 2}));
    EXPECT_EQ(states, (std::vector<Buttons>{
                          {false, true, true, true}, {false, true, false, true}, {false, true, true, false}}));
    EXPECT_EQ(docFields(), (std::vector<std::string>{"F1", "F3", "F2"}));
    EXPECT_EQ(Gui::listViewColumns(listView()), columnsFor({"#", "Term", "F1", "F3", "F2"}));
}

TEST_F(OutlineDialog, FirstAndLastFieldsOfferOnlyTheWayInward)
{
    useFields({"F1", "F2", "F3"});
    Buttons first{};
    Buttons last{};
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 0);
        first = buttons(dlg);
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 2);
        last = buttons(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(first, (Buttons{false, true, false, true}));
    EXPECT_EQ(last, (Buttons{false, true, true, false}));
}

TEST_F(OutlineDialog, RemoveAsksFirstAndNoKeepsTheField)
{
    useFields({"F1", "F2", "F3"});
    const Gui::Seen no = _answerer->expectMessageBox(IDNO, "Please confirm");
    const Gui::Seen yes = _answerer->expectMessageBox(IDYES, "Please confirm");
    std::vector<std::vector<std::string>> lists;
    int selection = 0;
    Buttons after{};
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 1);
        Gui::pushButton(dlg, IDC_REMOVE_FIELD);
        lists.push_back(fields(dlg));
        Gui::pushButton(dlg, IDC_REMOVE_FIELD);
        lists.push_back(fields(dlg));
        selection = Gui::listBoxSelection(dlg, IDC_FIELD_LIST);
        after = buttons(dlg);
        Gui::pushButton(dlg, IDOK);
    }));
    ASSERT_TRUE(no.seen());
    EXPECT_EQ(no.text(), "Are you sure you want to remove this field?\nAll data under this field in your Study List "
                         "will be lost.");
    EXPECT_EQ(no.caption(), "Please confirm");
    EXPECT_TRUE(yes.seen());
    EXPECT_EQ(lists, (std::vector<std::vector<std::string>>{{"F1", "F2", "F3"}, {"F1", "F3"}}));
    EXPECT_EQ(selection, LB_ERR);
    EXPECT_EQ(after, (Buttons{false, false, false, false}));
    EXPECT_EQ(docFields(), (std::vector<std::string>{"F1", "F3"}));
}

TEST_F(OutlineDialog, EmptyItemTypeIsRefused)
{
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    int focus = 0;
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::typeInto(dlg, IDC_ITEM_TYPE, "");
        Gui::pushButton(dlg, IDOK);
        focus = Gui::focusedId(dlg);
        // Only the empty name is refused; blanks are a name.
        Gui::typeInto(dlg, IDC_ITEM_TYPE, "   ");
        Gui::pushButton(dlg, IDOK);
    }));
    ASSERT_TRUE(refusal.seen());
    EXPECT_EQ(refusal.text(), "Please specify item type");
    EXPECT_EQ(refusal.caption(), "Quillory");
    EXPECT_EQ(focus, IDC_ITEM_TYPE);
    EXPECT_EQ(doc().getOutline().getItemType(), "   ");
}

TEST_F(OutlineDialog, RemovingTheOnlyFieldLeavesNothingToConfirm)
{
    const Gui::Seen yes = _answerer->expectMessageBox(IDYES, "Please confirm");
    const Gui::Seen refusal = _answerer->expectMessageBox(IDOK, "Quillory");
    int focus = 0;
    std::vector<std::string> left{"?"};
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::selectListBox(dlg, IDC_FIELD_LIST, 0);
        Gui::pushButton(dlg, IDC_REMOVE_FIELD);
        left = fields(dlg);
        Gui::pressEnterIn(dlg, IDC_ITEM_TYPE);
        // Enter in the item-type box only moves on; OK validates.
        Gui::pushButton(dlg, IDOK);
        focus = Gui::focusedId(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_TRUE(yes.seen());
    EXPECT_TRUE(left.empty());
    ASSERT_TRUE(refusal.seen());
    EXPECT_EQ(refusal.text(), "Please enter at least one field.");
    EXPECT_EQ(focus, IDC_NEW_FIELD);
    EXPECT_EQ(docFields(), (std::vector<std::string>{"Definition"}));
}

TEST_F(OutlineDialog, CancelLeavesTheStructureAndTheSavedState)
{
    useFields({"F1", "F2"});
    const bool savedBefore = doc().isSaved();
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [](HWND dlg) {
        Gui::typeInto(dlg, IDC_ITEM_TYPE, "Other");
        Gui::typeInto(dlg, IDC_NEW_FIELD, "F3");
        Gui::pushButton(dlg, IDC_ADD_FIELD);
        Gui::closeBox(dlg);
        Gui::pumpDialog(dlg);
    }));
    EXPECT_EQ(doc().getOutline().getItemType(), "Term");
    EXPECT_EQ(docFields(), (std::vector<std::string>{"F1", "F2"}));
    EXPECT_EQ(doc().isSaved(), savedBefore);
    EXPECT_EQ(Gui::listViewColumns(listView()), columnsFor({"#", "Term", "F1", "F2"}));
}

TEST_F(OutlineDialog, LongFieldNamesReachTheColumnsWhole)
{
    const std::string longName = "%s%n " + std::string(500, 'x');
    ASSERT_TRUE(runDialog("StudySet_Outline", IDC_FIELD_LIST, [&](HWND dlg) {
        Gui::typeInto(dlg, IDC_NEW_FIELD, longName);
        Gui::pressEnterIn(dlg, IDC_NEW_FIELD);
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(docFields(), (std::vector<std::string>{"Definition", longName}));
}
