#include <gtest/gtest.h>

#include "exchange/Failure.h"
#include "exchange/JsonFormat.h"
#include "tests/exchange/SameRecord.h"

using Qlx::readJson;
using Qlx::writeJson;

namespace
{
    Qlx::StudyListRecord sampleList()
    {
        Qlx::StudyListRecord list;
        list.itemType = "Wort";
        list.fields = {"Bedeutung", "Beispiel"};
        list.items.push_back({2, "caf\xC3\xA9", {"a \"quoted\"\ttext\n", ""}, "\xE2\x82\xAC", 7, 3});
        list.items.push_back({1, "", {"", "\xC2\x81"}, "", 0, 0});
        list.settings = Qlx::SettingsRecord {15, true, false, true, 4, 1, 2, 1, -3};
        return list;
    }

    std::string failureOf(const std::string& text)
    {
        try
        {
            readJson(text);
        }
        catch (const Qlx::Failure& failure)
        {
            return failure.what();
        }
        return "(accepted)";
    }

    // A valid document with one replacement, to test one fault at a time.
    std::string withPart(const std::string& part, const std::string& replacement)
    {
        std::string text = R"({"itemType": "Term", "fields": ["Definition"],
 "items": [{"number": 1, "term": "cat", "definitions": ["Katze"], "comment": "", "timesAsked": 2, "correctAnswers": 1}],
 "settings": {"timeOut": 0, "shuffle": false, "continuous": false, "caseSensitive": false,
              "numChoices": 3, "fromDir": 0, "toDir": 3, "fromField": 0, "toField": 0}})";
        const auto at = text.find(part);
        EXPECT_NE(at, std::string::npos) << part;
        return text.replace(at, part.size(), replacement);
    }
}

TEST(JsonFormat, WritesTheKeysInTheirOrderWithTwoSpaceIndent)
{
    Qlx::StudyListRecord list;
    list.itemType = "Term";
    list.fields = {"Definition"};
    list.items.push_back({1, "cat", {"Katze"}, "", 2, 1});
    list.settings = Qlx::SettingsRecord {0, false, false, false, 3, 0, 3, 0, 0};
    EXPECT_EQ(writeJson(list), R"({
  "itemType": "Term",
  "fields": [
    "Definition"
  ],
  "items": [
    {
      "number": 1,
      "term": "cat",
      "definitions": [
        "Katze"
      ],
      "comment": "",
      "timesAsked": 2,
      "correctAnswers": 1
    }
  ],
  "settings": {
    "timeOut": 0,
    "shuffle": false,
    "continuous": false,
    "caseSensitive": false,
    "numChoices": 3,
    "fromDir": 0,
    "toDir": 3,
    "fromField": 0,
    "toField": 0
  }
}
)");
}

TEST(JsonFormat, ReadsBackWhatItWrote)
{
    const Qlx::StudyListRecord list = sampleList();
    const Qlx::StudyListRecord back = readJson(writeJson(list));
    ExchangeTest::expectSameItems(back, list);
    ASSERT_TRUE(back.settings);
    EXPECT_EQ(back.settings->timeOut, 15);
    EXPECT_TRUE(back.settings->shuffle);
    EXPECT_FALSE(back.settings->continuous);
    EXPECT_TRUE(back.settings->caseSensitive);
    EXPECT_EQ(back.settings->numChoices, 4);
    EXPECT_EQ(back.settings->fromDir, 1);
    EXPECT_EQ(back.settings->toDir, 2);
    EXPECT_EQ(back.settings->fromField, 1);
    EXPECT_EQ(back.settings->toField, -3);
}

TEST(JsonFormat, AcceptsEscapesAndKeysInAnyOrder)
{
    const auto list = readJson(withPart(R"("term": "cat")", R"("term": "caf\u00e9 \u20ac")"));
    EXPECT_EQ(list.items.at(0).term, "caf\xC3\xA9 \xE2\x82\xAC");
    const auto reordered = readJson(withPart(R"({"itemType": "Term", "fields": ["Definition"],)",
                                             R"({"fields": ["Definition"], "itemType": "Term",)"));
    EXPECT_EQ(reordered.itemType, "Term");
}

// The column is where the parser stood: after the unexpected token.
TEST(JsonFormat, NamesTheLineAndColumnOfASyntaxError)
{
    const std::string failure = failureOf("{\"itemType\": \"Term\",\n  \"fields\": [\"Definition\" \"Example\"]}");
    EXPECT_EQ(failure.rfind("parse error at line 2, column 35: ", 0), 0u) << failure;
}

namespace
{
    struct Fault
    {
        const char* part;
        const char* replacement;
        const char* failure;
    };

    class JsonFaults : public ::testing::TestWithParam<Fault>
    {
    };
}

TEST_P(JsonFaults, AreRefusedWithAMessageNamingThePlace)
{
    EXPECT_EQ(failureOf(withPart(GetParam().part, GetParam().replacement)), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, JsonFaults,
    ::testing::Values(Fault {R"("itemType": "Term", )", "", R"(missing key "itemType")"},
                      Fault {R"("comment": "", )", "", R"(item 1: missing key "comment")"},
                      Fault {R"("fromField": 0, )", "", R"(settings: missing key "fromField")"},
                      Fault {R"("comment": "")", R"("comment": "", "note": "")", R"(item 1: unknown key "note")"},
                      Fault {R"("itemType")", R"("ItemType")", R"(unknown key "ItemType")"}));

INSTANTIATE_TEST_SUITE_P(
    Types, JsonFaults,
    ::testing::Values(Fault {R"(["Definition"])", R"("Definition")", R"("fields": expected an array of strings)"},
                      Fault {R"(["Definition"])", R"(["Definition", 2])", R"("fields": expected an array of strings)"},
                      Fault {R"("term": "cat")", R"("term": 5)", R"(item 1: "term": expected a string)"},
                      Fault {R"("term": "cat")", R"("term": null)", R"(item 1: "term": expected a string)"},
                      Fault {R"("timesAsked": 2)", R"("timesAsked": "2")", R"(item 1: "timesAsked": expected an integer)"},
                      Fault {R"("timesAsked": 2)", R"("timesAsked": 2.5)", R"(item 1: "timesAsked": expected an integer)"},
                      Fault {R"("timesAsked": 2)", R"("timesAsked": 2147483648)", R"(item 1: "timesAsked": number out of range)"},
                      Fault {R"("toField": 0)", R"("toField": -2147483649)", R"(settings: "toField": number out of range)"},
                      Fault {R"("shuffle": false)", R"("shuffle": 0)", R"(settings: "shuffle": expected true or false)"},
                      Fault {R"("items": [{)", R"("items": [5, {)", R"(item 1: expected an object)"},
                      Fault {R"("settings": {)", R"("settings": [], "x": {)", R"(unknown key "x")"}));

TEST(JsonFormat, RefusesADocumentThatIsNotAnObject)
{
    EXPECT_EQ(failureOf("[]"), "expected an object");
    EXPECT_EQ(failureOf(R"({"itemType": "T", "fields": [], "items": {}, "settings": {}})"),
              R"("items": expected an array)");
}

TEST(JsonFormat, TakesTheExtremesOf32Bits)
{
    const auto list = readJson(withPart(R"("timesAsked": 2, "correctAnswers": 1)",
                                        R"("timesAsked": 2147483647, "correctAnswers": -2147483648)"));
    EXPECT_EQ(list.items.at(0).timesAsked, 2147483647);
    EXPECT_EQ(list.items.at(0).correctAnswers, -2147483647 - 1);
}
