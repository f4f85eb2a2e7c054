#include "WinLib/Menu.h"

#include "WinLib/Accel.h"
#include "base/Exception.h"
#include "tests/WinLib/FakeCommands.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/AssertCatcher.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>

namespace
{
    const Menu::Item studyMenu[] = {
        {Menu::CMD, "&Presentation", "Study_Presentation", nullptr},
        {Menu::END, nullptr, nullptr, nullptr},
    };
    const Menu::Item listMenu[] = {
        {Menu::CMD, "&New...\tCtrl+N", "StudySet_New", nullptr},
        {Menu::SEPARATOR, nullptr, nullptr, nullptr},
        {Menu::SEPARATOR, nullptr, nullptr, nullptr},
        {Menu::POP, "S&tudy", nullptr, studyMenu},
        {Menu::CMD, "&Reset scores", "StudySet_ResetScores", nullptr},
        {Menu::END, nullptr, nullptr, nullptr},
    };
    const Menu::Item itemMenu[] = {
        {Menu::CMD, "&Add...\tIns", "Term_Add", nullptr},
        {Menu::END, nullptr, nullptr, nullptr},
    };
    const Menu::Item bar[] = {
        {Menu::POP, "&Study List", "Study List", listMenu},
        {Menu::POP, "&Item", "Item", itemMenu},
        {Menu::END, nullptr, nullptr, nullptr},
    };

    const std::vector<const char*> names = {"StudySet_New", "Study_Presentation", "StudySet_ResetScores", "Term_Add",
                                            "OpenRecent1"};

    class RecentPopup : public Menu::DynamicMaker
    {
    public:
        int refills = 0;
        void Refill(HMENU popup) override
        {
            ++refills;
            while (::GetMenuItemCount(popup) > 0)
                ::DeleteMenu(popup, 0, MF_BYPOSITION);
            ::AppendMenuA(popup, MF_STRING, 4, "C:\\docs\\a.qlx");
        }
    };

    class MenuTest : public ::testing::Test
    {
    protected:
        WinTest::FakeCommands commands{names};
        Menu::DropDown menus{bar, commands};

        HMENU popup(int pos) const { return ::GetSubMenu(menus.getHandle(), pos); }
    };

    std::vector<std::string> texts(HMENU menu)
    {
        std::vector<std::string> result;
        for (const auto& item : Gui::menuItems(menu))
            result.push_back(item.separator ? "-" : item.text);
        return result;
    }
}

TEST_F(MenuTest, BarHoldsThePopupsWithTheirItemsAndCommandIds)
{
    EXPECT_EQ(texts(menus.getHandle()), (std::vector<std::string>{"&Study List", "&Item"}));
    EXPECT_EQ(texts(popup(0)),
              (std::vector<std::string>{"&New...\tCtrl+N", "-", "-", "S&tudy", "&Reset scores"}));
    EXPECT_EQ(Gui::menuItem(popup(0), 0).id, 0u);
    EXPECT_EQ(Gui::menuItem(popup(0), 4).id, 2u);
    HMENU study = Gui::menuItem(popup(0), 3).popup;
    ASSERT_NE(study, nullptr);
    EXPECT_EQ(Gui::menuItem(study, 0).id, 1u);
}

TEST_F(MenuTest, DynamicPopupGoesBetweenTwoSeparatorsAndRefillsWhenItOpens)
{
    RecentPopup recent;
    menus.AddDynamic(recent, "Open Recent", 0, 2);
    EXPECT_EQ(recent.getHandle(), nullptr);
    EXPECT_EQ(texts(popup(0)),
              (std::vector<std::string>{"&New...\tCtrl+N", "-", "Open Recent", "-", "S&tudy", "&Reset scores"}));
    HMENU dynamic = Gui::menuItem(popup(0), 2).popup;
    menus.InitPopup(dynamic);
    menus.InitPopup(dynamic);
    EXPECT_EQ(recent.refills, 2);
    EXPECT_EQ(texts(dynamic), (std::vector<std::string>{"C:\\docs\\a.qlx"}));
    EXPECT_EQ(Gui::menuItem(popup(0), 2).popup, dynamic);
}

TEST_F(MenuTest, StatusTwoChecksAndStatusOneUnchecksAtTheNextOpening)
{
    commands.status["StudySet_New"] = 2;
    commands.status["StudySet_ResetScores"] = 0;
    menus.InitPopup(popup(0));
    EXPECT_TRUE(Gui::menuItem(popup(0), 0).checked);
    EXPECT_FALSE(Gui::menuItem(popup(0), 0).grayed);
    EXPECT_TRUE(Gui::menuItem(popup(0), 4).grayed);

    commands.status["StudySet_New"] = 1;
    commands.status["StudySet_ResetScores"] = 1;
    menus.InitPopup(popup(0));
    EXPECT_FALSE(Gui::menuItem(popup(0), 0).checked);
    EXPECT_FALSE(Gui::menuItem(popup(0), 4).grayed);
}

TEST_F(MenuTest, NestedPopupIsInitialisedWhenItOpensNotWithItsParent)
{
    HMENU study = Gui::menuItem(popup(0), 3).popup;
    commands.status["Study_Presentation"] = 0;
    menus.InitPopup(popup(0));
    EXPECT_FALSE(Gui::menuItem(study, 0).grayed);
    menus.InitPopup(study);
    EXPECT_TRUE(Gui::menuItem(study, 0).grayed);
}

TEST_F(MenuTest, IllegalStatusAndUnknownMenuAreInternalErrors)
{
    commands.status["StudySet_New"] = 3;
    EXPECT_EQ(TestSupport::failureMessage([&] { menus.InitPopup(popup(0)); }),
              "Internal error: Illegal command status");
    HMENU stranger = ::CreatePopupMenu();
    EXPECT_EQ(TestSupport::failureMessage([&] { menus.InitPopup(stranger); }),
              "Internal error: Unknown menu initialization");
    ::DestroyMenu(stranger);
}

TEST_F(MenuTest, WrongBarIndexIsAnAssertion)
{
    RecentPopup recent;
    EXPECT_ASSERTION(menus.AddDynamic(recent, "Open Recent", 2, 0), "menuIdx<_barItemCnt");
}

TEST(MenuBuild, TopLevelRowThatIsNoPopupIsAnAssertion)
{
    const Menu::Item wrong[] = {{Menu::CMD, "&New", "StudySet_New", nullptr}, {Menu::END, nullptr, nullptr, nullptr}};
    WinTest::FakeCommands commands(names);
    EXPECT_ASSERTION((Menu::DropDown{wrong, commands}), "_template[curMenu].kind==Menu::POP");
}

TEST(MenuBuild, AttachedBarBelongsToTheWindowAndOutlivesTheBuilder)
{
    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl);
    WinTest::FakeCommands commands(names);
    HMENU handle = nullptr;
    {
        Menu::DropDown menus(bar, commands);
        handle = menus.getHandle();
        menus.Attach(window.get());
        EXPECT_EQ(menus.getHandle(), nullptr);
        RecentPopup recent;
        EXPECT_ASSERTION(menus.AddDynamic(recent, "Open Recent", 0, 2), "_menu.getHandle()!=0");
    }
    EXPECT_EQ(::GetMenu(window.get()), handle);
    EXPECT_TRUE(::IsMenu(handle));
}

TEST(MenuBuild, UnattachedBarIsDestroyedWithItsBuilder)
{
    WinTest::FakeCommands commands(names);
    HMENU handle = nullptr;
    {
        Menu::DropDown menus(bar, commands);
        handle = menus.getHandle();
    }
    EXPECT_FALSE(::IsMenu(handle));
}

TEST(MenuMaker, PopupHandedToItsParentIsNoLongerOwnedByItsMaker)
{
    Menu::PopupMaker parent;
    Menu::PopupMaker child;
    HMENU childHandle = child.getHandle();
    child.AddItem(3, "&Three");
    parent.AddPopup(child, "&Child");
    EXPECT_EQ(child.getHandle(), nullptr);
    EXPECT_EQ(Gui::menuItem(parent.getHandle(), 0).popup, childHandle);
}

namespace
{
    std::vector<ACCEL> accelerators(const Accel::Table& table)
    {
        const int count = ::CopyAcceleratorTableA(table.getHandle(), nullptr, 0);
        std::vector<ACCEL> rows(static_cast<size_t>(count));
        ::CopyAcceleratorTableA(table.getHandle(), rows.data(), count);
        return rows;
    }
}

TEST(AcceleratorTable, RowsAreReadUpToTheFirstZeroKeyOrNullName)
{
    WinTest::FakeCommands commands(names);
    const Accel::Item zeroKey[] = {{0, VK_INSERT, "Term_Add"},
                                   {FCONTROL, 'N', "StudySet_New"},
                                   {0, 0, "StudySet_New"},
                                   {0, VK_F1, "Term_Add"}};
    const auto rows = accelerators(Accel::Table(zeroKey, commands));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].fVirt, FVIRTKEY);
    EXPECT_EQ(rows[0].key, VK_INSERT);
    EXPECT_EQ(Accel::commandOf(rows[0].cmd), 3);
    EXPECT_EQ(rows[1].fVirt, FVIRTKEY | FCONTROL);
    EXPECT_EQ(Accel::commandOf(rows[1].cmd), 0);

    const Accel::Item nullName[] = {{0, VK_INSERT, "Term_Add"}, {0, VK_F1, nullptr}, {0, VK_F2, "Term_Add"}};
    EXPECT_EQ(accelerators(Accel::Table(nullName, commands)).size(), 1u);
}
