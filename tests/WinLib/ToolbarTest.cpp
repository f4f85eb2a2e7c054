#include "WinLib/toolbar.h"

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

namespace
{
    using B = Win::ToolbarButton;

    // Counts the system image lists the toolbar is asked to add.
    int systemLists = 0;
    int resourcePictures = 0;
    WNDPROC toolbarProc = nullptr;
    LRESULT CALLBACK countingProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == TB_ADDBITMAP)
        {
            const auto* bmp = reinterpret_cast<const TBADDBITMAP*>(lParam);
            (bmp->hInst == HINST_COMMCTRL ? systemLists : resourcePictures)++;
        }
        return ::CallWindowProcA(toolbarProc, h, msg, wParam, lParam);
    }

    const std::vector<const char*> names = {"StudySet_New", "StudySet_Open", "Term_Add", "Term_Edit", "View_List"};

    class ToolbarTest : public ::testing::Test
    {
    protected:
        Win::Toolbar& make(const B* buttons)
        {
            toolbar = std::make_unique<Win::Toolbar>(window.get(), 3, buttons, commands);
            systemLists = resourcePictures = 0;
            toolbarProc = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                toolbar->getHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc)));
            toolbar->SetFlat();
            toolbar->SetToolTips();
            toolbar->AddButtons();
            return *toolbar;
        }
        HWND tb() const { return toolbar->getHandle(); }

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
