#pragma once
#include <windows.h>
#include "WinLib/Dpi.h"
#include "WinLib/Maker.h"

#include <vector>

namespace Win
{
    class ListViewLayoutModel;
    class ListViewDataModel;

    // A report list view rebuilt in full from its column and row models.
    class ListView
    {
    public:
        ListView(ListViewLayoutModel& layout, ListViewDataModel& data) : _layout(layout), _data(data) {}
        // Takes the created control; its columns follow the control's DPI.
        void Init(HWND h, int id);
        HWND getHandle() const { return _h; }
        int getId() const { return _id; }

        void RefreshColumns();
        void RefreshItems();
        void SaveColumnWidths();
        // One column's width (in the control's pixels) that the control has
        // not applied yet.
        void SaveColumnWidth(unsigned column, int width);
        // Shows the columns at another DPI, each the width the column model
        // keeps for it; rows and selection stay.
        void SetDpi(Dpi dpi);
        Dpi getDpi() const { return _dpi; }
        // While SetDpi applies the widths, the control reports each change:
        // those reports carry no width the user chose.
        bool isRescaling() const { return _rescaling; }
        void SelectAll();
        // The selected rows, in ascending order.
        std::vector<int> SelectedRows() const;
        void SetFullRowSelect();
        // The row with the focus rectangle; -1 when none has it.
        int FocusedRow() const;
        // Makes `row` the only selected row, gives it the focus rectangle and
        // scrolls it into view.
        void SelectOnly(int row);
        // Where a context menu opened from the keyboard belongs, in screen
        // coordinates: on the focused row, or at the top-left corner when no
        // row has the focus or the focused row is scrolled out of sight.
        POINT keyboardMenuPoint() const;

    private:
        HWND _h = nullptr;
        int _id = 0;
        ListViewLayoutModel& _layout;
        ListViewDataModel& _data;
        Dpi _dpi;
        bool _rescaling = false;
    };

    // "SysListView32", WS_CHILD | WS_VISIBLE | LVS_REPORT, WS_EX_CLIENTEDGE.
    class ListViewMaker : public ChildMaker
    {
    public:
        ListViewMaker(HWND parent, int id);
    };

    // Suspends a window's redrawing for a bulk change and repaints it once after.
    class RedrawSuspender
    {
    public:
        explicit RedrawSuspender(HWND h);
        ~RedrawSuspender();
        RedrawSuspender(const RedrawSuspender&) = delete;
        RedrawSuspender& operator=(const RedrawSuspender&) = delete;

    private:
        HWND _h;
    };
}
