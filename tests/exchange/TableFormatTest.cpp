#include <gtest/gtest.h>

#include "exchange/Failure.h"
#include "exchange/TableFormat.h"

using Qlx::readTable;
using Qlx::TableSyntax;

namespace
{
    Qlx::StudyListRecord smallList()
    {
        Qlx::StudyListRecord list;
        list.itemType = "Term";
        list.fields = {"Definition", "Example"};
        list.items.push_back({2, "cat", {"Katze", "a, b"}, "", 2, 1});
        list.items.push_back({1, "dog", {"", "x"}, "pet", 0, 0});
        return list;
    }

    std::string errorsOf(const Qlx::TableImport& table)
    {
        try
        {
            table.errors.throwIfAny();
        }
        catch (const Qlx::Failure& failure)
        {
            return failure.what();
        }
        return "";
    }
}

TEST(TableFormat, WritesAHeaderAndOneItemPerLine)
{
    EXPECT_EQ(Qlx::writeTable(smallList(), TableSyntax::TSV),
              "Term\tDefinition\tExample\tComment\tTimes Asked\tCorrect Answers\n"
              "cat\tKatze\ta, b\t\t2\t1\n"
              "dog\t\tx\tpet\t0\t0\n");
    EXPECT_EQ(Qlx::writeTable(smallList(), TableSyntax::CSV),
              "Term,Definition,Example,Comment,Times Asked,Correct Answers\r\n"
              "cat,Katze,\"a, b\",,2,1\r\n"
              "dog,,x,pet,0,0\r\n");
}

TEST(TableFormat, ReadsBackWhatItWroteNumberingItemsInFileOrder)
{
    const auto table = readTable(Qlx::writeTable(smallList(), TableSyntax::CSV), TableSyntax::CSV, std::nullopt);
    EXPECT_EQ(errorsOf(table), "");
    EXPECT_EQ(table.list.itemType, "Term");
    EXPECT_EQ(table.list.fields, (std::vector<std::string> {"Definition", "Example"}));
    ASSERT_EQ(table.list.items.size(), 2u);
    EXPECT_EQ(table.list.items[0].number, 1);
    EXPECT_EQ(table.list.items[0].definitions, (std::vector<std::string> {"Katze", "a, b"}));
    EXPECT_EQ(table.list.items[0].timesAsked, 2);
    EXPECT_EQ(table.list.items[0].correctAnswers, 1);
    EXPECT_EQ(table.list.items[1].number, 2);
    EXPECT_EQ(table.list.items[1].comment, "pet");
    EXPECT_EQ(table.lines, (std::vector<size_t> {2, 3}));
    EXPECT_FALSE(table.list.settings);
}

namespace
{
    struct Layout
    {
        const char* text;
        std::vector<std::string> fields;
        const char* comment;
        std::int32_t timesAsked;
    };

    class TableLayouts : public ::testing::TestWithParam<Layout>
    {
    };
}

TEST_P(TableLayouts, TakeTheOptionalColumnsFromTheHeader)
{
    const auto table = readTable(GetParam().text, TableSyntax::TSV, std::nullopt);
    EXPECT_EQ(errorsOf(table), "");
    EXPECT_EQ(table.list.itemType, "Word");
    EXPECT_EQ(table.list.fields, GetParam().fields);
    ASSERT_EQ(table.list.items.size(), 1u);
    EXPECT_EQ(table.list.items[0].term, "w");
    EXPECT_EQ(table.list.items[0].comment, GetParam().comment);
    EXPECT_EQ(table.list.items[0].timesAsked, GetParam().timesAsked);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, TableLayouts,
    ::testing::Values(Layout {"Word\tA\tComment\tTimes Asked\tCorrect Answers\nw\ta\tc\t3\t1\n", {"A"}, "c", 3},
                      Layout {"Word\tA\tComment\nw\ta\tc\n", {"A"}, "c", 0},
                      Layout {"Word\tA\tTimes Asked\tCorrect Answers\nw\ta\t3\t1\n", {"A"}, "", 3},
                      Layout {"Word\tA\tB\nw\ta\tb\n", {"A", "B"}, "", 0},
                      Layout {"Word\tA\tA\nw\ta\ta\n", {"A", "A"}, "", 0},
                      Layout {"Word\nw\n", {}, "", 0},
                      Layout {"Word\tComment\nw\tc\n", {}, "c", 0},
                      Layout {"Word\tCorrect Answers\tTimes Asked\nw\t1\t3\n", {"Correct Answers", "Times Asked"}, "", 0}));

TEST(TableFormat, TakesTheColumnsOfATableWithoutHeaderFromTheCaller)
{
    const Qlx::TableColumns columns {"Q", {"A", "B"}};
    const auto bare = readTable("q\ta\tb\n", TableSyntax::TSV, columns);
    EXPECT_EQ(bare.list.itemType, "Q");
    EXPECT_EQ(bare.list.items.at(0).definitions, (std::vector<std::string> {"a", "b"}));
    EXPECT_EQ(bare.lines, std::vector<size_t> {1});
    const auto scored = readTable("q\ta\tb\tnote\t4\t2\n", TableSyntax::TSV, columns);
    EXPECT_EQ(scored.list.items.at(0).comment, "note");
    EXPECT_EQ(scored.list.items.at(0).correctAnswers, 2);
    const auto noComment = readTable("q\ta\tb\t4\t2\n", TableSyntax::TSV, columns);
    EXPECT_EQ(noComment.list.items.at(0).timesAsked, 4);
    EXPECT_THROW(readTable("q\ta\n", TableSyntax::TSV, columns), Qlx::Failure);
    EXPECT_THROW(readTable("q\ta\tb\tc\td\te\tf\n", TableSyntax::TSV, columns), Qlx::Failure);
}

TEST(TableFormat, ReportsEveryBadRowWithItsLine)
{
    const auto table = readTable("Term,Def,Comment,Times Asked,Correct Answers\n"
                                 "a,b,c,1,1\n"
                                 "short,row\n"
                                 "a,b,c,one,1\n"
                                 "a,b,c,1.5,\n"
                                 "a,b,c,99999999999,-1\n"
                                 "a,b,c, +7 ,\n",
                                 TableSyntax::CSV, std::nullopt);
    EXPECT_EQ(errorsOf(table), "line 3: 2 columns, expected 5\n"
                               "line 4: Times Asked \"one\" is not a whole number\n"
                               "line 5: Times Asked \"1.5\" is not a whole number\n"
                               "line 6: Times Asked \"99999999999\" is not a whole number");
    ASSERT_EQ(table.list.items.size(), 5u);
    EXPECT_EQ(table.list.items[3].correctAnswers, -1);
    EXPECT_EQ(table.list.items[4].timesAsked, 7);
    EXPECT_EQ(table.list.items[4].correctAnswers, 0);
}

TEST(TableFormat, RefusesATextWithoutHeaderLine)
{
    EXPECT_THROW(readTable("\r\n\n", TableSyntax::CSV, std::nullopt), Qlx::Failure);
}

TEST(TableFormat, NamesTheFirstRowsLineWhenItsWidthDoesNotFitTheColumns)
{
    const Qlx::TableColumns columns {"Q", {"A", "B"}};
    try
    {
        readTable("\xEF\xBB\xBF\n\r\nq\ta\n", TableSyntax::TSV, columns);
        FAIL() << "a row too narrow for the columns was read";
    }
    catch (const Qlx::Failure& failure)
    {
        EXPECT_STREQ(failure.what(), "line 3: 2 columns, expected 3 to 6");
    }
}
