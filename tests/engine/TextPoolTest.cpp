#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/TextPool.h"

namespace
{
    TextPool poolOf(const std::vector<std::string>& texts, bool caseSensitive)
    {
        return TextPool(caseSensitive, texts.size(), [&](std::size_t idx) { return std::string_view(texts[idx]); });
    }
}

TEST(TextPool, HoldsEachDistinctTextOnceAndWhereEveryItemsTextStands)
{
    const std::vector<std::string> texts{"Paris", "", "Rome", "paris", "Paris", "Rome"};
    const TextPool ignoringCase = poolOf(texts, false);
    ASSERT_EQ(ignoringCase.size(), 2u);
    EXPECT_EQ(ignoringCase.text(0), "Paris");
    EXPECT_EQ(ignoringCase.text(1), "Rome");
    const std::vector<std::size_t> positions{0, TextPool::None, 1, 0, 0, 1};
    for (std::size_t idx = 0; idx < texts.size(); ++idx)
        EXPECT_EQ(ignoringCase.positionOf(idx), positions[idx]) << "item " << idx;

    const TextPool caseCounts = poolOf(texts, true);
    ASSERT_EQ(caseCounts.size(), 3u);
    EXPECT_EQ(caseCounts.text(2), "paris");
    EXPECT_EQ(caseCounts.positionOf(3), 2u);
    EXPECT_EQ(caseCounts.positionOf(4), 0u);
}

// Views, not copies: the pool's texts are the items' own.
TEST(TextPool, TextsAreViewsIntoTheItemsTexts)
{
    const std::vector<std::string> texts{"a long text that is not stored inline", "b"};
    const TextPool pool = poolOf(texts, true);
    EXPECT_EQ(pool.text(0).data(), texts[0].data());
}

// Distinct as judging tells texts apart: one accent composed or not is one
// text, and letters of any script that differ only in case are one when
// case is ignored.
TEST(TextPool, MergesTextsThatJudgingTakesAsEqual)
{
    const std::vector<std::string> texts{"caf\xC3\xA9", "cafe\xCC\x81", "кошка", "КОШКА", "猫"};
    const TextPool caseCounts = poolOf(texts, true);
    EXPECT_EQ(caseCounts.size(), 4u);
    EXPECT_EQ(caseCounts.positionOf(1), 0u);
    const TextPool ignoringCase = poolOf(texts, false);
    EXPECT_EQ(ignoringCase.size(), 3u);
    EXPECT_EQ(ignoringCase.positionOf(3), 1u);
    EXPECT_EQ(ignoringCase.text(1), "кошка");
}

TEST(TextPool, AHundredThousandTextsWithRepeatsAndCaseVariants)
{
    std::vector<std::string> texts;
    for (int i = 0; i < 100000; ++i)
        texts.push_back((i % 2 ? "TEXT " : "text ") + std::to_string(i % 30000));
    const TextPool pool = poolOf(texts, false);
    ASSERT_EQ(pool.size(), 30000u);
    for (std::size_t idx = 0; idx < texts.size(); ++idx)
        ASSERT_EQ(pool.positionOf(idx), idx % 30000) << "item " << idx;
}
