#include <gtest/gtest.h>

#include "model/Quillory.h"
#include "tests/support/AllocationFaults.h"
#include "tests/support/AssertCatcher.h"

namespace
{
    class QuilloryItems : public ::testing::Test
    {
    protected:
        // Items numbered 1..count with terms "t1".."tN".
        void addItems(int count)
        {
            for (int i = 0; i < count; ++i)
            {
                TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
                item.setTerm("t" + std::to_string(item.getItemNo()));
                doc.addItem(item);
            }
        }

        std::vector<std::string> terms() const
        {
            std::vector<std::string> result;
            for (unsigned i = 0; i < doc.getItemCount(); ++i)
                result.push_back(doc.getItem(i).getTerm());
            return result;
        }

        std::vector<std::int32_t> numbers() const
        {
            std::vector<std::int32_t> result;
            for (unsigned i = 0; i < doc.getItemCount(); ++i)
                result.push_back(doc.getItem(i).getItemNo());
            return result;
        }

        Quillory doc;
    };
}

TEST(Quillory, NewDocumentIsEmptySavedAndDefault)
{
    const Quillory doc;
    EXPECT_EQ(doc.getItemCount(), 0u);
    EXPECT_TRUE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), "");
    EXPECT_EQ(doc.getOutline().getItemType(), "Term");
    EXPECT_EQ(doc.getOutline().getDefCount(), 1u);
    EXPECT_FALSE(doc.hasSelection());
    EXPECT_TRUE(doc.getRecentDocs().empty());
}

TEST_F(QuilloryItems, RemoveSelectedKeepsOrderAndRenumbersDensely)
{
    addItems(5);
    doc.select(0);
    doc.select(2);
    doc.select(3);
    doc.removeSelected();
    EXPECT_EQ(terms(), std::vector<std::string>({"t2", "t5"}));
    EXPECT_EQ(numbers(), std::vector<std::int32_t>({1, 2}));
    EXPECT_FALSE(doc.isSaved());
}

TEST_F(QuilloryItems, RemoveSelectedRenumbersBySortedDisplayOrder)
{
    addItems(5);
    // Display order 5, 1, 4, 2, 3.
    auto& items = doc.getTermSets();
    std::vector<TermSet> order;
    for (int no : {5, 1, 4, 2, 3})
        order.push_back(items[static_cast<std::size_t>(no - 1)]);
    for (std::size_t i = 0; i < order.size(); ++i)
        items[i] = order[i];
    doc.select(1);
    doc.select(3);
    doc.removeSelected();
    EXPECT_EQ(terms(), std::vector<std::string>({"t5", "t4", "t3"}));
    EXPECT_EQ(numbers(), std::vector<std::int32_t>({3, 2, 1}));
}

TEST_F(QuilloryItems, SelectedItemIsTheSmallestSelectedIndex)
{
    addItems(4);
    doc.select(3);
    doc.select(1);
    EXPECT_EQ(doc.getSelectedItem().getTerm(), "t2");
    EXPECT_EQ(doc.getSelection(), std::vector<unsigned>({1, 3}));
    doc.deselect(1);
    EXPECT_EQ(doc.getSelectedItem().getTerm(), "t4");
}

TEST_F(QuilloryItems, SetSelectedItemAssignsAndMarksModified)
{
    addItems(2);
    Quillory other;
    TermSet edited(2, other.getOutline());
    edited.setTerm("edited");
    doc.select(1);
    doc.setSelectedItem(edited);
    EXPECT_EQ(doc.getItem(1).getTerm(), "edited");
    EXPECT_EQ(&doc.getItem(1).getOutline(), &doc.getOutline());
    EXPECT_FALSE(doc.isSaved());
}

TEST_F(QuilloryItems, PreconditionsAssert)
{
    addItems(1);
    EXPECT_ASSERTION(doc.getItem(1), "idx<_termSets.size()");
    EXPECT_ASSERTION(doc.getSelectedItem(), "hasSelection()");
    EXPECT_ASSERTION(doc.setSelectedItem(doc.getItem(0)), "hasSelection()");
}

TEST_F(QuilloryItems, ResetScoresClearsEveryItemAndMarksModified)
{
    addItems(2);
    doc.getItem(0).answeredCorrectly();
    doc.getItem(1).answeredWrongly();
    doc.resetScores();
    EXPECT_EQ(doc.getItem(0).getTimesAsked(), 0);
    EXPECT_EQ(doc.getItem(0).getCorrectAnswers(), 0);
    EXPECT_EQ(doc.getItem(1).getTimesAsked(), 0);
    EXPECT_FALSE(doc.isSaved());
}

TEST_F(QuilloryItems, NewListKeepsRecentDocsAndSettings)
{
    addItems(3);
    doc.setPath("a.qlx");
    doc.addRecentDoc("a.qlx");
    doc.getSettings().setShuffle(true);
    doc.getSettings().setTimeOut(10);
    doc.setModified();
    doc.newList();
    EXPECT_EQ(doc.getItemCount(), 0u);
    EXPECT_EQ(doc.getPath(), "");
    EXPECT_TRUE(doc.isSaved());
    EXPECT_EQ(doc.getRecentDocs(), std::vector<std::string>({"a.qlx"}));
    EXPECT_TRUE(doc.getSettings().isShuffle());
    EXPECT_EQ(doc.getSettings().getTimeOut(), 10);
}

TEST(Quillory, NewListBringsAFieldChoiceInLineWithTheDefaultOutline)
{
    Quillory doc;
    Outline outline = doc.getOutline();
    outline.addDef("Plural");
    doc.setOutline(outline);
    doc.getSettings().setToField(1);
    doc.newList();
    EXPECT_TRUE(doc.getSettings().isToEverythingElse());
}

TEST(Quillory, SetOutlineValidatesSettingsAndMarksModified)
{
    Quillory doc;
    Outline outline = doc.getOutline();
    outline.addDef("Plural");
    doc.setOutline(outline);
    doc.getSettings().setFromField(1);
    outline.removeDef(1);
    doc.setOutline(outline);
    EXPECT_TRUE(doc.getSettings().isFromTerm());
    EXPECT_FALSE(doc.isSaved());
}

TEST(QuilloryRecentDocs, ExistingPathMovesToTheFront)
{
    Quillory doc;
    doc.addRecentDoc("a");
    doc.addRecentDoc("b");
    doc.addRecentDoc("c");
    doc.addRecentDoc("a");
    EXPECT_EQ(doc.getRecentDocs(), std::vector<std::string>({"a", "c", "b"}));
}

TEST(QuilloryRecentDocs, PathsDifferingInCaseAreDistinct)
{
    Quillory doc;
    doc.addRecentDoc("C:\\List.qlx");
    doc.addRecentDoc("c:\\list.qlx");
    EXPECT_EQ(doc.getRecentDocs().size(), 2u);
}

TEST(QuilloryRecentDocs, EleventhPathDropsTheOldest)
{
    Quillory doc;
    for (int i = 1; i <= 11; ++i)
        doc.addRecentDoc(std::to_string(i));
    const auto docs = doc.getRecentDocs();
    ASSERT_EQ(docs.size(), 10u);
    EXPECT_EQ(docs.front(), "11");
    EXPECT_EQ(docs.back(), "2");
    doc.clearRecentDocs();
    EXPECT_TRUE(doc.getRecentDocs().empty());
}

TEST(QuilloryAssignment, TakesContentButNotPathOrRecentDocs)
{
    Quillory source;
    Outline outline;
    outline.setItemType("Word");
    outline.addDef("Plural");
    source.setOutline(outline);
    TermSet item(1, source.getOutline());
    item.setTerm("Hund");
    item.setDefText(1, "Hunde");
    source.addItem(item);
    source.getSettings().setToField(1);
    source.setPath("source.qlx");
    source.addRecentDoc("source.qlx");

    Quillory target;
    target.setPath("target.qlx");
    target.addRecentDoc("target.qlx");
    TermSet own(1, target.getOutline());
    target.addItem(own);
    target.select(0);
    target = source;

    EXPECT_FALSE(target.hasSelection());
    EXPECT_EQ(target.getOutline().getItemType(), "Word");
    ASSERT_EQ(target.getItemCount(), 1u);
    EXPECT_EQ(&target.getItem(0).getOutline(), &target.getOutline());
    EXPECT_EQ(target.getItem(0).getDefText(1), "Hunde");
    EXPECT_EQ(target.getSettings().getToField(), 1u);
    EXPECT_FALSE(target.isSaved());
    EXPECT_EQ(target.getPath(), "target.qlx");
    EXPECT_EQ(target.getRecentDocs(), std::vector<std::string>({"target.qlx"}));
}

TEST(QuilloryAssignment, MovedItemsAreBoundToTheTargetOutline)
{
    Quillory target;
    {
        Quillory scratch;
        TermSet item(1, scratch.getOutline());
        item.setDefText(0, "Katze");
        scratch.addItem(item);
        target = std::move(scratch);
    }
    // The scratch document is gone; the items must not refer to its Outline.
    ASSERT_EQ(target.getItemCount(), 1u);
    EXPECT_EQ(&target.getItem(0).getOutline(), &target.getOutline());
    EXPECT_EQ(target.getItem(0).getDefText(0), "Katze");
}

TEST(Quillory, AddedItemIsBoundToTheDocumentsOutline)
{
    Quillory doc;
    {
        const Outline dialogCopy = doc.getOutline();
        TermSet item(1, dialogCopy);
        item.setDefText(0, "text");
        doc.addItem(item);
    }
    EXPECT_EQ(&doc.getItem(0).getOutline(), &doc.getOutline());
    EXPECT_EQ(doc.getItem(0).getDefText(0), "text");
    EXPECT_FALSE(doc.isSaved());
}

// Every allocation that copying the item or growing the list makes is refused
// in turn: each refusal leaves the list and the saved flag as they were.
class QuilloryAddItemOutOfMemory : public ::testing::TestWithParam<unsigned> {};

TEST_P(QuilloryAddItemOutOfMemory, ChangesNothing)
{
    const std::string longText(100, 'x');
    const unsigned present = GetParam();
    for (std::size_t allowed = 0;; ++allowed)
    {
        Quillory doc;
        for (unsigned i = 0; i < present; ++i)
        {
            TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
            item.setTerm("present " + longText);
            doc.addItem(item);
        }
        doc.getTermSets().shrink_to_fit();
        const std::vector<TermSet> before = doc.getTermSets();
        const bool savedBefore = doc.isSaved();
        TermSet added(static_cast<std::int32_t>(present + 1), doc.getOutline());
        added.setTerm("term " + longText);
        added.setDefText(0, "definition " + longText);
        added.setComment("comment " + longText);
        bool refused = false;
        try
        {
            const ::Test::FailingAllocations failing(allowed);
            doc.addItem(added);
            refused = failing.refused() > 0;
        }
        catch (const std::bad_alloc&)
        {
            refused = true;
        }
        if (!refused)
        {
            ASSERT_EQ(doc.getItemCount(), present + 1);
            EXPECT_EQ(doc.getItem(present), added);
            EXPECT_FALSE(doc.isSaved());
            EXPECT_GE(allowed, 4u) << "a block for the term, the comment and the definition texts, one for the list";
            break;
        }
        EXPECT_EQ(doc.getTermSets(), before) << "allocation " << allowed << " refused";
        EXPECT_EQ(doc.isSaved(), savedBefore) << "allocation " << allowed << " refused";
    }
}

INSTANTIATE_TEST_SUITE_P(ToALongerList, QuilloryAddItemOutOfMemory, ::testing::Values(0u, 3u));

namespace
{
    template <class Action>
    std::string assertingSource(Action action)
    {
        try
        {
            action();
        }
        catch (const Win::AssertionFailure& failure)
        {
            return failure.source;
        }
        return "no assertion";
    }
}

TEST(QuilloryPreconditions, NameTheSourceThatChecksThem)
{
    Quillory doc;
    const Outline outline;
    Setting setting(outline);
    TermSet item(1, outline);
    EXPECT_EQ(assertingSource([&] { doc.getItem(0); }), "Quillory");
    EXPECT_EQ(assertingSource([&] { doc.getSelectedItem(); }), "quillory");
    EXPECT_EQ(assertingSource([&] { outline.getDef(1); }), "outline");
    EXPECT_EQ(assertingSource([&] { item.getDefText(1); }), "outline");
    EXPECT_EQ(assertingSource([&] { setting.setTimeOut(1); }), "Setting");
}
