// Times the list view's bulk operations on a visible report view; prints figures only.
#include "WinLib/ListView.h"
#include "WinLib/ListViewModel.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/gui/Harness.h"

#include <chrono>
#include <cstdio>
#include <functional>

namespace
{
    class Columns : public Win::ListViewLayoutModel
    {
    public:
        unsigned getColCount() const override { return 7; }
        std::string getColTitle(unsigned column) const override { return "Column " + std::to_string(column); }
        void setColWidth(unsigned, int) override {}
    };

    class Row : public Win::ListViewItem
    {
    public:
        unsigned index = 0;
        std::string getText(unsigned column, const std::string&) const override
        {
            return "item " + std::to_string(index) + " field " + std::to_string(column);
        }
    };

    class Rows : public Win::ListViewDataModel
    {
    public:
        unsigned count = 10000;
        Row row;
        unsigned getCount() const override { return count; }
        const Win::ListViewItem& getItem(unsigned index) override
        {
            row.index = index;
            return row;
        }
    };

    double seconds(const std::function<void()>& work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        Gui::pumpPending();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
}

int main()
{
    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl, "List view benchmark");
    ::ShowWindow(window.get(), SW_SHOW);
    Win::ListViewMaker maker(window.get(), 2);
    maker._width = 380;
    maker._height = 250;
    Columns columns;
    Rows rows;
    Win::ListView listView(columns, rows);
    listView.Init(maker.Create(""), 2);
    Gui::pumpPending();

    std::printf("RefreshColumns (7 columns):        %.3f s\n", seconds([&] { listView.RefreshColumns(); }));
    std::printf("RefreshItems (10000 rows x 7):     %.3f s\n", seconds([&] { listView.RefreshItems(); }));
    std::printf("RefreshItems again (10000 rows):   %.3f s\n", seconds([&] { listView.RefreshItems(); }));
    std::printf("SelectAll (10000 rows):            %.3f s\n", seconds([&] { listView.SelectAll(); }));
    return 0;
}
