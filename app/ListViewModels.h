#pragma once
#include "WinLib/ListViewModel.h"
#include "app/Sorter.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class Outline;
class Quillory;
class TermSet;

// The list view's columns: "#", the item type, one per definition field, then
// "Comment", "Times Asked", "Correct Answers" and "Ratio".
class StudyListOutlineModel : public Win::ListViewLayoutModel
{
public:
    explicit StudyListOutlineModel(const Outline& outline);

    unsigned getColumnsCount() const;
    unsigned getColCount() const override { return getColumnsCount(); }
    std::string getColTitle(unsigned colIdx) const override;
    int getColWidth(unsigned colIdx) const override;
    void setColWidth(unsigned colIdx, int width) override;

    // Forgets the widths of fields, so that only the current ones are stored again.
    void clearDefWidths() { _defWidths.clear(); }
    Sorter getSorter(unsigned colIdx) const;

    static constexpr unsigned DefaultDefWidth = 130;

private:
    enum class Kind { FIXED, DEF, TRAILING };
    // Which kind of column colIdx is and its index within that kind.
    Kind kindOf(unsigned colIdx, unsigned& subIdx) const;

    const Outline& _outline;
    std::vector<unsigned> _fixedWidths;
    std::map<std::string, unsigned> _defWidths;
    std::vector<unsigned> _trailingWidths;
};

// The list view's rows: one per item of the document.
class StudyListDataModel : public Win::ListViewDataModel
{
public:
    class StudyItem : public Win::ListViewItem
    {
    public:
        StudyItem(const TermSet& item, const Outline& outline) : _item(item), _outline(outline) {}
        std::string getText(unsigned colIdx, const std::string& title) const override;

    private:
        const TermSet& _item;
        const Outline& _outline;
    };

    explicit StudyListDataModel(const Quillory& doc);

    unsigned getItemsCount() const;
    unsigned getCount() const override { return getItemsCount(); }
    const Win::ListViewItem& getItem(unsigned idx) override;

private:
    const Quillory& _doc;
    std::unique_ptr<StudyItem> _row;
};

// A number as the list view shows it; "ERROR" if it cannot be formatted.
std::string numberText(int value);
