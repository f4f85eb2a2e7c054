#include <gtest/gtest.h>

#include "exchange/ImportChoice.h"

using Qlx::ImportChoice;
using Qlx::TextFormat;

namespace
{
    struct Guess
    {
        const char* name;
        const char* text;
        const char* extension;
        TextFormat format;
        char separator;
    };

    class GuessedChoice : public ::testing::TestWithParam<Guess>
    {
    };

    std::string guessName(const ::testing::TestParamInfo<Guess>& info) { return info.param.name; }
}

TEST_P(GuessedChoice, FollowsTheContentThenTheExtensionThenTheSeparators)
{
    const ImportChoice choice = Qlx::guessChoice(GetParam().text, GetParam().extension);
    EXPECT_EQ(choice.format, GetParam().format);
    if (choice.format == TextFormat::CSV || choice.format == TextFormat::QUIZLET)
    {
        EXPECT_EQ(choice.separator, GetParam().separator);
    }
    EXPECT_TRUE(choice.header);
}

INSTANTIATE_TEST_SUITE_P(
    Files, GuessedChoice,
    ::testing::Values(
        Guess {"AnkiHeaderInATxt", "#separator:tab\n#html:false\nhund\tdog\n", "txt", TextFormat::ANKI, 0},
        Guess {"AnkiHeaderAfterAByteOrderMark", "\xEF\xBB\xBF#notetype column:1\nBasic\tq\ta\n", "csv",
               TextFormat::ANKI, 0},
        Guess {"JsonByContent", "  \n{\"itemType\": \"Term\"}", "txt", TextFormat::JSON, 0},
        Guess {"JsonByExtension", "[]", "JSON", TextFormat::JSON, 0},
        Guess {"CsvWithCommas", "Term,Definition\na,b\n", "csv", TextFormat::CSV, ','},
        Guess {"CsvWithSemicolons", "Term;Definition;Comment\na;b,c;d\n", "CSV", TextFormat::CSV, ';'},
        Guess {"TsvByExtension", "Term,Definition\n", "tsv", TextFormat::TSV, 0},
        Guess {"TabbedTwoColumnTextIsQuizlet", "\r\ndog\tHund\ncat\tKatze\n", "txt", TextFormat::QUIZLET, '\t'},
        Guess {"TabbedWiderTextIsTsv", "Term\tGerman\tFrench\ndog\tHund\tchien\n", "txt", TextFormat::TSV, 0},
        Guess {"CommasInATxt", "dog,Hund\n", "txt", TextFormat::CSV, ','},
        Guess {"TableWhoseFirstCellStartsWithAHash", "#1,one\n", "", TextFormat::CSV, ','}),
    guessName);

TEST(GuessedChoice, TakesTheFirstNoteTypeOfAnAnkiFileOfSeveral)
{
    EXPECT_EQ(Qlx::guessChoice("#notetype column:1\nBasic\tq\ta\nCloze\tc\t\nBasic\tr\tb\n", "txt").noteType,
              "Basic");
    EXPECT_EQ(Qlx::guessChoice("#notetype column:1\nBasic\tq\ta\n", "txt").noteType, "");
    // A file the reader refuses is still guessed as Anki: the import names the fault.
    EXPECT_EQ(Qlx::guessChoice("#notetype column:1\n\"Basic\tq\ta\n", "txt").format, TextFormat::ANKI);
}

TEST(ImportOptions, NameOneDefinitionFieldPerColumnOfATableWithoutHeader)
{
    ImportChoice choice;
    choice.format = TextFormat::CSV;
    choice.separator = ';';
    choice.header = false;
    const Qlx::ImportOptions options = Qlx::optionsFor(choice, "\xEF\xBB\xBF\"a;\nb\";x;y;z\nc;d;e;f\n");
    EXPECT_TRUE(options.noHeader);
    EXPECT_EQ(options.csvSeparator, std::optional<char>(';'));
    EXPECT_EQ(*options.fields, (std::vector<std::string> {"Definition", "Definition 2", "Definition 3"}));
    EXPECT_TRUE(options.skipFaultyRows);
}

TEST(ImportOptions, ReadTheFirstRowWholeWhenItRunsPastTheSample)
{
    ImportChoice choice;
    choice.format = TextFormat::TSV;
    choice.header = false;
    const std::string longRow = "term\t" + std::string(100000, 'x') + "\n" + "term\t" + std::string(100000, 'y') + "\n";
    EXPECT_EQ(Qlx::optionsFor(choice, longRow).fields->size(), 1u);
}

TEST(ImportOptions, GiveQuizletsSeparatorsAndAnkisNoteType)
{
    ImportChoice cards;
    cards.format = TextFormat::QUIZLET;
    cards.separator = ',';
    cards.cardsEndAtSemicolon = true;
    const auto quizlet = Qlx::optionsFor(cards, "a,b;c,d");
    EXPECT_EQ(quizlet.separators->term, ",");
    EXPECT_EQ(quizlet.separators->row, ";");

    ImportChoice notes;
    notes.format = TextFormat::ANKI;
    EXPECT_FALSE(Qlx::optionsFor(notes, "").noteType);
    notes.noteType = "Basic";
    EXPECT_EQ(Qlx::optionsFor(notes, "").noteType, std::optional<std::string>("Basic"));
}
