#include <gtest/gtest.h>

#include "model/Outline.h"
#include "model/TermSet.h"
#include "tests/support/AssertCatcher.h"

namespace
{
    Outline outlineOf(const std::vector<std::string>& defs)
    {
        Outline outline;
        while (outline.getDefCount() > 0)
            outline.removeDef(0);
        for (const auto& def : defs)
            outline.addDef(def);
        return outline;
    }

    std::vector<std::string> defsOf(const Outline& outline)
    {
        std::vector<std::string> defs;
        for (unsigned i = 0; i < outline.getDefCount(); ++i)
            defs.push_back(outline.getDef(i));
        return defs;
    }
}

TEST(Outline, StartsWithTermAndOneDefinition)
{
    const Outline outline;
    EXPECT_EQ(outline.getItemType(), "Term");
    ASSERT_EQ(outline.getDefCount(), 1u);
    EXPECT_EQ(outline.getDef(0), "Definition");
}

TEST(Outline, SetDefaultRestoresTheDefaultStructure)
{
    Outline outline = outlineOf({"A", "B"});
    outline.setItemType("Word");
    outline.setDefault();
    EXPECT_EQ(outline.getItemType(), "Term");
    EXPECT_EQ(defsOf(outline), std::vector<std::string>({"Definition"}));
}

TEST(Outline, MoveUpSwapsWithPredecessorOnly)
{
    Outline outline = outlineOf({"F1", "F2", "F3"});
    outline.moveDefUp(1);
    EXPECT_EQ(defsOf(outline), std::vector<std::string>({"F2", "F1", "F3"}));
}

TEST(Outline, MoveDownSwapsWithSuccessorOnly)
{
    Outline outline = outlineOf({"F1", "F2", "F3"});
    outline.moveDefDown(1);
    EXPECT_EQ(defsOf(outline), std::vector<std::string>({"F1", "F3", "F2"}));
}

TEST(Outline, RemoveDefShiftsTheFollowingNames)
{
    Outline outline = outlineOf({"F1", "F2", "F3"});
    outline.removeDef(0);
    EXPECT_EQ(defsOf(outline), std::vector<std::string>({"F2", "F3"}));
}

TEST(Outline, CopiesAreIndependent)
{
    Outline original = outlineOf({"A"});
    Outline copy = original;
    copy.addDef("B");
    copy.setItemType("Word");
    EXPECT_EQ(original.getDefCount(), 1u);
    EXPECT_EQ(original.getItemType(), "Term");
}

TEST(OutlinePreconditions, IndexesOutsideTheFieldsAssert)
{
    Outline outline = outlineOf({"F1", "F2", "F3"});
    EXPECT_ASSERTION(outline.getDef(3), "idx<getDefCount()");
    EXPECT_ASSERTION(outline.removeDef(3), "idx<getDefCount()");
    EXPECT_ASSERTION(outline.moveDefUp(0), "idx<getDefCount() && idx>=1");
    EXPECT_ASSERTION(outline.moveDefUp(3), "idx<getDefCount() && idx>=1");
    EXPECT_ASSERTION(outline.moveDefDown(2), "idx<getDefCount()-1");
    EXPECT_EQ(defsOf(outline), std::vector<std::string>({"F1", "F2", "F3"}));
}

TEST(OutlinePreconditions, MoveDownWithoutFieldsAssertsInsteadOfWrapping)
{
    Outline outline = outlineOf({});
    // count-1 wraps around for an unsigned count of 0.
    EXPECT_ASSERTION(outline.moveDefDown(0), "idx<getDefCount()");
}

TEST(Outline, ReAddingARemovedFieldShowsTheItemsOldTexts)
{
    Outline outline = outlineOf({"F1", "F2", "F3"});
    TermSet item(1, outline);
    item.setDefText(1, "two");
    outline.removeDef(1);
    EXPECT_EQ(item.getDefText(1), "");   // now F3
    outline.addDef("F2");
    EXPECT_EQ(item.getDefText(2), "two");
}

TEST(Outline, TwoFieldsOfTheSameNameShareOneText)
{
    Outline outline = outlineOf({"X", "X"});
    TermSet item(1, outline);
    item.setDefText(1, "shared");
    EXPECT_EQ(item.getDefText(0), "shared");
    item.setDefText(0, "edited");
    EXPECT_EQ(item.getDefText(1), "edited");
}
