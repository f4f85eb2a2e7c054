#include <gtest/gtest.h>

#include "app/ItemSearch.h"
#include "model/Quillory.h"
#include "engine/TextCase.h"

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
            return ItemSearch(text).next(doc, from, direction, forms);
        }

        Quillory doc;
        ItemForms forms;
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

TEST_F(ItemSearchTest, FindsTextsOfAnyScriptAsAnswersAreJudged)
{
    doc.getItem(2).setTerm("\xD0\x9C\xD0\x9E\xD0\xA1\xD0\x9A\xD0\x92\xD0\x90");   // МОСКВА
    doc.getItem(3).setComment("un caf\xC3\xA9 noir");
    forms.forget();
    EXPECT_EQ(next("\xD0\xBC\xD0\xBE\xD1\x81\xD0\xBA", std::nullopt), 2u);          // моск
    EXPECT_EQ(next("CAFE\xCC\x81", std::nullopt), 3u);                                     // decomposed
    EXPECT_EQ(next("cafe", std::nullopt), std::nullopt);
}

TEST_F(ItemSearchTest, SeesATextChangedOnlyOnceItsFormsAreForgotten)
{
    EXPECT_EQ(next("zebra", std::nullopt), std::nullopt);
    doc.getItem(4).setTerm("Zebra");
    EXPECT_EQ(next("zebra", std::nullopt), std::nullopt);
    forms.forget();
    EXPECT_EQ(next("zebra", std::nullopt), 4u);
    // A text does not run on into the next one.
    EXPECT_EQ(next("zebradef4", std::nullopt), std::nullopt);
}

TEST_F(ItemSearchTest, SeesOnlyTheFieldsTheListShows)
{
    Outline outline;
    doc.setOutline(outline);
    forms.forget();
    EXPECT_EQ(next("example", std::nullopt), std::nullopt);
    EXPECT_EQ(next("def", 10u), 0u);
}

// ASCII texts get their form without judging's own function: it must be the same.
TEST(ItemForms, AreJudgingsComparisonFormsOfTheTexts)
{
    Quillory doc;
    const std::string ascii = "Tom's Caf\x65 #1 (a&b) ~z{|}`@[";
    const std::string other = "caf\xC3\xA9 \xD0\xBC\xD0\xBE";
    for (const std::string& term : {ascii, other})
    {
        TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
        item.setTerm(term);
        item.setDefText(0, other);
        item.setComment(ascii);
        doc.addItem(item);
    }
    ItemForms forms;
    for (unsigned i = 0; i < 2; ++i)
    {
        const TermSet& item = doc.getItem(i);
        EXPECT_EQ(forms.of(doc, i), comparisonForm(item.getTerm(), true) + '\0' + comparisonForm(item.getDefText(0), true)
                                        + '\0' + comparisonForm(item.getComment(), true));
    }
}

TEST(ItemSearch, FindsNothingInAnEmptyList)
{
    const Quillory empty;
    ItemForms forms;
    EXPECT_EQ(ItemSearch("").next(empty, std::nullopt, ItemSearch::Direction::Forward, forms), std::nullopt);
}
