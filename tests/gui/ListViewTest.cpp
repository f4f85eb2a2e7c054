#include "tests/gui/MainWindowFixture.h"

#include "app/Messages.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <string>
#include <vector>

namespace
{
    class ListViewSorting : public MainWindowFixture
    {
    protected:
        void SetUp() override
        {
            MainWindowFixture::SetUp();
            addItem("pear", "Birne", 2, 1);
            addItem("Zebra", "Zebra", 4, 4);
            addItem("apple", "Apfel", 3, 0);
            refreshAll();
        }
    };

    HWND headerOf(HWND lv)
    {
        return reinterpret_cast<HWND>(::SendMessageA(lv, LVM_GETHEADER, 0, 0));
    }

    RECT headerItemRect(HWND header, int column)
    {
        RECT r = {};
        ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&r));
        return r;
    }

    // Drags the divider right of `column` with the mouse until the column is `width` wide.
    void dragColumnWidth(HWND lv, int column, int width)
    {
        HWND header = headerOf(lv);
        const RECT r = headerItemRect(header, column);
        const int y = (r.top + r.bottom) / 2;
        ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right - 1, y));
        ::SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.left + width - 1, y));
        ::SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(r.left + width - 1, y));
        Gui::pumpPending();
    }

    void clickHeader(HWND lv, int column)
    {
        HWND header = headerOf(lv);
        const RECT r = headerItemRect(header, column);
        const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        ::SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::SendMessageA(header, WM_LBUTTONUP, 0, at);
        Gui::pumpPending();
    }
}

TEST_F(ListViewSorting, ShowsEveryColumnOfEveryItem)
{
    EXPECT_EQ(Gui::listViewRows(listView()),
              (std::vector<std::vector<std::string>>{{"1", "pear", "Birne", "", "2", "1", "50 %"},
                                                     {"2", "Zebra", "Zebra", "", "4", "4", "100 %"},
                                                     {"3", "apple", "Apfel", "", "3", "0", "0 %"}}));
}

TEST_F(ListViewSorting, ClickOnTheItemTypeSortsCapitalsFirstThenDescending)
{
    columnClick(1);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"Zebra", "apple", "pear"}));
    columnClick(1);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"pear", "apple", "Zebra"}));
    columnClick(1);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"Zebra", "apple", "pear"}));
}

TEST_F(ListViewSorting, NumberColumnRestoresCreationOrder)
{
    columnClick(4);
    columnClick(6);
    columnClick(6);
    EXPECT_EQ(columnTexts(6), (std::vector<std::string>{"100 %", "50 %", "0 %"}));
    columnClick(0);
    EXPECT_EQ(columnTexts(0), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"pear", "Zebra", "apple"}));
}

TEST_F(ListViewSorting, ColumnOfEqualTextsReversesTheList)
{
    columnClick(3);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"apple", "Zebra", "pear"}));
    columnClick(3);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"pear", "Zebra", "apple"}));
}

TEST_F(ListViewSorting, SortingClearsTheSelectionAndKeepsTheListSaved)
{
    doc().setPath("C:\\x.qlx");
    selectRows({0, 1});
    EXPECT_EQ(status(), "3 item(s), 2 selected");
    const bool savedBefore = doc().isSaved();
    columnClick(2);
    EXPECT_EQ(status(), "3 item(s), 0 selected");
    EXPECT_FALSE(doc().hasSelection());
    EXPECT_TRUE(Gui::listViewSelection(listView()).empty());
    EXPECT_EQ(doc().isSaved(), savedBefore);
    EXPECT_EQ(Gui::toolbarState(toolbar(), cmdId("Term_Edit")) & TBSTATE_INDETERMINATE, TBSTATE_INDETERMINATE);
}

// A list view may report a change of every row as one notification for row -1
// (Windows' own does so for select all and deselect all).
TEST_F(ListViewSorting, ChangeReportedForAllRowsAtOnceTakesTheSelectionFromTheList)
{
    selectRows({0, 2});
    // What the rows' own notifications would have told is not known yet.
    doc().clearSelection();
    NMLISTVIEW change = {};
    change.hdr.code = LVN_ITEMCHANGED;
    change.iItem = -1;
    change.uChanged = LVIF_STATE;
    change.uNewState = LVIS_SELECTED;
    notifyFromListView(change);
    EXPECT_EQ(doc().getSelection(), (std::vector<unsigned>{0, 2}));
    EXPECT_EQ(status(), "3 item(s), 2 selected");

    Gui::listViewSelect(listView(), {});
    doc().select(1);
    change.uNewState = 0;
    change.uOldState = LVIS_SELECTED;
    notifyFromListView(change);
    EXPECT_FALSE(doc().hasSelection());
    EXPECT_EQ(status(), "3 item(s), 0 selected");
}

TEST_F(ListViewSorting, ClickOnTheColumnHeaderSorts)
{
    clickHeader(listView(), 2);
    EXPECT_EQ(columnTexts(2), (std::vector<std::string>{"Apfel", "Birne", "Zebra"}));
    clickHeader(listView(), 2);
    EXPECT_EQ(columnTexts(2), (std::vector<std::string>{"Zebra", "Birne", "Apfel"}));
}

TEST_F(ListViewSorting, DoubleClickWithoutSelectionDoesNothing)
{
    Gui::Answerer answers(1000);
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = listView();
    click.hdr.idFrom = 2;
    click.hdr.code = NM_DBLCLK;
    click.iItem = -1;
    EXPECT_EQ(::SendMessageA(_win, WM_NOTIFY, 2, reinterpret_cast<LPARAM>(&click)), 0);
    Gui::pumpPending();
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(doc().getItemCount(), 3u);
}

using ColumnWidths = MainWindowFixture;

TEST_F(ColumnWidths, ResizedFieldKeepsItsWidthWhenAFieldIsAdded)
{
    dragColumnWidth(listView(), 2, 200);
    dragColumnWidth(listView(), 4, 60);
    ASSERT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 200, 116, 60, 90, 38}));

    Outline outline = doc().getOutline();
    outline.addDef("Example");
    doc().setOutline(outline);
    refreshAll();
    EXPECT_EQ(Gui::listViewColumns(listView()),
              (std::vector<std::string>{"#", "Term", "Definition", "Example", "Comment", "Times Asked",
                                        "Correct Answers", "Ratio"}));
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 200, 130, 116, 60, 90, 38}));
}

TEST_F(ColumnWidths, ReplacedFieldStartsAtTheDefaultWidth)
{
    dragColumnWidth(listView(), 2, 200);

    Outline outline = doc().getOutline();
    outline.removeDef(0);
    outline.addDef("Translation");
    doc().setOutline(outline);
    refreshAll();
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 130, 116, 75, 90, 38}));

    // The dropped field's width is forgotten once any column is resized.
    dragColumnWidth(listView(), 3, 100);
    outline.removeDef(0);
    outline.addDef("Definition");
    doc().setOutline(outline);
    refreshAll();
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 130, 100, 75, 90, 38}));
}

TEST_F(ColumnWidths, WidthsTheUserSetFollowAMoveToAMonitorOfAnotherDpi)
{
    addItems(3);
    selectRows({1});
    dragColumnWidth(listView(), 2, 200);
    RECT place{};
    ::GetWindowRect(_win, &place);

    changeDpi(_win, 192, place);
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{38, 240, 400, 232, 150, 180, 76}));
    // Widened at 192 dpi, kept as half that at 96.
    dragColumnWidth(listView(), 3, 300);
    changeDpi(_win, 96, place);
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 200, 150, 75, 90, 38}));
    EXPECT_EQ(Gui::listViewRowCount(listView()), 3);
    EXPECT_EQ(Gui::listViewSelection(listView()), (std::vector<int>{1}));
    EXPECT_EQ(status(), "3 item(s), 1 selected");
}
