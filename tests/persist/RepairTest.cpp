#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/persist/LoadOutcome.h"
#include "tests/persist/StudyListBytes.h"

using TestData::LoadOutcome;
using TestData::StudyListBytes;

namespace
{
    // A list of two definition fields and one item with the given scores.
    std::string withScores(std::int32_t asked, std::int32_t correct)
    {
        return StudyListBytes().magic().s("Term").i(2).s("A").s("B")
            .i(1).i(1).s("t").s("a").s("b").s("").i(asked).i(correct).defaultSettings().bytes();
    }

    struct Stored
    {
        std::int32_t timeOut, numChoices, fromDir, toDir, fromField, toField;
    };

    std::string withSettings(const Stored& s)
    {
        return StudyListBytes().magic().s("Term").i(2).s("A").s("B").i(0)
            .settings(s.timeOut, s.numChoices, s.fromDir, s.toDir, s.fromField, s.toField).bytes();
    }

    Quillory& load(Quillory& doc, const std::string& bytes)
    {
        const LoadOutcome outcome = TestData::loadInto(doc, bytes);
        EXPECT_EQ(outcome.kind, LoadOutcome::LOADED) << outcome.text;
        return doc;
    }

    struct ScoreCase
    {
        std::int32_t asked, correct, repairedAsked, repairedCorrect;
    };

    class ScoreRepair : public ::testing::TestWithParam<ScoreCase> {};

    struct SettingCase
    {
        Stored stored;
        int timeOut, numChoices;
        Setting::Direction from, to;
    };

    class SettingRepair : public ::testing::TestWithParam<SettingCase> {};

    class ValidSettings : public ::testing::TestWithParam<Stored> {};
}

TEST_P(ScoreRepair, ImpossibleScoresBecomeTheNearestPossibleOnes)
{
    const ScoreCase c = GetParam();
    Quillory doc;
    load(doc, withScores(c.asked, c.correct));
    const TermSet& item = doc.getItem(0);
    EXPECT_EQ(item.getTimesAsked(), c.repairedAsked);
    EXPECT_EQ(item.getCorrectAnswers(), c.repairedCorrect);
    EXPECT_GE(item.getRatio(), 0);   // must not assert
    EXPECT_LE(item.getRatio(), 100);
}

INSTANTIATE_TEST_SUITE_P(Scores, ScoreRepair, ::testing::Values(
    ScoreCase{3, 7, 3, 3}, ScoreCase{-5, 3, 0, 0}, ScoreCase{5, -2, 5, 0},
    ScoreCase{0, 1, 0, 0}, ScoreCase{INT32_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
    ScoreCase{4, 4, 4, 4}, ScoreCase{9, 0, 9, 0}));

TEST(ScoreRepair, HugeScoresGiveAnExactRatio)
{
    Quillory doc;
    load(doc, withScores(INT32_MAX, INT32_MAX - 1));
    EXPECT_EQ(doc.getItem(0).getRatio(), 99);
}

TEST_P(SettingRepair, ValuesNoDialogCanProduceAreRepaired)
{
    const SettingCase c = GetParam();
    Quillory doc;
    const Setting& settings = load(doc, withSettings(c.stored)).getSettings();
    EXPECT_EQ(settings.getTimeOut(), c.timeOut);
    EXPECT_EQ(settings.getNumChoices(), c.numChoices);
    EXPECT_EQ(settings.getFromDir(), c.from);
    EXPECT_EQ(settings.getToDir(), c.to);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingRepair, ::testing::Values(
    SettingCase{{-1, 3, 0, 3, 0, 0}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{1, 3, 0, 3, 0, 0}, 2, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{100, 3, 0, 3, 0, 0}, 99, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{INT32_MIN, 0, 0, 3, 0, 0}, 0, 2, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, -7, 0, 3, 0, 0}, 0, 2, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 7, 0, 3, 0, 0}, 0, 6, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, 3, 3, 0, 0}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, 4, 4, 0, 0}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, -1, -1, 0, 0}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, 1, 1, -1, -1}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, 1, 1, 2, 2}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE},
    SettingCase{{0, 3, 1, 1, INT32_MIN, INT32_MAX}, 0, 3, Setting::TERM, Setting::EVERYTHING_ELSE}));

TEST_P(ValidSettings, LoadAndSaveByteForByte)
{
    const std::string bytes = withSettings(GetParam());
    Quillory doc;
    load(doc, bytes);
    EXPECT_EQ(TestData::bytesOf(doc), bytes);
}

// Anything the program itself can write, including index fields that no
// reader uses because their side is not a field.
INSTANTIATE_TEST_SUITE_P(Settings, ValidSettings, ::testing::Values(
    Stored{0, 3, 0, 3, 0, 0}, Stored{2, 2, 1, 1, 1, 0}, Stored{99, 6, 2, 2, 0, 1},
    Stored{57, 4, 0, 0, 7, -1}, Stored{0, 5, 2, 3, 1, 1}, Stored{3, 3, 1, 3, 0, 12345}));

TEST(ScoreRepair, PossibleScoresLoadAndSaveByteForByte)
{
    const std::string bytes = withScores(12, 5);
    Quillory doc;
    load(doc, bytes);
    EXPECT_EQ(TestData::bytesOf(doc), bytes);
}
