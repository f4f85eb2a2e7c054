#include <gtest/gtest.h>

#include "engine/QnaSession.h"
#include "engine/TextCase.h"
#include "tests/engine/SessionFixture.h"
#include "tests/support/AssertCatcher.h"

namespace
{
    class QnaSessionTest : public ::testing::Test
    {
    protected:
        Setting& settings() { return doc.getSettings(); }

        Quillory doc;
        SessionTesting::ScriptedRandom random;
    };

    struct Judged
    {
        bool caseSensitive;
        const char* typed;
        bool correct;
    };

    class JudgingTest : public QnaSessionTest, public ::testing::WithParamInterface<Judged>
    {
    };
}

TEST_P(JudgingTest, JudgesTheTypedAnswerAndScoresTheItem)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}});
    settings().setCaseSensitive(GetParam().caseSensitive);
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.checkAnswer(GetParam().typed), GetParam().correct);
    const TermSet& item = doc.getItem(0);
    EXPECT_EQ(item.getTimesAsked(), 1);
    EXPECT_EQ(item.getCorrectAnswers(), GetParam().correct ? 1 : 0);
    EXPECT_EQ(session.getQuestionsCnt(), 1);
    EXPECT_EQ(session.getCorrectAnswersCnt(), GetParam().correct ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Answers, JudgingTest,
                         ::testing::Values(Judged{false, "Paris", true}, Judged{false, "paris", true},
                                           Judged{false, "PARIS", true}, Judged{false, "Paris ", false},
                                           Judged{false, " Paris", false}, Judged{false, "Pari", false},
                                           Judged{false, "", false}, Judged{true, "Paris", true},
                                           Judged{true, "paris", false}, Judged{true, "PARIS", false}));

TEST_F(QnaSessionTest, NoAnswerGivesAZeroResult)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}});
    QnaSession session(doc, true, random);
    EXPECT_EQ(session.getQuestionsCnt(), 0);
    EXPECT_EQ(session.getCorrectAnswersCnt(), 0);
    EXPECT_EQ(session.resultPercent(), 0);
}

TEST_F(QnaSessionTest, ResultIsRoundedDownToWholePercent)
{
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}, {"Italy", "Rome"}, {"Spain", "Madrid"}});
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.checkAnswer("Paris"));
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.checkAnswer("Milan"));
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.checkAnswer("madrid"));
    EXPECT_EQ(session.getQuestionsCnt(), 3);
    EXPECT_EQ(session.getCorrectAnswersCnt(), 2);
    EXPECT_EQ(session.resultPercent(), 66);
}

TEST_F(QnaSessionTest, ResultOfFiftyThreeInAHundred)
{
    std::vector<std::vector<std::string>> rows;
    for (int i = 0; i < 100; ++i)
        rows.push_back({"q" + std::to_string(i), "a" + std::to_string(i)});
    SessionTesting::fill(doc, {"Definition"}, rows);
    QnaSession session(doc, true, random);
    for (int i = 0; i < 100; ++i)
    {
        ASSERT_TRUE(session.next());
        session.checkAnswer(i < 53 ? session.answerText() : std::string("wrong"));
    }
    EXPECT_EQ(session.resultPercent(), 53);
}

TEST_F(QnaSessionTest, EverythingElseJudgesOneItemOncePerQuestion)
{
    SessionTesting::fill(doc, {"Definition", "Example"}, {{"cat", "animal", "tom"}});
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.checkAnswer("animal"));
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.checkAnswer("jerry"));
    EXPECT_EQ(doc.getItem(0).getTimesAsked(), 2);
    EXPECT_EQ(doc.getItem(0).getCorrectAnswers(), 1);
    EXPECT_EQ(session.getItemCount(), 1);
    EXPECT_EQ(session.resultPercent(), 50);
}

namespace
{
    struct Unicode
    {
        const char* stored;
        const char* typed;
        bool caseSensitive;
        bool correct;
    };

    class UnicodeJudgingTest : public QnaSessionTest, public ::testing::WithParamInterface<Unicode>
    {
    };
}

TEST_P(UnicodeJudgingTest, JudgesInNormalFormAndFoldsCaseInEveryScript)
{
    SessionTesting::fill(doc, {"Definition"}, {{"q", GetParam().stored}});
    settings().setCaseSensitive(GetParam().caseSensitive);
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_EQ(session.checkAnswer(GetParam().typed), GetParam().correct);
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, UnicodeJudgingTest,
    ::testing::Values(
        Unicode{"кошка", "КОШКА", false, true}, Unicode{"кошка", "кошки", false, false},
        Unicode{"кошка", "КОШКА", true, false}, Unicode{"кошка", "кошка", true, true},
        Unicode{"γάτα", "ΓΆΤΑ", false, true}, Unicode{"γάτα", "ΓΑΤΑ", false, false},
        Unicode{"կատու", "ԿԱՏՈՒ", false, true}, Unicode{"Ölçü", "öLÇÜ", false, true},
        Unicode{"猫", "猫", false, true}, Unicode{"猫", "犬", false, false},
        // Outside the Basic Multilingual Plane: Deseret has case.
        Unicode{"\xF0\x90\x90\xA8", "\xF0\x90\x90\x80", false, true},
        Unicode{"🐱", "🐱", true, true},
        // A composed e with acute accent typed for a decomposed one, and back.
        Unicode{"cafe\xCC\x81", "caf\xC3\xA9", true, true}, Unicode{"caf\xC3\xA9", "CAFE\xCC\x81", false, true},
        // The Kelvin sign is a K in normal form: an ASCII text on one side only.
        Unicode{"K", "\xE2\x84\xAA", true, true}, Unicode{"k", "\xE2\x84\xAA", false, true}));

// Bytes that are not UTF-8 are ordinary characters: a case-insensitive comparison
// upper-cases the ASCII letters around them and keeps them as they are.
TEST_F(QnaSessionTest, TextsWithBytesAbove127CompareByteForByte)
{
    SessionTesting::fill(doc, {"Definition"}, {{"coffee", "caf\xE9 cr\xE8me"}});
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.checkAnswer("CAF\xE9 CR\xE8ME"));
    EXPECT_FALSE(session.checkAnswer("caf\xE9 cr\xE8m"));
    EXPECT_TRUE(equalIgnoringCase("\x80\xFF" "a", "\x80\xFF" "A"));
    EXPECT_FALSE(equalIgnoringCase("\x80", "\x81"));
    EXPECT_TRUE(equalIgnoringCase("\xE9t\xFF", "\xE9T\xFF"));
}

// The multiple-choice pools hash texts this way: texts equal but for case
// must land together, others apart.
TEST(HashIgnoringCase, AgreesWithEqualIgnoringCase)
{
    EXPECT_EQ(hashIgnoringCase("Paris"), hashIgnoringCase("pARIS"));
    EXPECT_EQ(hashIgnoringCase("\xE9t\xFF"), hashIgnoringCase("\xE9T\xFF"));
    EXPECT_NE(hashIgnoringCase("Paris"), hashIgnoringCase("Pari"));
    EXPECT_NE(hashIgnoringCase("ab"), hashIgnoringCase("ba"));
    EXPECT_NE(hashIgnoringCase(""), hashIgnoringCase(std::string_view("\0", 1)));
    EXPECT_EQ(hashIgnoringCase("кошка"), hashIgnoringCase("КОШКА"));
    EXPECT_EQ(hashIgnoringCase("k"), hashIgnoringCase("\xE2\x84\xAA"));
    EXPECT_EQ(hashComposed("caf\xC3\xA9"), hashComposed("cafe\xCC\x81"));
    EXPECT_EQ(hashComposed("K"), hashComposed("\xE2\x84\xAA"));
    EXPECT_NE(hashComposed("кошка"), hashComposed("КОШКА"));
}

// What a search looks for inside another text.
TEST(ComparisonForm, IsComposedAndUpperCasedWhenCaseIsIgnored)
{
    EXPECT_EQ(comparisonForm("Cafe\xCC\x81 au lait", true), "CAF\xC3\x89 AU LAIT");
    EXPECT_EQ(comparisonForm("Cafe\xCC\x81", false), "Caf\xC3\xA9");
    EXPECT_EQ(comparisonForm("кошка", true), "КОШКА");
    EXPECT_EQ(comparisonForm("Paris", true), "PARIS");
    EXPECT_EQ(comparisonForm("caf\xE9", true), "CAF\xE9");
}

// An item whose scores a file stored at the largest value is judged like any
// other: the scores stay at that value and the session goes on.
TEST_F(QnaSessionTest, ItemAtTheLargestScoresIsAnsweredRightAndWrong)
{
    const std::int32_t largest = 2147483647;
    SessionTesting::fill(doc, {"Capital"}, {{"France", "Paris"}});
    doc.getItem(0).setScores(largest, largest);
    settings().setContinuous(true);
    QnaSession session(doc, true, random);
    ASSERT_TRUE(session.next());
    EXPECT_TRUE(session.checkAnswer("Paris"));
    ASSERT_TRUE(session.next());
    EXPECT_FALSE(session.checkAnswer("Rome"));
    ASSERT_TRUE(session.next());
    const TermSet& item = doc.getItem(0);
    EXPECT_EQ(item.getTimesAsked(), largest);
    EXPECT_EQ(item.getCorrectAnswers(), largest);
    EXPECT_EQ(item.getRatio(), 100);
    EXPECT_EQ(session.resultPercent(), 50);
}
