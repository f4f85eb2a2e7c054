#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/Exception.h"
#include "model/Quillory.h"
#include "persist/FileTexts.h"
#include "persist/StudyListFile.h"
#include "tests/persist/StudyListBytes.h"

using TestData::StudyListBytes;
using WinFile::FileTexts;

namespace
{
    // Windows 10 1903 or later on a Western system: texts in memory are UTF-8.
    const WinFile::CodePages Western{1252, 65001};
    // An older Western Windows: texts in memory are in the legacy code page.
    const WinFile::CodePages OlderWestern{1252, 1252};

    const std::string Cafe = "caf\xC3\xA9";
    const std::string Kitten = "кошка";
    const std::string Cat = "猫";

    // One field named `field`, one item (term, definition), default settings.
    std::string listBytes(const std::string& field, const std::string& term, const std::string& definition,
                          bool marked = false)
    {
        StudyListBytes bytes;
        bytes.magic().s("Term").i(1).s(field).i(1).i(1).s(term).s(definition).s("").i(0).i(0).defaultSettings();
        if (marked)
            bytes.s("UTF-8");
        return bytes.bytes();
    }

    void fill(Quillory& doc, const std::string& field, const std::string& term, const std::string& definition)
    {
        Outline outline;
        outline.removeAllDefs();
        outline.addDef(field);
        doc.setOutline(outline);
        TermSet item(1, doc.getOutline());
        item.setTerm(term);
        item.setDefText(0, definition);
        doc.addItem(item);
    }

    std::string saved(Quillory& doc, const WinFile::CodePages& pages, FileTexts* texts = nullptr)
    {
        std::stringbuf buf;
        WinFile::Serializer out(buf);
        const FileTexts written = WinFile::writeStudyList(out, doc, pages);
        if (texts)
            *texts = written;
        return buf.str();
    }

    FileTexts load(Quillory& doc, const std::string& bytes, const WinFile::CodePages& pages)
    {
        WinFile::DeSerializer in(bytes.data(), bytes.size());
        return WinFile::readStudyList(in, doc, pages);
    }

    void expectList(const Quillory& doc, const std::string& field, const std::string& term,
                    const std::string& definition)
    {
        ASSERT_EQ(doc.getItemCount(), 1u);
        EXPECT_EQ(doc.getOutline().getDef(0), field);
        EXPECT_EQ(doc.getItem(0).getTerm(), term);
        EXPECT_EQ(doc.getItem(0).getDefText(0), definition);
    }
}

// Every list an older program could save is still saved as it saved it.
TEST(FileTexts, AListThatFitsTheLegacyCodePageIsSavedInItByteForByte)
{
    Quillory doc;
    fill(doc, "Übersetzung", Cafe, "coffee");
    FileTexts texts = FileTexts::Utf8;
    EXPECT_EQ(saved(doc, Western, &texts), listBytes("\xDC" "bersetzung", "caf\xE9", "coffee"));
    EXPECT_EQ(texts, FileTexts::LegacyCodePage);

    Quillory ascii;
    fill(ascii, "Definition", "cat", "Katze");
    EXPECT_EQ(saved(ascii, Western), listBytes("Definition", "cat", "Katze"));
}

TEST(FileTexts, AListBeyondTheLegacyCodePageIsSavedInUtf8WithTheMark)
{
    Quillory doc;
    fill(doc, "Übersetzung", Kitten, Cat);
    FileTexts texts = FileTexts::LegacyCodePage;
    const std::string bytes = saved(doc, Western, &texts);
    EXPECT_EQ(texts, FileTexts::Utf8);
    // The mark is the string primitive of the five bytes UTF-8.
    EXPECT_EQ(bytes, listBytes("Übersetzung", Kitten, Cat) + std::string("\xC5\x05\0\0\0UTF-8", 10));

    Quillory loaded;
    EXPECT_EQ(load(loaded, bytes, Western), FileTexts::Utf8);
    expectList(loaded, "Übersetzung", Kitten, Cat);
    EXPECT_EQ(saved(loaded, Western), bytes);
}

// Texts are written as they come; the first one beyond ASCII must not decide
// alone: a text far behind it that does not fit the legacy code page makes
// the whole list UTF-8, and a list that fits is converted throughout.
TEST(FileTexts, TheWholeListDecidesEvenWhenItsFirstLettersFit)
{
    const auto bytesWith = [](const std::string& lastTerm) {
        Quillory doc;
        fill(doc, "Definition", "cat", "Katze");
        for (const std::string& term : {Cafe, std::string(5000, 'x'), lastTerm})
        {
            TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
            item.setTerm(term);
            doc.addItem(item);
        }
        FileTexts texts;
        const std::string bytes = saved(doc, Western, &texts);
        return std::make_pair(bytes, texts);
    };
    const auto [beyond, beyondTexts] = bytesWith(Kitten);
    EXPECT_EQ(beyondTexts, FileTexts::Utf8);
    EXPECT_NE(beyond.find(Cafe), std::string::npos);
    EXPECT_EQ(beyond.find("caf\xE9"), std::string::npos);

    const auto [fits, fitsTexts] = bytesWith("na\xC3\xAFve");
    EXPECT_EQ(fitsTexts, FileTexts::LegacyCodePage);
    EXPECT_NE(fits.find("caf\xE9"), std::string::npos);
    EXPECT_NE(fits.find("na\xEFve"), std::string::npos);
    Quillory loaded;
    EXPECT_EQ(load(loaded, fits, Western), FileTexts::LegacyCodePage);
    EXPECT_EQ(loaded.getItem(1).getTerm(), Cafe);
    EXPECT_EQ(loaded.getItem(3).getTerm(), "na\xC3\xAFve");
}

// Legacy bytes that all happen to be UTF-8 would read back as other letters:
// such a list keeps its texts by being marked.
TEST(FileTexts, AListWhoseLegacyBytesReadAsUtf8IsMarked)
{
    Quillory doc;
    fill(doc, "Definition", "Ã©", "x");
    const std::string bytes = saved(doc, Western);
    EXPECT_EQ(bytes, listBytes("Definition", "Ã©", "x", true));
    Quillory loaded;
    load(loaded, bytes, Western);
    expectList(loaded, "Definition", "Ã©", "x");
}

namespace
{
    struct Unmarked
    {
        const char* name;
        std::string field, term, definition;   // as the file holds them
        FileTexts texts;
        std::string expectedField, expectedTerm, expectedDefinition;   // in memory
    };

    class UnmarkedFiles : public ::testing::TestWithParam<Unmarked>
    {
    };
}

// A file without the mark was written by an older program in the legacy code
// page, or where the code page is UTF-8: its texts tell which.
TEST_P(UnmarkedFiles, AreReadInTheCodePageTheirTextsShow)
{
    const Unmarked& file = GetParam();
    Quillory doc;
    EXPECT_EQ(load(doc, listBytes(file.field, file.term, file.definition), Western), file.texts);
    expectList(doc, file.expectedField, file.expectedTerm, file.expectedDefinition);
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnmarkedFiles,
    ::testing::Values(
        Unmarked{"Utf8", "Übersetzung", Kitten, Cat, FileTexts::Utf8, "Übersetzung", Kitten, Cat},
        Unmarked{"CodePage1252", "\xDC" "bersetzung", "caf\xE9", "\x80 5", FileTexts::LegacyCodePage, "Übersetzung",
                 Cafe, "€ 5"},
        // One text that is not UTF-8 makes all of them legacy.
        Unmarked{"Mixed", "Definition", "\xC3\xA9", "\xE9", FileTexts::LegacyCodePage, "Definition", "Ã©", Cafe.substr(3)},
        Unmarked{"Ascii", "Definition", "cat", "Katze", FileTexts::LegacyCodePage, "Definition", "cat", "Katze"}),
    [](const auto& info) { return info.param.name; });

TEST(FileTexts, BytesAfterTheSettingsThatAreNotTheMarkAreIgnored)
{
    for (const std::string& after : {std::string("\xC5\x05\0\0\0UTF-9", 10), std::string("\xC5\x05\0\0", 4),
                                     std::string("junk")})
    {
        Quillory doc;
        EXPECT_EQ(load(doc, listBytes("Definition", "caf\xE9", "x") + after, Western), FileTexts::LegacyCodePage);
        expectList(doc, "Definition", Cafe, "x");
    }
}

// A marked file cut anywhere in its body fails as any file does; cut inside
// the mark it still loads, its texts being UTF-8 all the same.
TEST(FileTexts, EveryCutOfAMarkedFileFailsOrLoadsItsTexts)
{
    const std::string body = listBytes("Übersetzung", Kitten, Cat);
    const std::string marked = listBytes("Übersetzung", Kitten, Cat, true);
    for (std::size_t length = 0; length < marked.size(); ++length)
    {
        Quillory doc;
        const std::string cut = marked.substr(0, length);
        if (length < body.size())
        {
            EXPECT_ANY_THROW(load(doc, cut, Western)) << "cut after " << length << " bytes";
            continue;
        }
        EXPECT_EQ(load(doc, cut, Western), FileTexts::Utf8) << "cut after " << length << " bytes";
        expectList(doc, "Übersetzung", Kitten, Cat);
    }
}

// Where texts in memory are in the legacy code page, a list that does not fit
// it would show question marks that a save would then write: it is refused.
TEST(FileTexts, AnOlderWindowsRefusesAListBeyondItsCodePage)
{
    Quillory doc;
    try
    {
        load(doc, listBytes("Definition", Kitten, "cat", true), OlderWestern);
        ADD_FAILURE() << "loaded";
    }
    catch (const Win::Exception& e)
    {
        EXPECT_NE(e.getMessage().find("Windows 10 version 1903 or later"), std::string::npos) << e.getMessage();
    }

    Quillory fits;
    EXPECT_EQ(load(fits, listBytes("Definition", Cafe, "cat", true), OlderWestern), FileTexts::Utf8);
    expectList(fits, "Definition", "caf\xE9", "cat");
    EXPECT_EQ(saved(fits, OlderWestern), listBytes("Definition", "caf\xE9", "cat"));
}

// Items find their texts by field name: converted names still find them, and
// fields of one name share the first text as they always do.
TEST(FileTexts, ConvertedFieldNamesKeepEachItemsTextsInPlace)
{
    StudyListBytes bytes;
    bytes.magic().s("Term").i(3).s("\xE9t\xE9").s("Plural").s("\xE9t\xE9").i(1).i(1).s("\xE9t\xE9");
    bytes.s("summer").s("summers").s("hot").s("").i(0).i(0).defaultSettings();
    Quillory doc;
    EXPECT_EQ(load(doc, bytes.bytes(), Western), FileTexts::LegacyCodePage);
    EXPECT_EQ(doc.getOutline().getDef(0), "été");
    EXPECT_EQ(doc.getOutline().getDef(2), "été");
    EXPECT_EQ(doc.getItem(0).getTerm(), "été");
    EXPECT_EQ(doc.getItem(0).getDefText(0), "summer");
    EXPECT_EQ(doc.getItem(0).getDefText(1), "summers");
    EXPECT_EQ(doc.getItem(0).getDefText(2), "summer");
}
