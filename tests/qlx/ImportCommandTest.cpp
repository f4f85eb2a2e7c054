#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/qlx/QlxTestFiles.h"
#include "tests/qlx/RandomList.h"

using QlxTest::readBytes;
using QlxTest::recordOf;
using QlxTest::run;
using QlxTest::writeBytes;
using Strings = std::vector<std::string>;

namespace
{
    class ImportCommand : public QlxTest::FilesTest
    {
    protected:
        // Imports `text` with `options`; returns the summary or the failure.
        QlxTest::RunResult import(const std::string& text, const Strings& options)
        {
            writeBytes(path("in.txt"), text);
            Strings args {"import", path("in.txt"), "-o", path("out.qlx")};
            args.insert(args.end(), options.begin(), options.end());
            return run(args);
        }
    };
}

TEST_F(ImportCommand, SaysWhatEveryImportTookOnOneLine)
{
    const std::string out = path("out.qlx") + ": ";
    EXPECT_EQ(import("chien\tdog\nchat\tcat\n\n", {"--format", "quizlet"}).err,
              out + "2 items; item type \"Term\", field \"Definition\"; no header\n");
    EXPECT_EQ(import("chien\tdog\nchat\tcat\n", {"--format", "tsv"}).err,
              out + "1 item; item type \"chien\", field \"dog\"; header line 1\n");
    EXPECT_EQ(import("a,b,c\n", {"--format", "csv", "--no-header", "--fields", "B,C"}).err,
              out + "1 item; item type \"Term\", fields \"B\", \"C\"; no header\n");
    EXPECT_EQ(import(R"({"itemType": "T", "fields": [], "items": [], "settings": {"timeOut": 0, "shuffle": false,
                     "continuous": false, "caseSensitive": false, "numChoices": 3, "fromDir": 0, "toDir": 3,
                     "fromField": 0, "toField": 0}})",
                     {"--format", "json"})
                  .err,
              out + "0 items; item type \"T\", no fields; names from the JSON\n");
    EXPECT_EQ(import("#html:true\n#columns:Wort\tBedeutung\n<img src=a.png>Haus\thouse [sound:h.mp3]\n",
                     {"--format", "anki"})
                  .err,
              out + "1 item; item type \"Wort\", field \"Bedeutung\"; names from #columns:; 2 media references dropped\n");
    EXPECT_EQ(import("#notetype column:1\nBasic\ta\tb\nCloze\tc\td\n", {"--format", "anki", "--notetype", "Cloze"}).err,
              out + "1 item; item type \"Front\", field \"Back\"; no #columns:, Anki's default names; "
                    "1 note of other note types left out\n");
    const auto quiet = import("a\tb\n", {"--format", "quizlet", "--quiet"});
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.err, "");
    EXPECT_EQ(quiet.out, "");
}

TEST_F(ImportCommand, ReadsQuizletWithTheSeparatorsAndNamesGiven)
{
    const auto result = import("caf\xC3\xA9 = coffee|the =\nsign = x|", {"--format", "quizlet", "--separator", " = ",
                                                                        "--row-separator", "|", "--item-type", "Wort",
                                                                        "--fields", "Bedeutung"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto list = recordOf(path("out.qlx"));
    EXPECT_EQ(list.itemType, "Wort");
    EXPECT_EQ(list.fields, Strings {"Bedeutung"});
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].term, "caf\xC3\xA9");
    EXPECT_EQ(list.items[1].term, "the =\nsign");
    EXPECT_EQ(list.items[1].definitions, Strings {"x"});

    ASSERT_EQ(import("a\tx;b\\c\td\n", {"--format", "quizlet", "--separator", "\\t", "--row-separator", ";"}).status, 0);
    const auto escaped = recordOf(path("out.qlx"));
    ASSERT_EQ(escaped.items.size(), 2u);
    EXPECT_EQ(escaped.items[1].term, "b\\c");
    EXPECT_EQ(escaped.items[1].definitions, Strings {"d"});
}

TEST_F(ImportCommand, WritesNothingWhenTheTextIsRefused)
{
    writeBytes(path("out.qlx"), "previous content");
    const std::string in = path("in.txt") + ": ";
    const auto mixed = import("#notetype column:1\nBasic\ta\tb\nCloze\tc\td\n", {"--format", "anki"});
    EXPECT_EQ(mixed.status, 1);
    EXPECT_EQ(mixed.err, in + "notes of 2 note types: \"Basic\", \"Cloze\"; import one of them with --notetype NAME\n");
    const auto noSeparator = import("a\tb\nc d\n", {"--format", "quizlet"});
    EXPECT_EQ(noSeparator.err, in + "row 2: no tab between term and definition\n");
    EXPECT_EQ(readBytes(path("out.qlx")), "previous content");
    EXPECT_EQ(fileNames(), (Strings {"in.txt", "out.qlx"}));
}

// Anki decks of any language come along, their texts in normalization form C.
TEST_F(ImportCommand, TakesTextsOfAnyScript)
{
    ASSERT_EQ(import("#html:true\n&#x65E5;\tsun\ncafe\xCC\x81\t\xD0\xBA\xD0\xBE\xD1\x84\xD0\xB5\n", {"--format", "anki"}).status, 0);
    const auto list = recordOf(path("out.qlx"));
    ASSERT_EQ(list.items.size(), 2u);
    EXPECT_EQ(list.items[0].term, "\xE6\x97\xA5");
    EXPECT_EQ(list.items[1].term, "caf\xC3\xA9");
    EXPECT_EQ(list.items[1].definitions, Strings {"\xD0\xBA\xD0\xBE\xD1\x84\xD0\xB5"});
}

TEST_F(ImportCommand, RefusesOptionsTheFormatDoesNotTake)
{
    for (const Strings& options : {Strings {"--format", "anki", "--separator", ","},
                                   Strings {"--format", "tsv", "--notetype", "Basic"},
                                   Strings {"--format", "quizlet", "--no-header"},
                                   Strings {"--format", "anki", "--item-type", "Q"},
                                   Strings {"--format", "quizlet", "--fields", "A,B"},
                                   Strings {"--format", "quizlet", "--separator", ""}})
    {
        const auto result = import("a\tb\n", options);
        EXPECT_EQ(result.status, 1) << ::testing::PrintToString(options);
        EXPECT_EQ(result.err.rfind(path("in.txt") + ": --", 0), 0u) << result.err;
    }
    EXPECT_EQ(fileNames(), Strings {"in.txt"});
}

namespace
{
    class AnkiRoundTrip : public ImportCommand, public ::testing::WithParamInterface<unsigned>
    {
    };
}

TEST_P(AnkiRoundTrip, GivesBackTheNamesTextsAndComments)
{
    Quillory doc;
    QlxTest::RandomList(GetParam(), "\t\r\n").fill(doc);
    const std::string file = save(doc, "random.qlx");
    const auto exported = run({"export", file, "--format", "anki"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const auto imported = import(exported.out, {"--format", "anki"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const auto list = recordOf(file);
    const auto back = recordOf(path("out.qlx"));
    EXPECT_EQ(back.itemType, list.itemType);
    EXPECT_EQ(back.fields, list.fields);
    ASSERT_EQ(back.items.size(), list.items.size());
    for (size_t i = 0; i < list.items.size(); ++i)
    {
        EXPECT_EQ(back.items[i].term, list.items[i].term);
        EXPECT_EQ(back.items[i].definitions, list.items[i].definitions);
        EXPECT_EQ(back.items[i].comment, list.items[i].comment);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, AnkiRoundTrip, ::testing::Range(1u, 31u));

TEST_F(ImportCommand, ReadsBackAHundredThousandItemsExportedForAnki)
{
    Quillory doc;
    for (int n = 1; n <= 100000; ++n)
    {
        TermSet item(n, doc.getOutline());
        item.setTerm("term " + std::to_string(n));
        item.setDefText(0, n % 7 ? "def" : "\"quoted\"");
        doc.addItem(item);
    }
    const auto exported = run({"export", save(doc, "big.qlx"), "--format", "anki"});
    const auto imported = import(exported.out, {"--format", "anki", "--quiet"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    const auto back = recordOf(path("out.qlx"));
    ASSERT_EQ(back.items.size(), 100000u);
    EXPECT_EQ(back.items[99999].term, "term 100000");
    EXPECT_EQ(back.items[6].definitions, Strings {"\"quoted\""});
}

TEST_F(ImportCommand, ExportsCardsThatQuizletAndQlxReadBack)
{
    Quillory doc;
    for (const char* term : {"chien", "chat"})
    {
        TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
        item.setTerm(term);
        item.setDefText(0, std::string(term) == "chien" ? "dog" : "cat");
        item.setComment("left out");
        doc.addItem(item);
    }
    const auto exported = run({"export", save(doc, "cards.qlx"), "--format", "quizlet"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(exported.out, "chien\tdog\nchat\tcat\n");
    ASSERT_EQ(import(exported.out, {"--format", "quizlet", "--quiet"}).status, 0);
    const auto back = recordOf(path("out.qlx"));
    ASSERT_EQ(back.items.size(), 2u);
    EXPECT_EQ(back.items[1].term, "chat");
    EXPECT_EQ(back.items[1].definitions, Strings {"cat"});
}

TEST(QlxHelp, ShowsAnExampleOfEveryImportAndExport)
{
    const auto help = run({"--help"}).out;
    for (const char* example : {"qlx import notes.txt --format anki -o", "--format anki --notetype Basic",
                                "qlx export list.qlx --format anki >", "qlx import cards.txt --format quizlet -o",
                                "qlx export list.qlx --format quizlet >",
                                "--separator , --row-separator", "--no-header --item-type", "qlx import words.csv -o"})
        EXPECT_NE(help.find(example), std::string::npos) << example;
}
