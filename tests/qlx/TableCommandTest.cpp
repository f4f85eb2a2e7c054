#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/qlx/QlxTestFiles.h"
#include "tests/qlx/RandomList.h"
#include "tools/qlx/ListFiles.h"

using QlxTest::readBytes;
using QlxTest::recordOf;
using QlxTest::run;
using QlxTest::writeBytes;

namespace
{
    class TableCommand : public QlxTest::FilesTest
    {
    protected:
        // Exports `file` in `format` and imports it again; returns the new list.
        Qlx::StudyListRecord roundTrip(const std::string& file, const std::string& format)
        {
            const auto exported = run({"export", file, "--format", format});
            EXPECT_EQ(exported.status, 0) << exported.err;
            writeBytes(path("list.txt"), exported.out);
            const auto imported = run({"import", path("list.txt"), "--format", format, "-o", path("back.qlx")});
            EXPECT_EQ(imported.status, 0) << imported.err;
            return recordOf(path("back.qlx"));
        }

        void expectSameItems(const Qlx::StudyListRecord& back, const Qlx::StudyListRecord& list)
        {
            EXPECT_EQ(back.itemType, list.itemType);
            EXPECT_EQ(back.fields, list.fields);
            ASSERT_EQ(back.items.size(), list.items.size());
            for (size_t i = 0; i < list.items.size(); ++i)
            {
                EXPECT_EQ(back.items[i].number, static_cast<std::int32_t>(i + 1));
                EXPECT_EQ(back.items[i].term, list.items[i].term);
                EXPECT_EQ(back.items[i].definitions, list.items[i].definitions);
                EXPECT_EQ(back.items[i].comment, list.items[i].comment);
                EXPECT_EQ(back.items[i].timesAsked, list.items[i].timesAsked);
                EXPECT_EQ(back.items[i].correctAnswers, list.items[i].correctAnswers);
            }
        }
    };

    struct RoundTrip
    {
        const char* format;
        const char* excluded;
        unsigned seed;
    };

    class TableRoundTrip : public TableCommand, public ::testing::WithParamInterface<RoundTrip>
    {
    };
}

TEST_P(TableRoundTrip, GivesBackTheSameItemsTextsAndScoresInFileOrder)
{
    Quillory doc;
    QlxTest::RandomList(GetParam().seed, GetParam().excluded).fill(doc);
    const std::string file = save(doc, "random.qlx");
    const auto back = roundTrip(file, GetParam().format);
    expectSameItems(back, recordOf(file));
    const Quillory fresh;
    EXPECT_EQ(back.settings->toDir, fresh.getSettings().getToDir());
    EXPECT_EQ(back.settings->numChoices, fresh.getSettings().getNumChoices());
}

INSTANTIATE_TEST_SUITE_P(Csv, TableRoundTrip,
                         ::testing::Values(RoundTrip {"csv", "", 1}, RoundTrip {"csv", "", 2}, RoundTrip {"csv", "", 3},
                                           RoundTrip {"csv", "", 4}, RoundTrip {"csv", "", 5}, RoundTrip {"csv", "", 6}));
INSTANTIATE_TEST_SUITE_P(Tsv, TableRoundTrip,
                         ::testing::Values(RoundTrip {"tsv", "\t\r\n", 1}, RoundTrip {"tsv", "\t\r\n", 2},
                                           RoundTrip {"tsv", "\t\r\n", 3}, RoundTrip {"tsv", "\t\r\n", 4}));

namespace
{
    // One item whose definition holds a line break.
    std::string savedList(const std::string& name, const std::string& term)
    {
        Quillory doc;
        TermSet item(1, doc.getOutline());
        item.setTerm(term);
        item.setDefText(0, "line one\r\nline two");
        doc.addItem(item);
        Qlx::saveStudyList(doc, name, Qlx::toolCodePages(1252));
        return name;
    }
}

TEST_F(TableCommand, WritesTabsAndLineBreaksAsSpacesInTsv)
{
    const std::string file = savedList(path("tabs.qlx"), "a\tb");
    const auto result = run({"export", file, "--format", "tsv"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "Term\tDefinition\tComment\tTimes Asked\tCorrect Answers\na b\tline one line two\t\t0\t0\n");
    const auto help = run({"import", "--help"});
    EXPECT_NE(help.out.find("a tab or line break\ninside a text is written as a space"), std::string::npos);
}

TEST_F(TableCommand, KeepsLineBreaksInCsv)
{
    const std::string file = savedList(path("breaks.qlx"), "quote \" and, comma");
    const auto result = run({"export", file, "--format", "csv"});
    EXPECT_EQ(result.out, "Term,Definition,Comment,Times Asked,Correct Answers\r\n"
                          "\"quote \"\" and, comma\",\"line one\r\nline two\",,0,0\r\n");
}

TEST_F(TableCommand, ImportsASpreadsheetCsvWithByteOrderMark)
{
    writeBytes(path("words.csv"), "\xEF\xBB\xBFWort,Bedeutung,Bedeutung\r\ncaf\xC3\xA9,coffee,coffee\r\n"
                                  "Stra\xC3\x9F" "e,\"street\r\nroad\",\"street\r\nroad\"\r\n");
    const auto result = run({"import", path("words.csv"), "-o", path("words.qlx")});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto list = recordOf(path("words.qlx"));
    EXPECT_EQ(list.itemType, "Wort");
    EXPECT_EQ(list.fields, (std::vector<std::string> {"Bedeutung", "Bedeutung"}));
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].term, "caf\xC3\xA9");
    EXPECT_EQ(list.items[1].definitions[1], "street\r\nroad");
    EXPECT_EQ(list.items[1].number, 2);
    EXPECT_EQ(list.items[1].timesAsked, 0);
}

TEST_F(TableCommand, NamesEveryBadLineAndWritesNothing)
{
    writeBytes(path("bad.csv"), "Term,Definition,Comment,Times Asked,Correct Answers\n"
                                "good,row,,1,1\n"
                                "short,row\n"
                                "\xE6\x97\xA5,x,,0,0\n"
                                "\xE9,x,,0,0\n"
                                "a,b,c,lots,0\n"
                                "a,b,c,1,2\n");
    writeBytes(path("out.qlx"), "previous content");
    const auto result = run({"import", path("bad.csv"), "-o", path("out.qlx")});
    EXPECT_EQ(result.status, 1);
    const std::string in = path("bad.csv") + ": ";
    EXPECT_EQ(result.err, in + "line 3: 2 columns, expected 5\n" + in + "line 6: Times Asked \"lots\" is not a whole number\n"
                              + in + "line 5: term is not UTF-8 text\n" + in
                              + "line 7: correct answers (2) exceed times asked (1)\n");
    EXPECT_EQ(readBytes(path("out.qlx")), "previous content");
    EXPECT_EQ(fileNames(), (std::vector<std::string> {"bad.csv", "out.qlx"}));
}

TEST_F(TableCommand, ReadsATableWithoutHeaderInTheGivenColumns)
{
    writeBytes(path("bare.tsv"), "cat\tKatze\tchat\n\ndog\tHund\tchien\r\n");
    const auto result = run({"import", path("bare.tsv"), "--no-header", "--item-type", "English", "--fields",
                             "Deutsch,Fran\xC3\xA7" "ais", "-o", path("bare.qlx")});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto list = recordOf(path("bare.qlx"));
    EXPECT_EQ(list.itemType, "English");
    EXPECT_EQ(list.fields, (std::vector<std::string> {"Deutsch", "Fran\xC3\xA7" "ais"}));
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[1].definitions, (std::vector<std::string> {"Hund", "chien"}));

    writeBytes(path("pairs.tsv"), "cat\tKatze\n");
    ASSERT_EQ(run({"import", path("pairs.tsv"), "--no-header", "-o", path("pairs.qlx")}).status, 0);
    EXPECT_EQ(recordOf(path("pairs.qlx")).fields, std::vector<std::string> {"Definition"});
}

TEST_F(TableCommand, RefusesHeaderOptionsWhereTheyDoNotApply)
{
    writeBytes(path("list.json"), "{}");
    writeBytes(path("list.tsv"), "Term\tDefinition\n");
    EXPECT_EQ(run({"import", path("list.json"), "--no-header", "-o", path("a.qlx")}).err,
              path("list.json") + ": --no-header is for tsv and csv\n");
    EXPECT_EQ(run({"import", path("list.tsv"), "--item-type", "Q", "-o", path("a.qlx")}).status, 1);
    EXPECT_EQ(fileNames(), (std::vector<std::string> {"list.json", "list.tsv"}));
}

TEST_F(TableCommand, TakesTheFormatFromTheExtension)
{
    writeBytes(path("list.tsv"), "Term\tDefinition\nx\ty\n");
    writeBytes(path("list.csv"), "Term,Definition\nx,\"y\"\n");
    for (const char* name : {"list.tsv", "list.csv"})
    {
        const auto result = run({"import", path(name), "-o", path("out.qlx")});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(recordOf(path("out.qlx")).items.at(0).definitions, std::vector<std::string> {"y"}) << name;
    }
}
