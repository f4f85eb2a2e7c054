#include "model/ItemRemoval.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace
{
    // For a number, how many removed numbers lie below it. A list whose
    // numbers are 1 to N (every list the program builds) is answered from a
    // table indexed by number; numbers a file brought in outside that range
    // are answered by a search in the sorted removed numbers.
    class RemovedBelow
    {
    public:
        RemovedBelow(const std::vector<TermSet>& items, const std::vector<bool>& removed)
        {
            const std::size_t count = items.size();
            const bool dense = std::all_of(items.begin(), items.end(), [count](const TermSet& item) {
                return item.getItemNo() >= 1 && static_cast<std::size_t>(item.getItemNo()) <= count;
            });
            for (std::size_t i = 0; i < count; ++i)
                if (removed[i])
                    _sorted.push_back(items[i].getItemNo());
            if (dense)
                buildTable(count);
            else
                std::sort(_sorted.begin(), _sorted.end());
        }

        std::int32_t operator()(std::int32_t number) const
        {
            if (!_table.empty())
                return _table[static_cast<std::size_t>(number)];
            const auto below = std::lower_bound(_sorted.begin(), _sorted.end(), number) - _sorted.begin();
            return static_cast<std::int32_t>(below);
        }

    private:
        // _table[n] = removed numbers below n, for n from 0 to count.
        void buildTable(std::size_t count)
        {
            _table.assign(count + 1, 0);
            for (const std::int32_t number : _sorted)
                if (static_cast<std::size_t>(number) < count)
                    ++_table[static_cast<std::size_t>(number) + 1];
            for (std::size_t n = 1; n <= count; ++n)
                _table[n] += _table[n - 1];
            _sorted.clear();
        }

        std::vector<std::int32_t> _table;
        std::vector<std::int32_t> _sorted;
    };
}

void removeItemsAt(std::vector<TermSet>& items, const std::set<unsigned>& positions)
{
    std::vector<bool> removed(items.size(), false);
    for (const unsigned pos : positions)
        if (pos < items.size())
            removed[pos] = true;
    // Everything that allocates is done: from here on nothing throws.
    const RemovedBelow removedBelow(items, removed);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        if (removed[i])
            continue;
        TermSet& item = items[i];
        item.setItemNo(item.getItemNo() - removedBelow(item.getItemNo()));
        if (kept != i)
            items[kept] = std::move(item);
        ++kept;
    }
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(kept), items.end());
}
