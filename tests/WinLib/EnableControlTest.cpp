#include "WinLib/EnableControl.h"

#include "WinLib/Button.h"
#include "WinLib/Edit.h"
#include "tests/WinLib/TestIds.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>

namespace
{
    INT_PTR CALLBACK plainDialog(HWND, UINT msg, WPARAM, LPARAM)
    {
        return msg == WM_INITDIALOG ? TRUE : FALSE;
    }

    // The test dialog, modeless; its tab order is the name box, "Fail", OK, Cancel.
    class EnableControlTest : public ::testing::Test
    {
    protected:
        EnableControlTest()
            : dlg(::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TEST_DIALOG), nullptr,
                                       &plainDialog, 0))
        {
            ::ShowWindow(dlg, SW_SHOW);
            Gui::pumpPending();
        }
        ~EnableControlTest() override { ::DestroyWindow(dlg); }

        HWND item(int id) const { return ::GetDlgItem(dlg, id); }

        HWND dlg;
    };
}

TEST_F(EnableControlTest, DisablingTheFocusedControlMovesTheFocusToTheNextOne)
{
    ::SetFocus(item(IDC_TEST_FAIL));
    Win::Button fail(item(IDC_TEST_FAIL));
    fail.Enable(false);
    EXPECT_FALSE(fail.isEnabled());
    EXPECT_EQ(::GetFocus(), item(IDOK));
    fail.Enable(true);
    EXPECT_TRUE(fail.isEnabled());
    EXPECT_EQ(::GetFocus(), item(IDOK));
}

TEST_F(EnableControlTest, DisablingAnotherControlLeavesTheFocusWhereItIs)
{
    ::SetFocus(item(IDC_TEST_FAIL));
    Win::Edit(item(IDC_TEST_EDIT)).Enable(false);
    EXPECT_EQ(::GetFocus(), item(IDC_TEST_FAIL));
    EXPECT_FALSE(::IsWindowEnabled(item(IDC_TEST_EDIT)));
}

TEST_F(EnableControlTest, TheFocusSkipsControlsThatAreDisabledAlready)
{
    Win::enableControl(item(IDOK), false);
    ::SetFocus(item(IDC_TEST_FAIL));
    Win::enableControl(item(IDC_TEST_FAIL), false);
    EXPECT_EQ(::GetFocus(), item(IDCANCEL));
}
