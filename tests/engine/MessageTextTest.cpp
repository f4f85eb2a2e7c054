#include "engine/MessageText.h"

#include <gtest/gtest.h>

#include "res/strings.h"

TEST(MessageText, WrongAnswerQuotesTheTypedAndTheExpectedText)
{
    EXPECT_EQ(wrongAnswerText(STR_WRONG_ANSWER, "paris", "Rome"),
              "\"paris\" is wrong.\nThe correct answer is:\n\"Rome\".");
}

TEST(MessageText, EmptyAnswerGivesTwoQuotationMarks)
{
    EXPECT_EQ(wrongAnswerText(STR_WRONG_ANSWER, "", "Rome"), "\"\" is wrong.\nThe correct answer is:\n\"Rome\".");
}

TEST(MessageText, ConversionsInUserTextAreShownAsTyped)
{
    EXPECT_EQ(wrongAnswerText(STR_WRONG_ANSWER, "%s%n%i%%", "100%s"),
              "\"%s%n%i%%\" is wrong.\nThe correct answer is:\n\"100%s\".");
}

TEST(MessageText, LongTextsAreKeptWhole)
{
    const std::string answer(5000, 'a');
    const std::string expected(7000, 'b');
    const std::string text = wrongAnswerText(STR_WRONG_ANSWER, answer, expected);
    EXPECT_NE(text.find("\"" + answer + "\""), std::string::npos);
    EXPECT_NE(text.find("\"" + expected + "\"."), std::string::npos);
}

TEST(MessageText, ResultsShowCountsAndPercentWithItsSign)
{
    EXPECT_EQ(resultsText(STR_RESULTS, 3, 2, 66),
              "Total questions:\t\t3\nCorrectly answered:\t\t2\nResult:\t\t\t66%");
    EXPECT_EQ(resultsText(STR_RESULTS, 0, 0, 0), "Total questions:\t\t0\nCorrectly answered:\t\t0\nResult:\t\t\t0%");
}
