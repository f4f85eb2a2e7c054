// Find, Find Next and Find Previous: the Find window and the keys, as a
// person uses them on a list longer than the window.
#include "tests/gui/MainWindowFixture.h"

#include "app/Finder.h"
#include "app/Messages.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Person.h"
#include "tests/support/gui/RealInput.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
    // The row lies wholly inside the list view's client area.
    bool rowIsShown(HWND lv, int row)
    {
        RECT bounds{};
        bounds.left = LVIR_BOUNDS;
        RECT client{};
        ::GetClientRect(lv, &client);
        return ::SendMessageA(lv, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&bounds)) &&
               bounds.top >= client.top && bounds.bottom <= client.bottom;
    }

    int focusedRow(HWND lv)
    {
        return static_cast<int>(::SendMessageA(lv, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    }

    // Where a find left the list: the selection, the focused row, and
    // whether that row is in sight.
    struct Place
    {
        std::vector<int> selection;
        int focused;
        bool shown;

        bool operator==(const Place& o) const
        {
            return selection == o.selection && focused == o.focused && shown == o.shown;
        }
    };

    void PrintTo(const Place& p, std::ostream* os)
    {
        *os << ::testing::PrintToString(p.selection) << " focused " << p.focused << (p.shown ? " shown" : " hidden");
    }

    Place at(int row) { return {{row}, row, true}; }
}

class Find : public MainWindowFixture
{
protected:
    // 300 items; three hold "needle" in another field and case each.
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        for (int i = 0; i < 300; ++i)
            addItem("term" + std::to_string(i), "def" + std::to_string(i));
        doc().getItem(40).setTerm("a Needle");
        doc().getItem(150).setDefText(0, "NEEDLEWORK");
        doc().getItem(260).setComment("needle");
        doc().getItem(200).setTerm("\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90");   // МОСКВА
        refreshAll();
    }

    Place place()
    {
        const int focused = focusedRow(listView());
        return {Gui::listViewSelection(listView()), focused, focused >= 0 && rowIsShown(listView(), focused)};
    }

    HWND findWindow() { return _ctrl->getFinder()->getWindow(); }
    HWND findBox() { return ::GetDlgItem(findWindow(), IDC_FIND_TEXT); }
};

TEST_F(Find, ByKeyboardFromTheListToEachMatchAndBack)
{
    std::vector<Place> places;
    std::vector<std::vector<unsigned>> docSelections;
    bool backInList = false;
    const auto after = [&](UINT vk, int modifiers, int row) {
        const Place before = place();
        RealInput::press(vk, modifiers);
        EXPECT_TRUE(RealInput::pollUntil([&] { return place() == at(row) && !(before == at(row)); }));
        places.push_back(place());
        docSelections.push_back(doc().getSelection());
    };
    // Ctrl+F, then the text typed over what the box holds: all of it is selected.
    const auto typeIntoFindWindow = [&](const std::string& text) {
        RealInput::press('F', Gui::Ctrl);
        ASSERT_TRUE(RealInput::pollUntil([&] { return findWindow() != nullptr; }));
        ASSERT_TRUE(RealInput::waitForFocus(findBox()));
        RealInput::type(text);
        ASSERT_TRUE(RealInput::pollUntil([&] { return Gui::windowText(findBox()) == text; }));
    };
    Gui::Person person([&] {
        ASSERT_TRUE(RealInput::bringToForeground(_win));
        ASSERT_TRUE(RealInput::waitForFocus(listView()));
        // On the last row, Ctrl+F, the text, Enter: the search goes round to the first match.
        RealInput::press(VK_END);
        ASSERT_TRUE(RealInput::pollUntil([&] { return focusedRow(listView()) == 299; }));
        typeIntoFindWindow("neEDLE");
        after(VK_RETURN, Gui::NoModifier, 40);
        // F3 and Shift+F3 in the Find window, round the end both ways.
        after(VK_F3, Gui::NoModifier, 150);
        after(VK_F3, Gui::NoModifier, 260);
        after(VK_F3, Gui::NoModifier, 40);
        after(VK_F3, Gui::Shift, 260);
        // Esc: back in the list, where F3 goes on with the last text.
        RealInput::press(VK_ESCAPE);
        backInList = RealInput::waitForFocus(listView());
        after(VK_F3, Gui::Shift, 150);
        after(VK_F3, Gui::NoModifier, 260);
        // Ctrl+F again: the window comes back with the last text. Any script
        // is typed and found, its case ignored.
        typeIntoFindWindow("\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA");   // моск
        after(VK_RETURN, Gui::NoModifier, 200);
        typeIntoFindWindow("def12");
        after(VK_RETURN, Gui::NoModifier, 12);
        RealInput::press(VK_ESCAPE);
        ASSERT_TRUE(RealInput::waitForFocus(listView()));
    });
    person.finish();

    EXPECT_TRUE(backInList);
    EXPECT_EQ(places,
              (std::vector<Place> {at(40), at(150), at(260), at(40), at(260), at(150), at(260), at(200), at(12)}));
    EXPECT_EQ(docSelections,
              (std::vector<std::vector<unsigned>> {{40}, {150}, {260}, {40}, {260}, {150}, {260}, {200}, {12}}));
    EXPECT_EQ(status(), "300 item(s), 1 selected");
    EXPECT_EQ(findWindow(), nullptr);
}

TEST_F(Find, NoMatchSaysSoAndLeavesTheSelectionAlone)
{
    selectRows({7});
    // F3 before any text opens the Find window.
    Gui::sendAccelCommand(_win, cmdId("Term_FindNext"));
    ASSERT_NE(findWindow(), nullptr);
    Gui::setText(findWindow(), IDC_FIND_TEXT, "nowhere");
    Gui::click(findWindow(), IDOK);
    Gui::pumpPending();
    EXPECT_EQ(status(), "Cannot find \"nowhere\"");
    EXPECT_EQ(Gui::listViewSelection(listView()), std::vector<int> {7});
    EXPECT_EQ(doc().getSelection(), std::vector<unsigned> {7});
    // The close box ends it as Esc does.
    Gui::closeBox(findWindow());
    Gui::pumpPending();
    EXPECT_EQ(findWindow(), nullptr);
}

TEST_F(Find, FindsWhatTheListShowsAfterAnEditAndASort)
{
    Gui::sendMenuCommand(_win, cmdId("Term_Find"));
    Gui::setText(findWindow(), IDC_FIND_TEXT, "zebra");
    Gui::click(findWindow(), IDOK);
    Gui::pumpPending();
    EXPECT_EQ(status(), "Cannot find \"zebra\"");
    // Changed as the item dialog changes it, which refreshes the rows.
    doc().getItem(9).setTerm("Zebra");
    ::SendMessageA(_win, UM_REFRESH_ITEMS, 0, 0);
    Gui::sendAccelCommand(_win, cmdId("Term_FindNext"));
    EXPECT_EQ(place(), at(9));
    // Sorted by the term: capital "Zebra" comes first.
    columnClick(1);
    ASSERT_EQ(Gui::listViewCell(listView(), 0, 1), "Zebra");
    Gui::sendAccelCommand(_win, cmdId("Term_FindPrevious"));
    EXPECT_EQ(place(), at(0));
}

TEST_F(Find, FindsNothingWhileADialogOfTheMainWindowIsOpen)
{
    Gui::sendMenuCommand(_win, cmdId("Term_Find"));
    Gui::setText(findWindow(), IDC_FIND_TEXT, "needle");
    selectRows({7});
    // As a modal dialog owned by the main window does: the item it edits stays selected.
    ::EnableWindow(_win, FALSE);
    Gui::click(findWindow(), IDOK);
    Gui::pumpPending();
    ::EnableWindow(_win, TRUE);
    EXPECT_EQ(doc().getSelection(), std::vector<unsigned> {7});
    ::SendMessageA(_win, UM_FIND, FIND_CLOSE, 0);
    EXPECT_EQ(findWindow(), nullptr);
}
