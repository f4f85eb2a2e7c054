#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/persist/LoadOutcome.h"
#include "tests/persist/StudyListBytes.h"

using TestData::LoadOutcome;
using TestData::StudyListBytes;

namespace
{
    // Fields whose names are not in order: Definition, Plural, Example.
    void wordOutline(Quillory& doc)
    {
        Outline outline;
        outline.setItemType("Word");
        outline.addDef("Plural");
        outline.addDef("Example");
        doc.setOutline(outline);
    }

    Quillory& catList(Quillory& doc)
    {
        TermSet item(1, doc.getOutline());
        item.setTerm("cat");
        item.setDefText(0, "Katze");
        item.answeredCorrectly();
        item.answeredWrongly();
        doc.addItem(item);
        return doc;
    }

    void expectPlainCorruption(const LoadOutcome& outcome)
    {
        EXPECT_EQ(outcome.kind, LoadOutcome::PLAIN_FAILURE);
        EXPECT_EQ(outcome.text, "Data corruption");
    }

    // A list of `defCount` fields and no items.
    std::string withDefCount(std::int32_t claimed, std::int32_t written)
    {
        StudyListBytes bytes;
        bytes.magic().s("Term").i(claimed);
        for (std::int32_t i = 0; i < written; ++i)
            bytes.s("F" + std::to_string(i));
        return bytes.i(0).defaultSettings().bytes();
    }

    std::string withItemCount(std::int32_t count)
    {
        return StudyListBytes().magic().s("Term").i(1).s("Definition").i(count).bytes();
    }
}

TEST(FileFormat, TheCatListIsTheDocumentedBytes)
{
    Quillory doc;
    EXPECT_EQ(TestData::bytesOf(catList(doc)), TestData::catExample());
    EXPECT_TRUE(doc.isSaved());
}

TEST(FileFormat, TheCatBytesLoadAsTheCatList)
{
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, TestData::catExample()).kind, LoadOutcome::LOADED);
    Quillory expected;
    catList(expected);
    ASSERT_EQ(loaded.getItemCount(), 1u);
    EXPECT_EQ(loaded.getItem(0), expected.getItem(0));
    EXPECT_EQ(loaded.getItem(0).getRatio(), 50);
    EXPECT_EQ(loaded.getOutline().getItemType(), "Term");
    EXPECT_TRUE(loaded.getSettings().isToEverythingElse());
    EXPECT_TRUE(loaded.isSaved());
}

TEST(FileFormat, RoundTripKeepsStructureItemsOrderAndSettings)
{
    Quillory doc;
    wordOutline(doc);
    for (int i = 3; i >= 1; --i)
    {
        TermSet item(i, doc.getOutline());
        item.setTerm("w" + std::to_string(i));
        item.setDefText(2, std::string("bytes \xE4\0\xFF", 9));
        item.setComment(i == 2 ? "note" : "");
        for (int k = 0; k < i; ++k)
            item.answeredWrongly();
        item.answeredCorrectly();
        doc.addItem(item);
    }
    Setting& settings = doc.getSettings();
    settings.setTimeOut(45);
    settings.setShuffle(true);
    settings.setCaseSensitive(true);
    settings.setNumChoices(6);
    settings.setFromField(2);
    settings.setToAnything();

    const std::string bytes = TestData::bytesOf(doc);
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, bytes).kind, LoadOutcome::LOADED);
    ASSERT_EQ(loaded.getItemCount(), 3u);
    for (unsigned i = 0; i < 3; ++i)
        EXPECT_EQ(loaded.getItem(i), doc.getItem(i));
    EXPECT_EQ(loaded.getOutline().getDef(2), "Example");
    EXPECT_EQ(loaded.getSettings().getTimeOut(), 45);
    EXPECT_TRUE(loaded.getSettings().isShuffle());
    EXPECT_FALSE(loaded.getSettings().isContinuous());
    EXPECT_TRUE(loaded.getSettings().isCaseSensitive());
    EXPECT_EQ(loaded.getSettings().getFromField(), 2u);
    EXPECT_TRUE(loaded.getSettings().isToAnything());
    EXPECT_EQ(TestData::bytesOf(loaded), bytes);
}

TEST(FileFormat, OnlyTheCurrentFieldsAreWrittenInOutlineOrder)
{
    Quillory doc;
    Outline outline;
    outline.addDef("Plural");
    outline.addDef("Old");
    doc.setOutline(outline);
    TermSet item(1, doc.getOutline());
    item.setDefText(0, "def");
    item.setDefText(1, "plural");
    item.setDefText(2, "gone");
    doc.addItem(item);
    outline.removeDef(2);
    outline.moveDefUp(1);
    doc.setOutline(outline);
    const std::string expected = StudyListBytes().magic().s("Term").i(2).s("Plural").s("Definition")
        .i(1).i(1).s("").s("plural").s("def").s("").i(0).i(0).defaultSettings().bytes();
    EXPECT_EQ(TestData::bytesOf(doc), expected);
}

TEST(FileFormat, NoDefinitionFieldsWritesOnlyTermCommentAndScores)
{
    Quillory doc;
    Outline outline;
    outline.removeDef(0);
    doc.setOutline(outline);
    TermSet item(1, doc.getOutline());
    item.setTerm("x");
    doc.addItem(item);
    const std::string expected = StudyListBytes().magic().s("Term").i(0).i(1).i(1).s("x").s("").i(0).i(0)
        .defaultSettings().bytes();
    EXPECT_EQ(TestData::bytesOf(doc), expected);
    Quillory loaded;
    EXPECT_EQ(TestData::loadInto(loaded, expected).kind, LoadOutcome::LOADED);
    EXPECT_EQ(loaded.getOutline().getDefCount(), 0u);
}

TEST(FileFormat, EmptyTextsReadBackAsNoStoredTexts)
{
    const std::string bytes = StudyListBytes().magic().s("Term").i(2).s("A").s("B")
        .i(1).i(1).s("t").s("").s("").s("").i(0).i(0).defaultSettings().bytes();
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, bytes).kind, LoadOutcome::LOADED);
    Quillory fresh;
    Outline outline;
    outline.removeDef(0);
    outline.addDef("A");
    outline.addDef("B");
    fresh.setOutline(outline);
    TermSet expected(1, fresh.getOutline());
    expected.setTerm("t");
    EXPECT_EQ(loaded.getItem(0), expected);
}

TEST(FileFormat, ARepeatedFieldNameKeepsTheFirstText)
{
    const std::string bytes = StudyListBytes().magic().s("Term").i(2).s("X").s("X")
        .i(1).i(1).s("t").s("first").s("second").s("").i(0).i(0).defaultSettings().bytes();
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, bytes).kind, LoadOutcome::LOADED);
    EXPECT_EQ(loaded.getItem(0).getDefText(0), "first");
    EXPECT_EQ(loaded.getItem(0).getDefText(1), "first");
}

// Names out of order, repeated apart, and a first text that is empty: each
// field shows the first non-empty text stored under its name.
TEST(FileFormat, RepeatedNamesOutOfOrderKeepTheFirstStoredText)
{
    const std::string bytes = StudyListBytes().magic().s("Term").i(5).s("Zeta").s("Alpha").s("Zeta").s("Mu").s("Alpha")
        .i(1).i(1).s("t").s("z first").s("").s("z second").s("m").s("a second").s("").i(0).i(0).defaultSettings().bytes();
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, bytes).kind, LoadOutcome::LOADED);
    const TermSet& item = loaded.getItem(0);
    EXPECT_EQ(item.getDefText(0), "z first");
    EXPECT_EQ(item.getDefText(1), "a second");
    EXPECT_EQ(item.getDefText(2), "z first");
    EXPECT_EQ(item.getDefText(3), "m");
    EXPECT_EQ(item.getDefText(4), "a second");
}

// At the size users reach, with an Outline whose names are not in order.
TEST(FileFormat, AHundredThousandItemsLoadAsSaved)
{
    Quillory doc;
    wordOutline(doc);
    for (int i = 0; i < 100000; ++i)
    {
        TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
        item.setTerm("word " + std::to_string(i));
        if (i % 2)
            item.setDefText(0, "a definition long enough to live outside the string " + std::to_string(i));
        item.setDefText(1, "plural " + std::to_string(i));
        if (i % 3)
            item.setDefText(2, "example " + std::to_string(i));
        item.setComment(i % 7 ? "" : "comment " + std::to_string(i));
        for (int k = 0; k < i % 5; ++k)
            item.answeredCorrectly();
        doc.addItem(item);
    }
    const std::string bytes = TestData::bytesOf(doc);
    Quillory scratch;
    ASSERT_EQ(TestData::loadInto(scratch, bytes).kind, LoadOutcome::LOADED);
    Quillory loaded;
    loaded = std::move(scratch);
    ASSERT_EQ(loaded.getItemCount(), doc.getItemCount());
    for (unsigned i = 0; i < doc.getItemCount(); ++i)
    {
        ASSERT_EQ(loaded.getItem(i), doc.getItem(i)) << i;
        ASSERT_EQ(&loaded.getItem(i).getOutline(), &loaded.getOutline()) << i;
    }
    EXPECT_EQ(TestData::bytesOf(loaded), bytes);
}

TEST(FileFormat, BytesAfterTheSettingsAreIgnored)
{
    EXPECT_EQ(TestData::loadOutcome(TestData::catExample() + "trailing").kind, LoadOutcome::LOADED);
}

TEST(FileFormat, WrongMagicIsNotAStudyList)
{
    std::string bytes = TestData::catExample();
    bytes[3] = '\xCB';
    const LoadOutcome outcome = TestData::loadOutcome(bytes);
    EXPECT_EQ(outcome.kind, LoadOutcome::WIN_EXCEPTION);
    EXPECT_EQ(outcome.text, "This is not a valid Quillory file or the file is corrupt");
}

TEST(FileFormat, FiveHundredFieldsLoadAndOneMoreIsCorruption)
{
    Quillory loaded;
    ASSERT_EQ(TestData::loadInto(loaded, withDefCount(500, 500)).kind, LoadOutcome::LOADED);
    EXPECT_EQ(loaded.getOutline().getDefCount(), 500u);
    expectPlainCorruption(TestData::loadOutcome(withDefCount(501, 501)));
}

TEST(FileFormat, NegativeFieldCountIsCorruption)
{
    expectPlainCorruption(TestData::loadOutcome(withDefCount(-1, 0)));
    expectPlainCorruption(TestData::loadOutcome(withDefCount(INT32_MIN, 0)));
}

TEST(FileFormat, ItemCountLimitIsCheckedBeforeTheItems)
{
    // 999999 passes the count check: reading goes on and meets the end of
    // the file where the first item's number should be.
    const LoadOutcome atLimit = TestData::loadOutcome(withItemCount(999999));
    EXPECT_EQ(atLimit.kind, LoadOutcome::WIN_EXCEPTION);
    EXPECT_EQ(atLimit.text, "Unexpected end of file");
    expectPlainCorruption(TestData::loadOutcome(withItemCount(1000000)));
    expectPlainCorruption(TestData::loadOutcome(withItemCount(INT32_MAX)));
}

TEST(FileFormat, NegativeItemCountIsCorruption)
{
    expectPlainCorruption(TestData::loadOutcome(withItemCount(-1)));
    expectPlainCorruption(TestData::loadOutcome(withItemCount(INT32_MIN)));
}

TEST(FileFormat, AnInvalidBooleanIsInvalidData)
{
    const std::string bytes = StudyListBytes().magic().s("Term").i(1).s("Definition").i(0)
        .i(0).b(false).i(1).b(false).i(3).i(0).i(3).i(0).i(0).bytes();
    const LoadOutcome outcome = TestData::loadOutcome(bytes);
    EXPECT_EQ(outcome.kind, LoadOutcome::WIN_EXCEPTION);
    EXPECT_EQ(outcome.text, "Invalid data");
}
