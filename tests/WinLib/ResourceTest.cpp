// The program's dialogs as the resource script builds them.
#include "WinLib/Dialog.h"
#include "WinLib/Toolbar.h"
#include "res/resource.h"
#include "res/strings.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Screenshot.h"

#include <commctrl.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

namespace
{
    class Passive : public Dialog::ModalController
    {
    };

    struct Control
    {
        int id;
        const char* className;
        const char* text;
    };

    struct DialogLayout
    {
        int id;
        const char* title;
        int width;
        int height;
        bool systemMenu;
        std::vector<Control> controls;
    };

    void PrintTo(const DialogLayout& layout, std::ostream* os)
    {
        *os << "dialog " << layout.id;
    }

    const DialogLayout dialogs[] = {
        {IDD_SESSION_ITEMS, "Study Session", 156, 75, true,
         {{IDC_SELECTED_ITEMS, "Button", "Use only selected items for this session"},
          {IDC_ALL_ITEMS, "Button", "Use all items for this session"},
          {IDOK, "Button", "OK"},
          {IDCANCEL, "Button", "Cancel"}}},
        {IDD_SETTINGS, "Study Settings", 301, 145, true,
         {{IDC_FROM, "ComboBox", ""},
          {IDC_TO, "ComboBox", ""},
          {IDC_CHOICES_EDIT, "Edit", ""},
          {IDC_CHOICES_SPIN, "msctls_updown32", ""},
          {IDC_TIMEOUT_CHECK, "Button", "Questions time out in"},
          {IDC_TIMEOUT_EDIT, "Edit", ""},
          {IDC_TIMEOUT_SPIN, "msctls_updown32", ""},
          {IDC_SHUFFLE, "Button", "Shuffle questions"},
          {IDC_CONTINUOUS, "Button", "Continuous session"},
          {IDC_CASE_SENSITIVE, "Button", "Case-sensitive questions"},
          {IDOK, "Button", "OK"},
          {IDCANCEL, "Button", "Cancel"},
          {IDC_HELP_BUTTON, "Button", "Help"}}},
        {IDD_ABOUT, "About Quillory", 0, 0, true,
         {{IDC_VERSION, "Static", "Quillory version: "},
          {IDC_MAKER, "Static", QUILLORY_MAKER_LINE},
          {IDC_WEB_ADDRESS, "Static", QUILLORY_WEB_ADDRESS},
          {IDC_SUPPORT_ADDRESS, "Static", "Support && Feedback: " QUILLORY_SUPPORT_MAIL},
          {IDC_EMAIL_SUPPORT, "Button", "E-mail Support"},
          {IDC_VISIT_WEB, "Button", "Visit Web Site"},
          {IDOK, "Button", "OK"}}},
        {IDD_OUTLINE, "Customize StudySet", 248, 151, true,
         {{IDC_ITEM_TYPE, "Edit", ""},
          {IDC_FIELD_LIST, "ListBox", ""},
          {IDC_MOVE_UP, "Button", "Move &up"},
          {IDC_MOVE_DOWN, "Button", "Move dow&n"},
          {IDC_REMOVE_FIELD, "Button", "&Remove"},
          {IDC_NEW_FIELD, "Edit", ""},
          {IDC_ADD_FIELD, "Button", "&Add"},
          {IDOK, "Button", "OK"},
          {IDCANCEL, "Button", "Cancel"},
          {IDC_HELP_BUTTON, "Button", "Help"}}},
        {IDD_TERM_EDIT, "Edit Term", 335, 134, true,
         {{IDC_TERM_LABEL, "Static", "Term:"},
          {IDC_TERM, "Edit", ""},
          {IDC_COMMENT, "Edit", ""},
          {IDC_DEF_LABEL, "Static", "Type the definition below:"},
          {IDC_DEF_FIELDS, "ComboBox", ""},
          {IDC_DEF_TEXT, "Edit", ""},
          {IDC_PREV_FIELD, "Button", "<Pre&vious"},
          {IDC_NEXT_FIELD, "Button", "&Next>"},
          {IDOK, "Button", "OK"},
          {IDCANCEL, "Button", "Cancel"},
          {IDC_HELP_BUTTON, "Button", "Help"}}},
        {IDD_SESSION, "Study Session", 90, 55, false,
         {{IDC_STOP, "Button", "&Stop"},
          {IDC_NEXT, "Button", "&Next >"},
          {IDC_ITEM_NUMBER, "Static", "999"},
          {IDC_ITEM_TOTAL, "Static", ""},
          {IDC_SECONDS, "Static", "999"}}},
    };

    class ProgramDialog : public ::testing::TestWithParam<DialogLayout>
    {
    protected:
        void SetUp() override
        {
            dlg = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(GetParam().id), owner.get(),
                                       &Dialog::Procedure, reinterpret_cast<LPARAM>(&ctrl));
            ASSERT_NE(dlg, nullptr);
        }
        void TearDown() override
        {
            if (dlg != nullptr)
                ::DestroyWindow(dlg);
        }

        WinTest::RecordingController ownerCtrl;
        WinTest::Window owner{ownerCtrl};
        Passive ctrl;
        HWND dlg = nullptr;
    };
}

TEST_P(ProgramDialog, HasItsTitleSizeAndControls)
{
    const DialogLayout& layout = GetParam();
    EXPECT_EQ(Gui::caption(dlg), layout.title);
    const LONG style = ::GetWindowLongA(dlg, GWL_STYLE);
    EXPECT_EQ((style & WS_SYSMENU) != 0, layout.systemMenu);
    if (layout.width != 0)
    {
        RECT units{0, 0, layout.width, layout.height};
        ::MapDialogRect(dlg, &units);
        RECT client{};
        ::GetClientRect(dlg, &client);
        EXPECT_EQ(client.right, units.right);
        EXPECT_EQ(client.bottom, units.bottom);
    }
    for (const Control& control : layout.controls)
    {
        HWND h = ::GetDlgItem(dlg, control.id);
        ASSERT_NE(h, nullptr) << "control " << control.id;
        EXPECT_EQ(Gui::className(h), control.className) << "control " << control.id;
        EXPECT_EQ(Gui::windowText(h), control.text) << "control " << control.id;
    }
    // QUILLORY_SHOTS=1 leaves a picture of every dialog for a look at the layout.
    if (std::getenv("QUILLORY_SHOTS") != nullptr)
    {
        ::ShowWindow(dlg, SW_SHOW);
        EXPECT_TRUE(Gui::saveScreenshot(dlg, "dialog-" + std::to_string(layout.id) + ".png"));
    }
}

INSTANTIATE_TEST_SUITE_P(Resources, ProgramDialog, ::testing::ValuesIn(dialogs));

TEST(ProgramDialogStyles, ProgressDialogIsVisibleWithoutSystemMenuAndTheComboBoxesAreLists)
{
    WinTest::RecordingController ownerCtrl;
    WinTest::Window owner(ownerCtrl);
    Passive ctrl;
    HWND session = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SESSION), owner.get(),
                                        &Dialog::Procedure, reinterpret_cast<LPARAM>(&ctrl));
    EXPECT_TRUE(::IsWindowVisible(session));
    EXPECT_TRUE(::GetWindowLongA(session, GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(session, IDC_STOP), GWL_STYLE) & BS_DEFPUSHBUTTON);
    ::DestroyWindow(session);

    HWND settings = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), owner.get(),
                                         &Dialog::Procedure, reinterpret_cast<LPARAM>(&ctrl));
    const LONG combo = ::GetWindowLongA(::GetDlgItem(settings, IDC_FROM), GWL_STYLE);
    EXPECT_EQ(combo & 3, CBS_DROPDOWNLIST);
    EXPECT_FALSE(combo & CBS_SORT);
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(settings, IDC_TIMEOUT_EDIT), GWL_STYLE) & ES_NUMBER);
    // The spin control took the edit box before it as its buddy.
    EXPECT_EQ(reinterpret_cast<HWND>(::SendMessageA(::GetDlgItem(settings, IDC_TIMEOUT_SPIN), UDM_GETBUDDY, 0, 0)),
              ::GetDlgItem(settings, IDC_TIMEOUT_EDIT));
    ::DestroyWindow(settings);

    HWND outline = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_OUTLINE), owner.get(),
                                        &Dialog::Procedure, reinterpret_cast<LPARAM>(&ctrl));
    const LONG fields = ::GetWindowLongA(::GetDlgItem(outline, IDC_FIELD_LIST), GWL_STYLE);
    EXPECT_TRUE(fields & LBS_NOTIFY);
    EXPECT_FALSE(fields & LBS_SORT);
    ::DestroyWindow(outline);
}

TEST(ProgramResources, IconAndToolbarPicturesLoad)
{
    HINSTANCE self = ::GetModuleHandleA(nullptr);
    HICON icon = static_cast<HICON>(::LoadImageA(self, MAKEINTRESOURCEA(IDI_QUILLORY), IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(icon, nullptr);
    ::DestroyIcon(icon);
    for (int id : {IDB_TB_HELP, IDB_TB_ADD, IDB_TB_EDIT, IDB_TB_REMOVE})
    {
        HBITMAP bitmap = ::LoadBitmapA(self, MAKEINTRESOURCEA(id));
        ASSERT_NE(bitmap, nullptr) << id;
        BITMAP info{};
        ::GetObjectA(bitmap, sizeof(info), &info);
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 16);
        ::DeleteObject(bitmap);
    }
}

TEST(ProgramResources, ToolbarPicturesComeAtSixteenTwentyFourAndThirtyTwoPixels)
{
    HINSTANCE self = ::GetModuleHandleA(nullptr);
    const int pictures[][3] = {{IDB_TB_HELP, IDB_TB_HELP_24, IDB_TB_HELP_32},
                               {IDB_TB_ADD, IDB_TB_ADD_24, IDB_TB_ADD_32},
                               {IDB_TB_EDIT, IDB_TB_EDIT_24, IDB_TB_EDIT_32},
                               {IDB_TB_REMOVE, IDB_TB_REMOVE_24, IDB_TB_REMOVE_32}};
    for (const auto& ids : pictures)
    {
        // Where the toolbar looks for the larger ones.
        EXPECT_EQ(ids[1], ids[0] + Win::ToolbarButton::LargerPictureStep);
        EXPECT_EQ(ids[2], ids[0] + 2 * Win::ToolbarButton::LargerPictureStep);
        for (int i = 0; i < 3; ++i)
        {
            HBITMAP bitmap = ::LoadBitmapA(self, MAKEINTRESOURCEA(ids[i]));
            ASSERT_NE(bitmap, nullptr) << ids[i];
            BITMAP info{};
            ::GetObjectA(bitmap, sizeof(info), &info);
            EXPECT_EQ(info.bmWidth, 16 + 8 * i) << ids[i];
            EXPECT_EQ(info.bmHeight, 16 + 8 * i) << ids[i];
            ::DeleteObject(bitmap);
        }
    }
}

TEST(ProgramResources, IconHoldsAnImageDrawnForEachScale)
{
    HINSTANCE self = ::GetModuleHandleA(nullptr);
    const HRSRC group = ::FindResourceA(self, MAKEINTRESOURCEA(IDI_QUILLORY), MAKEINTRESOURCEA(14));
    ASSERT_NE(group, nullptr);
    auto* directory = static_cast<BYTE*>(::LockResource(::LoadResource(self, group)));
    for (const int size : {16, 20, 24, 32, 40, 48, 64, 256})
    {
        // The image the system picks for this size must be one of exactly that size.
        const int imageId = ::LookupIconIdFromDirectoryEx(directory, TRUE, size, size, LR_DEFAULTCOLOR);
        const HRSRC image = ::FindResourceA(self, MAKEINTRESOURCEA(imageId), MAKEINTRESOURCEA(3));
        ASSERT_NE(image, nullptr) << size;
        const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(self, image)));
        const bool png = std::memcmp(bytes, "\x89PNG", 4) == 0;
        // A PNG's width stands big-endian in its header; a bitmap's in its BITMAPINFOHEADER.
        const int width = png ? bytes[16] << 24 | bytes[17] << 16 | bytes[18] << 8 | bytes[19]
                              : reinterpret_cast<const BITMAPINFOHEADER*>(bytes)->biWidth;
        EXPECT_EQ(width, size);

        HICON icon = static_cast<HICON>(::LoadImageA(self, MAKEINTRESOURCEA(IDI_QUILLORY), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        ::DestroyIcon(icon);
    }
}

TEST(ProgramResources, VersionIsOnePointOne)
{
    char path[MAX_PATH + 1] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path, 0, size, data.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010001u);
    char* product = nullptr;
    ASSERT_TRUE(::VerQueryValueA(data.data(), "\\StringFileInfo\\040904b0\\ProductVersion",
                                 reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "1.1");
}
