#include <gtest/gtest.h>

#include <climits>

#include "model/Setting.h"
#include "tests/support/AssertCatcher.h"

namespace
{
    Outline outlineWith(unsigned defCount)
    {
        Outline outline;
        outline.removeDef(0);
        for (unsigned i = 0; i < defCount; ++i)
            outline.addDef("F" + std::to_string(i + 1));
        return outline;
    }
}

TEST(Setting, DefaultsAskTheTermForEverythingElse)
{
    const Outline outline;
    const Setting setting(outline);
    EXPECT_TRUE(setting.isFromTerm());
    EXPECT_TRUE(setting.isToEverythingElse());
    EXPECT_EQ(setting.getTimeOut(), 0);
    EXPECT_FALSE(setting.isShuffle());
    EXPECT_FALSE(setting.isContinuous());
    EXPECT_FALSE(setting.isCaseSensitive());
    EXPECT_EQ(setting.getNumChoices(), 3);
}

TEST(Setting, RemovingTheNamedFieldFallsBackToTermAndEverythingElse)
{
    Outline outline = outlineWith(3);
    Setting setting(outline);
    setting.setFromField(2);
    setting.setToField(2);
    outline.removeDef(2);
    setting.validate();
    EXPECT_TRUE(setting.isFromTerm());
    EXPECT_TRUE(setting.isToEverythingElse());
}

TEST(Setting, AnIndexStillBelowTheCountStaysAndNamesTheNextField)
{
    Outline outline = outlineWith(2);
    Setting setting(outline);
    setting.setFromField(0);
    outline.removeDef(0);
    setting.validate();
    ASSERT_TRUE(setting.isFromField());
    EXPECT_EQ(setting.getFromField(), 0u);
    EXPECT_EQ(outline.getDef(setting.getFromField()), "F2");
}

TEST(Setting, AssignmentKeepsTheTargetsOutlineAndCorrectsAgainstIt)
{
    const Outline wide = outlineWith(5);
    const Outline narrow = outlineWith(2);
    Setting source(wide);
    source.setFromField(1);
    source.setToField(4);
    source.setTimeOut(30);
    source.setShuffle(true);
    source.setNumChoices(5);
    Setting target(narrow);
    target = source;
    EXPECT_EQ(target.getFromField(), 1u);
    EXPECT_TRUE(target.isToEverythingElse());
    EXPECT_EQ(target.getTimeOut(), 30);
    EXPECT_TRUE(target.isShuffle());
    EXPECT_EQ(target.getNumChoices(), 5);
    // The target still validates against its own (narrow) outline.
    target.setToField(3);
    target.validate();
    EXPECT_TRUE(target.isToEverythingElse());
}

TEST(Setting, KindSettersReplaceTheKind)
{
    const Outline outline = outlineWith(2);
    Setting setting(outline);
    setting.setFromAnything();
    setting.setToAnything();
    EXPECT_TRUE(setting.isFromAnything());
    EXPECT_TRUE(setting.isToAnything());
    setting.setToTerm();
    setting.setFromField(1);
    EXPECT_TRUE(setting.isToTerm());
    EXPECT_EQ(setting.getFromField(), 1u);
    setting.setFromTerm();
    setting.setToEverythingElse();
    EXPECT_TRUE(setting.isFromTerm());
    EXPECT_TRUE(setting.isToEverythingElse());
}

class SettingTimeOut : public ::testing::TestWithParam<int> {};

TEST_P(SettingTimeOut, AcceptsNoneAndTwoToNinetyNine)
{
    const Outline outline;
    Setting setting(outline);
    setting.setTimeOut(GetParam());
    EXPECT_EQ(setting.getTimeOut(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Valid, SettingTimeOut, ::testing::Values(0, 2, 99));

TEST(SettingPreconditions, TimeOutOutsideTheRangeAsserts)
{
    const Outline outline;
    Setting setting(outline);
    const char* expr = "(timeOut>=TimeOutMin && timeOut<=TimeOutMax) || timeOut==0";
    EXPECT_ASSERTION(setting.setTimeOut(1), expr);
    EXPECT_ASSERTION(setting.setTimeOut(100), expr);
    EXPECT_ASSERTION(setting.setTimeOut(-1), expr);
    EXPECT_EQ(setting.getTimeOut(), 0);
}

TEST(SettingPreconditions, FieldIndexesAsserts)
{
    const Outline outline;
    Setting setting(outline);
    EXPECT_ASSERTION(setting.getFromField(), "_fromDir==FIELD");
    EXPECT_ASSERTION(setting.getToField(), "_toDir==FIELD");
    EXPECT_ASSERTION(setting.setFromField(unsigned(INT_MAX) + 1u), "idx<=INT_MAX");
    EXPECT_ASSERTION(setting.setToField(unsigned(INT_MAX) + 1u), "idx<=INT_MAX");
}
