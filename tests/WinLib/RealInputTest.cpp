// The real-input helpers checked on the library's own dialog: a person in a
// second thread types, presses mnemonics and Enter, and clicks, while the
// dialog's own loop handles every key.
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

#include "WinLib/Dialog.h"
#include "tests/WinLib/TestIds.h"
#include "tests/WinLib/TestWindow.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
    // Keeps the box's text when OK ends it, and the answer to Fail's question.
    class TypedDialog : public Dialog::ModalController
    {
    public:
        std::string text;
        int answer = 0;
        bool OnCommand(int id, int) override
        {
            if (id == IDC_TEST_FAIL)
            {
                answer = ::MessageBoxA(_h, "Remove this field?", "Please confirm", MB_YESNO | MB_ICONQUESTION);
                return true;
            }
            if (id != IDOK && id != IDCANCEL)
                return false;
            text = Gui::controlText(_h, IDC_TEST_EDIT);
            id == IDOK ? EndOk() : EndCancel();
            return true;
        }
    };

    class RealInputTest : public ::testing::Test
    {
    protected:
        // Runs the test dialog over a shown owner; `script` is the person, who
        // starts once the dialog is up and gets its handle.
        INT_PTR runDialog(const std::function<void(HWND)>& script)
        {
            WinTest::RecordingController ctrl;
            WinTest::Window owner(ctrl);
            ::ShowWindow(owner.get(), SW_SHOWNORMAL);
            Gui::pumpPending();
            std::unique_ptr<Gui::Person> person;
            _answerer.onDialog(Gui::DialogMatch::byControl(IDC_TEST_EDIT), [&](HWND dlg) {
                person = std::make_unique<Gui::Person>([&script, dlg] { script(dlg); }, [dlg] {
                    if (!::IsWindow(dlg))
                        return;
                    ADD_FAILURE() << "the person left the dialog open";
                    ::EndDialog(dlg, -1);
                });
            });
            Dialog::Modal modal(owner.get(), IDD_TEST_DIALOG, _dialog);
            if (person)
                person->finish();
            EXPECT_TRUE(_answerer.unexpected().empty());
            return modal.getResult();
        }

        // A box the person answers: seen, but left alone.
        Gui::Seen leaveBoxToThePerson(const std::string& caption)
        {
            return _answerer.onDialog(Gui::DialogMatch::byTitle(caption), [](HWND) {});
        }

        Gui::Answerer _answerer{20000};
        TypedDialog _dialog;
    };
}

TEST_F(RealInputTest, TypedTextWithShiftedCharactersLandsInTheFocusedBoxAndEnterPressesTheDefault)
{
    const INT_PTR result = runDialog([](HWND dlg) {
        HWND box = ::GetDlgItem(dlg, IDC_TEST_EDIT);
        ASSERT_TRUE(RealInput::waitForFocus(box)) << "the dialog's first box never had the keyboard";
        // In the process code page the manifest gives: UTF-8.
        RealInput::type("Tom's Caf\xC3\xA9 #1 (A&B)");
        RealInput::pollUntil([box] { return Gui::windowText(box).size() == 20; });
        RealInput::press(VK_RETURN);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(_dialog.text, "Tom's Caf\xC3\xA9 #1 (A&B)");
}

TEST_F(RealInputTest, AltWithAMnemonicPushesItsButtonInADialogAndInAMessageBox)
{
    Gui::Seen question = leaveBoxToThePerson("Please confirm");
    const INT_PTR result = runDialog([&question](HWND dlg) {
        ASSERT_TRUE(RealInput::waitForFocus(::GetDlgItem(dlg, IDC_TEST_EDIT)));
        RealInput::press('F', Gui::Alt);
        ASSERT_TRUE(RealInput::pollUntil([&question] { return question.seen(); }));
        HWND no = ::GetDlgItem(question.window(), IDNO);
        ASSERT_TRUE(RealInput::pollUntil([no] { return RealInput::focusOf(no) != nullptr; }));
        RealInput::press('N', Gui::Alt);
        ASSERT_TRUE(RealInput::pollUntil([&question] { return !::IsWindow(question.window()); }));
        RealInput::press(VK_ESCAPE);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(_dialog.answer, IDNO);
}

TEST_F(RealInputTest, TitleBarClicksMoveTheForegroundAndAClickPushesAButton)
{
    WinTest::RecordingController otherCtrl;
    WinTest::Window other(otherCtrl, "Another window");
    ::SetWindowPos(other.get(), nullptr, 20, 20, 300, 200, SWP_NOZORDER);
    ::ShowWindow(other.get(), SW_SHOWNOACTIVATE);
    HWND otherWin = other.get();
    const INT_PTR result = runDialog([otherWin](HWND dlg) {
        HWND box = ::GetDlgItem(dlg, IDC_TEST_EDIT);
        ASSERT_TRUE(RealInput::waitForFocus(box));
        EXPECT_TRUE(RealInput::bringToForeground(otherWin));
        EXPECT_FALSE(RealInput::hasKeyboard(box));
        EXPECT_TRUE(RealInput::bringToForeground(dlg));
        // The dialog gives the focus back to the control that had it.
        ASSERT_TRUE(RealInput::waitForFocus(box));
        RealInput::type("clicked");
        RealInput::pollUntil([box] { return Gui::windowText(box) == "clicked"; });
        RealInput::clickCentre(::GetDlgItem(dlg, IDCANCEL));
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(_dialog.text, "clicked");
}
