#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/DelimitedText.h"
#include "exchange/ErrorList.h"
#include "exchange/StudyListRecord.h"

namespace Qlx
{
    // The columns of a table without a header line.
    struct TableColumns
    {
        std::string itemType;
        std::vector<std::string> fields;
    };

    struct TableImport
    {
        StudyListRecord list;            // items numbered 1 to N in file order, no settings
        std::vector<std::size_t> lines;  // the line of each item
        ErrorList errors;                // rows that could not be read
        std::size_t headerLine = 0;      // 0: the caller named the columns

        // Appends `item` as the next one, numbered by its place, read from `line`.
        void add(ItemRecord item, std::size_t line);
    };

    // A header naming the columns (the item type, each field, "Comment",
    // "Times Asked", "Correct Answers"), then one item per line.
    std::string writeTable(const StudyListRecord& list, TableSyntax syntax);

    // Reads the structure from the header line, or from `columns` when the table
    // has none; the last three columns, and "Comment", may be left out. A row
    // with the wrong number of columns or a bad number goes to `errors` with its
    // line; a table that cannot be read at all fails.
    TableImport readTable(std::string_view text, TableSyntax syntax, const std::optional<TableColumns>& columns);
    // The same with any one-character separator, quoting as CSV does or none.
    TableImport readTable(std::string_view text, char separator, bool quoting, const std::optional<TableColumns>& columns);
}
