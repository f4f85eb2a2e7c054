// Buttons that disable themselves when they are pressed (Move up at the top,
// Next at the last field...) hand the focus on, so that the keyboard goes on
// working. A person drives the dialogs with real keys.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

#include <string>
#include <vector>

namespace
{
    // The id of the control of `dlg` that has the keyboard; 0 when none has it.
    int keyboardControl(HWND dlg)
    {
        const HWND focus = RealInput::focusOf(dlg);
        if (focus == nullptr || ::GetParent(focus) != dlg || !::IsWindowEnabled(focus) || !RealInput::hasKeyboard(focus))
            return 0;
        return ::GetDlgCtrlID(focus);
    }

    // Presses a key, then waits until the dialog shows its effect.
    bool pressUntil(UINT vk, const std::function<bool()>& shown, int modifiers = Gui::NoModifier)
    {
        RealInput::press(vk, modifiers);
        return RealInput::pollUntil(shown, 5000);
    }

    // However the person's script ends, a dialog it leaves open is a
    // failure and is cancelled, so that the test does not hang in it.
    class CancelIfLeftOpen
    {
    public:
        explicit CancelIfLeftOpen(HWND dlg) : _dlg(dlg) {}
        ~CancelIfLeftOpen()
        {
            if (::IsWindow(_dlg) && ::IsWindowVisible(_dlg))
            {
                ADD_FAILURE() << "the dialog \"" << Gui::windowText(_dlg) << "\" is still open";
                Gui::click(_dlg, IDCANCEL);
            }
        }
        CancelIfLeftOpen(const CancelIfLeftOpen&) = delete;
        CancelIfLeftOpen& operator=(const CancelIfLeftOpen&) = delete;

    private:
        HWND _dlg;
    };
}

class FocusAfterDisable : public CommandDialogFixture
{
protected:
    // Leaves the dialog with control `ctrlId` to the person: the answerer
    // claims it and does nothing.
    void leaveToThePerson(int ctrlId)
    {
        _answerer->onDialog(Gui::DialogMatch::byControl(ctrlId), [](HWND) {});
    }
};

TEST_F(FocusAfterDisable, MoveUpMoveDownAndRemoveInTheCustomizeDialog)
{
    useFields({"F1", "F2", "F3"});
    leaveToThePerson(IDC_FIELD_LIST);
    std::vector<int> focusAfter;
    std::vector<std::vector<std::string>> lists;
    std::string question;
    Gui::Person person([&] {
        const HWND dlg = RealInput::waitForWindow("#32770", "Customize StudySet");
        ASSERT_NE(dlg, nullptr);
        const CancelIfLeftOpen guard(dlg);
        ASSERT_TRUE(RealInput::bringToForeground(dlg));
        const auto fields = [dlg] { return Gui::listBoxItems(dlg, IDC_FIELD_LIST); };
        const auto selection = [dlg] { return Gui::listBoxSelection(dlg, IDC_FIELD_LIST); };
        EXPECT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_ITEM_TYPE)));

        // Into the field list, down to F2, on to Move up.
        EXPECT_TRUE(pressUntil(VK_TAB, [&] { return keyboardControl(dlg) == IDC_FIELD_LIST; }));
        EXPECT_TRUE(pressUntil(VK_DOWN, [&] { return selection() == 0; }));
        EXPECT_TRUE(pressUntil(VK_DOWN, [&] { return selection() == 1; }));
        EXPECT_TRUE(pressUntil(VK_TAB, [&] { return keyboardControl(dlg) == IDC_MOVE_UP; }));

        // Move up to the top: Move up disables itself.
        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return !Gui::isEnabled(dlg, IDC_MOVE_UP); }));
        focusAfter.push_back(keyboardControl(dlg));
        lists.push_back(fields());

        // The keyboard still works: Space moves F2 down twice, to the bottom.
        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return selection() == 1; }));
        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return !Gui::isEnabled(dlg, IDC_MOVE_DOWN); }));
        focusAfter.push_back(keyboardControl(dlg));
        lists.push_back(fields());

        // Remove, confirmed with Enter (Yes): Remove disables itself.
        RealInput::press(VK_SPACE);
        const HWND box = RealInput::waitForWindow("#32770", "Please confirm");
        ASSERT_NE(box, nullptr);
        question = Gui::messageBoxText(box);
        EXPECT_TRUE(pressUntil(VK_RETURN, [&] { return fields().size() == 2 && !Gui::isEnabled(dlg, IDC_REMOVE_FIELD); }));
        RealInput::pollUntil([&] { return keyboardControl(dlg) != 0; }, 2000);
        focusAfter.push_back(keyboardControl(dlg));

        // Typing goes on where the focus went: a new field, then Enter to finish.
        RealInput::type("Extra");
        EXPECT_TRUE(pressUntil(VK_RETURN, [&] { return fields().size() == 3; }));
        EXPECT_TRUE(pressUntil(VK_RETURN, [dlg] { return !::IsWindowVisible(dlg); }));
    });
    sendCommand("StudySet_Outline");
    person.finish();

    EXPECT_EQ(focusAfter, (std::vector<int>{IDC_MOVE_DOWN, IDC_REMOVE_FIELD, IDC_NEW_FIELD}));
    EXPECT_EQ(lists, (std::vector<std::vector<std::string>>{{"F2", "F1", "F3"}, {"F1", "F3", "F2"}}));
    EXPECT_EQ(question, "Are you sure you want to remove this field?\nAll data under this field in your Study List "
                        "will be lost.");
    EXPECT_EQ(docFields(), (std::vector<std::string>{"F1", "F3", "Extra"}));
}

TEST_F(FocusAfterDisable, NextAndPreviousAtTheEndsOfTheItemDialogsFields)
{
    useFields({"F1", "F2"});
    leaveToThePerson(IDC_TERM);
    std::vector<int> focusAfter;
    Gui::Person person([&] {
        const HWND dlg = RealInput::waitForWindow("#32770", "Edit Term");
        ASSERT_NE(dlg, nullptr);
        const CancelIfLeftOpen guard(dlg);
        ASSERT_TRUE(RealInput::bringToForeground(dlg));
        const auto field = [dlg] { return Gui::comboSelection(dlg, IDC_DEF_FIELDS); };
        EXPECT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_TERM)));
        RealInput::type("cat");
        // Comment, field list, definition: Tab three times, then the definition.
        for (int id : {IDC_COMMENT, IDC_DEF_FIELDS, IDC_DEF_TEXT})
            EXPECT_TRUE(pressUntil(VK_TAB, [&] { return keyboardControl(dlg) == id; }));
        RealInput::type("feline");
        // Previous is off at the first field: Tab reaches Next.
        EXPECT_TRUE(pressUntil(VK_TAB, [&] { return keyboardControl(dlg) == IDC_NEXT_FIELD; }));

        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return field() == 1 && !Gui::isEnabled(dlg, IDC_NEXT_FIELD); }));
        focusAfter.push_back(keyboardControl(dlg));
        // Back to Previous, which disables itself at the first field.
        EXPECT_TRUE(pressUntil(VK_TAB, [&] { return keyboardControl(dlg) == IDC_PREV_FIELD; }, Gui::Shift));
        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return field() == 0 && !Gui::isEnabled(dlg, IDC_PREV_FIELD); }));
        focusAfter.push_back(keyboardControl(dlg));
        EXPECT_TRUE(pressUntil(VK_SPACE, [&] { return field() == 1; }));
        focusAfter.push_back(keyboardControl(dlg));
        // The focus is on OK now: Enter adds the item.
        EXPECT_TRUE(pressUntil(VK_RETURN, [dlg] { return !::IsWindowVisible(dlg); }));
    });
    sendCommand("Term_Add");
    person.finish();

    EXPECT_EQ(focusAfter, (std::vector<int>{IDOK, IDC_NEXT_FIELD, IDOK}));
    ASSERT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(doc().getItem(0).getTerm(), "cat");
    EXPECT_EQ(doc().getItem(0).getDefText(0), "feline");
}
