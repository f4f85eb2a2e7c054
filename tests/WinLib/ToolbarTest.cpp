#include "WinLib/Toolbar.h"

#include "tests/WinLib/FakeCommands.h"
#include "tests/WinLib/TestIds.h"
#include "tests/WinLib/TestWindow.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Screenshot.h"

#include <commctrl.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace
{
    using B = Win::ToolbarButton;

    // Counts the system image lists the toolbar is asked to add.
    int systemLists = 0;
    int resourcePictures = 0;
    std::set<UINT_PTR> systemListIds;
    WNDPROC toolbarProc = nullptr;
    LRESULT CALLBACK countingProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == TB_ADDBITMAP)
        {
            const auto* bmp = reinterpret_cast<const TBADDBITMAP*>(lParam);
            (bmp->hInst == HINST_COMMCTRL ? systemLists : resourcePictures)++;
            if (bmp->hInst == HINST_COMMCTRL)
                systemListIds.insert(bmp->nID);
        }
        return ::CallWindowProcA(toolbarProc, h, msg, wParam, lParam);
    }

    // Which pixels of an image are drawn (not see-through), row by row.
    std::vector<std::vector<bool>> drawnPixels(HIMAGELIST list, int index)
    {
        int width = 0;
        int height = 0;
        ::ImageList_GetIconSize(list, &width, &height);
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP mask = ::CreateBitmap(width, height, 1, 1, nullptr);
        HGDIOBJ previous = ::SelectObject(dc, mask);
        ::PatBlt(dc, 0, 0, width, height, WHITENESS);
        ::ImageList_Draw(list, index, dc, 0, 0, ILD_MASK);
        std::vector<std::vector<bool>> drawn(static_cast<size_t>(height), std::vector<bool>(static_cast<size_t>(width)));
        for (int y = 0; y < height; ++y)
        {
            for (int x = 0; x < width; ++x)
                drawn[static_cast<size_t>(y)][static_cast<size_t>(x)] = ::GetPixel(dc, x, y) == RGB(0, 0, 0);
        }
        ::SelectObject(dc, previous);
        ::DeleteObject(mask);
        ::DeleteDC(dc);
        return drawn;
    }

    const std::vector<const char*> names = {"StudySet_New", "StudySet_Open", "Term_Add", "Term_Edit", "View_List"};

    class ToolbarTest : public ::testing::Test
    {
    protected:
        Win::Toolbar& make(const B* buttons, int dpi = Win::Dpi::Standard)
        {
            toolbar = std::make_unique<Win::Toolbar>(window.get(), 3, buttons, commands);
            if (dpi != Win::Dpi::Standard)
                toolbar->Recreate(Win::Dpi(dpi));
            systemLists = resourcePictures = 0;
            systemListIds.clear();
            toolbarProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                toolbar->getHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc)));
            toolbar->SetFlat();
            toolbar->SetToolTips();
            toolbar->AddButtons();
            return *toolbar;
        }
        HWND tb() const { return toolbar->getHandle(); }
        HIMAGELIST images() const
        {
            return reinterpret_cast<HIMAGELIST>(::SendMessageA(tb(), TB_GETIMAGELIST, 0, 0));
        }

        WinTest::RecordingController ctrl;
        WinTest::Window window{ctrl};
        WinTest::FakeCommands commands{names};
        std::unique_ptr<Win::Toolbar> toolbar;
    };

    const B both[] = {
        {B::PUSH, B::STD_IMAGES, STD_FILENEW, "New", "StudySet_New"},
        {B::PUSH, B::STD_IMAGES, STD_FILEOPEN, "Open", "StudySet_Open"},
        {B::SEPARATOR, 0, 6, nullptr, nullptr},
        {B::CHECK, B::VIEW_IMAGES, VIEW_LIST, "List", "View_List"},
        {B::PUSH, B::RESOURCE, IDB_TEST_PICTURE, "Add", "Term_Add"},
        {B::END, 0, 0, nullptr, nullptr},
    };
    const B ownOnly[] = {
        {B::PUSH, B::RESOURCE, IDB_TEST_PICTURE, "Add", "Term_Add"},
        {B::SEPARATOR, 0, 9, nullptr, nullptr},
        {B::PUSH, B::RESOURCE, IDB_TEST_PICTURE2, "Edit", "Term_Edit"},
        {B::END, 0, 0, nullptr, nullptr},
    };
}

TEST_F(ToolbarTest, EachSystemImageListIsLoadedOnce)
{
    make(both);
    EXPECT_EQ(systemLists, 2);
    EXPECT_EQ(resourcePictures, 1);
    EXPECT_EQ(Gui::toolbarButtonCount(tb()), 5);
}

TEST_F(ToolbarTest, TemplateWithoutSystemImagesLoadsNoSystemList)
{
    make(ownOnly);
    EXPECT_EQ(systemLists, 0);
    EXPECT_EQ(resourcePictures, 2);
    EXPECT_EQ(Gui::toolbarButton(tb(), 0).bitmap, 0);
    EXPECT_EQ(Gui::toolbarButton(tb(), 2).bitmap, 1);
}

TEST_F(ToolbarTest, SeparatorImageFieldIsItsWidth)
{
    make(ownOnly);
    const auto separator = Gui::toolbarButton(tb(), 1);
    EXPECT_EQ(separator.style & TBSTYLE_SEP, TBSTYLE_SEP);
    EXPECT_EQ(separator.bitmap, 9);
}

TEST_F(ToolbarTest, ButtonsCarryTheirCommandIdsStylesAndSystemImageIndexes)
{
    make(both);
    const auto open = Gui::toolbarButton(tb(), 1);
    EXPECT_EQ(open.id, 1);
    EXPECT_EQ(open.bitmap - Gui::toolbarButton(tb(), 0).bitmap, STD_FILEOPEN - STD_FILENEW);
    EXPECT_EQ(Gui::toolbarButton(tb(), 3).id, 4);
    EXPECT_EQ(Gui::toolbarButton(tb(), 3).style & TBSTYLE_CHECK, TBSTYLE_CHECK);
    EXPECT_EQ(Gui::toolbarButton(tb(), 4).id, 2);
    const auto style = ::SendMessageA(tb(), TB_GETSTYLE, 0, 0);
    EXPECT_TRUE(style & TBSTYLE_FLAT);
    EXPECT_TRUE(style & TBSTYLE_TOOLTIPS);
}

TEST_F(ToolbarTest, StatesFollowTheCommandTests)
{
    make(both);
    commands.status["StudySet_New"] = 0;
    commands.status["View_List"] = 2;
    toolbar->UpdateButtons();
    EXPECT_EQ(Gui::toolbarState(tb(), 0), TBSTATE_INDETERMINATE);
    EXPECT_EQ(Gui::toolbarState(tb(), 1), TBSTATE_ENABLED);
    EXPECT_EQ(Gui::toolbarState(tb(), 4), TBSTATE_CHECKED);
    commands.status["StudySet_New"] = 1;
    toolbar->UpdateButtons();
    EXPECT_EQ(Gui::toolbarState(tb(), 0), TBSTATE_ENABLED);
}

TEST_F(ToolbarTest, ClickOnAnEnabledButtonSendsItsCommandToTheParent)
{
    make(both);
    ::ShowWindow(window.get(), SW_SHOW);
    toolbar->AutoSize();
    Gui::clickToolbarButton(tb(), 1);
    EXPECT_TRUE(Gui::pumpUntil([&] { return ctrl.received("control 1 0"); }, 3000));
    EXPECT_GT(toolbar->getHeight(), 0);

    commands.status["StudySet_New"] = 0;
    toolbar->UpdateButtons();
    Gui::clickToolbarButton(tb(), 0);
    Gui::pumpPending();
    EXPECT_FALSE(ctrl.received("control 0 0"));
}

TEST_F(ToolbarTest, ProgramPicturesEachGetTheirOwnImage)
{
    static const B program[] = {
        {B::PUSH, B::STD_IMAGES, STD_FILENEW, "New", "StudySet_New"},
        {B::SEPARATOR, 0, 6, nullptr, nullptr},
        {B::PUSH, B::RESOURCE, IDB_TB_ADD, "Add", "Term_Add"},
        {B::PUSH, B::RESOURCE, IDB_TB_EDIT, "Edit", "Term_Edit"},
        {B::PUSH, B::RESOURCE, IDB_TB_REMOVE, "Remove", "StudySet_Open"},
        {B::PUSH, B::RESOURCE, IDB_TB_HELP, "Help", "View_List"},
        {B::END, 0, 0, nullptr, nullptr},
    };
    make(program);
    std::set<int> images;
    for (int i = 2; i < 6; ++i)
        images.insert(Gui::toolbarButton(tb(), i).bitmap);
    EXPECT_EQ(images.size(), 4u);
    EXPECT_EQ(images.count(Gui::toolbarButton(tb(), 0).bitmap), 0u);
    // QUILLORY_SHOTS=1 leaves a picture of the toolbar for a look at the buttons.
    if (std::getenv("QUILLORY_SHOTS") != nullptr)
    {
        ::ShowWindow(window.get(), SW_SHOW);
        toolbar->AutoSize();
        EXPECT_TRUE(Gui::saveScreenshot(window.get(), "toolbar.png"));
    }
}

namespace
{
    struct ImagesAt
    {
        int dpi;
        int size;
        UINT_PTR standardList;
    };

    void PrintTo(const ImagesAt& at, std::ostream* os)
    {
        *os << at.dpi << " dpi";
    }

    const B programRows[] = {
        {B::PUSH, B::STD_IMAGES, STD_FILENEW, "New", "StudySet_New"},
        {B::PUSH, B::RESOURCE, IDB_TB_ADD, "Add", "Term_Add"},
        {B::PUSH, B::RESOURCE, IDB_TB_REMOVE, "Remove", "Term_Edit"},
        {B::CHECK, B::VIEW_IMAGES, VIEW_LIST, "List", "View_List"},
        {B::END, 0, 0, nullptr, nullptr},
    };

    class ToolbarAtDpi : public ToolbarTest, public ::testing::WithParamInterface<ImagesAt>
    {
    };
}

TEST_P(ToolbarAtDpi, ImagesHaveTheSizeOfTheDpiAndEachButtonItsOwn)
{
    make(programRows, GetParam().dpi);
    EXPECT_EQ(toolbar->getImageSize(), GetParam().size);
    int width = 0;
    int height = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(images(), &width, &height));
    EXPECT_EQ(width, GetParam().size);
    EXPECT_EQ(systemListIds.count(GetParam().standardList), 1u);
    EXPECT_EQ(systemLists, 2);

    // The standard and the view images, then the two pictures.
    const int count = ::ImageList_GetImageCount(images());
    EXPECT_EQ(Gui::toolbarButton(tb(), 0).bitmap, STD_FILENEW);
    EXPECT_EQ(Gui::toolbarButton(tb(), 1).bitmap, count - 2);
    EXPECT_EQ(Gui::toolbarButton(tb(), 2).bitmap, count - 1);
    EXPECT_GE(Gui::toolbarButton(tb(), 3).bitmap, 14 + VIEW_LIST);
    EXPECT_LT(Gui::toolbarButton(tb(), 3).bitmap, count - 2);
    const LRESULT button = ::SendMessageA(tb(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GT(LOWORD(button), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Dpis, ToolbarAtDpi,
                         ::testing::Values(ImagesAt{96, 16, IDB_STD_SMALL_COLOR}, ImagesAt{120, 24, IDB_STD_LARGE_COLOR},
                                           ImagesAt{144, 24, IDB_STD_LARGE_COLOR},
                                           ImagesAt{192, 32, IDB_STD_LARGE_COLOR}));

TEST_F(ToolbarTest, SystemImagesStandWholeInTheMiddleOfLargerPictures)
{
    make(programRows, 144);
    const auto at24 = drawnPixels(images(), STD_FILENEW);
    make(programRows, 192);
    const auto at32 = drawnPixels(images(), STD_FILENEW);
    ASSERT_EQ(at24.size(), 24u);
    ASSERT_EQ(at32.size(), 32u);
    // The system's 24-pixel image, 4 pixels in from every edge of 32.
    int differences = 0;
    for (size_t y = 0; y < 32; ++y)
    {
        for (size_t x = 0; x < 32; ++x)
        {
            const bool inside = x >= 4 && x < 28 && y >= 4 && y < 28;
            differences += at32[y][x] != (inside && at24[y - 4][x - 4]);
        }
    }
    EXPECT_EQ(differences, 0);
}
