#pragma once
#include <string>

namespace Win
{
    // One row of a list view, owned by its data model.
    class ListViewItem
    {
    public:
        virtual ~ListViewItem() = default;
        virtual std::string getText(unsigned column, const std::string& title) const = 0;
    };

    // The columns of a report list view. Widths are in pixels at 96 dpi: the
    // list view shows them scaled to its own DPI.
    class ListViewLayoutModel
    {
    public:
        virtual ~ListViewLayoutModel() = default;
        virtual unsigned getColCount() const = 0;
        virtual std::string getColTitle(unsigned column) const = 0;
        virtual int getColWidth(unsigned /*column*/) const { return 35; }
        virtual void setColWidth(unsigned column, int width) = 0;
        // An LVCFMT value.
        virtual int getColFormat(unsigned /*column*/) const { return 0; }
    };

    // The rows of a report list view.
    class ListViewDataModel
    {
    public:
        virtual ~ListViewDataModel() = default;
        virtual unsigned getCount() const = 0;
        // The row stays valid until the next call; the caller never deletes it.
        virtual const ListViewItem& getItem(unsigned row) = 0;
    };
}
