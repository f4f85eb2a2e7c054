#include "WinLib/ListView.h"

#include "WinLib/ListViewModel.h"

#include <algorithm>
#include <commctrl.h>
#include <vector>

namespace
{
    // The control copies the text; the buffer only has to outlive the call.
    std::vector<char> textCopy(const std::string& text)
    {
        return std::vector<char>(text.c_str(), text.c_str() + text.size() + 1);
    }
}

Win::RedrawSuspender::RedrawSuspender(HWND h) : _h(h)
{
    ::SendMessageA(_h, WM_SETREDRAW, FALSE, 0);
}

Win::RedrawSuspender::~RedrawSuspender()
{
    ::SendMessageA(_h, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(_h, nullptr, TRUE);
}

Win::ListViewMaker::ListViewMaker(HWND parent, int id) : ChildMaker(WC_LISTVIEWA, parent, id)
{
    _style = WS_CHILD | WS_VISIBLE | LVS_REPORT;
    _exStyle = WS_EX_CLIENTEDGE;
}

void Win::ListView::Init(HWND h, int id)
{
    _h = h;
    _id = id;
    _dpi = Dpi::of(h);
}

void Win::ListView::RefreshColumns()
{
    RedrawSuspender noRedraw(_h);
    while (::SendMessageA(_h, LVM_DELETECOLUMN, 0, 0))
        ;
    const unsigned count = _layout.getColCount();
    for (unsigned i = 0; i < count; ++i)
    {
        std::vector<char> title = textCopy(_layout.getColTitle(i));
        LVCOLUMNA column{};
        column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.fmt = _layout.getColFormat(i);
        column.cx = _dpi.scale(_layout.getColWidth(i));
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(i);
        ::SendMessageA(_h, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
}

void Win::ListView::RefreshItems()
{
    // Row by row with redrawing on is three orders of magnitude slower.
    RedrawSuspender noRedraw(_h);
    ::SendMessageA(_h, LVM_DELETEALLITEMS, 0, 0);
    const unsigned rows = _data.getCount();
    ::SendMessageA(_h, LVM_SETITEMCOUNT, rows, 0);
    for (unsigned r = 0; r < rows; ++r)
    {
        const ListViewItem& row = _data.getItem(r);
        const unsigned columns = _layout.getColCount();
        std::vector<char> text = textCopy(row.getText(0, _layout.getColTitle(0)));
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.iSubItem = 0;
        item.pszText = text.data();
        const int index = static_cast<int>(::SendMessageA(_h, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        if (index < 0)
            continue;
        for (unsigned k = 1; k < columns; ++k)
        {
            std::vector<char> cell = textCopy(row.getText(k, _layout.getColTitle(k)));
            LVITEMA sub{};
            sub.iSubItem = static_cast<int>(k);
            sub.pszText = cell.data();
            ::SendMessageA(_h, LVM_SETITEMTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&sub));
        }
    }
}

void Win::ListView::SaveColumnWidths()
{
    // Only columns that both the control and the model have.
    const HWND header = reinterpret_cast<HWND>(::SendMessageA(_h, LVM_GETHEADER, 0, 0));
    const LRESULT shown = header ? ::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    const unsigned count = shown > 0 ? std::min(_layout.getColCount(), static_cast<unsigned>(shown)) : 0u;
    for (unsigned i = 0; i < count; ++i)
        SaveColumnWidth(i, static_cast<int>(::SendMessageA(_h, LVM_GETCOLUMNWIDTH, i, 0)));
}

void Win::ListView::SaveColumnWidth(unsigned column, int width)
{
    _layout.setColWidth(column, _dpi.unscale(width));
}

void Win::ListView::SetDpi(Dpi dpi)
{
    _dpi = dpi;
    _rescaling = true;
    const unsigned count = _layout.getColCount();
    for (unsigned i = 0; i < count; ++i)
        ::SendMessageA(_h, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(_dpi.scale(_layout.getColWidth(i)), 0));
    _rescaling = false;
}

void Win::ListView::SelectAll()
{
    RedrawSuspender noRedraw(_h);
    const int count = static_cast<int>(::SendMessageA(_h, LVM_GETITEMCOUNT, 0, 0));
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    for (int i = 0; i < count; ++i)
        ::SendMessageA(_h, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
}

std::vector<int> Win::ListView::SelectedRows() const
{
    std::vector<int> rows;
    int row = -1;
    while ((row = static_cast<int>(::SendMessageA(_h, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) != -1)
        rows.push_back(row);
    return rows;
}

void Win::ListView::SetFullRowSelect()
{
    ::SendMessageA(_h, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
}

int Win::ListView::FocusedRow() const
{
    return static_cast<int>(::SendMessageA(_h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

void Win::ListView::SelectOnly(int row)
{
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED;
    ::SendMessageA(_h, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
    LVITEMA chosen{};
    chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    chosen.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(_h, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&chosen));
    ::SendMessageA(_h, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

POINT Win::ListView::keyboardMenuPoint() const
{
    POINT at{0, 0};
    const int focused = FocusedRow();
    RECT label{};
    label.left = LVIR_LABEL;
    RECT client{};
    ::GetClientRect(_h, &client);
    RECT visible{};
    const bool shown = focused >= 0 &&
                       ::SendMessageA(_h, LVM_GETITEMRECT, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&label)) &&
                       ::IntersectRect(&visible, &label, &client);
    if (shown)
    {
        at.x = visible.left;
        at.y = (visible.top + visible.bottom) / 2;
    }
    ::ClientToScreen(_h, &at);
    return at;
}
