#include "tests/gui/MainWindowFixture.h"

#include "model/Setting.h"
#include "model/Outline.h"
#include "res/resource.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace
{
    std::vector<std::string> comboEntries(HWND dlg, int id)
    {
        HWND combo = ::GetDlgItem(dlg, id);
        std::vector<std::string> entries;
        const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i)
        {
            const auto length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
            std::string text(static_cast<size_t>(length) + 1, '\0');
            ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
            text.resize(static_cast<size_t>(length));
            entries.push_back(text);
        }
        return entries;
    }

    int comboSelection(HWND dlg, int id)
    {
        return static_cast<int>(::SendDlgItemMessageA(dlg, id, CB_GETCURSEL, 0, 0));
    }

    std::pair<int, int> spinRange(HWND dlg, int id)
    {
        int low = 0;
        int high = 0;
        ::SendDlgItemMessageA(dlg, id, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }
}

class SettingsDialog : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        _answerer = std::make_unique<Gui::Answerer>(3000);
        Outline outline;
        outline.addDef("Example");
        doc().setOutline(outline);
        addItem("Katze", "cat");
        refreshAll();
    }

    void TearDown() override
    {
        EXPECT_TRUE(_answerer->done());
        for (const std::string& box : _answerer->unexpected())
            ADD_FAILURE() << "unexpected box: " << box;
        _answerer.reset();
        MainWindowFixture::TearDown();
    }

    // Runs the command; `action` acts on the dialog while it is open.
    void editSettings(const std::function<void(HWND)>& action)
    {
        bool opened = false;
        _answerer->onDialog(Gui::DialogMatch::byControl(IDC_FROM), [&](HWND dlg) {
            opened = true;
            // Its loop shows the dialog when its queue first runs empty; the
            // answer may come before that. A user sees it first.
            if (!::IsWindowVisible(dlg))
                ::ShowWindow(dlg, SW_SHOWNORMAL);
            action(dlg);
            Gui::pumpPending();
            // An ended dialog is hidden at once and destroyed when its loop returns.
            if (::IsWindow(dlg) && ::IsWindowVisible(dlg))
            {
                ADD_FAILURE() << "the settings dialog is still open";
                Gui::click(dlg, IDCANCEL);
            }
        });
        Gui::sendMenuCommand(_win, cmdId("StudySet_Settings"));
        Gui::pumpPending();
        EXPECT_TRUE(opened);
    }

    Setting& settings() { return doc().getSettings(); }

    std::unique_ptr<Gui::Answerer> _answerer;
};

TEST_F(SettingsDialog, ListsTheFieldsAndTheSpecialDirections)
{
    std::vector<std::string> from;
    std::vector<std::string> to;
    int fromSel = -1;
    int toSel = -1;
    editSettings([&](HWND dlg) {
        EXPECT_EQ(Gui::windowText(dlg), "Study Settings");
        from = comboEntries(dlg, IDC_FROM);
        to = comboEntries(dlg, IDC_TO);
        fromSel = comboSelection(dlg, IDC_FROM);
        toSel = comboSelection(dlg, IDC_TO);
        Gui::click(dlg, IDCANCEL);
    });
    EXPECT_EQ(from, (std::vector<std::string>{"Term", "Definition", "Example", "Anything"}));
    EXPECT_EQ(to, (std::vector<std::string>{"Term", "Definition", "Example", "Anything else", "Everything else"}));
    // The defaults: From Term, To Everything else.
    EXPECT_EQ(fromSel, 0);
    EXPECT_EQ(toSel, 4);
}

TEST_F(SettingsDialog, ShowsTheStoredChoices)
{
    settings().setFromField(1);
    settings().setToAnything();
    settings().setShuffle(true);
    settings().setCaseSensitive(true);
    settings().setTimeOut(17);
    settings().setNumChoices(5);
    editSettings([&](HWND dlg) {
        EXPECT_EQ(comboSelection(dlg, IDC_FROM), 2);
        EXPECT_EQ(comboSelection(dlg, IDC_TO), 3);
        EXPECT_TRUE(Gui::isChecked(dlg, IDC_SHUFFLE));
        EXPECT_FALSE(Gui::isChecked(dlg, IDC_CONTINUOUS));
        EXPECT_TRUE(Gui::isChecked(dlg, IDC_CASE_SENSITIVE));
        EXPECT_TRUE(Gui::isChecked(dlg, IDC_TIMEOUT_CHECK));
        EXPECT_TRUE(Gui::isEnabled(dlg, IDC_TIMEOUT_EDIT));
        EXPECT_EQ(Gui::controlText(dlg, IDC_TIMEOUT_EDIT), "17");
        EXPECT_EQ(Gui::controlText(dlg, IDC_CHOICES_EDIT), "5");
        EXPECT_EQ(spinRange(dlg, IDC_CHOICES_SPIN), std::make_pair(2, 6));
        EXPECT_EQ(spinRange(dlg, IDC_TIMEOUT_SPIN), std::make_pair(2, 99));
        Gui::click(dlg, IDCANCEL);
    });
}

TEST_F(SettingsDialog, OkStoresEveryChoice)
{
    editSettings([&](HWND dlg) {
        Gui::selectCombo(dlg, IDC_FROM, 1);
        Gui::selectCombo(dlg, IDC_TO, 2);
        Gui::setText(dlg, IDC_CHOICES_EDIT, "4");
        Gui::setChecked(dlg, IDC_TIMEOUT_CHECK, true);
        Gui::click(dlg, IDC_TIMEOUT_CHECK);
        Gui::pumpPending();
        Gui::setText(dlg, IDC_TIMEOUT_EDIT, "30");
        Gui::setChecked(dlg, IDC_SHUFFLE, true);
        Gui::setChecked(dlg, IDC_CONTINUOUS, true);
        Gui::setChecked(dlg, IDC_CASE_SENSITIVE, true);
        Gui::click(dlg, IDOK);
    });
    ASSERT_TRUE(settings().isFromField());
    EXPECT_EQ(settings().getFromField(), 0u);
    ASSERT_TRUE(settings().isToField());
    EXPECT_EQ(settings().getToField(), 1u);
    EXPECT_EQ(settings().getNumChoices(), 4);
    EXPECT_EQ(settings().getTimeOut(), 30);
    EXPECT_TRUE(settings().isShuffle());
    EXPECT_TRUE(settings().isContinuous());
    EXPECT_TRUE(settings().isCaseSensitive());
}

TEST_F(SettingsDialog, ChangingTheSettingsAloneKeepsTheListSaved)
{
    // Through a load the list counts as saved.
    doc().newList();
    const std::string path = tempPath("settings-test.qlx");
    writeList(path, 2);
    ::SendMessageA(_win, WM_USER + 5, reinterpret_cast<WPARAM>(path.c_str()), 0);
    Gui::pumpPending();
    ASSERT_TRUE(doc().isSaved());
    editSettings([&](HWND dlg) {
        Gui::setChecked(dlg, IDC_SHUFFLE, true);
        Gui::click(dlg, IDOK);
    });
    EXPECT_TRUE(settings().isShuffle());
    EXPECT_TRUE(doc().isSaved());
}

struct DirectionCase
{
    int from;
    int to;
    bool accepted;
};

class SettingsDirections : public SettingsDialog, public ::testing::WithParamInterface<DirectionCase>
{
};

// Positions: 0 Term, 1 Definition, 2 Example; From 3 Anything; To 3 Anything else, 4 Everything else.
TEST_P(SettingsDirections, RefusesTheSameFieldOnBothSides)
{
    const DirectionCase c = GetParam();
    std::optional<Gui::Seen> refusal;
    bool stillOpen = false;
    editSettings([&](HWND dlg) {
        Gui::selectCombo(dlg, IDC_FROM, c.from);
        Gui::selectCombo(dlg, IDC_TO, c.to);
        if (!c.accepted)
            refusal = _answerer->expectMessageBox(IDOK, "Study Settings");
        Gui::click(dlg, IDOK);
        Gui::pumpPending();
        stillOpen = ::IsWindow(dlg) && ::IsWindowVisible(dlg);
        if (stillOpen)
            Gui::click(dlg, IDCANCEL);
    });
    EXPECT_EQ(stillOpen, !c.accepted);
    if (!c.accepted)
    {
        ASSERT_TRUE(refusal);
        EXPECT_EQ(refusal->text(), "\"From\" and \"To\" must specify different fields.");
        EXPECT_EQ(refusal->caption(), "Study Settings");
        // Cancel after the refusal leaves the settings as they were.
        EXPECT_TRUE(settings().isFromTerm());
        EXPECT_TRUE(settings().isToEverythingElse());
    }
    else
    {
        EXPECT_EQ(settings().isFromAnything(), c.from == 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, SettingsDirections,
                         ::testing::Values(DirectionCase{0, 0, false}, DirectionCase{1, 1, false},
                                           DirectionCase{2, 2, false}, DirectionCase{3, 3, true},
                                           DirectionCase{3, 0, true}, DirectionCase{0, 4, true},
                                           DirectionCase{2, 0, true}));

TEST_F(SettingsDialog, ChoicesOutsideTheRangeKeepThePreviousNumber)
{
    settings().setNumChoices(4);
    editSettings([&](HWND dlg) {
        Gui::setText(dlg, IDC_CHOICES_EDIT, "7");
        Gui::click(dlg, IDOK);
    });
    EXPECT_EQ(settings().getNumChoices(), 4);
}

TEST_F(SettingsDialog, UncheckedTimeOutShowsTwoDisabledAndCheckingStoresTwo)
{
    ASSERT_EQ(settings().getTimeOut(), 0);
    bool checked = true;
    bool editEnabled = true;
    std::string seconds;
    bool enabledAfterCheck = false;
    editSettings([&](HWND dlg) {
        checked = Gui::isChecked(dlg, IDC_TIMEOUT_CHECK);
        editEnabled = Gui::isEnabled(dlg, IDC_TIMEOUT_EDIT);
        seconds = Gui::controlText(dlg, IDC_TIMEOUT_EDIT);
        Gui::setChecked(dlg, IDC_TIMEOUT_CHECK, true);
        Gui::click(dlg, IDC_TIMEOUT_CHECK);
        Gui::pumpPending();
        enabledAfterCheck = Gui::isEnabled(dlg, IDC_TIMEOUT_EDIT);
        Gui::click(dlg, IDOK);
    });
    EXPECT_FALSE(checked);
    EXPECT_FALSE(editEnabled);
    EXPECT_EQ(seconds, "2");
    EXPECT_TRUE(enabledAfterCheck);
    EXPECT_EQ(settings().getTimeOut(), 2);
}

TEST_F(SettingsDialog, UncheckingTheTimeOutStoresNone)
{
    settings().setTimeOut(10);
    bool editEnabled = true;
    editSettings([&](HWND dlg) {
        Gui::setChecked(dlg, IDC_TIMEOUT_CHECK, false);
        Gui::click(dlg, IDC_TIMEOUT_CHECK);
        Gui::pumpPending();
        editEnabled = Gui::isEnabled(dlg, IDC_TIMEOUT_EDIT);
        Gui::click(dlg, IDOK);
    });
    EXPECT_FALSE(editEnabled);
    EXPECT_EQ(settings().getTimeOut(), 0);
}

TEST_F(SettingsDialog, TimeOutOutsideTheRangeKeepsThePreviousValue)
{
    settings().setTimeOut(10);
    editSettings([&](HWND dlg) {
        Gui::setText(dlg, IDC_TIMEOUT_EDIT, "100");
        Gui::click(dlg, IDOK);
    });
    EXPECT_EQ(settings().getTimeOut(), 10);
}

TEST_F(SettingsDialog, CancelLeavesTheSettingsUntouched)
{
    editSettings([&](HWND dlg) {
        Gui::selectCombo(dlg, IDC_FROM, 3);
        Gui::selectCombo(dlg, IDC_TO, 0);
        Gui::setChecked(dlg, IDC_SHUFFLE, true);
        Gui::setText(dlg, IDC_CHOICES_EDIT, "6");
        Gui::click(dlg, IDCANCEL);
    });
    EXPECT_TRUE(settings().isFromTerm());
    EXPECT_TRUE(settings().isToEverythingElse());
    EXPECT_FALSE(settings().isShuffle());
    EXPECT_EQ(settings().getNumChoices(), 3);
}
