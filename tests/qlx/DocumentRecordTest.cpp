#include <functional>

#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/qlx/QlxTestFiles.h"
#include "exchange/CodePage.h"
#include "exchange/DocumentRecord.h"
#include "exchange/Failure.h"
#include "tests/exchange/SameRecord.h"
#include "tools/qlx/ListFiles.h"

using Qlx::StudyListRecord;

namespace
{
    const char* const Cafe = "caf\xC3\xA9";
    const char* const Cjk = "\xE6\x97\xA5";

    StudyListRecord validList()
    {
        StudyListRecord list;
        list.itemType = "Wort";
        list.fields = {"Bedeutung", "Beispiel"};
        list.items.push_back({2, Cafe, {"coffee", ""}, "", 4, 4});
        list.items.push_back({3, "Stra\xC3\x9F" "e", {"street", "\xE2\x82\xAC"}, "note", 0, 0});
        list.items.push_back({1, "", {"", ""}, "", 5, 1});
        list.settings = Qlx::SettingsRecord {30, true, true, false, 5, 1, 1, 1, 0};
        return list;
    }

    std::string importFailure(const StudyListRecord& list)
    {
        Quillory doc;
        try
        {
            Qlx::fromRecord(list, doc);
        }
        catch (const Qlx::Failure& failure)
        {
            return failure.what();
        }
        return "(accepted)";
    }
}

TEST(DocumentRecord, BuildsTheDocumentWithItsTextsInUtf8)
{
    Quillory doc;
    Qlx::fromRecord(validList(), doc);
    ASSERT_EQ(doc.getOutline().getDefCount(), 2u);
    EXPECT_EQ(doc.getOutline().getItemType(), "Wort");
    EXPECT_EQ(doc.getOutline().getDef(1), "Beispiel");
    ASSERT_EQ(doc.getItemCount(), 3u);
    const TermSet& second = doc.getItem(1);
    EXPECT_EQ(second.getItemNo(), 3);
    EXPECT_EQ(second.getTerm(), "Stra\xC3\x9F" "e");
    EXPECT_EQ(second.getDefText(1), "\xE2\x82\xAC");
    EXPECT_EQ(second.getComment(), "note");
    EXPECT_EQ(doc.getItem(2).getTimesAsked(), 5);
    EXPECT_EQ(doc.getItem(2).getCorrectAnswers(), 1);
    const Setting& settings = doc.getSettings();
    EXPECT_EQ(settings.getTimeOut(), 30);
    EXPECT_TRUE(settings.isShuffle());
    EXPECT_TRUE(settings.isContinuous());
    EXPECT_FALSE(settings.isCaseSensitive());
    EXPECT_EQ(settings.getNumChoices(), 5);
    EXPECT_EQ(settings.getFromField(), 1u);
    EXPECT_EQ(settings.getToField(), 0u);
}

TEST(DocumentRecord, GivesTheSettingsOfANewListWhenNoneAreGiven)
{
    StudyListRecord list = validList();
    list.settings.reset();
    Quillory doc;
    Qlx::fromRecord(list, doc);
    const Quillory fresh;
    EXPECT_EQ(doc.getSettings().getFromDir(), fresh.getSettings().getFromDir());
    EXPECT_EQ(doc.getSettings().getToDir(), fresh.getSettings().getToDir());
    EXPECT_EQ(doc.getSettings().getNumChoices(), fresh.getSettings().getNumChoices());
    EXPECT_EQ(doc.getSettings().getTimeOut(), fresh.getSettings().getTimeOut());
}

TEST(DocumentRecord, GivesBackTheRecordItWasBuiltFrom)
{
    Quillory doc;
    const StudyListRecord list = validList();
    Qlx::fromRecord(list, doc);
    const StudyListRecord back = Qlx::toRecord(doc, Qlx::CodePage(1252));
    ExchangeTest::expectSameItems(back, list);
    EXPECT_EQ(back.settings->toField, 0);
    EXPECT_EQ(back.settings->fromDir, 1);
}

TEST(DocumentRecord, KeepsTheStoredIndexOfASideThatIsNotAField)
{
    StudyListRecord list = validList();
    list.settings = Qlx::SettingsRecord {0, false, false, false, 3, 2, 3, -7, 12};
    Quillory doc;
    Qlx::fromRecord(list, doc);
    const StudyListRecord back = Qlx::toRecord(doc, Qlx::CodePage(1252));
    EXPECT_EQ(back.settings->fromDir, 2);
    EXPECT_EQ(back.settings->toDir, 3);
    EXPECT_EQ(back.settings->fromField, -7);
    EXPECT_EQ(back.settings->toField, 12);
}

namespace
{
    struct Fault
    {
        const char* name;
        std::function<void(StudyListRecord&)> change;
        const char* failure;
    };

    class RecordFaults : public ::testing::TestWithParam<Fault>
    {
    };

    std::string faultName(const ::testing::TestParamInfo<Fault>& info) { return info.param.name; }
}

TEST_P(RecordFaults, AreRefusedAndNamed)
{
    StudyListRecord list = validList();
    GetParam().change(list);
    EXPECT_EQ(importFailure(list), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RecordFaults,
    ::testing::Values(
        Fault {"Term", [](StudyListRecord& l) { l.items[2].term = "caf\xE9"; }, "item 3: term is not UTF-8 text"},
        Fault {"Definition", [](StudyListRecord& l) { l.items[0].definitions[1] = "\xC3"; },
               "item 1: definition 2 is not UTF-8 text"},
        Fault {"FieldName", [](StudyListRecord& l) { l.fields[0] = "\xFF"; }, "field 1 is not UTF-8 text"}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    Structure, RecordFaults,
    ::testing::Values(
        Fault {"TooFewDefinitions", [](StudyListRecord& l) { l.items[1].definitions.pop_back(); },
               "item 2: 1 definitions for 2 fields"},
        Fault {"TooManyDefinitions", [](StudyListRecord& l) { l.items[0].definitions.push_back(""); },
               "item 1: 3 definitions for 2 fields"},
        Fault {"TooManyFields",
               [](StudyListRecord& l) {
                   l.fields.assign(501, "F");
                   l.items.clear();
               },
               "too many fields: 501 (at most 500)"},
        Fault {"SharedNameDifferentTexts",
               [](StudyListRecord& l) {
                   l.fields[1] = l.fields[0];
                   l.items[1].definitions = {"same", "same"};
               },
               "item 1: fields 1 and 2 are both named \"Bedeutung\" but hold different texts"}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    Numbers, RecordFaults,
    ::testing::Values(
        Fault {"NumberZero", [](StudyListRecord& l) { l.items[2].number = 0; },
               "item 3: number 0 is not between 1 and 3 (the item count)"},
        Fault {"NumberAboveCount", [](StudyListRecord& l) { l.items[0].number = 4; },
               "item 1: number 4 is not between 1 and 3 (the item count)"},
        Fault {"NumberTwice", [](StudyListRecord& l) { l.items[2].number = 2; },
               "item 3: number 2 is also used by item 1"},
        Fault {"NegativeAsked", [](StudyListRecord& l) { l.items[1].timesAsked = -1; },
               "item 2: times asked is negative (-1)"},
        Fault {"NegativeCorrect", [](StudyListRecord& l) { l.items[1].correctAnswers = -1; },
               "item 2: correct answers is negative (-1)"},
        Fault {"MoreCorrectThanAsked", [](StudyListRecord& l) { l.items[0].correctAnswers = 5; },
               "item 1: correct answers (5) exceed times asked (4)"}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    Settings, RecordFaults,
    ::testing::Values(
        Fault {"TimeOutOne", [](StudyListRecord& l) { l.settings->timeOut = 1; },
               "settings: timeOut 1 is not 0 or 2 to 99"},
        Fault {"TimeOutHundred", [](StudyListRecord& l) { l.settings->timeOut = 100; },
               "settings: timeOut 100 is not 0 or 2 to 99"},
        Fault {"NumChoices", [](StudyListRecord& l) { l.settings->numChoices = 7; },
               "settings: numChoices 7 is not 2 to 6"},
        Fault {"FromEverythingElse", [](StudyListRecord& l) { l.settings->fromDir = 3; },
               "settings: fromDir 3 is not 0, 1 or 2"},
        Fault {"ToDir", [](StudyListRecord& l) { l.settings->toDir = -1; }, "settings: toDir -1 is not 0 to 3"},
        Fault {"FromFieldBeyond", [](StudyListRecord& l) { l.settings->fromField = 2; },
               "settings: fromField 2 names no field"},
        Fault {"ToFieldNegative", [](StudyListRecord& l) { l.settings->toField = -1; },
               "settings: toField -1 names no field"}),
    faultName);

TEST(DocumentRecord, NamesEveryFaultOnALineOfItsOwn)
{
    StudyListRecord list = validList();
    list.items[0].term = "caf\xE9";
    list.items[2].comment = "\xE9";
    list.settings->numChoices = 1;
    EXPECT_EQ(importFailure(list), "item 1: term is not UTF-8 text\n"
                                   "item 3: comment is not UTF-8 text\n"
                                   "settings: numChoices 1 is not 2 to 6");
}

TEST(DocumentRecord, NamesItemsAsTheCallerAsks)
{
    StudyListRecord list = validList();
    list.items[1].term = "caf\xE9";
    Quillory doc;
    try
    {
        Qlx::fromRecord(list, doc, [](size_t i) { return "line " + std::to_string(i + 2); });
        ADD_FAILURE() << "accepted";
    }
    catch (const Qlx::Failure& failure)
    {
        EXPECT_STREQ(failure.what(), "line 3: term is not UTF-8 text");
    }
}

// Any script comes in; an accent typed apart from its letter is joined to it,
// as judging sees it.
TEST(DocumentRecord, TakesTextsOfAnyScriptInNormalFormC)
{
    StudyListRecord list = validList();
    list.items[0].term = "\xD0\x9F\xD1\x80\xD0\xB8";
    list.items[1].term = Cjk;
    list.items[1].comment = "cafe\xCC\x81";
    Quillory doc;
    Qlx::fromRecord(list, doc);
    EXPECT_EQ(doc.getItem(0).getTerm(), "\xD0\x9F\xD1\x80\xD0\xB8");
    EXPECT_EQ(doc.getItem(1).getTerm(), Cjk);
    EXPECT_EQ(doc.getItem(1).getComment(), Cafe);
}

namespace
{
    class DocumentRecordFiles : public QlxTest::FilesTest
    {
    };
}

TEST_F(DocumentRecordFiles, ExportsTheFirstTextOfARepeatedFieldNameInBothPlaces)
{
    Quillory doc;
    Outline outline;
    outline.setItemType("Term");
    outline.removeDef(0);
    outline.addDef("XA");
    outline.addDef("XB");
    doc.setOutline(outline);
    TermSet item(1, doc.getOutline());
    item.setDefText(0, "first");
    item.setDefText(1, "other");
    doc.addItem(item);
    const std::string file = save(doc, "shared.qlx");
    // Rename field XB to XA: the file now holds two texts under one name.
    std::string bytes = QlxTest::readBytes(file);
    const auto at = bytes.find("XB");
    ASSERT_NE(at, std::string::npos);
    bytes[at + 1] = 'A';
    QlxTest::writeBytes(file, bytes);

    Quillory loaded;
    Qlx::loadStudyList(file, loaded, Qlx::toolCodePages(1252));
    const StudyListRecord list = Qlx::toRecord(loaded, Qlx::CodePage(1252));
    EXPECT_EQ(list.fields, (std::vector<std::string> {"XA", "XA"}));
    EXPECT_EQ(list.items.at(0).definitions, (std::vector<std::string> {"first", "first"}));
}

TEST_F(DocumentRecordFiles, NamesTheItemByNumberWhenATextCannotBeExported)
{
    Quillory doc;
    TermSet good(2, doc.getOutline());
    good.setTerm(Cjk);
    doc.addItem(good);
    TermSet cut(1, doc.getOutline());
    cut.setTerm("ok");
    cut.setComment("\x93");   // a lead byte without its second byte, kept as the file held it
    doc.addItem(cut);
    try
    {
        Qlx::toRecord(doc, Qlx::CodePage(932));
        ADD_FAILURE() << "exported";
    }
    catch (const Qlx::Failure& failure)
    {
        EXPECT_STREQ(failure.what(), "item 1: comment cannot be converted from code page 932");
    }
}

TEST(DocumentRecord, ComparesEveryRepeatedFieldNameWithItsFirstField)
{
    StudyListRecord list;
    list.itemType = "Term";
    list.fields = {"A", "B", "A", "B", "A"};
    list.items.push_back({1, "t", {"x", "y", "x", "y", "x"}, "", 0, 0});
    list.items.push_back({2, "u", {"x", "y", "z", "y", "x"}, "", 0, 0});
    list.items.push_back({3, "v", {"x", "y", "x", "w", "z"}, "", 0, 0});
    EXPECT_EQ(importFailure(list), "item 2: fields 1 and 3 are both named \"A\" but hold different texts\n"
                                   "item 3: fields 2 and 4 are both named \"B\" but hold different texts\n"
                                   "item 3: fields 1 and 5 are both named \"A\" but hold different texts");
    list.items.resize(1);
    Quillory doc;
    Qlx::fromRecord(list, doc);
    EXPECT_EQ(doc.getItem(0).getDefText(4), "x");
}
