#include <ctime>

#include <gtest/gtest.h>

#include "tests/engine/SessionFixture.h"
#include "tests/support/AssertCatcher.h"

using Strings = std::vector<std::string>;

namespace
{
    class StudySessionTest : public ::testing::Test
    {
    protected:
        Setting& settings() { return doc.getSettings(); }

        // Five items A to E with one definition each.
        void fillFive()
        {
            SessionTesting::fill(doc, {"Definition"},
                       {{"A", "a"}, {"B", "b"}, {"C", "c"}, {"D", "d"}, {"E", "e"}});
        }

        Quillory doc;
        SessionTesting::ScriptedRandom random;
    };
}

TEST_F(StudySessionTest, SeedsTheGeneratorWithTheCurrentTime)
{
    fillFive();
    const auto before = static_cast<unsigned>(std::time(nullptr));
    StudySession session(doc, true, random);
    const auto after = static_cast<unsigned>(std::time(nullptr));
    ASSERT_EQ(random.seeds().size(), 1u);
    EXPECT_GE(random.seeds()[0], before);
    EXPECT_LE(random.seeds()[0], after);
}

TEST_F(StudySessionTest, AsksOnlySelectedItemsInListOrder)
{
    fillFive();
    doc.select(2);
    doc.select(0);
    StudySession session(doc, false, random);
    EXPECT_EQ(session.itemsTotal(), 2);
    EXPECT_EQ(SessionTesting::askAll(session), (Strings{"A:-1>0", "C:-1>0"}));
}

TEST_F(StudySessionTest, SelectedItemsNeedASelection)
{
    fillFive();
    EXPECT_ASSERTION(StudySession(doc, false, random), "doc.hasSelection()");
}

TEST_F(StudySessionTest, DefaultDirectionsAskEveryDefinitionInTurn)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}, {"oak", "tree", ""}});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.questionTitle(), "Term");
    EXPECT_EQ(session.questionText(), "cat");
    EXPECT_EQ(session.answerTitle(), "Definition");
    EXPECT_EQ(session.answerText(), "animal");
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.answerTitle(), "Example");
    EXPECT_EQ(session.answerText(), "tom");
    EXPECT_EQ(session.getItemCount(), 1);
    EXPECT_EQ(SessionTesting::askAll(session), (Strings{"oak:-1>0"}));
    EXPECT_EQ(session.getItemCount(), 2);
    EXPECT_EQ(session.itemsTotal(), 2);
}

TEST_F(StudySessionTest, EverythingElseFromAFieldAnswersTheOwnTextThenTheOthers)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}});
    settings().setFromField(0);
    StudySession session(doc, true, random);
    EXPECT_EQ(SessionTesting::askAll(session), (Strings{"cat:0>-1", "cat:0>1"}));
}

TEST_F(StudySessionTest, SameFieldOnBothSidesGivesNoQuestion)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}, {"oak", "tree", "x"}});
    settings().setFromField(1);
    settings().setToField(1);
    StudySession session(doc, true, random);
    EXPECT_FALSE(session.next());
    EXPECT_EQ(session.getItemCount(), 2);
}

TEST_F(StudySessionTest, ItemWithoutDefinitionTextsIsNeverTakenUp)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"lonely", "", ""}, {"cat", "animal", ""}});
    StudySession session(doc, true, random);
    EXPECT_EQ(SessionTesting::askAll(session), (Strings{"cat:-1>0"}));
    EXPECT_EQ(session.getItemCount(), 1);
}

TEST_F(StudySessionTest, ItemWhoseQuestionsAreAllSkippedStillCounts)
{
    SessionTesting::fill(doc, {"Definition"}, {{"", "animal"}, {"cat", "feline"}});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:-1>0");
    EXPECT_EQ(session.getItemCount(), 2);
}

TEST_F(StudySessionTest, FinishedSessionStaysFinished)
{
    fillFive();
    StudySession session(doc, true, random);
    EXPECT_EQ(SessionTesting::askAll(session).size(), 5u);
    EXPECT_FALSE(session.next());
    EXPECT_FALSE(session.next());
}

TEST_F(StudySessionTest, ShuffleExchangesEveryPositionWithADrawnOne)
{
    fillFive();
    settings().setShuffle(true);
    random.add({8, 5, 4, 9, 6}); // positions 3, 0, 4, 4, 1
    StudySession session(doc, true, random);
    EXPECT_EQ(session.getQuestions(), (std::vector<unsigned>{1, 0, 4, 2, 3}));
    EXPECT_EQ(random.left(), 0u);
}

// rand() stops at 32767 on Windows: on a longer list two draws are combined
// into one position, which reaches the list's end.
TEST_F(StudySessionTest, ShuffleDrawsPositionsFromTheWholeOfALongList)
{
    const unsigned count = 40000;
    SessionTesting::fill(doc, {"Definition"}, {});
    for (unsigned i = 0; i < count; ++i)
        doc.addItem(TermSet(static_cast<std::int32_t>(i + 1), doc.getOutline()));
    settings().setShuffle(true);
    random.add({1, 7231}); // position 0 with 1 * 32768 + 7231 = 39999
    random.add({1, 0});    // position 1 with 32768
    for (unsigned i = 2; i < count; ++i)
        random.add({0, static_cast<int>(i)}); // every other position with itself
    StudySession session(doc, true, random);
    std::vector<unsigned> expected(count);
    for (unsigned i = 0; i < count; ++i)
        expected[i] = i;
    std::swap(expected[0], expected[39999]);
    std::swap(expected[1], expected[32768]);
    EXPECT_EQ(session.getQuestions(), expected);
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(StudySessionTest, ContinuousSessionStartsOverAndKeepsCounting)
{
    SessionTesting::fill(doc, {"Definition"}, {{"A", "a"}, {"B", "b"}});
    settings().setContinuous(true);
    StudySession session(doc, true, random);
    EXPECT_EQ(session.itemsTotal(), -1);
    EXPECT_EQ(SessionTesting::askAll(session, 5), (Strings{"A:-1>0", "B:-1>0", "A:-1>0", "B:-1>0", "A:-1>0"}));
    EXPECT_EQ(session.getItemCount(), 5);
}

TEST_F(StudySessionTest, ContinuousShuffledSessionShufflesAgainAtEveryStart)
{
    fillFive();
    settings().setContinuous(true);
    settings().setShuffle(true);
    random.add({0, 0, 0, 0, 0}); // E A B C D
    StudySession session(doc, true, random);
    EXPECT_EQ(SessionTesting::askAll(session, 5), (Strings{"E:-1>0", "A:-1>0", "B:-1>0", "C:-1>0", "D:-1>0"}));
    random.add({1, 1, 1, 1, 1}); // A D E B C
    EXPECT_EQ(SessionTesting::askAll(session, 2), (Strings{"A:-1>0", "D:-1>0"}));
    EXPECT_EQ(session.getItemCount(), 7);
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(StudySessionTest, ContinuousSessionEndsWhenAPassYieldsNoQuestion)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", ""}, {"oak", "tree", ""}});
    settings().setContinuous(true);
    settings().setToField(1);
    StudySession session(doc, true, random);
    EXPECT_FALSE(session.next());
}

TEST_F(StudySessionTest, ContinuousSessionWithoutAskableItemsEnds)
{
    SessionTesting::fill(doc, {"Definition"}, {{"cat", ""}});
    settings().setContinuous(true);
    settings().setShuffle(true);
    random.add({0});
    StudySession session(doc, true, random);
    EXPECT_FALSE(session.next());
}

TEST_F(StudySessionTest, LongRunOfSkippedQuestionsEndsWithoutExhaustingTheStack)
{
    const std::size_t count = 100000;
    SessionTesting::fill(doc, {"Definition"}, {});
    for (std::size_t i = 0; i < count; ++i)
    {
        TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
        item.setDefText(0, "d");
        doc.addItem(item);
    }
    doc.getItem(static_cast<unsigned>(count - 1)).setTerm("last");
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.questionText(), "last");
    EXPECT_FALSE(session.next());
    EXPECT_EQ(session.getItemCount(), static_cast<int>(count));
}

// The random draws, on an outline with two definition fields (n = 2).
namespace
{
    class FieldDrawTest : public StudySessionTest
    {
    protected:
        void SetUp() override
        {
            SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}});
        }
    };

    struct DrawCase
    {
        int draw;
        int field;
    };

    class DrawMapping : public FieldDrawTest, public ::testing::WithParamInterface<DrawCase>
    {
    };
}

// rand() mod (n+1), unsigned, with the remainder n standing for the item's own text.
TEST_P(DrawMapping, FromAnythingDrawsEachFieldWithEqualWeight)
{
    settings().setFromAnything();
    random.add({GetParam().draw});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.getQuestionField(), GetParam().field);
    EXPECT_EQ(random.left(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Remainders, DrawMapping,
                         ::testing::Values(DrawCase{0, 0}, DrawCase{1, 1}, DrawCase{2, -1}, DrawCase{3, 0},
                                           DrawCase{5, -1}, DrawCase{32767, 1},
                                           // 0xFFFFFFFF mod 3 is 0; a signed remainder would give -1
                                           DrawCase{-1, 0}));

TEST_F(FieldDrawTest, FromAnythingToTermRedrawsUntilANonEmptyDefinition)
{
    doc.getItem(0).setDefText(1, "");
    settings().setFromAnything();
    settings().setToTerm();
    random.add({2, 1, 0}); // own text (the answer), empty Example, Definition
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:0>-1");
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(FieldDrawTest, FromAnythingToAFieldNeverAsksThatField)
{
    settings().setFromAnything();
    settings().setToField(1);
    random.add({1, 2});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:-1>1");
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(FieldDrawTest, AnythingElseRedrawsUntilAnotherNonEmptyField)
{
    doc.getItem(0).setDefText(0, "");
    settings().setToAnything();
    random.add({2, 0, 1}); // the asked field, empty Definition, Example
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:-1>1");
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(FieldDrawTest, FromAnythingWithoutAdmissibleFieldSkipsTheItemWithoutDrawing)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"", "", "only"}, {"cat", "animal", "tom"}});
    settings().setFromAnything();
    settings().setToField(1);
    random.add({0});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:0>1");
    EXPECT_EQ(session.getItemCount(), 2);
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(FieldDrawTest, AnythingElseWithoutAdmissibleFieldSkipsTheItemWithoutDrawing)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"", "alone", ""}, {"cat", "animal", ""}});
    settings().setFromField(0);
    settings().setToAnything();
    random.add({0, 2});
    StudySession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(SessionTesting::describe(session), "cat:0>-1");
    EXPECT_EQ(random.left(), 0u);
}

TEST_F(FieldDrawTest, ContinuousSessionWithoutAdmissibleFieldEnds)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"", "", "only"}});
    settings().setContinuous(true);
    settings().setFromAnything();
    settings().setToField(1);
    StudySession session(doc, true, random);
    EXPECT_FALSE(session.next());
}
