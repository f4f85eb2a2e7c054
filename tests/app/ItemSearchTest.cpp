#include <gtest/gtest.h>

#include "app/ItemSearch.h"
#include "model/Quillory.h"

#include <optional>
#include <string>

namespace
{
    using Direction = ItemSearch::Direction;

    // Terms "a0".."a4", definitions "def0".., and one comment.
    class ItemSearchTest : public ::testing::Test
    {
    protected:
        void SetUp() override
        {
            Outline outline;
            outline.addDef("Example");
            doc.setOutline(outline);
            for (int i = 0; i < 5; ++i)
            {
                TermSet item(i + 1, doc.getOutline());
                item.setTerm("a" + std::to_string(i));
                item.setDefText(0, "def" + std::to_string(i));
                doc.addItem(item);
            }
            doc.getItem(1).setComment("Bonjour");
            doc.getItem(3).setDefText(1, "Example BONJOUR");
        }

        std::optional<unsigned> next(const char* text, std::optional<unsigned> from,
                                     Direction direction = Direction::Forward)
        {
            return ItemSearch(text).next(doc, from, direction);
        }

        Quillory doc;
    };
}

TEST_F(ItemSearchTest, LooksInTheTermEveryDefinitionAndTheComment)
{
    EXPECT_EQ(next("A2", std::nullopt), 2u);
    EXPECT_EQ(next("DEF4", std::nullopt), 4u);
    EXPECT_EQ(next("bonjour", std::nullopt), 1u);
    EXPECT_EQ(next("bonjour", 1u), 3u);
    EXPECT_EQ(next("nowhere", std::nullopt), std::nullopt);
}

TEST_F(ItemSearchTest, GoesOnAfterTheStartAndRoundTheEnd)
{
    EXPECT_EQ(next("bonjour", 3u), 1u);
    EXPECT_EQ(next("bonjour", 2u, Direction::Backward), 1u);
    EXPECT_EQ(next("bonjour", 1u, Direction::Backward), 3u);
    // The only match is the start itself: found again, last.
    EXPECT_EQ(next("a2", 2u), 2u);
    EXPECT_EQ(next("a2", 2u, Direction::Backward), 2u);
    // Without a start, the first or the last match.
    EXPECT_EQ(next("def", std::nullopt), 0u);
    EXPECT_EQ(next("def", std::nullopt, Direction::Backward), 4u);
}

TEST_F(ItemSearchTest, SeesOnlyTheFieldsTheListShows)
{
    Outline outline;
    doc.setOutline(outline);
    EXPECT_EQ(next("example", std::nullopt), std::nullopt);
    EXPECT_EQ(next("def", 10u), 0u);
}

TEST(ItemSearch, FindsNothingInAnEmptyList)
{
    const Quillory empty;
    EXPECT_EQ(ItemSearch("").next(empty, std::nullopt, ItemSearch::Direction::Forward), std::nullopt);
}
