#include <algorithm>
#include <set>

#include <gtest/gtest.h>

#include "engine/McSession.h"
#include "tests/engine/SessionFixture.h"
#include "tests/support/AssertCatcher.h"

using Strings = std::vector<std::string>;

namespace
{
    class McSessionTest : public ::testing::Test
    {
    protected:
        Setting& settings() { return doc.getSettings(); }

        // `count` items "T<i>" with the Definition "D<i>" and an Example out
        // of ten ("E<i mod 10>"), every fifth one empty.
        void fillMany(int count)
        {
            std::vector<std::vector<std::string>> rows;
            for (int i = 0; i < count; ++i)
            {
                const std::string example = i % 5 == 4 ? "" : "E" + std::to_string(i % 10);
                rows.push_back({"T" + std::to_string(i), "D" + std::to_string(i), example});
            }
            SessionTesting::fill(doc, {"Definition", "Example"}, rows);
        }

        std::set<std::string> textsOfField(int field) const
        {
            std::set<std::string> texts;
            for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
            {
                const TermSet& item = doc.getItem(idx);
                texts.insert(field == -1 ? item.getTerm() : item.getDefText(static_cast<unsigned>(field)));
            }
            return texts;
        }

        std::set<std::string> choiceSet(const McSession& session) const
        {
            return std::set<std::string>(session.getChoices().begin(), session.getChoices().end());
        }

        Quillory doc;
    };

    struct ChoiceCase
    {
        int items;
        int choices;
        unsigned seed;
    };

    class McChoicesTest : public McSessionTest, public ::testing::WithParamInterface<ChoiceCase>
    {
    };
}

// Large lists take the random-rejection path, small ones the gathering path.
TEST_P(McChoicesTest, ChoicesAreDistinctTextsOfTheAnswerFieldWithTheRightOneOnce)
{
    const ChoiceCase c = GetParam();
    fillMany(c.items);
    settings().setNumChoices(c.choices);
    SessionTesting::SeededRandom random(c.seed);
    McSession session(doc, true, random);
    std::set<std::size_t> rightPositions;
    int questions = 0;
    while (session.next())
    {
        ++questions;
        const auto& choices = session.getChoices();
        const std::set<std::string> fieldTexts = textsOfField(session.getAnswerField());
        const std::size_t distinct = fieldTexts.size() - (fieldTexts.count("") ? 1 : 0);
        ASSERT_EQ(choices.size(), std::min<std::size_t>(static_cast<std::size_t>(c.choices), distinct));
        EXPECT_EQ(choiceSet(session).size(), choices.size()) << "duplicate choice";
        EXPECT_EQ(std::count(choices.begin(), choices.end(), session.answerText()), 1);
        ASSERT_LT(session.getRightChoice(), choices.size());
        EXPECT_EQ(choices[session.getRightChoice()], session.answerText());
        for (const auto& choice : choices)
        {
            EXPECT_FALSE(choice.empty());
            EXPECT_TRUE(fieldTexts.count(std::string(choice))) << choice << " is not a text of the answer field";
        }
        rightPositions.insert(session.getRightChoice());
    }
    EXPECT_EQ(questions, c.items + c.items * 4 / 5);
    EXPECT_EQ(rightPositions.size(), static_cast<std::size_t>(c.choices)) << "right answer not at every position";
}

INSTANTIATE_TEST_SUITE_P(Lists, McChoicesTest,
                         ::testing::Values(ChoiceCase{50, 4, 1}, ChoiceCase{50, 4, 2}, ChoiceCase{500, 6, 3},
                                           ChoiceCase{20, 2, 4}, ChoiceCase{1000, 3, 5}));

TEST_F(McSessionTest, WrongChoicesComeFromTheWholeListNotOnlyTheSessionItems)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"}});
    doc.select(0);
    SessionTesting::SeededRandom random(7);
    McSession session(doc, false, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(choiceSet(session), (std::set<std::string>{"Paris", "Rome", "Madrid"}));
    EXPECT_FALSE(session.next());
}

TEST_F(McSessionTest, FewerDistinctTextsThanChoicesOffersThoseThereAre)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}, {"Italy", "Rome"}, {"Vatican", "Rome"}});
    settings().setNumChoices(6);
    SessionTesting::SeededRandom random(1);
    McSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(choiceSet(session), (std::set<std::string>{"Paris", "Rome"}));
    EXPECT_EQ(session.getChoices().size(), 2u);
}

TEST_F(McSessionTest, TextsEqualButForCaseCountAsOneWhenCaseIsIgnored)
{
    SessionTesting::fill(doc, {"Capital"},
               {{"a", "Paris"}, {"b", "PARIS"}, {"c", "paris"}, {"d", "Rome"}, {"e", "rome"}});
    settings().setNumChoices(6);
    SessionTesting::SeededRandom random(1);
    McSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.getChoices().size(), 2u);
    EXPECT_EQ(session.getChoices()[session.getRightChoice()], "Paris");
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.getChoices()[session.getRightChoice()], "PARIS");
    const std::set<std::string> choices = choiceSet(session);
    EXPECT_TRUE(choices.count("Rome") + choices.count("rome") == 1);
    EXPECT_EQ(choices.size(), 2u);
}

TEST_F(McSessionTest, TextsThatDifferInCaseAreDistinctWhenCaseCounts)
{
    SessionTesting::fill(doc, {"Capital"},
               {{"a", "Paris"}, {"b", "PARIS"}, {"c", "paris"}, {"d", "Rome"}, {"e", "rome"}});
    settings().setNumChoices(6);
    settings().setCaseSensitive(true);
    SessionTesting::SeededRandom random(1);
    McSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(choiceSet(session), (std::set<std::string>{"Paris", "PARIS", "paris", "Rome", "rome"}));
}

TEST_F(McSessionTest, QuestionWithoutAWrongCandidateIsSkipped)
{
    SessionTesting::fill(doc, {"Definition", "Example"},
               {{"a", "x1", "same"}, {"b", "x2", "Same"}, {"c", "x3", "SAME"}});
    SessionTesting::SeededRandom random(1);
    McSession session(doc, true, random);
    EXPECT_EQ(SessionTesting::askAll(session), (Strings{"a:-1>0", "b:-1>0", "c:-1>0"}));
    EXPECT_EQ(session.getItemCount(), 3);
}

TEST_F(McSessionTest, ContinuousSessionWithoutAnyOfferableQuestionEnds)
{
    SessionTesting::fill(doc, {"Definition"}, {{"a", "same"}, {"b", "same"}});
    settings().setContinuous(true);
    SessionTesting::SeededRandom random(1);
    McSession session(doc, true, random);
    EXPECT_FALSE(session.next());
}

TEST_F(McSessionTest, EverythingElseOffersChoicesOfEachAnswerField)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}, {"oak", "tree", "acorn"}});
    SessionTesting::SeededRandom random(3);
    McSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(choiceSet(session), (std::set<std::string>{"animal", "tree"}));
    ASSERT_TRUE(session.next());
    EXPECT_EQ(choiceSet(session), (std::set<std::string>{"tom", "acorn"}));
}

TEST_F(McSessionTest, NumberOfChoicesIsKeptWithinTwoAndSix)
{
    fillMany(50);
    SessionTesting::SeededRandom random(1);
    settings().setNumChoices(1);
    McSession few(doc, true, random);
    ASSERT_TRUE(few.next());
    EXPECT_EQ(few.getChoices().size(), 2u);
    settings().setNumChoices(40);
    McSession many(doc, true, random);
    ASSERT_TRUE(many.next());
    EXPECT_EQ(many.getChoices().size(), 6u);
}

TEST_F(McSessionTest, PickJudgesTheChosenTextAndScores)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}, {"Italy", "Rome"}});
    SessionTesting::SeededRandom random(5);
    McSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.pick(session.getRightChoice()));
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.pick(1 - session.getRightChoice()));
    EXPECT_EQ(doc.getItem(0).getCorrectAnswers(), 1);
    EXPECT_EQ(doc.getItem(1).getTimesAsked(), 1);
    EXPECT_EQ(doc.getItem(1).getCorrectAnswers(), 0);
    EXPECT_EQ(session.getQuestionsCnt(), 2);
    EXPECT_EQ(session.getCorrectAnswersCnt(), 1);
    EXPECT_EQ(session.resultPercent(), 50);
    EXPECT_ASSERTION(session.pick(2), "idx<_choices.size()");
}

TEST_F(McSessionTest, ItemAtTheLargestScoresIsPickedRightAndWrong)
{
    const std::int32_t largest = 2147483647;
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}, {"Italy", "Rome"}});
    doc.getItem(0).setScores(largest, largest);
    doc.getItem(1).setScores(largest, 0);
    settings().setContinuous(true);
    SessionTesting::SeededRandom random(3);
    McSession session(doc, true, random);
    // Each item once right and once wrong, in both orders.
    for (const bool firstRight : {true, false})
        for (const bool right : {firstRight, !firstRight})
        {
            ASSERT_TRUE(session.next());
            const std::size_t rightChoice = session.getRightChoice();
            EXPECT_EQ(session.pick(right ? rightChoice : 1 - rightChoice), right);
        }
    EXPECT_EQ(doc.getItem(0).getTimesAsked(), largest);
    EXPECT_EQ(doc.getItem(0).getCorrectAnswers(), largest);
    EXPECT_EQ(doc.getItem(0).getRatio(), 100);
    EXPECT_EQ(doc.getItem(1).getTimesAsked(), largest);
    EXPECT_EQ(doc.getItem(1).getCorrectAnswers(), 1);
    EXPECT_EQ(doc.getItem(1).getRatio(), 0);
}
