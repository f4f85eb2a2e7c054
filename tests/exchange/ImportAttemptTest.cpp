#include <gtest/gtest.h>

#include "exchange/ImportAttempt.h"
#include "model/Quillory.h"

using Qlx::ImportChoice;
using Qlx::TextFormat;

namespace
{
    ImportChoice csv(bool header = true)
    {
        ImportChoice choice;
        choice.header = header;
        return choice;
    }

    class ImportAttempt : public ::testing::Test
    {
    protected:
        Qlx::ImportAttempt attempt(const std::string& text, const ImportChoice& choice = csv())
        {
            return Qlx::attemptImport(text, choice, doc);
        }

        std::vector<std::string> terms() const
        {
            std::vector<std::string> result;
            for (unsigned i = 0; i < doc.getItemCount(); ++i)
                result.push_back(std::to_string(doc.getItem(i).getItemNo()) + " " + doc.getItem(i).getTerm());
            return result;
        }

        Quillory doc;
    };
}

TEST_F(ImportAttempt, LeavesOutTheRowsThatCannotBeKeptAndNamesThemInLineOrder)
{
    const auto result = attempt("Term,Definition,Comment,Times Asked,Correct Answers\n"
                                "good,row,,1,1\n"
                                "short,row\n"
                                "caf\xE9,x,,0,0\n"
                                "a,b,c,lots,0\n"
                                "a,b,c,1,2\n"
                                "last,one,,0,0\n");
    ASSERT_TRUE(result.ok()) << result.failure;
    EXPECT_EQ(terms(), (std::vector<std::string> {"1 good", "2 last"}));
    EXPECT_EQ(result.report.items, 2u);
    EXPECT_EQ(result.report.skipped,
              (std::vector<std::string> {"line 3: 2 columns, expected 5",
                                         "line 4: term is not UTF-8 text",
                                         "line 5: Times Asked \"lots\" is not a whole number",
                                         "line 6: correct answers (2) exceed times asked (1)"}));
    EXPECT_EQ(Qlx::importMessage("words.csv", result.report),
              "words.csv: 2 items; item type \"Term\", field \"Definition\"; header line 1\n\n"
              "Rows left out:\n"
              "line 3: 2 columns, expected 5\n"
              "line 4: term is not UTF-8 text\n"
              "line 5: Times Asked \"lots\" is not a whole number\n"
              "line 6: correct answers (2) exceed times asked (1)");
}

TEST_F(ImportAttempt, NamesQuizletRowsByTheirNumber)
{
    ImportChoice cards;
    cards.format = TextFormat::QUIZLET;
    cards.separator = '\t';
    const auto result = attempt("dog\tHund\nno separator\ncat\tKatze\n", cards);
    ASSERT_TRUE(result.ok()) << result.failure;
    EXPECT_EQ(terms(), (std::vector<std::string> {"1 dog", "2 cat"}));
    EXPECT_EQ(result.report.skipped, (std::vector<std::string> {"row 2: no tab between term and definition"}));
}

TEST_F(ImportAttempt, FailsWithTheReasonForAFileThatGivesNoList)
{
    struct Case
    {
        const char* text;
        const char* failure;
    };
    for (const Case& c : {Case {"", "the file is empty"}, Case {"\xEF\xBB\xBF \r\n\t\n", "the file is empty"},
                          Case {"Term,Definition\n", "the file holds no items"},
                          Case {"Term,Definition\na,\"open\n", "line 2: a quoted text is not closed"},
                          Case {"Term,Definition\na\nb\n",
                                "no item could be read:\nline 2: 1 columns, expected 2\nline 3: 1 columns, expected 2"}})
    {
        EXPECT_EQ(attempt(c.text).failure, c.failure) << c.text;
    }
}

TEST_F(ImportAttempt, FailsForAFaultOfTheWholeList)
{
    // The header's field cannot be kept, so no row can.
    EXPECT_EQ(attempt("Term,caf\xE9\na,b\n").failure, "field 1 is not UTF-8 text");
}

TEST_F(ImportAttempt, KeepsTextsOfAnyScriptComposed)
{
    const auto result = attempt("Term,Definition\n\xE6\x97\xA5,cafe\xCC\x81\n");
    ASSERT_TRUE(result.ok()) << result.failure;
    EXPECT_EQ(doc.getItem(0).getTerm(), "\xE6\x97\xA5");
    EXPECT_EQ(doc.getItem(0).getDefText(0), "caf\xC3\xA9");
}

TEST_F(ImportAttempt, ShowsTheFirstRowsLeftOutOfMany)
{
    std::string text = "Term,Definition\n";
    for (int i = 0; i < 40; ++i)
        text += "only\n";
    text += "a,b\n";
    const auto result = attempt(text);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result.report.skipped.size(), 40u);
    const std::string shown = Qlx::skippedRows(result.report);
    EXPECT_EQ(shown.substr(0, shown.find('\n')), "line 2: 1 columns, expected 2");
    EXPECT_EQ(shown.substr(shown.rfind('\n') + 1), "(25 more)");
}

TEST_F(ImportAttempt, ReadsATableWithoutHeaderUnderTheNamesOfANewList)
{
    const auto result = attempt("dog;Hund;chien\n", [] {
        ImportChoice choice = csv(false);
        choice.separator = ';';
        return choice;
    }());
    ASSERT_TRUE(result.ok()) << result.failure;
    EXPECT_EQ(doc.getOutline().getItemType(), "Term");
    ASSERT_EQ(doc.getOutline().getDefCount(), 2u);
    EXPECT_EQ(doc.getOutline().getDef(1), "Definition 2");
    EXPECT_EQ(doc.getItem(0).getDefText(1), "chien");
    EXPECT_EQ(result.report.namesFrom, "no header");
}
