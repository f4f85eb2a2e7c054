#include "WinLib/Dialog.h"

#include "WinLib/Edit.h"
#include "base/Exception.h"
#include "WinLib/Timer.h"
#include "tests/WinLib/TestIds.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
    // The test dialog: OK ends with 1, Cancel with 0, "Fail" throws.
    class TestDialog : public Dialog::ModalController
    {
    public:
        HWND boundAtInit = nullptr;
        bool editFoundAtInit = false;
        std::string name;
        int timerTicks = 0;
        bool withTimer = false;
        bool failHard = false;
        std::unique_ptr<Win::Timer> timer;

        void OnInitDialog() override
        {
            boundAtInit = _h;
            editFoundAtInit = ::GetDlgItem(_h, IDC_TEST_EDIT) != nullptr;
            if (withTimer)
                timer = std::make_unique<Win::Timer>(_h, 10, 100);
        }
        bool OnCommand(int id, int) override
        {
            switch (id)
            {
            case IDOK:
                name = Win::Edit(::GetDlgItem(_h, IDC_TEST_EDIT)).GetText();
                EndOk();
                return true;
            case IDCANCEL:
                EndCancel();
                return true;
            case IDC_TEST_FAIL:
                if (failHard)
                    throw std::logic_error("broken invariant");
                throw Win::Exception("Cannot do that", 3);
            default:
                return false;
            }
        }
        bool OnTimer(WPARAM id) override
        {
            if (id == 100 && ++timerTicks == 3)
            {
                timer.reset();
                EndOk();
            }
            return true;
        }
    };

    class DialogTest : public ::testing::Test
    {
    protected:
        WinTest::RecordingController ownerCtrl;
        WinTest::Window owner{ownerCtrl};
        Gui::Answerer answerer;
        TestDialog dlg;
    };

    const Gui::DialogMatch testDialog = Gui::DialogMatch::byTitle("WinLib Test Dialog");
}

TEST_F(DialogTest, OkEndsWithResultOneAndTheControllerKeepsWhatWasTyped)
{
    answerer.onDialog(testDialog, [](HWND d) {
        Gui::setText(d, IDC_TEST_EDIT, "Ada");
        Gui::click(d, IDOK);
    });
    Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, dlg);
    EXPECT_TRUE(modal.IsOk());
    EXPECT_EQ(modal.getResult(), 1);
    EXPECT_EQ(dlg.name, "Ada");
    EXPECT_NE(dlg.boundAtInit, nullptr);
    EXPECT_TRUE(dlg.editFoundAtInit);
    EXPECT_TRUE(answerer.done());
}

TEST_F(DialogTest, CloseBoxEndsThroughEndCancel)
{
    auto seen = answerer.onDialog(testDialog, [](HWND d) { Gui::closeBox(d); });
    Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, dlg);
    EXPECT_TRUE(seen.seen());
    EXPECT_EQ(seen.owner(), owner.get());
    EXPECT_EQ(modal.getResult(), 0);
    EXPECT_FALSE(modal.IsOk());
}

TEST_F(DialogTest, MissingResourceGivesMinusOne)
{
    Dialog::Modal modal(owner.get(), IDD_MISSING, dlg);
    EXPECT_EQ(modal.getResult(), -1);
    EXPECT_FALSE(modal.IsOk());
    EXPECT_EQ(dlg.boundAtInit, nullptr);
}

TEST_F(DialogTest, ExceptionInAButtonShowsUnexpectedErrorAndTheDialogStays)
{
    bool dialogAliveUnderBox = false;
    std::string ownerClass;
    answerer.onDialog(testDialog, [](HWND d) { Gui::click(d, IDC_TEST_FAIL); });
    auto box = answerer.onDialog(Gui::DialogMatch::byTitle("Cannot do that"), [&](HWND b) {
        HWND dialog = Gui::ownerOf(b);
        dialogAliveUnderBox = ::IsWindow(dialog) != FALSE;
        ownerClass = Gui::className(dialog);
        Gui::click(b, IDOK);
        // Only this click can end the dialog now.
        Gui::click(dialog, IDOK);
    });
    Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, dlg);
    ASSERT_TRUE(box.seen());
    EXPECT_EQ(box.text(), "Unexpected error");
    EXPECT_EQ(box.caption(), "Cannot do that");
    EXPECT_EQ(ownerClass, "#32770");
    EXPECT_TRUE(dialogAliveUnderBox);
    EXPECT_TRUE(modal.IsOk());
    EXPECT_TRUE(answerer.unexpected().empty());
}

TEST_F(DialogTest, TimerTicksReachOnTimer)
{
    dlg.withTimer = true;
    Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, dlg);
    EXPECT_EQ(dlg.timerTicks, 3);
    EXPECT_TRUE(modal.IsOk());
}

TEST_F(DialogTest, MessageBoxFromTheOwnerIsAnsweredAndRead)
{
    auto box = answerer.expectMessageBox(IDNO);
    const int answer = ::MessageBoxA(owner.get(), "Save changes?", "Please confirm", MB_YESNOCANCEL);
    EXPECT_EQ(answer, IDNO);
    EXPECT_EQ(box.text(), "Save changes?");
    EXPECT_EQ(box.caption(), "Please confirm");
    EXPECT_EQ(box.owner(), owner.get());
}

TEST(DialogUnexpected, UnclaimedBoxIsDismissedAndRecorded)
{
    Gui::Answerer answerer(300);
    ::MessageBoxA(nullptr, "Nobody expects this", "Surprise", MB_OK);
    ASSERT_EQ(answerer.unexpected().size(), 1u);
    EXPECT_EQ(answerer.unexpected()[0], "Surprise: Nobody expects this");
}

TEST_F(DialogTest, OtherExceptionEndsTheDialogAndReachesTheCaller)
{
    dlg.failHard = true;
    answerer.onDialog(testDialog, [](HWND d) { Gui::click(d, IDC_TEST_FAIL); });
    EXPECT_THROW(Dialog::Modal(owner.get(), IDD_TEST_DIALOG, dlg), std::logic_error);
    EXPECT_EQ(Gui::findDialog(owner.get()), nullptr);
    EXPECT_TRUE(answerer.unexpected().empty());
}
