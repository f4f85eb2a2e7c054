#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace Qlx
{
    // TSV as spreadsheet programs write it: tab-separated, no quoting.
    // CSV by RFC 4180: comma-separated, texts quoted where needed.
    enum class TableSyntax
    {
        TSV,
        CSV
    };

    struct TextRow
    {
        std::size_t line;   // where the row starts, 1-based
        std::vector<std::string> cells;
    };

    // Rows of UTF-8 text. Lines end in LF or CRLF; a UTF-8 byte order mark at the
    // start is skipped, and so are empty lines. CSV texts in double quotes may hold
    // commas, line breaks (kept as written) and doubled double quotes. Fails with
    // "line N: ..." for a quote left open or text after a closing quote.
    std::vector<TextRow> readRows(std::string_view text, TableSyntax syntax);

    // One row with its line end: CRLF for CSV, LF for TSV. In TSV a tab or a line
    // break inside a text becomes a space, since TSV cannot hold them.
    std::string writeRow(const std::vector<std::string>& cells, TableSyntax syntax);
}
