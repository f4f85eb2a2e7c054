#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace Qlx
{
    // What an import made, where it took the list's names from, and what else it did.
    struct ImportReport
    {
        std::string namesFrom;              // "no header", "header line 1", ...
        std::vector<std::string> remarks;   // "2 media references dropped", ...
        std::size_t items = 0;
        std::string itemType;               // UTF-8, as the names below
        std::vector<std::string> fields;
        std::vector<std::string> skipped;   // "line 4: 3 columns, expected 2", ...
    };

    // A count and its noun: "1 item", "3 items".
    std::string counted(std::size_t count, const char* one, const char* many);

    // The one line an import prints: `words.qlx: 3 items; item type "Term",
    // field "Definition"; no header`, then each remark after a semicolon.
    std::string importSummary(const std::string& output, const ImportReport& report);
}
