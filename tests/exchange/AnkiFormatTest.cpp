#include <gtest/gtest.h>

#include "exchange/AnkiFormat.h"
#include "exchange/Failure.h"

using Qlx::readAnki;
using Strings = std::vector<std::string>;

namespace
{
    struct Note
    {
        std::string term;
        Strings definitions;
        std::string comment;

        bool operator==(const Note& other) const
        {
            return term == other.term && definitions == other.definitions && comment == other.comment;
        }
    };

    void PrintTo(const Note& note, std::ostream* os)
    {
        *os << ::testing::PrintToString(note.term) << " " << ::testing::PrintToString(note.definitions) << " "
            << ::testing::PrintToString(note.comment);
    }

    std::vector<Note> notesOf(const Qlx::AnkiImport& anki)
    {
        anki.table.errors.throwIfAny();
        std::vector<Note> notes;
        for (const auto& item : anki.table.list.items)
            notes.push_back({item.term, item.definitions, item.comment});
        return notes;
    }

    std::string failureOf(const std::string& text, const std::optional<std::string>& noteType = std::nullopt)
    {
        try
        {
            readAnki(text, noteType).table.errors.throwIfAny();
        }
        catch (const Qlx::Failure& failure)
        {
            return failure.what();
        }
        return "(accepted)";
    }

    struct Export
    {
        const char* name;
        const char* text;
    };

    class AnkiSeparators : public ::testing::TestWithParam<Export>
    {
    };

    std::string exportName(const ::testing::TestParamInfo<Export>& info) { return info.param.name; }
}

TEST_P(AnkiSeparators, ReadTheSameNotes)
{
    const auto anki = readAnki(GetParam().text, std::nullopt);
    EXPECT_EQ(anki.table.list.itemType, "Front");
    EXPECT_EQ(anki.table.list.fields, Strings {"Back"});
    EXPECT_EQ(notesOf(anki), (std::vector<Note> {{"chien", {"dog"}, ""}, {"a; b, c", {"x\ny \"z\""}, ""}}));
}

INSTANTIATE_TEST_SUITE_P(
    Exports, AnkiSeparators,
    ::testing::Values(Export {"Tab", "#separator:tab\n#html:false\nchien\tdog\n\"a; b, c\"\t\"x\ny \"\"z\"\"\"\n"},
                      Export {"Comma", "#separator:Comma\nchien,dog\n\"a; b, c\",\"x\ny \"\"z\"\"\"\n"},
                      Export {"Semicolon", "#separator:SEMICOLON\r\n#html:false\r\nchien;dog\r\n\"a; b, c\";\"x\ny \"\"z\"\"\"\r\n"},
                      Export {"SemicolonAsCharacter", "#separator:;\nchien;dog\n\"a; b, c\";\"x\ny \"\"z\"\"\"\n"},
                      Export {"GuessedTab", "\xEF\xBB\xBF#html:false\nchien\tdog\n\"a; b, c\"\t\"x\ny \"\"z\"\"\"\n"},
                      Export {"GuessedSemicolon", "chien;dog\n\"a; b, c\";\"x\ny \"\"z\"\"\"\n"},
                      Export {"GuessedComma", "#unknown:header\n\nchien,dog\n\"a; b, c\",\"x\ny \"\"z\"\"\"\n"}),
    exportName);

TEST(AnkiFormat, DropsGuidNoteTypeAndDeckAndMakesTagsTheComment)
{
    const auto anki = readAnki("#separator:tab\n#html:true\n#guid column:1\n#notetype column:2\n#deck column:3\n"
                               "#tags column:7\n#columns:guid\tnotetype\tdeck\tWort\tBedeutung\tBeispiel\ttags\n"
                               "g1\tBasic\tDeutsch\t<b>Haus</b>\thouse<br>home\t[sound:haus.mp3]\tnoun a1\n"
                               "g2\tBasic\tDeutsch\tBaum\ttree\n",
                               std::nullopt);
    EXPECT_EQ(anki.table.list.itemType, "Wort");
    EXPECT_EQ(anki.table.list.fields, (Strings {"Bedeutung", "Beispiel"}));
    EXPECT_EQ(notesOf(anki), (std::vector<Note> {{"Haus", {"house home", ""}, "noun a1"}, {"Baum", {"tree", ""}, ""}}));
    EXPECT_EQ(anki.table.lines, (std::vector<size_t> {8, 9}));
    EXPECT_EQ(anki.mediaDropped, 1u);
    EXPECT_TRUE(anki.namedColumns);
}

TEST(AnkiFormat, NamesFieldsAsAnkiDoesWithoutColumnsLine)
{
    const auto anki = readAnki("#tags:imported\n#deck column:2\n#tags column:5\na\tDeck\tb\tc\tt1 t2\nd\tDeck\te\n",
                               std::nullopt);
    EXPECT_EQ(anki.table.list.itemType, "Front");
    EXPECT_EQ(anki.table.list.fields, (Strings {"Back", "Field 3"}));
    EXPECT_EQ(notesOf(anki),
              (std::vector<Note> {{"a", {"b", "c"}, "imported t1 t2"}, {"d", {"e", ""}, "imported"}}));
    EXPECT_FALSE(anki.namedColumns);
}

TEST(AnkiFormat, KeepsTextsAsWrittenWithoutHtml)
{
    const auto anki = readAnki("#html:false\n<b>a&amp;b</b>\t[sound:x.mp3]\n", std::nullopt);
    EXPECT_EQ(notesOf(anki), (std::vector<Note> {{"<b>a&amp;b</b>", {"[sound:x.mp3]"}, ""}}));
    EXPECT_EQ(anki.mediaDropped, 0u);
}

TEST(AnkiFormat, TakesTheLastColumnNamedCommentAsTheComment)
{
    const auto anki = readAnki("#columns:Comment\tComment\tComment\na\tb\tc\n", std::nullopt);
    EXPECT_EQ(anki.table.list.itemType, "Comment");
    EXPECT_EQ(anki.table.list.fields, Strings {"Comment"});
    EXPECT_EQ(notesOf(anki), (std::vector<Note> {{"a", {"b"}, "c"}}));
    const auto alone = readAnki("#columns:Comment\na\n", std::nullopt);
    EXPECT_EQ(notesOf(alone), (std::vector<Note> {{"a", {}, ""}}));
}

TEST(AnkiFormat, RefusesMixedNoteTypesNamingThemUnlessOneIsChosen)
{
    const std::string text = "#notetype column:1\nBasic\ta\tb\nCloze\t{{c1::x}}\textra\nBasic\tc\td\n";
    EXPECT_EQ(failureOf(text), "notes of 2 note types: \"Basic\", \"Cloze\"; import one of them with --notetype NAME");
    const auto basic = readAnki(text, std::string("Basic"));
    EXPECT_EQ(notesOf(basic), (std::vector<Note> {{"a", {"b"}, ""}, {"c", {"d"}, ""}}));
    EXPECT_EQ(basic.otherNotes, 1u);
    EXPECT_EQ(basic.table.lines, (std::vector<size_t> {2, 4}));
    EXPECT_EQ(failureOf(text, std::string("Basic (and reversed)")),
              "no notes of note type \"Basic (and reversed)\"; the file holds \"Basic\", \"Cloze\"");
    EXPECT_EQ(failureOf("#notetype:Basic\na\tb\n", std::string("Basic")), "(accepted)");
    EXPECT_EQ(failureOf("#notetype:Basic\na\tb\n", std::string("Cloze")),
              "no notes of note type \"Cloze\"; the file holds \"Basic\"");
    EXPECT_EQ(failureOf("a\tb\n", std::string("Basic")), "--notetype: the file does not name the note types of its notes");
}

TEST(AnkiFormat, NamesTheLineOfEveryFault)
{
    EXPECT_EQ(failureOf("#columns:Front\tBack\na\tb\nc\td\te\nf\n"), "line 3: 3 columns, expected 2");
    EXPECT_EQ(failureOf("#html:yes\na\n"), "line 1: #html:yes: expected true or false");
    EXPECT_EQ(failureOf("#separator:tab\n#separator:Tabs\na\n"),
              "line 2: #separator:Tabs: not a separator (Tab, Comma, Semicolon, Space, Pipe, Colon or one character)");
    EXPECT_EQ(failureOf("#tags column:0\na\n"), "line 1: #tags column:0: not a column number");
    EXPECT_EQ(failureOf("#deck column:x\na\n"), "line 1: #deck column:x: not a column number");
    EXPECT_EQ(failureOf("#columns:a\tb\n#tags column:3\nx\ty\n"),
              "line 1: #columns: names 2 columns, but column 3 is used");
    EXPECT_EQ(failureOf("#tags column:1\nt\n"), "no column is left for the items' texts");
    EXPECT_EQ(failureOf("a\t\"b\"c\n"), "line 1: text after a closing quote");
    EXPECT_EQ(failureOf("#html:true\n"), "no notes and no #columns: line");
}

TEST(AnkiFormat, WritesTabSeparatedPlainTextWithTheListsNames)
{
    Qlx::StudyListRecord list;
    list.itemType = "Wort";
    list.fields = {"Bedeutung", "Bei\tspiel"};
    list.items.push_back({1, "Haus", {"house", "line\r\nbreak"}, "noun", 0, 0});
    list.items.push_back({2, "#1", {"\"quoted\" start", "mid \"quote\""}, "", 0, 0});
    list.items.push_back({3, "", {"", ""}, "", 0, 0});
    EXPECT_EQ(Qlx::writeAnki(list), "#separator:tab\n#html:false\n#columns:Wort\tBedeutung\tBei spiel\tComment\n"
                                    "Haus\thouse\tline break\tnoun\n"
                                    "\"#1\"\t\"\"\"quoted\"\" start\"\tmid \"quote\"\t\n"
                                    "\t\t\t\n");
    const auto back = readAnki(Qlx::writeAnki(list), std::nullopt);
    EXPECT_EQ(notesOf(back)[1], (Note {"#1", {"\"quoted\" start", "mid \"quote\""}, ""}));
}
