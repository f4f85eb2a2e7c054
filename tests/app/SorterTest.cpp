#include <gtest/gtest.h>

#include "app/ListViewModels.h"
#include "app/Sorter.h"
#include "model/Quillory.h"
#include "tests/support/AssertCatcher.h"

#include <string>
#include <vector>

namespace
{
    // A list with the default outline (Term / Definition) whose items are
    // built by the tests; item numbers follow creation order.
    class SortFixture : public ::testing::Test
    {
    protected:
        TermSet& add(const std::string& term, const std::string& def = "", int asked = 0, int correct = 0)
        {
            TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
            item.setTerm(term);
            item.setDefText(0, def);
            for (int i = 0; i < asked; ++i)
            {
                if (i < correct)
                    item.answeredCorrectly();
                else
                    item.answeredWrongly();
            }
            doc.addItem(item);
            return doc.getItem(doc.getItemCount() - 1);
        }

        std::vector<std::string> terms() const
        {
            std::vector<std::string> result;
            for (const TermSet& item : doc.getTermSets())
                result.push_back(item.getTerm());
            return result;
        }

        void click(unsigned column) { sortByColumn(doc.getTermSets(), model.getSorter(column)); }

        Quillory doc;
        StudyListOutlineModel model{doc.getOutline()};
    };

    // Columns of the default outline.
    const unsigned NumberCol = 0, TermCol = 1, DefCol = 2, CommentCol = 3, AskedCol = 4, CorrectCol = 5,
                   RatioCol = 6;
}

TEST_F(SortFixture, TermColumnSortsCapitalsBeforeSmallLetters)
{
    add("apple");
    add("Zebra");
    add("mango");
    click(TermCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"Zebra", "apple", "mango"}));
}

TEST_F(SortFixture, TextsCompareBytesAsUnsignedAndPrefixesFirst)
{
    add("\xE9t\xE9");  // a byte above 127 sorts after every ASCII letter
    add("ab");
    add("a");
    click(TermCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"a", "ab", "\xE9t\xE9"}));
}

TEST_F(SortFixture, SecondClickOnSortedColumnSortsDescending)
{
    add("b", "", 2);
    add("a", "", 5);
    add("c", "", 1);
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"c", "b", "a"}));
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"a", "b", "c"}));
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"c", "b", "a"}));
}

TEST_F(SortFixture, ColumnWhereAllItemsAreEqualReversesTheListEachClick)
{
    add("x");
    add("y");
    add("z");
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"z", "y", "x"}));
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"x", "y", "z"}));
}

TEST_F(SortFixture, AscendingSortKeepsTheOrderOfEqualItems)
{
    add("p", "", 1);
    add("q", "", 0);
    add("r", "", 1);
    add("s", "", 0);
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"q", "s", "p", "r"}));
    // Descending reverses the equal items' order as well.
    click(AskedCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"r", "p", "s", "q"}));
}

TEST_F(SortFixture, NumberColumnRestoresCreationOrder)
{
    add("c", "3");
    add("a", "1");
    add("b", "2");
    click(TermCol);
    click(DefCol);
    click(DefCol);
    click(NumberCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"c", "a", "b"}));
}

TEST_F(SortFixture, EveryColumnSortsByItsOwnValue)
{
    TermSet& first = add("one", "zz", 3, 1);   // ratio 33
    first.setComment("b");
    TermSet& second = add("two", "aa", 2, 2);  // ratio 100
    second.setComment("a");
    add("three", "mm", 4, 0);                  // ratio 0, comment empty

    click(DefCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"two", "three", "one"}));
    click(CommentCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"three", "two", "one"}));
    click(CorrectCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"three", "one", "two"}));
    click(RatioCol);
    EXPECT_EQ(terms(), (std::vector<std::string>{"two", "one", "three"}));
}

TEST_F(SortFixture, SortingTheEmptyListChangesNothing)
{
    click(TermCol);
    EXPECT_EQ(doc.getItemCount(), 0u);
}

TEST_F(SortFixture, SortingKeepsItemsBoundToTheDocumentOutline)
{
    add("b", "second");
    add("a", "first");
    click(TermCol);
    for (const TermSet& item : doc.getTermSets())
        EXPECT_EQ(&item.getOutline(), &doc.getOutline());
    EXPECT_EQ(doc.getItem(0).getDefText(0), "first");
}

TEST(Sorter, WithoutAnyComparisonIsAnAssertion)
{
    Outline outline;
    TermSet a(1, outline), b(2, outline);
    const Sorter sorter(static_cast<Sorter::DefCmpFunc>(nullptr), 0);
    EXPECT_ASSERTION(sorter(a, b), "_defCmpFunc!=0");
}
