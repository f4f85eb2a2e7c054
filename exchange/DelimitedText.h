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
    // The same with any one-character separator, quoting as CSV does or none;
    // `firstLine` is the number of the text's first line in its file.
    std::vector<TextRow> readRows(std::string_view text, char separator, bool quoting, std::size_t firstLine = 1);

    // The text after a UTF-8 byte order mark at its start, if there is one.
    std::string_view withoutByteOrderMark(std::string_view text);

    // One row with its line end: CRLF for CSV, LF for TSV. In TSV a tab or a line
    // break inside a text becomes a space, since TSV cannot hold them.
    std::string writeRow(const std::vector<std::string>& cells, TableSyntax syntax);
    // A text on one line: a tab or a line break (CRLF included) becomes a space.
    std::string flatCell(const std::string& text);
    // The text in double quotes, a double quote inside written twice.
    std::string quotedCell(const std::string& text);
}
