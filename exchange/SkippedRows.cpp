#include "exchange/SkippedRows.h"

#include <algorithm>
#include <set>
#include <utility>

#include "exchange/DocumentRecord.h"
#include "exchange/Failure.h"
#include "model/Quillory.h"

namespace Qlx
{
    namespace
    {
        using Reason = std::pair<std::size_t, std::string>;

        void addLines(std::size_t line, const std::string& text, std::vector<Reason>& reasons)
        {
            std::size_t start = 0;
            for (;;)
            {
                const std::size_t end = text.find('\n', start);
                reasons.emplace_back(line, text.substr(start, end - start));
                if (end == std::string::npos)
                    return;
                start = end + 1;
            }
        }

        // The document's own checks, on the item alone under the list's names.
        bool fitsAlone(const StudyListRecord& names, ItemRecord item, std::size_t line, const char* unit,
                       std::vector<Reason>& reasons)
        {
            StudyListRecord single {names.itemType, names.fields, {}, std::nullopt};
            item.number = 1;
            single.items.push_back(std::move(item));
            try
            {
                Quillory scratch;
                fromRecord(single, scratch, [&](std::size_t) { return unit + std::to_string(line); });
                return true;
            }
            catch (const Failure& failure)
            {
                addLines(line, failure.what(), reasons);
                return false;
            }
        }
    }

    std::vector<std::string> skipFaultyRows(TableImport& table, const char* unit)
    {
        std::vector<Reason> reasons;
        std::set<std::size_t> faulty;
        for (std::size_t i = 0; i < table.errors.size(); ++i)
        {
            reasons.emplace_back(table.errors.rowOf(i), table.errors.texts()[i]);
            faulty.insert(table.errors.rowOf(i));
        }
        table.errors = ErrorList();

        // A fault of the names is no row's: the list cannot be made at all.
        const StudyListRecord names {table.list.itemType, table.list.fields, {}, table.list.settings};
        Quillory scratch;
        fromRecord(names, scratch);

        std::vector<ItemRecord> items = std::move(table.list.items);
        const std::vector<std::size_t> lines = std::move(table.lines);
        table.list.items.clear();
        table.lines.clear();
        for (std::size_t i = 0; i < items.size(); ++i)
        {
            if (faulty.count(lines[i]) == 0 && fitsAlone(names, items[i], lines[i], unit, reasons))
                table.add(std::move(items[i]), lines[i]);
        }

        std::stable_sort(reasons.begin(), reasons.end(),
                         [](const Reason& a, const Reason& b) { return a.first < b.first; });
        std::vector<std::string> texts;
        texts.reserve(reasons.size());
        for (Reason& reason : reasons)
            texts.push_back(std::move(reason.second));
        return texts;
    }
}
