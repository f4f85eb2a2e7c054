#include <gtest/gtest.h>

#include "app/ListViewModels.h"
#include "model/Quillory.h"
#include "tests/support/AssertCatcher.h"

#include <string>
#include <vector>

namespace
{
    std::vector<std::string> titles(const StudyListOutlineModel& model)
    {
        std::vector<std::string> result;
        for (unsigned i = 0; i < model.getColCount(); ++i)
            result.push_back(model.getColTitle(i));
        return result;
    }

    std::vector<int> widths(const StudyListOutlineModel& model)
    {
        std::vector<int> result;
        for (unsigned i = 0; i < model.getColCount(); ++i)
            result.push_back(model.getColWidth(i));
        return result;
    }

    std::vector<std::string> cells(StudyListDataModel& rows, const StudyListOutlineModel& columns, unsigned row)
    {
        const Win::ListViewItem& item = rows.getItem(row);
        std::vector<std::string> result;
        for (unsigned i = 0; i < columns.getColCount(); ++i)
            result.push_back(item.getText(i, columns.getColTitle(i)));
        return result;
    }

    class ModelFixture : public ::testing::Test
    {
    protected:
        void setFields(const std::vector<std::string>& fields)
        {
            Outline outline = doc.getOutline();
            while (outline.getDefCount() > 0)
                outline.removeDef(0);
            for (const std::string& name : fields)
                outline.addDef(name);
            doc.setOutline(outline);
        }

        Quillory doc;
        StudyListOutlineModel columns{doc.getOutline()};
        StudyListDataModel rows{doc};
    };
}

TEST_F(ModelFixture, DefaultOutlineGivesSevenColumnsWithTheirWidths)
{
    EXPECT_EQ(titles(columns), (std::vector<std::string>{"#", "Term", "Definition", "Comment", "Times Asked",
                                                         "Correct Answers", "Ratio"}));
    EXPECT_EQ(widths(columns), (std::vector<int>{19, 120, 130, 116, 75, 90, 38}));
}

TEST_F(ModelFixture, ColumnsFollowTheDocumentOutline)
{
    Outline outline = doc.getOutline();
    outline.setItemType("Mot");
    outline.addDef("Example");
    doc.setOutline(outline);
    EXPECT_EQ(titles(columns), (std::vector<std::string>{"#", "Mot", "Definition", "Example", "Comment",
                                                         "Times Asked", "Correct Answers", "Ratio"}));
}

TEST_F(ModelFixture, SetWidthStoresEveryKindOfColumn)
{
    const std::vector<int> newWidths{21, 122, 200, 118, 77, 92, 40};
    for (unsigned i = 0; i < newWidths.size(); ++i)
        columns.setColWidth(i, newWidths[i]);
    EXPECT_EQ(widths(columns), newWidths);
}

TEST_F(ModelFixture, FieldWidthFollowsItsNameAcrossStructureChanges)
{
    columns.setColWidth(2, 200);
    setFields({"Definition", "Example"});
    EXPECT_EQ(columns.getColWidth(2), 200);
    EXPECT_EQ(columns.getColWidth(3), 130);
    // Moving the field moves its width with it.
    setFields({"Example", "Definition"});
    EXPECT_EQ(columns.getColWidth(2), 130);
    EXPECT_EQ(columns.getColWidth(3), 200);
}

TEST_F(ModelFixture, ClearedFieldWidthsFallBackToTheDefault)
{
    columns.setColWidth(2, 200);
    columns.setColWidth(0, 30);
    columns.clearDefWidths();
    EXPECT_EQ(columns.getColWidth(2), 130);
    EXPECT_EQ(columns.getColWidth(0), 30);
}

TEST_F(ModelFixture, RemovedFieldReplacedByAnotherNameStartsAtDefaultWidth)
{
    columns.setColWidth(2, 200);
    setFields({"Translation"});
    EXPECT_EQ(columns.getColWidth(2), 130);
}

TEST_F(ModelFixture, ColumnIndexPastTheEndIsAnAssertion)
{
    EXPECT_ASSERTION(columns.getColTitle(7), "colIdx<getColumnsCount()");
    EXPECT_ASSERTION(columns.getColWidth(7), "colIdx<getColumnsCount()");
    EXPECT_ASSERTION(columns.setColWidth(7, 10), "colIdx<getColumnsCount()");
    EXPECT_ASSERTION(columns.getSorter(7), "colIdx<getColumnsCount()");
}

TEST_F(ModelFixture, RowsShowEveryCellOfAnItem)
{
    setFields({"Definition", "Example"});
    TermSet item(1, doc.getOutline());
    item.setTerm("chat");
    item.setDefText(0, "cat");
    item.setComment("animal");
    item.answeredCorrectly();
    item.answeredCorrectly();
    item.answeredWrongly();
    doc.addItem(item);

    EXPECT_EQ(rows.getItemsCount(), 1u);
    EXPECT_EQ(cells(rows, columns, 0),
              (std::vector<std::string>{"1", "chat", "cat", "", "animal", "3", "2", "66 %"}));
}

TEST_F(ModelFixture, NeverAskedItemShowsZeroScores)
{
    doc.addItem(TermSet(1, doc.getOutline()));
    const std::vector<std::string> row = cells(rows, columns, 0);
    EXPECT_EQ((std::vector<std::string>(row.end() - 3, row.end())), (std::vector<std::string>{"0", "0", "0 %"}));
}

TEST_F(ModelFixture, ItemAnsweredAtTheLargestScoresShowsThemAndItsRatio)
{
    const std::int32_t largest = 2147483647;
    TermSet item(1, doc.getOutline());
    item.setScores(largest, largest - 1);
    item.answeredCorrectly();
    item.answeredWrongly();
    doc.addItem(item);
    item.setItemNo(2);
    item.setScores(largest, 1);
    item.answeredWrongly();
    doc.addItem(item);
    const std::vector<std::string> first = cells(rows, columns, 0);
    EXPECT_EQ((std::vector<std::string>(first.end() - 3, first.end())),
              (std::vector<std::string>{"2147483647", "2147483647", "100 %"}));
    const std::vector<std::string> second = cells(rows, columns, 1);
    EXPECT_EQ((std::vector<std::string>(second.end() - 3, second.end())),
              (std::vector<std::string>{"2147483647", "1", "0 %"}));
}

TEST_F(ModelFixture, EmptyListHasColumnsButNoRows)
{
    EXPECT_EQ(rows.getItemsCount(), 0u);
    EXPECT_EQ(columns.getColCount(), 7u);
    EXPECT_ASSERTION(rows.getItem(0), "idx<getItemsCount()");
}

TEST_F(ModelFixture, EachRowReplacesThePreviousOne)
{
    for (const char* term : {"a", "b"})
    {
        TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
        item.setTerm(term);
        doc.addItem(item);
    }
    const Win::ListViewItem& first = rows.getItem(0);
    EXPECT_EQ(first.getText(1, "Term"), "a");
    const Win::ListViewItem& second = rows.getItem(1);
    EXPECT_EQ(second.getText(1, "Term"), "b");
}

TEST(NumberText, FormatsTheWholeIntRange)
{
    EXPECT_EQ(numberText(0), "0");
    EXPECT_EQ(numberText(-2147483647 - 1), "-2147483648");
    EXPECT_EQ(numberText(2147483647), "2147483647");
}
