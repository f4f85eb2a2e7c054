#include <new>
#include <sstream>
#include <streambuf>
#include <typeinfo>

#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/qlx/QlxTestFiles.h"
#include "tests/qlx/RandomList.h"
#include "tests/support/WriteFault.h"
#include "tools/qlx/Command.h"
#include "tools/qlx/SystemText.h"

using QlxTest::readBytes;
using QlxTest::run;
using QlxTest::writeBytes;

namespace
{
    // A list with the default structure, one item (1, cat, Katze, no comment,
    // asked twice, once right) and default settings.
    const std::string CatFile(
        "\x01\x00\xFE\xCA\xC5\x04\x00\x00\x00Term\x01\x00\x00\x00\xC5\x0A\x00\x00\x00"
        "Definition\x01\x00\x00\x00\x01\x00\x00\x00\xC5\x03\x00\x00\x00"
        "cat\xC5\x05\x00\x00\x00Katze\xC5\x00\x00\x00\x00\x02\x00\x00\x00\x01\x00\x00\x00"
        "\x00\x00\x00\x00\x12\xAD\xDD\xBA\x12\xAD\xDD\xBA\x12\xAD\xDD\xBA\x03\x00\x00\x00"
        "\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00",
        107);

    const char* const CatJson = R"({"itemType": "Term", "fields": ["Definition"],
 "items": [{"number": 1, "term": "cat", "definitions": ["Katze"], "comment": "", "timesAsked": 2, "correctAnswers": 1}],
 "settings": {"timeOut": 0, "shuffle": false, "continuous": false, "caseSensitive": false,
              "numChoices": 3, "fromDir": 0, "toDir": 3, "fromField": 0, "toField": 0}})";

    std::string replaced(std::string text, const std::string& part, const std::string& replacement)
    {
        const auto at = text.find(part);
        EXPECT_NE(at, std::string::npos) << part;
        return text.replace(at, part.size(), replacement);
    }

    class QlxCommand : public QlxTest::FilesTest
    {
    protected:
        // Exports `file` and imports the JSON again; returns the bytes written.
        std::string roundTrip(const std::string& file, const std::vector<std::string>& options = {})
        {
            std::vector<std::string> exportArgs {"export", file, "--format", "json"};
            exportArgs.insert(exportArgs.end(), options.begin(), options.end());
            const auto exported = run(exportArgs);
            EXPECT_EQ(exported.status, 0) << exported.err;
            writeBytes(path("list.json"), exported.out);
            std::vector<std::string> importArgs {"import", path("list.json"), "-o", path("back.qlx")};
            importArgs.insert(importArgs.end(), options.begin(), options.end());
            const auto imported = run(importArgs);
            EXPECT_EQ(imported.status, 0) << imported.err;
            EXPECT_EQ(imported.out, "");
            return readBytes(path("back.qlx"));
        }
    };
}

TEST_F(QlxCommand, ChecksAListWithASummary)
{
    writeBytes(path("cat.qlx"), CatFile);
    const auto result = run({"check", path("cat.qlx")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, path("cat.qlx") + ": 1 item, fields: Term, Definition; code page 1252\n");
    EXPECT_EQ(result.err, "");
}

TEST_F(QlxCommand, ImportsJsonToTheExactBytesOfTheProgram)
{
    writeBytes(path("cat.json"), CatJson);
    const auto result = run({"import", path("cat.json"), "-o", path("cat.qlx")});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(readBytes(path("cat.qlx")), CatFile);
    EXPECT_EQ(fileNames(), (std::vector<std::string> {"cat.json", "cat.qlx"}));
}

TEST_F(QlxCommand, GivesBackTheSameBytesAfterExportAndImport)
{
    writeBytes(path("cat.qlx"), CatFile);
    EXPECT_EQ(roundTrip(path("cat.qlx")), CatFile);
}

TEST_F(QlxCommand, KeepsNonAsciiTextsEmptyTextsAndSettingsThroughARoundTrip)
{
    Quillory doc;
    Outline outline;
    outline.setItemType("Wort");
    outline.removeDef(0);
    for (const char* name : {"Bedeutung", "Beispiel", "Anmerkung \x80"})
        outline.addDef(name);
    doc.setOutline(outline);
    const char* const terms[] = {"caf\xE9", "Stra\xDF" "e", "\x80", ""};
    for (int i = 0; i < 4; ++i)
    {
        TermSet item(4 - i, doc.getOutline());
        item.setTerm(terms[i]);
        item.setDefText(0, i % 2 ? "" : "Kaffee");
        item.setDefText(2, std::string("a\0b\x81\x9D", 5));
        item.setComment(i == 1 ? "\xFC\x62\x65r" : "");
        item.setScores(10 * i, 3 * i);
        doc.addItem(item);
    }
    doc.getSettings().setTimeOut(99);
    doc.getSettings().setFromField(2);
    doc.getSettings().setToAnything();
    const std::string file = save(doc, "de.qlx");
    EXPECT_EQ(roundTrip(file), readBytes(file));
    EXPECT_NE(readBytes(path("list.json")).find("\"caf\xC3\xA9\""), std::string::npos);
}

TEST_F(QlxCommand, KeepsAListWithoutDefinitionFieldsThroughARoundTrip)
{
    Quillory doc;
    Outline outline;
    outline.removeDef(0);
    doc.setOutline(outline);
    TermSet item(1, doc.getOutline());
    item.setTerm("alone");
    doc.addItem(item);
    const std::string file = save(doc, "bare.qlx");
    EXPECT_EQ(roundTrip(file), readBytes(file));
}

namespace
{
    class RandomRoundTrip : public QlxCommand, public ::testing::WithParamInterface<unsigned>
    {
    };
}

TEST_P(RandomRoundTrip, GivesBackTheSameBytes)
{
    Quillory doc;
    QlxTest::RandomList(GetParam()).fill(doc);
    const std::string file = save(doc, "random.qlx");
    EXPECT_EQ(roundTrip(file), readBytes(file));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomRoundTrip, ::testing::Range(1u, 21u));

namespace
{
    struct Damage
    {
        const char* name;
        size_t offset;        // where the bytes change
        const char* bytes;    // the new bytes there, or nullptr to cut the file at offset
        const char* failure;
    };

    class CheckFailures : public QlxCommand, public ::testing::WithParamInterface<Damage>
    {
    };

    std::string damageName(const ::testing::TestParamInfo<Damage>& info) { return info.param.name; }
}

TEST_P(CheckFailures, PrintTheTextTheProgramShowsAfterThePath)
{
    std::string bytes = CatFile;
    if (GetParam().bytes)
        bytes.replace(GetParam().offset, 4, std::string(GetParam().bytes, 4));
    else
        bytes.resize(GetParam().offset);
    writeBytes(path("damaged.qlx"), bytes);
    const auto result = run({"check", path("damaged.qlx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, path("damaged.qlx") + ": " + GetParam().failure + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Files, CheckFailures,
    ::testing::Values(Damage {"Empty", 0, nullptr, "This is not a valid Quillory file or the file is corrupt"},
                      Damage {"BadMagic", 0, "\x02\x00\xFE\xCA", "This is not a valid Quillory file or the file is corrupt"},
                      Damage {"CutInComment", 60, nullptr, "Unexpected end of file"},
                      Damage {"CutOneByteEarly", 106, nullptr, "Unexpected end of file"},
                      Damage {"NotAString", 4, "\xC4\x04\x00\x00", "Data corruption"},
                      Damage {"FieldCount501", 13, "\xF5\x01\x00\x00", "Data corruption"},
                      Damage {"ItemCountMillion", 32, "\x40\x42\x0F\x00", "Data corruption"},
                      Damage {"BadBool", 75, "\x01\x00\x00\x00", "Invalid data"}),
    damageName);

TEST_F(QlxCommand, ReportsAMissingFileAsTheProgramDoes)
{
    const auto result = run({"check", path("none.qlx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, path("none.qlx") + ": Couldn't open file for reading\n");
}

namespace
{
    struct BadInput
    {
        const char* name;
        const char* part;
        const char* replacement;
        const char* failure;   // after "IN: "; empty: only the status and the files are checked
    };

    class ImportFailures : public QlxCommand, public ::testing::WithParamInterface<BadInput>
    {
    };

    std::string inputName(const ::testing::TestParamInfo<BadInput>& info) { return info.param.name; }
}

TEST_P(ImportFailures, LeaveAnExistingListUntouched)
{
    const std::string old = "previous content";
    writeBytes(path("out.qlx"), old);
    writeBytes(path("in.json"), replaced(CatJson, GetParam().part, GetParam().replacement));
    const auto result = run({"import", path("in.json"), "-o", path("out.qlx")});
    EXPECT_EQ(result.status, 1);
    if (*GetParam().failure)
        EXPECT_EQ(result.err, path("in.json") + ": " + GetParam().failure + "\n");
    else
        EXPECT_EQ(result.err.rfind(path("in.json") + ": ", 0), 0u) << result.err;
    EXPECT_EQ(readBytes(path("out.qlx")), old);
    EXPECT_EQ(fileNames(), (std::vector<std::string> {"in.json", "out.qlx"}));
}

INSTANTIATE_TEST_SUITE_P(
    Json, ImportFailures,
    ::testing::Values(BadInput {"Syntax", R"("items": [{)", R"("items": [{,)", ""},
                      BadInput {"Truncated", R"(, "fromField": 0, "toField": 0}})", ",", ""},
                      BadInput {"MissingKey", R"("timesAsked": 2, )", "", R"(item 1: missing key "timesAsked")"},
                      BadInput {"WrongType", R"("number": 1)", R"("number": "1")", R"(item 1: "number": expected an integer)"},
                      BadInput {"DefinitionCount", R"(["Katze"])", R"(["Katze", "cat"])", "item 1: 2 definitions for 1 fields"},
                      BadInput {"Scores", R"("correctAnswers": 1)", R"("correctAnswers": 3)",
                                "item 1: correct answers (3) exceed times asked (2)"},
                      BadInput {"Settings", R"("numChoices": 3)", R"("numChoices": 0)", "settings: numChoices 0 is not 2 to 6"}),
    inputName);

TEST_F(QlxCommand, CreatesNothingWhenTheImportFails)
{
    writeBytes(path("in.json"), replaced(CatJson, R"("numChoices": 3)", R"("numChoices": 0)"));
    const auto result = run({"import", path("in.json"), "-o", path("out.qlx")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(fileNames(), std::vector<std::string> {"in.json"});
}

TEST_F(QlxCommand, KeepsThePreviousListWhenWritingFails)
{
    writeBytes(path("in.json"), CatJson);
    writeBytes(path("out.qlx"), "previous content");
    for (const auto when : {TestSupport::WriteFault::AT_WRITE, TestSupport::WriteFault::AT_CLOSE})
    {
        const TestSupport::WriteFault fault(20, when);
        const auto result = run({"import", path("in.json"), "-o", path("out.qlx")}, fault);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, path("out.qlx") + ": File write failed\n");
        EXPECT_EQ(readBytes(path("out.qlx")), "previous content");
        EXPECT_EQ(fileNames(), (std::vector<std::string> {"in.json", "out.qlx"}));
    }
}

// A list of any script imports; it is written in the legacy code page when
// every text fits it, else in UTF-8 with the mark, and exports back unchanged.
TEST_F(QlxCommand, WritesTheLegacyCodePageWhereTheTextsFitItAndUtf8Elsewhere)
{
    writeBytes(path("ru.json"), replaced(CatJson, R"("cat")", R"("\u041f\u0440\u0438")"));
    const auto utf8 = run({"import", path("ru.json"), "-o", path("ru.qlx")});
    ASSERT_EQ(utf8.status, 0) << utf8.err;
    const std::string marked = readBytes(path("ru.qlx"));
    EXPECT_NE(marked.find("\xC5\x06\0\0\0\xD0\x9F\xD1\x80\xD0\xB8", 0, 11), std::string::npos);
    EXPECT_EQ(marked.substr(marked.size() - 10), std::string("\xC5\x05\0\0\0UTF-8", 10));
    EXPECT_EQ(run({"check", path("ru.qlx")}).out, path("ru.qlx") + ": 1 item, fields: Term, Definition; UTF-8 texts\n");
    EXPECT_NE(run({"export", path("ru.qlx")}).out.find("\"term\": \"\xD0\x9F\xD1\x80\xD0\xB8\""), std::string::npos);

    const auto imported = run({"import", path("ru.json"), "-o", path("ru.qlx"), "--codepage", "1251"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_NE(readBytes(path("ru.qlx")).find("\xC5\x03\x00\x00\x00\xCF\xF0\xE8", 0, 8), std::string::npos);

    const auto asCyrillic = run({"export", path("ru.qlx"), "--codepage", "1251"});
    EXPECT_NE(asCyrillic.out.find("\"term\": \"\xD0\x9F\xD1\x80\xD0\xB8\""), std::string::npos);
    const auto asWestern = run({"export", path("ru.qlx")});
    EXPECT_NE(asWestern.out.find("\"term\": \"\xC3\x8F\xC3\xB0\xC3\xA8\""), std::string::npos);
}

TEST_F(QlxCommand, RefusesAnUnknownCodePage)
{
    writeBytes(path("cat.qlx"), CatFile);
    const auto result = run({"export", path("cat.qlx"), "--codepage", "4242"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "unknown code page 4242\n");
}

TEST_F(QlxCommand, RefusesAMalformedCommandLine)
{
    writeBytes(path("cat.qlx"), CatFile);
    for (const auto& args : std::vector<std::vector<std::string>> {
             {},
             {"convert", path("cat.qlx")},
             {"check"},
             {"export", path("cat.qlx"), "--format", "xml"},
             {"export", path("cat.qlx"), "--codepage", "latin"},
             {"import", path("cat.qlx")}})
    {
        const auto result = run(args);
        EXPECT_EQ(result.status, 1) << ::testing::PrintToString(args);
        EXPECT_NE(result.err, "") << ::testing::PrintToString(args);
    }
    EXPECT_EQ(fileNames(), std::vector<std::string> {"cat.qlx"});
}

TEST(QlxHelp, DescribesTheSubcommandsAndTheCodePage)
{
    const auto result = run({"--help"});
    EXPECT_EQ(result.status, 0);
    for (const char* word : {"check", "export", "import", "--codepage", "UTF-8"})
        EXPECT_NE(result.out.find(word), std::string::npos) << word;
}

TEST_F(QlxCommand, TakesFileNamesInUtf8)
{
    const std::string name = path("") + "caf\xC3\xA9 \xE2\x82\xAC.qlx";
    writeBytes(std::filesystem::u8path(name), CatFile);
    const auto result = run({"check", name});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, name + ": 1 item, fields: Term, Definition; code page 1252\n");
#ifdef _WIN32
    // Windows opens it by its name in the ANSI code page.
    EXPECT_EQ(Qlx::systemPath("caf\xC3\xA9"), "caf\xE9");
#endif
}

TEST_F(QlxCommand, ShowsNamesTheCodePageCannotConvertAsEscapedBytesInTheSummary)
{
    Quillory doc;
    Outline outline;
    outline.setItemType("\x93");   // a lead byte of 932 without its second byte
    doc.setOutline(outline);
    const std::string file = save(doc, "cut.qlx");
    const auto result = run({"check", file, "--codepage", "932"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, file + ": 0 items, fields: \\x93, Definition; code page 932\n");
    EXPECT_EQ(run({"export", file, "--codepage", "932"}).err, file + ": item type cannot be converted from code page 932\n");
}

namespace
{
    // Standard output whose every write throws `Error`, passed on by a stream
    // that rethrows what its buffer throws.
    template<class Error>
    class ThrowingBuffer : public std::streambuf
    {
    protected:
        int_type overflow(int_type) override { throw Error(); }
        std::streamsize xsputn(const char*, std::streamsize) override { throw Error(); }
    };

    template<class Error>
    QlxTest::RunResult exportTo(const std::string& file)
    {
        ThrowingBuffer<Error> buffer;
        std::ostream out(&buffer);
        out.exceptions(std::ios::badbit);
        std::ostringstream err;
        const char* const argv[] = {"qlx", "export", file.c_str()};
        const int status = Qlx::run(3, argv, out, err);
        return {status, "", err.str()};
    }
}

TEST_F(QlxCommand, ExitsWithOneAndAMessageOnAnyException)
{
    writeBytes(path("cat.qlx"), CatFile);
    const auto noMemory = exportTo<std::bad_alloc>(path("cat.qlx"));
    EXPECT_EQ(noMemory.status, 1);
    EXPECT_EQ(noMemory.err, "not enough memory\n");
    const auto other = exportTo<std::bad_cast>(path("cat.qlx"));
    EXPECT_EQ(other.status, 1);
    EXPECT_EQ(other.err.rfind("unexpected failure: ", 0), 0u) << other.err;
}

#ifndef _WIN32
// Windows file names cannot hold double quotes; elsewhere they are names like any other.
TEST_F(QlxCommand, UsesFileNamesWithDoubleQuotesAsGiven)
{
    writeBytes(path("in.json"), CatJson);
    const auto imported = run({"import", path("in.json"), "-o", path("c\"d.qlx")});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(fileNames(), (std::vector<std::string> {"c\"d.qlx", "in.json"}));
    const auto checked = run({"check", path("c\"d.qlx")});
    EXPECT_EQ(checked.status, 0) << checked.err;
    EXPECT_EQ(run({"check", path("cd.qlx")}).status, 1);
}
#endif
