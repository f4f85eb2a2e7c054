#include <gtest/gtest.h>

#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"

using Qlx::readRows;
using Qlx::TableSyntax;
using Qlx::writeRow;
using Cells = std::vector<std::string>;

namespace
{
    std::vector<Cells> cellsOf(const std::vector<Qlx::TextRow>& rows)
    {
        std::vector<Cells> cells;
        for (const auto& row : rows)
            cells.push_back(row.cells);
        return cells;
    }

    std::vector<size_t> linesOf(const std::vector<Qlx::TextRow>& rows)
    {
        std::vector<size_t> lines;
        for (const auto& row : rows)
            lines.push_back(row.line);
        return lines;
    }

    std::string csvFailure(const std::string& text)
    {
        try
        {
            readRows(text, TableSyntax::CSV);
        }
        catch (const Qlx::Failure& failure)
        {
            return failure.what();
        }
        return "(accepted)";
    }
}

TEST(CsvReading, TakesQuotesDoubledQuotesAndLineBreaksInsideQuotes)
{
    const auto rows = readRows("a,\"b,c\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",\"crlf\r\nkept\",\n", TableSyntax::CSV);
    EXPECT_EQ(cellsOf(rows), (std::vector<Cells> {{"a", "b,c", "say \"hi\""}, {"two\nlines", "crlf\r\nkept", ""}}));
    EXPECT_EQ(linesOf(rows), (std::vector<size_t> {1, 2}));
}

TEST(CsvReading, SkipsAByteOrderMarkAndEmptyLinesAndCountsLinesInsideQuotes)
{
    const auto rows = readRows("\xEF\xBB\xBFh1,h2\r\n\r\n\"x\r\ny\",1\n\n\nlast,2", TableSyntax::CSV);
    EXPECT_EQ(cellsOf(rows), (std::vector<Cells> {{"h1", "h2"}, {"x\r\ny", "1"}, {"last", "2"}}));
    EXPECT_EQ(linesOf(rows), (std::vector<size_t> {1, 3, 7}));
}

TEST(CsvReading, TakesAQuoteInsideAnUnquotedTextAsItIs)
{
    EXPECT_EQ(cellsOf(readRows("5\" disk,x\n", TableSyntax::CSV)), (std::vector<Cells> {{"5\" disk", "x"}}));
}

TEST(CsvReading, RefusesAQuoteLeftOpenOrTextAfterTheClosingQuote)
{
    EXPECT_EQ(csvFailure("a,b\n\"open,\nstill open"), "line 2: a quoted text is not closed");
    EXPECT_EQ(csvFailure("a,\"b\"c\n"), "line 1: text after a closing quote");
    EXPECT_EQ(csvFailure("\"a\nb\" x,c\n"), "line 2: text after a closing quote");
}

TEST(CsvWriting, QuotesOnlyWhereNeededAndEndsLinesWithCrLf)
{
    EXPECT_EQ(writeRow({"plain", "with,comma", "say \"hi\"", "two\nlines", ""}, TableSyntax::CSV),
              "plain,\"with,comma\",\"say \"\"hi\"\"\",\"two\nlines\",\r\n");
    EXPECT_EQ(writeRow({""}, TableSyntax::CSV), "\"\"\r\n");
}

namespace
{
    class CsvRoundTrip : public ::testing::TestWithParam<Cells>
    {
    };
}

TEST_P(CsvRoundTrip, ReadsBackTheCellsItWrote)
{
    const std::string text = writeRow(GetParam(), TableSyntax::CSV) + writeRow({"next"}, TableSyntax::CSV);
    EXPECT_EQ(cellsOf(readRows(text, TableSyntax::CSV)), (std::vector<Cells> {GetParam(), {"next"}}));
}

INSTANTIATE_TEST_SUITE_P(Cells, CsvRoundTrip,
                         ::testing::Values(Cells {""}, Cells {"", ""}, Cells {"\"", "\"\""}, Cells {"\r", "\n", "\r\n"},
                                           Cells {"\xEF\xBB\xBF" "bom first", "x"}, Cells {" spaced ", "a\tb"},
                                           Cells {std::string("nul\0byte", 8), "caf\xC3\xA9"}));

TEST(TsvReading, SplitsAtTabsAndTakesQuotesAsTheyAre)
{
    const auto rows = readRows("\xEF\xBB\xBFTerm\tDef\r\n\"q\"\ta,b\r\n\r\n\tlast\t\n", TableSyntax::TSV);
    EXPECT_EQ(cellsOf(rows), (std::vector<Cells> {{"Term", "Def"}, {"\"q\"", "a,b"}, {"", "last", ""}}));
    EXPECT_EQ(linesOf(rows), (std::vector<size_t> {1, 2, 4}));
}

TEST(TsvWriting, WritesTabsAndLineBreaksInsideATextAsOneSpaceEach)
{
    EXPECT_EQ(writeRow({"a\tb", "c\r\nd", "e\nf\rg", "\"as is\""}, TableSyntax::TSV), "a b\tc d\te f g\t\"as is\"\n");
}
