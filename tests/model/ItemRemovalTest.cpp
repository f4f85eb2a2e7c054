#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/Quillory.h"

namespace
{
    // (number, term) of every item in display order.
    using Rows = std::vector<std::pair<std::int32_t, std::string>>;

    Rows rowsOf(const Quillory& doc)
    {
        Rows rows;
        for (const TermSet& item : doc.getTermSets())
            rows.emplace_back(item.getItemNo(), item.getTerm());
        return rows;
    }

    // Removing the selected items the plain way: from the largest selected
    // index to the smallest, one erase and one renumbering pass per removed item.
    Rows removedOneByOne(Rows rows, const std::set<unsigned>& selection)
    {
        for (auto it = selection.rbegin(); it != selection.rend(); ++it)
        {
            if (*it >= rows.size())
                continue;
            const std::int32_t removedNo = rows[*it].first;
            rows.erase(rows.begin() + *it);
            for (auto& row : rows)
                if (row.first > removedNo)
                    --row.first;
        }
        return rows;
    }

    enum class Order { CREATION, SHUFFLED, SORTED_BY_TERM };

    class ItemRemovalTest : public ::testing::Test
    {
    protected:
        // Items numbered 1..count with random terms, in the given order.
        void fill(unsigned count, Order order)
        {
            std::uniform_int_distribution<int> letter('a', 'z');
            for (unsigned i = 0; i < count; ++i)
            {
                TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
                item.setTerm(std::string{static_cast<char>(letter(engine)), static_cast<char>(letter(engine))});
                doc.addItem(item);
            }
            auto& items = doc.getTermSets();
            if (order == Order::SHUFFLED)
                std::shuffle(items.begin(), items.end(), engine);
            if (order == Order::SORTED_BY_TERM)
                std::stable_sort(items.begin(), items.end(),
                                 [](const TermSet& a, const TermSet& b) { return a.getTerm() < b.getTerm(); });
        }

        // Each row selected with the given chance, and now and then an index
        // past the end.
        std::set<unsigned> selectRandomly(double chance)
        {
            std::bernoulli_distribution pick(chance);
            std::set<unsigned> selection;
            for (unsigned idx = 0; idx < doc.getItemCount() + 2; ++idx)
                if (pick(engine))
                {
                    selection.insert(idx);
                    doc.select(idx);
                }
            return selection;
        }

        void expectSameAsOneByOne(const std::set<unsigned>& selection)
        {
            const Rows expected = removedOneByOne(rowsOf(doc), selection);
            doc.removeSelected();
            ASSERT_EQ(rowsOf(doc), expected);
            EXPECT_FALSE(doc.isSaved());
        }

        std::mt19937 engine{20261208};
        Quillory doc;
    };
}

TEST_F(ItemRemovalTest, RandomSelectionsGiveTheResultOfRemovingOneByOne)
{
    for (const Order order : {Order::CREATION, Order::SHUFFLED, Order::SORTED_BY_TERM})
        for (const double chance : {0.0, 0.1, 0.5, 0.9, 1.0})
            for (int round = 0; round < 40; ++round)
            {
                doc.newList();
                doc.clearSelection();
                fill(static_cast<unsigned>(std::uniform_int_distribution<int>(0, 60)(engine)), order);
                expectSameAsOneByOne(selectRandomly(chance));
            }
}

TEST_F(ItemRemovalTest, LargeSortedListGivesTheResultOfRemovingOneByOne)
{
    fill(3000, Order::SORTED_BY_TERM);
    expectSameAsOneByOne(selectRandomly(0.3));
}

// A file may bring numbers that are not 1 to N (gaps, negative or extreme
// ones): as long as they are distinct they close up as one by one.
TEST_F(ItemRemovalTest, DistinctNumbersOutsideOneToNCloseUpAsOneByOne)
{
    std::vector<std::int32_t> numbers;
    for (std::int32_t n = -20; n <= 200; ++n)
        numbers.push_back(n);
    for (int round = 0; round < 200; ++round)
    {
        doc.newList();
        doc.clearSelection();
        fill(static_cast<unsigned>(std::uniform_int_distribution<int>(0, 40)(engine)), Order::SHUFFLED);
        std::shuffle(numbers.begin(), numbers.end(), engine);
        for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
            doc.getItem(idx).setItemNo(numbers[idx]);
        if (round % 2 == 0 && doc.getItemCount() > 1)
        {
            doc.getItem(0).setItemNo(2147483647);
            doc.getItem(1).setItemNo(-2147483647 - 1);
        }
        expectSameAsOneByOne(selectRandomly(0.4));
    }
}

// Repeated numbers (a file may hold them) each count as a removed number
// below a survivor; removing one by one would count the second 5 only once,
// since the first removal makes it equal to the survivor's 6.
TEST_F(ItemRemovalTest, RepeatedRemovedNumbersEachCloseTheGap)
{
    fill(4, Order::CREATION);
    const std::int32_t stored[] = {5, 5, 6, 2};
    for (unsigned idx = 0; idx < 4; ++idx)
        doc.getItem(idx).setItemNo(stored[idx]);
    doc.select(0);
    doc.select(1);
    doc.removeSelected();
    ASSERT_EQ(doc.getItemCount(), 2u);
    EXPECT_EQ(doc.getItem(0).getItemNo(), 4);
    EXPECT_EQ(doc.getItem(1).getItemNo(), 2);
}

TEST_F(ItemRemovalTest, EveryOtherOfAHundredThousandLeavesTheRestNumberedInOrder)
{
    fill(100000, Order::CREATION);
    std::vector<std::string> keptTerms;
    for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
    {
        if (idx % 2 == 0)
            doc.select(idx);
        else
            keptTerms.push_back(doc.getItem(idx).getTerm());
    }
    doc.removeSelected();
    ASSERT_EQ(doc.getItemCount(), 50000u);
    for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
    {
        ASSERT_EQ(doc.getItem(idx).getItemNo(), static_cast<std::int32_t>(idx + 1));
        ASSERT_EQ(doc.getItem(idx).getTerm(), keptTerms[idx]);
    }
}

TEST_F(ItemRemovalTest, SelectAllOfAHundredThousandLeavesAnEmptyList)
{
    fill(100000, Order::SHUFFLED);
    for (unsigned idx = 0; idx < doc.getItemCount(); ++idx)
        doc.select(idx);
    doc.removeSelected();
    EXPECT_EQ(doc.getItemCount(), 0u);
    EXPECT_FALSE(doc.isSaved());
}
