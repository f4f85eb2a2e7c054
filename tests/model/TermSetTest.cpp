#include <gtest/gtest.h>

#include "model/TermSet.h"
#include "tests/support/AssertCatcher.h"

namespace
{
    TermSet scored(const Outline& outline, int correct, int wrong)
    {
        TermSet item(1, outline);
        for (int i = 0; i < correct; ++i)
            item.answeredCorrectly();
        for (int i = 0; i < wrong; ++i)
            item.answeredWrongly();
        return item;
    }

    struct RatioCase
    {
        int correct;
        int wrong;
        int ratio;
    };

    class TermSetRatio : public ::testing::TestWithParam<RatioCase> {};
}

TEST_P(TermSetRatio, IsTheWholePercentRoundedDown)
{
    const Outline outline;
    const RatioCase c = GetParam();
    EXPECT_EQ(scored(outline, c.correct, c.wrong).getRatio(), c.ratio);
}

INSTANTIATE_TEST_SUITE_P(Scores, TermSetRatio,
    ::testing::Values(RatioCase{0, 0, 0}, RatioCase{1, 2, 33}, RatioCase{2, 1, 66},
                      RatioCase{53, 47, 53}, RatioCase{3, 0, 100}, RatioCase{0, 4, 0}));

TEST(TermSet, NewItemIsEmptyAndNeverAsked)
{
    const Outline outline;
    const TermSet item(7, outline);
    EXPECT_EQ(item.getItemNo(), 7);
    EXPECT_EQ(item.getTerm(), "");
    EXPECT_EQ(item.getComment(), "");
    EXPECT_EQ(item.getDefText(0), "");
    EXPECT_EQ(item.getTimesAsked(), 0);
    EXPECT_EQ(item.getCorrectAnswers(), 0);
}

TEST(TermSet, ScoresCountAnswersAndReset)
{
    const Outline outline;
    TermSet item = scored(outline, 2, 1);
    EXPECT_EQ(item.getTimesAsked(), 3);
    EXPECT_EQ(item.getCorrectAnswers(), 2);
    item.resetScores();
    EXPECT_EQ(item.getTimesAsked(), 0);
    EXPECT_EQ(item.getCorrectAnswers(), 0);
}

TEST(TermSet, DefTextIndexOutsideTheOutlineAsserts)
{
    const Outline outline;
    TermSet item(1, outline);
    EXPECT_ASSERTION(item.getDefText(1), "idx<getDefCount()");
    EXPECT_ASSERTION(item.setDefText(1, "x"), "idx<getDefCount()");
}

TEST(TermSet, AssignmentKeepsTheTargetsOutline)
{
    Outline mine;
    mine.addDef("Plural");
    Outline theirs;
    theirs.removeDef(0);
    theirs.addDef("Plural");
    TermSet source(4, theirs);
    source.setTerm("Hund");
    source.setDefText(0, "Hunde");
    TermSet target(1, mine);
    target = source;
    EXPECT_EQ(&target.getOutline(), &mine);
    EXPECT_EQ(target.getItemNo(), 4);
    EXPECT_EQ(target.getTerm(), "Hund");
    // Looked up by this list's field names: Plural is field 1 here.
    EXPECT_EQ(target.getDefText(0), "");
    EXPECT_EQ(target.getDefText(1), "Hunde");
}

TEST(TermSet, SelfAssignmentChangesNothing)
{
    const Outline outline;
    TermSet item(1, outline);
    item.setTerm("cat");
    item.setDefText(0, "Katze");
    const TermSet& same = item;
    item = same;
    EXPECT_EQ(item.getTerm(), "cat");
    EXPECT_EQ(item.getDefText(0), "Katze");
}

TEST(TermSet, CopyConstructionKeepsTheSourcesOutline)
{
    const Outline outline;
    const TermSet item(1, outline);
    const TermSet copy(item);
    EXPECT_EQ(&copy.getOutline(), &outline);
}

TEST(TermSet, EqualityIgnoresTheOutlineButComparesEveryText)
{
    const Outline a, b;
    TermSet x(1, a), y(1, b);
    x.setDefText(0, "same");
    y.setDefText(0, "same");
    EXPECT_EQ(x, y);
    y.setComment("note");
    EXPECT_NE(x, y);
    y.setComment("");
    y.answeredWrongly();
    EXPECT_NE(x, y);
}

TEST(TermSet, EmptyTextIsStoredNotErased)
{
    const Outline outline;
    TermSet x(1, outline), y(1, outline);
    x.setDefText(0, "");
    // An entry under the name, even empty, makes the maps differ.
    EXPECT_NE(x, y);
    EXPECT_EQ(x.getDefText(0), "");
}

namespace
{
    const std::int32_t Largest = 2147483647;

    struct SaturationCase
    {
        std::int32_t asked;
        std::int32_t correct;
        bool answeredRight;
        std::int32_t askedAfter;
        std::int32_t correctAfter;
        std::int32_t ratioAfter;
    };

    class TermSetSaturation : public ::testing::TestWithParam<SaturationCase> {};
}

// Scores a file stored at the largest value stay there instead of
// overflowing, and correct answers never pass the times asked.
TEST_P(TermSetSaturation, ScoresStopAtTheLargestValue)
{
    const Outline outline;
    const SaturationCase c = GetParam();
    TermSet item(1, outline);
    item.setScores(c.asked, c.correct);
    if (c.answeredRight)
        item.answeredCorrectly();
    else
        item.answeredWrongly();
    EXPECT_EQ(item.getTimesAsked(), c.askedAfter);
    EXPECT_EQ(item.getCorrectAnswers(), c.correctAfter);
    EXPECT_EQ(item.getRatio(), c.ratioAfter);
}

INSTANTIATE_TEST_SUITE_P(NearTheLimit, TermSetSaturation,
    ::testing::Values(SaturationCase{Largest, Largest, true, Largest, Largest, 100},
                      SaturationCase{Largest, Largest, false, Largest, Largest, 100},
                      SaturationCase{Largest, Largest - 1, true, Largest, Largest, 100},
                      SaturationCase{Largest, 0, true, Largest, 1, 0},
                      SaturationCase{Largest, 0, false, Largest, 0, 0},
                      SaturationCase{Largest - 1, Largest - 1, false, Largest, Largest - 1, 99},
                      SaturationCase{Largest - 1, Largest - 1, true, Largest, Largest, 100}));

// The texts follow the field names, however the Outline orders them and in
// whatever order they were set.
TEST(TermSet, TextsSetInAnyOrderAreFoundByNameAndCompareEqual)
{
    Outline outline;
    outline.setDefault();
    for (const char* name : {"Zeta", "Alpha", "Mu", "Beta"})
        outline.addDef(name);
    TermSet forwards(1, outline);
    TermSet backwards(1, outline);
    for (unsigned i = 0; i < outline.getDefCount(); ++i)
        forwards.setDefText(i, "text of " + outline.getDef(i));
    for (unsigned i = outline.getDefCount(); i-- > 0;)
        backwards.setDefText(i, "text of " + outline.getDef(i));
    EXPECT_EQ(forwards, backwards);
    for (unsigned i = 0; i < outline.getDefCount(); ++i)
        EXPECT_EQ(backwards.getDefText(i), "text of " + outline.getDef(i));

    backwards.setDefText(2, "changed");
    EXPECT_EQ(backwards.getDefText(2), "changed");
    EXPECT_EQ(backwards.getDefText(1), "text of Zeta");
    EXPECT_NE(forwards, backwards);

    // A removed field's text comes back when a field of its name returns.
    Outline narrowed = outline;
    narrowed.removeDef(2);
    TermSet bound(1, narrowed);
    bound = backwards;
    EXPECT_EQ(bound.getDefText(2), "text of Mu");
    narrowed.addDef("Alpha");
    EXPECT_EQ(bound.getDefText(4), "changed");
}
