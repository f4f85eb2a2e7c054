#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "model/DefTexts.h"

TEST(DefTexts, FindsEachTextByItsNameAndNothingElse)
{
    DefTexts texts;
    texts.set("Note", "a note");
    texts.set("Example", "an example");
    texts.set("Definition", "");
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.entry(0), DefTexts::Entry("Definition", ""));
    EXPECT_EQ(texts.entry(1), DefTexts::Entry("Example", "an example"));
    EXPECT_EQ(texts.entry(2), DefTexts::Entry("Note", "a note"));
    EXPECT_EQ(texts.find("Note"), std::optional<std::string_view>("a note"));
    EXPECT_EQ(texts.find("Definition"), std::optional<std::string_view>(""));
    EXPECT_FALSE(texts.find("Not"));
    EXPECT_FALSE(texts.find("Notes"));
    EXPECT_FALSE(DefTexts().find(""));
}

TEST(DefTexts, ReplacesATextInPlaceAndKeepsTheOthers)
{
    DefTexts texts;
    texts.set("B", "b");
    texts.set("A", "a");
    texts.set("C", "c");
    texts.set("B", "a much longer text for B");
    EXPECT_EQ(texts.entries(), (std::vector<DefTexts::Entry>{{"A", "a"}, {"B", "a much longer text for B"}, {"C", "c"}}));
}

TEST(DefTexts, SetFromItsOwnTextsIsSafe)
{
    DefTexts texts;
    texts.set("A", "first text");
    texts.set("B", *texts.find("A"));
    texts.assign(texts.entries());
    EXPECT_EQ(texts.entries(), (std::vector<DefTexts::Entry>{{"A", "first text"}, {"B", "first text"}}));
}

TEST(DefTexts, AreEqualWhenNamesAndTextsAreEqualHoweverTheyWereSet)
{
    DefTexts one;
    one.set("A", "a");
    one.set("B", "b");
    DefTexts other;
    other.assign({{"A", "a"}, {"B", "b"}});
    EXPECT_EQ(one, other);
    other.set("B", "");
    EXPECT_FALSE(one == other);
    other.assign({});
    EXPECT_EQ(other, DefTexts());
    EXPECT_EQ(other.size(), 0u);
}

// A few entries are scanned, many searched: both ways find every name and
// nothing between, before or after them.
TEST(DefTexts, FindsByNameWithFewAndWithManyEntries)
{
    for (int count : {1, 8, 9, 40})
    {
        DefTexts texts;
        for (int i = 0; i < count; ++i)
            texts.set("field " + std::to_string(100 + 2 * i), "text " + std::to_string(i));
        for (int i = 0; i < count; ++i)
        {
            const std::string name = "field " + std::to_string(100 + 2 * i);
            EXPECT_EQ(texts.find(name), std::optional<std::string_view>("text " + std::to_string(i))) << count << name;
            EXPECT_FALSE(texts.find("field " + std::to_string(101 + 2 * i))) << count;
            EXPECT_FALSE(texts.find(name + " ")) << count;
            EXPECT_FALSE(texts.find(name.substr(0, name.size() - 1))) << count;
        }
        EXPECT_FALSE(texts.find("")) << count;
        EXPECT_FALSE(texts.find("zzz")) << count;
    }
}
