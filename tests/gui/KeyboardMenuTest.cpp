// The list view's context menu opened from the keyboard (Shift+F10 or the
// Menu key), as a person does it: a click on a row, then the key.
#include "tests/gui/MainWindowFixture.h"

#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

namespace
{
    // The popup menu window the system shows (class "#32768").
    HWND shownPopupMenu()
    {
        const HWND menu = ::FindWindowA("#32768", nullptr);
        return menu != nullptr && ::IsWindowVisible(menu) ? menu : nullptr;
    }

    bool contains(const RECT& r, POINT p)
    {
        return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
    }
}

class KeyboardMenu : public MainWindowFixture, public ::testing::WithParamInterface<UINT>
{
protected:
    // Presses the menu key with the focus in the list view; returns where the
    // shown menu's top-left corner was and which menu it showed.
    HMENU pressMenuKey(RECT& menuRect)
    {
        HMENU shown = nullptr;
        HWND menu = nullptr;
        RealInput::press(GetParam(), GetParam() == VK_F10 ? Gui::Shift : Gui::NoModifier);
        EXPECT_TRUE(RealInput::pollUntil([&] { return (menu = shownPopupMenu()) != nullptr; }));
        if (menu == nullptr)
            return nullptr;
        ::GetWindowRect(menu, &menuRect);
        shown = reinterpret_cast<HMENU>(::SendMessageA(menu, MN_GETHMENU, 0, 0));
        RealInput::press(VK_ESCAPE);
        EXPECT_TRUE(RealInput::pollUntil([] { return shownPopupMenu() == nullptr; }));
        return shown;
    }

    HMENU itemMenu() { return ::GetSubMenu(::GetMenu(_win), 2); }
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyboardMenu, ::testing::Values(UINT(VK_F10), UINT(VK_APPS)),
                         [](const ::testing::TestParamInfo<UINT>& key) {
                             return key.param == VK_F10 ? "ShiftF10" : "MenuKey";
                         });

TEST_P(KeyboardMenu, OnARowOpensTheItemMenuThere)
{
    addItems(5);
    const RECT row = Gui::listViewRowScreenRect(listView(), 2);
    RECT list{};
    ::GetWindowRect(listView(), &list);
    RECT menuRect{};
    HMENU shown = nullptr;
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        RealInput::clickAt({row.left + 30, (row.top + row.bottom) / 2});
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::listViewSelection(listView()) == std::vector<int>{2}; }));
        ASSERT_TRUE(RealInput::waitForFocus(listView()));
        shown = pressMenuKey(menuRect);
    });
    person.finish();

    EXPECT_EQ(shown, itemMenu());
    const POINT corner{menuRect.left, menuRect.top};
    EXPECT_TRUE(contains(list, corner)) << "menu at " << corner.x << "," << corner.y;
    EXPECT_TRUE(contains(row, corner)) << "row " << row.top << ".." << row.bottom << ", menu at " << corner.y;
    // Remove and Edit are on: the row is selected.
    EXPECT_FALSE(::GetMenuState(itemMenu(), cmdId("Term_Remove"), MF_BYCOMMAND) & MF_GRAYED);
}

TEST_P(KeyboardMenu, WithoutRowsOpensAtTheListsTopLeftCorner)
{
    RECT list{};
    ::GetWindowRect(listView(), &list);
    RECT menuRect{};
    HMENU shown = nullptr;
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        // The main window gives the list view the keyboard.
        ASSERT_TRUE(RealInput::waitForFocus(listView()));
        shown = pressMenuKey(menuRect);
    });
    person.finish();

    EXPECT_EQ(shown, itemMenu());
    POINT corner{0, 0};
    ::ClientToScreen(listView(), &corner);
    EXPECT_EQ(menuRect.left, corner.x);
    EXPECT_EQ(menuRect.top, corner.y);
    EXPECT_TRUE(::GetMenuState(itemMenu(), cmdId("Term_Remove"), MF_BYCOMMAND) & MF_GRAYED);
}
