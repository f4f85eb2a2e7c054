#include "WinLib/ListView.h"

#include "WinLib/ListViewModel.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <map>

namespace
{
    class Columns : public Win::ListViewLayoutModel
    {
    public:
        std::vector<std::string> titles;
        std::map<unsigned, int> savedWidths;
        unsigned getColCount() const override { return static_cast<unsigned>(titles.size()); }
        std::string getColTitle(unsigned column) const override { return titles.at(column); }
        int getColWidth(unsigned column) const override
        {
            const auto saved = savedWidths.find(column);
            return saved != savedWidths.end() ? saved->second : 40 + 10 * static_cast<int>(column);
        }
        void setColWidth(unsigned column, int width) override { savedWidths[column] = width; }
        int getColFormat(unsigned column) const override { return column == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT; }
    };

    class Row : public Win::ListViewItem
    {
    public:
        unsigned index = 0;
        mutable std::vector<std::string> asked;
        std::string getText(unsigned column, const std::string& title) const override
        {
            asked.push_back(title);
            return title + std::to_string(index) + "." + std::to_string(column);
        }
    };

    class Rows : public Win::ListViewDataModel
    {
    public:
        unsigned count = 0;
        Row row;
        unsigned getCount() const override { return count; }
        const Win::ListViewItem& getItem(unsigned index) override
        {
            row.index = index;
            return row;
        }
    };

    // Counts the messages that reach the list view control.
    std::map<UINT, int>* counted = nullptr;
    WNDPROC listProc = nullptr;
    LRESULT CALLBACK countingProc(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (counted != nullptr)
            ++(*counted)[msg];
        return ::CallWindowProcA(listProc, h, msg, wParam, lParam);
    }

    class SelectionCounter : public WinTest::RecordingController
    {
    public:
        int selected = 0;
        bool OnNotify(NMHDR& hdr) override
        {
            if (static_cast<int>(hdr.code) == static_cast<int>(LVN_ITEMCHANGED))
            {
                const auto& change = reinterpret_cast<NMLISTVIEW&>(hdr);
                if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
                    ++selected;
            }
            return false;
        }
    };

    class ListViewTest : public ::testing::Test
    {
    protected:
        ListViewTest()
        {
            columns.titles = {"Term", "Definition", "Comment"};
            Win::ListViewMaker maker(window.get(), 2);
            maker._width = 380;
            maker._height = 250;
            HWND h = maker.Create("");
            listView.Init(h, 2);
            listProc = reinterpret_cast<WNDPROC>(
                ::SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&countingProc)));
            counted = &messages;
            ::ShowWindow(window.get(), SW_SHOW);
        }
        ~ListViewTest() override { counted = nullptr; }

        HWND lv() const { return listView.getHandle(); }

        SelectionCounter ctrl;
        WinTest::Window window{ctrl};
        Columns columns;
        Rows rows;
        Win::ListView listView{columns, rows};
        std::map<UINT, int> messages;
    };
}

TEST_F(ListViewTest, ColumnsComeFromTheModelWithWidthsAndFormats)
{
    listView.RefreshColumns();
    EXPECT_EQ(Gui::listViewColumns(lv()), columns.titles);
    EXPECT_EQ(Gui::listViewColumnWidths(lv()), (std::vector<int>{40, 50, 60}));
    LVCOLUMNA column{};
    column.mask = LVCF_FMT;
    ::SendMessageA(lv(), LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
}

TEST_F(ListViewTest, RefreshingColumnsRemovesTheOldOnes)
{
    listView.RefreshColumns();
    columns.titles = {"Word", "Meaning"};
    listView.RefreshColumns();
    EXPECT_EQ(Gui::listViewColumns(lv()), columns.titles);
}

TEST_F(ListViewTest, RowsHoldTheModelsTextsUnderEachColumnTitle)
{
    listView.RefreshColumns();
    rows.count = 2;
    listView.RefreshItems();
    EXPECT_EQ(Gui::listViewRows(lv()),
              (std::vector<std::vector<std::string>>{{"Term0.0", "Definition0.1", "Comment0.2"},
                                                     {"Term1.0", "Definition1.1", "Comment1.2"}}));
    rows.count = 1;
    listView.RefreshItems();
    EXPECT_EQ(Gui::listViewRowCount(lv()), 1);
}

TEST_F(ListViewTest, EmptyRowModelLeavesTheColumns)
{
    listView.RefreshColumns();
    rows.count = 3;
    listView.RefreshItems();
    rows.count = 0;
    listView.RefreshItems();
    EXPECT_EQ(Gui::listViewRowCount(lv()), 0);
    EXPECT_EQ(Gui::listViewColumns(lv()), columns.titles);
}

TEST_F(ListViewTest, OneColumnModelInsertsRowsWithoutSubItems)
{
    columns.titles = {"Term"};
    listView.RefreshColumns();
    rows.count = 4;
    listView.RefreshItems();
    EXPECT_EQ(Gui::listViewRowCount(lv()), 4);
    EXPECT_EQ(Gui::listViewCell(lv(), 3, 0), "Term3.0");
    EXPECT_EQ(messages[LVM_SETITEMTEXTA], 0);
    EXPECT_EQ(rows.row.asked.size(), 4u);
}

TEST_F(ListViewTest, BulkChangesSuspendRedrawingAndRepaintOnce)
{
    listView.RefreshColumns();
    rows.count = 50;
    messages.clear();
    listView.RefreshItems();
    EXPECT_EQ(messages[WM_SETREDRAW], 2);
    EXPECT_EQ(messages[LVM_INSERTITEMA], 50);
    // Redrawing is on again afterwards.
    EXPECT_TRUE(::IsWindowVisible(lv()));
    EXPECT_TRUE(::GetUpdateRect(lv(), nullptr, FALSE));
}

TEST_F(ListViewTest, SaveColumnWidthsCopiesTheCurrentWidthsIntoTheModel)
{
    listView.RefreshColumns();
    ::SendMessageA(lv(), LVM_SETCOLUMNWIDTH, 1, 123);
    listView.SaveColumnWidths();
    EXPECT_EQ(columns.savedWidths, (std::map<unsigned, int>{{0, 40}, {1, 123}, {2, 60}}));
}

TEST_F(ListViewTest, ColumnsShowTheModelsWidthsAtTheControlsDpiAndKeepThemAtNinetySix)
{
    listView.RefreshColumns();
    rows.count = 3;
    listView.RefreshItems();
    Gui::listViewSelect(lv(), {1});

    listView.SetDpi(Win::Dpi(144));
    EXPECT_EQ(Gui::listViewColumnWidths(lv()), (std::vector<int>{60, 75, 90}));
    // Widths the user leaves at 144 dpi, kept as the same lengths at 96 dpi.
    ::SendMessageA(lv(), LVM_SETCOLUMNWIDTH, 1, 120);
    ::SendMessageA(lv(), LVM_SETCOLUMNWIDTH, 2, 101);
    listView.SaveColumnWidths();
    EXPECT_EQ(columns.savedWidths, (std::map<unsigned, int>{{0, 40}, {1, 80}, {2, 67}}));
    listView.SaveColumnWidth(0, 30);
    EXPECT_EQ(columns.savedWidths[0], 20);

    listView.SetDpi(Win::Dpi(192));
    EXPECT_EQ(Gui::listViewColumnWidths(lv()), (std::vector<int>{40, 160, 134}));
    listView.SetDpi(Win::Dpi(144));
    EXPECT_EQ(Gui::listViewColumnWidths(lv()), (std::vector<int>{30, 120, 101}));
    listView.RefreshColumns();
    EXPECT_EQ(Gui::listViewColumnWidths(lv()), (std::vector<int>{30, 120, 101}));
    EXPECT_EQ(Gui::listViewRowCount(lv()), 3);
    EXPECT_EQ(Gui::listViewSelection(lv()), (std::vector<int>{1}));
}

TEST_F(ListViewTest, SelectAllSelectsEveryRowAndNotifiesTheParent)
{
    listView.RefreshColumns();
    rows.count = 5;
    listView.RefreshItems();
    listView.SelectAll();
    EXPECT_EQ(Gui::listViewSelection(lv()), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(ctrl.selected, 5);
}

TEST_F(ListViewTest, FullRowSelectIsAnExtendedStyle)
{
    listView.SetFullRowSelect();
    const auto style = ::SendMessageA(lv(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(style & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(::GetWindowLongA(lv(), GWL_STYLE) & LVS_REPORT);
    EXPECT_TRUE(::GetWindowLongA(lv(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

namespace
{
    POINT screenPointOf(HWND h, int x, int y)
    {
        POINT at{x, y};
        ::ClientToScreen(h, &at);
        return at;
    }

    void focusRow(HWND lv, int row)
    {
        LVITEMA item{};
        item.stateMask = LVIS_FOCUSED;
        item.state = LVIS_FOCUSED;
        ::SendMessageA(lv, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
}

TEST_F(ListViewTest, KeyboardMenuOpensOnTheFocusedRowOrAtTheTopLeftCorner)
{
    listView.RefreshColumns();
    rows.count = 200;
    listView.RefreshItems();
    const POINT corner = screenPointOf(lv(), 0, 0);
    EXPECT_EQ(listView.keyboardMenuPoint().x, corner.x);
    EXPECT_EQ(listView.keyboardMenuPoint().y, corner.y);

    focusRow(lv(), 3);
    const RECT row = Gui::listViewRowScreenRect(lv(), 3);
    const POINT at = listView.keyboardMenuPoint();
    EXPECT_GE(at.x, row.left);
    EXPECT_LT(at.x, row.right);
    EXPECT_GE(at.y, row.top);
    EXPECT_LT(at.y, row.bottom);

    // A focused row scrolled out of sight gives the corner again.
    ::SendMessageA(lv(), LVM_SCROLL, 0, 2000);
    EXPECT_LT(Gui::listViewRowScreenRect(lv(), 3).bottom, corner.y);
    EXPECT_EQ(listView.keyboardMenuPoint().x, corner.x);
    EXPECT_EQ(listView.keyboardMenuPoint().y, corner.y);
}
