#include "WinLib/Button.h"
#include "WinLib/Canvas.h"
#include "WinLib/ComboBox.h"
#include "WinLib/Edit.h"
#include "base/Exception.h"
#include "WinLib/ResString.h"
#include "WinLib/StatusBar.h"
#include "WinLib/UpDown.h"
#include "WinLib/ListBox.h"
#include "res/strings.h"
#include "tests/WinLib/TestIds.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/AssertCatcher.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace
{
    class ControlsTest : public ::testing::Test
    {
    protected:
        HWND child(const char* cls, DWORD style = 0)
        {
            return ::CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 100, window.get(), nullptr,
                                     ::GetModuleHandleA(nullptr), nullptr);
        }

        WinTest::RecordingController ctrl;
        WinTest::Window window{ctrl};
    };

    HINSTANCE self()
    {
        return ::GetModuleHandleA(nullptr);
    }
}

TEST_F(ControlsTest, EmptyEditGivesEmptyText)
{
    Win::Edit edit(child("EDIT"));
    EXPECT_EQ(edit.GetText(), "");
    EXPECT_EQ(Win::getWindowText(edit.getHandle()), "");
    edit.SetText("Photosynthesis");
    EXPECT_EQ(edit.GetText(), "Photosynthesis");
    edit.Clear();
    EXPECT_EQ(edit.GetText(), "");
}

TEST_F(ControlsTest, LongEditTextIsReadWhole)
{
    Win::Edit edit(child("EDIT", ES_AUTOHSCROLL));
    const std::string text(5000, 'w');
    edit.SetText(text);
    EXPECT_EQ(edit.GetText(), text);
    EXPECT_EQ(Win::getWindowText(edit.getHandle()), text);
}

TEST_F(ControlsTest, ListBoxKeepsInsertionOrderAndGuardsItsIndexes)
{
    Win::ListBox list(child("LISTBOX", LBS_NOTIFY));
    list.AddString("F1");
    list.AddString("F3");
    list.InsertString(1, "F2");
    EXPECT_EQ(list.getCount(), 3);
    EXPECT_EQ(list.getText(1), "F2");
    EXPECT_FALSE(list.isSelection());
    EXPECT_ASSERTION(list.getSelection(), "isSelection()");
    EXPECT_ASSERTION(list.getText(3), "idx<getCount()");
    list.SetSelection(2);
    EXPECT_EQ(list.getSelection(), 2);
    list.DeleteString(0);
    EXPECT_EQ(list.getText(0), "F2");
}

TEST_F(ControlsTest, ComboBoxSelectionAndReset)
{
    Win::ComboBox combo(child("COMBOBOX", CBS_DROPDOWNLIST));
    EXPECT_EQ(combo.AddString("Term"), 0);
    EXPECT_EQ(combo.AddString("Definition"), 1);
    EXPECT_EQ(combo.getSelection(), CB_ERR);
    combo.SetSelection(1);
    EXPECT_EQ(combo.getSelection(), 1);
    combo.Reset();
    EXPECT_EQ(combo.getSelection(), CB_ERR);
}

TEST_F(ControlsTest, CheckBoxStateIsReadAndSet)
{
    Win::Button box(child("BUTTON", BS_AUTOCHECKBOX));
    EXPECT_FALSE(box.isChecked());
    box.SetCheck(true);
    EXPECT_TRUE(box.isChecked());
    EXPECT_EQ(::SendMessageA(box.getHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    box.SetCheck(false);
    EXPECT_FALSE(box.isChecked());
}

TEST_F(ControlsTest, UpDownGivesItsPositionOnlyWhileTheBuddyHoldsANumberInRange)
{
    Win::Edit buddy(child("EDIT", ES_NUMBER));
    Win::UpDown spin(child(UPDOWN_CLASSA, UDS_SETBUDDYINT | UDS_ARROWKEYS));
    ::SendMessageA(spin.getHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy.getHandle()), 0);
    spin.SetRange(2, 6);
    spin.SetPos(3);
    EXPECT_EQ(buddy.GetText(), "3");
    int pos = 0;
    EXPECT_TRUE(spin.getValidPos(pos));
    EXPECT_EQ(pos, 3);

    buddy.SetText("5");
    EXPECT_TRUE(spin.getValidPos(pos));
    EXPECT_EQ(pos, 5);
    for (const char* typed : {"", "abc", "9", "1"})
    {
        buddy.SetText(typed);
        pos = -7;
        EXPECT_FALSE(spin.getValidPos(pos)) << "buddy \"" << typed << "\"";
        EXPECT_EQ(pos, -7);
    }
}

TEST_F(ControlsTest, WindowCanvasMeasuresTextAndGivesItsContextBack)
{
    HDC dc = nullptr;
    {
        const Win::WindowCanvas canvas(window.get());
        dc = canvas.getDC();
        ASSERT_NE(dc, nullptr);
        int width = 0, height = 0;
        canvas.getTextMetrics(width, height);
        EXPECT_GT(height, 0);
    }
    // Released already: a second release fails.
    EXPECT_EQ(::ReleaseDC(window.get(), dc), 0);
}

TEST_F(ControlsTest, StatusBarMeasuresItsHeightAndShowsText)
{
    Win::StatusBar status;
    status.Create(Win::StatusBarMaker(window.get(), 1));
    status.MeasureHeight();
    EXPECT_GT(status.getHeight(), 0);
    EXPECT_EQ(::GetDlgCtrlID(status.getHandle()), 1);
    status.SetText("3 item(s), 1 selected");
    EXPECT_EQ(Gui::windowText(status.getHandle()), "3 item(s), 1 selected");
}

TEST(ResString, ProgramStringLoads)
{
    EXPECT_STREQ(Win::ResString(self(), IDS_STATUS_FORMAT).c_str(), STR_STATUS_FORMAT);
    EXPECT_EQ(Win::ResString(self(), IDS_FROM_TO_DIFFERENT).str(), "\"From\" and \"To\" must specify different fields.");
}

TEST(ResString, MissingStringThrows)
{
    try
    {
        Win::ResString missing(self(), 4321);
        ADD_FAILURE() << "no exception";
    }
    catch (const Win::Exception& e)
    {
        EXPECT_EQ(e.getMessage(), "Unable to load string resource");
    }
}

TEST(ResString, LongStringIsCutAt255Characters)
{
    const std::string text = Win::ResString(self(), IDS_TEST_LONG).str();
    EXPECT_EQ(text.size(), 255u);
    EXPECT_EQ(text.substr(0, 8), "000-001-");
}

TEST(Canvas, BrushIsSelectedForTheHoldersLifetime)
{
    HDC dc = ::CreateCompatibleDC(nullptr);
    Win::Canvas canvas(dc);
    const HGDIOBJ before = ::GetCurrentObject(dc, OBJ_BRUSH);
    {
        Win::Brush grey(RGB(200, 200, 200));
        Win::BrushHolder hold(canvas, grey);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), grey.getHandle());
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), before);
    ::DeleteDC(dc);
}

TEST(Canvas, DrawsRectanglesWithTheSelectedBrush)
{
    HDC screen = ::GetDC(nullptr);
    HDC dc = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 20, 20);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    Win::Canvas canvas(dc);
    Win::Brush red(RGB(255, 0, 0));
    {
        Win::BrushHolder hold(canvas, red);
        canvas.rectangle(0, 0, 20, 20);
    }
    canvas.line(0, 10, 20, 10);
    EXPECT_EQ(::GetPixel(dc, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 5, 10), RGB(0, 0, 0));
    int width = 0, height = 0;
    canvas.getTextMetrics(width, height);
    EXPECT_GT(width, 0);
    EXPECT_GT(height, 0);
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
}

TEST(WindowClass, RegisteringTwiceIsAnInternalError)
{
    Win::ClassMaker maker("WinLib Twice", self());
    maker.SetIcons(3000);
    EXPECT_NE(maker.getClass().hIcon, nullptr);
    EXPECT_NE(maker.getClass().hIconSm, nullptr);
    EXPECT_EQ(maker.getClass().hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    maker.Register();
    try
    {
        maker.Register();
        ADD_FAILURE() << "no exception";
    }
    catch (const Win::Exception& e)
    {
        EXPECT_EQ(e.getMessage(), "Internal error: RegisterClassEx failed");
        EXPECT_EQ(e.getError(), static_cast<std::uint32_t>(ERROR_CLASS_ALREADY_EXISTS));
    }
}

TEST(WindowMaker, FailedCreationIsAnInternalError)
{
    Win::Maker maker("No Such Class", self());
    try
    {
        maker.Create("x");
        ADD_FAILURE() << "no exception";
    }
    catch (const Win::Exception& e)
    {
        EXPECT_EQ(e.getMessage(), "Internal error: CreateWindowEx failed.");
        EXPECT_NE(e.getError(), 0u);
    }
}

TEST(WindowMaker, ChildAndPopupMakersTakeTheirParents)
{
    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl);
    Win::ChildMaker childMaker("STATIC", window.get(), 17);
    HWND child = childMaker.Create("label");
    EXPECT_EQ(::GetParent(child), window.get());
    EXPECT_EQ(::GetDlgCtrlID(child), 17);
    EXPECT_TRUE(::GetWindowLongA(child, GWL_STYLE) & WS_CHILD);

    WinTest::RecordingController popupCtrl;
    Win::PopupWindowMaker popupMaker(WinTest::windowClassName(), window.get());
    popupMaker._style |= WS_DLGFRAME;
    HWND popup = popupMaker.Create(popupCtrl, "session");
    EXPECT_EQ(Gui::ownerOf(popup), window.get());
    EXPECT_EQ(popupCtrl.windowAtCreate, popup);
    EXPECT_TRUE(::GetWindowLongA(popup, GWL_STYLE) & WS_POPUP);
    ::DestroyWindow(popup);
}
