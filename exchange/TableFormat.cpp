#include "exchange/TableFormat.h"

#include <charconv>

#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        // The program's own column titles.
        const char* const CommentTitle = "Comment";
        const char* const TimesAskedTitle = "Times Asked";
        const char* const CorrectAnswersTitle = "Correct Answers";

        // Which of the optional columns a table has.
        struct Layout
        {
            size_t fieldCount = 0;
            bool hasComment = false;
            bool hasScores = false;

            size_t columnCount() const { return 1 + fieldCount + (hasComment ? 1 : 0) + (hasScores ? 2 : 0); }
        };

        Layout layoutOfHeader(const std::vector<std::string>& header)
        {
            Layout layout;
            size_t end = header.size();
            if (end >= 3 && header[end - 2] == TimesAskedTitle && header[end - 1] == CorrectAnswersTitle)
            {
                layout.hasScores = true;
                end -= 2;
            }
            if (end >= 2 && header[end - 1] == CommentTitle)
            {
                layout.hasComment = true;
                end -= 1;
            }
            layout.fieldCount = end - 1;
            return layout;
        }

        std::string lineName(size_t line) { return "line " + std::to_string(line); }

        // Without a header the number of columns tells which optional ones are there.
        Layout layoutOfWidth(const TextRow& first, size_t fieldCount)
        {
            const size_t width = first.cells.size();
            Layout layout;
            layout.fieldCount = fieldCount;
            const size_t extra = width > fieldCount ? width - fieldCount - 1 : 0;
            if (width <= fieldCount || extra > 3)
                throw Failure(lineName(first.line) + ": " + std::to_string(width) + " columns, expected "
                              + std::to_string(fieldCount + 1) + " to " + std::to_string(fieldCount + 4));
            layout.hasComment = extra == 1 || extra == 3;
            layout.hasScores = extra >= 2;
            return layout;
        }

        // A score: decimal digits with an optional sign; an empty cell is 0.
        bool parseScore(const std::string& cell, std::int32_t& value)
        {
            const size_t first = cell.find_first_not_of(' ');
            if (first == std::string::npos)
            {
                value = 0;
                return true;
            }
            const size_t last = cell.find_last_not_of(' ');
            const char* begin = cell.data() + first;
            const char* end = cell.data() + last + 1;
            if (*begin == '+')
                ++begin;
            const auto result = std::from_chars(begin, end, value);
            return result.ec == std::errc() && result.ptr == end;
        }

        void readScore(const std::string& cell, const char* title, size_t line, std::int32_t& value,
                       ErrorList& errors)
        {
            if (!parseScore(cell, value))
                errors.addForRow(line, lineName(line) + ": " + title + " \"" + cell + "\" is not a whole number");
        }

        ItemRecord readItem(const TextRow& row, const Layout& layout, ErrorList& errors)
        {
            ItemRecord item;
            auto cell = row.cells.begin();
            item.term = *cell++;
            item.definitions.assign(cell, cell + static_cast<std::ptrdiff_t>(layout.fieldCount));
            cell += static_cast<std::ptrdiff_t>(layout.fieldCount);
            if (layout.hasComment)
                item.comment = *cell++;
            if (layout.hasScores)
            {
                readScore(*cell++, TimesAskedTitle, row.line, item.timesAsked, errors);
                readScore(*cell++, CorrectAnswersTitle, row.line, item.correctAnswers, errors);
            }
            return item;
        }
    }

    std::string writeTable(const StudyListRecord& list, TableSyntax syntax)
    {
        std::vector<std::string> header {list.itemType};
        header.insert(header.end(), list.fields.begin(), list.fields.end());
        header.insert(header.end(), {CommentTitle, TimesAskedTitle, CorrectAnswersTitle});
        std::string text = writeRow(header, syntax);
        for (const ItemRecord& item : list.items)
        {
            std::vector<std::string> cells {item.term};
            cells.insert(cells.end(), item.definitions.begin(), item.definitions.end());
            cells.insert(cells.end(),
                         {item.comment, std::to_string(item.timesAsked), std::to_string(item.correctAnswers)});
            text += writeRow(cells, syntax);
        }
        return text;
    }

    TableImport readTable(std::string_view text, TableSyntax syntax, const std::optional<TableColumns>& columns)
    {
        const bool csv = syntax == TableSyntax::CSV;
        return readTable(text, csv ? ',' : '\t', csv, columns);
    }

    TableImport readTable(std::string_view text, char separator, bool quoting, const std::optional<TableColumns>& columns)
    {
        const std::vector<TextRow> rows = readRows(text, separator, quoting);
        TableImport table;
        auto row = rows.begin();
        Layout layout;
        if (columns)
        {
            table.list.itemType = columns->itemType;
            table.list.fields = columns->fields;
            if (row != rows.end())
                layout = layoutOfWidth(*row, columns->fields.size());
        }
        else
        {
            if (row == rows.end())
                throw Failure("no header line");
            layout = layoutOfHeader(row->cells);
            table.headerLine = row->line;
            table.list.itemType = row->cells.front();
            table.list.fields.assign(row->cells.begin() + 1,
                                     row->cells.begin() + 1 + static_cast<std::ptrdiff_t>(layout.fieldCount));
            ++row;
        }

        for (; row != rows.end(); ++row)
        {
            if (row->cells.size() != layout.columnCount())
            {
                table.errors.addForRow(row->line, lineName(row->line) + ": " + std::to_string(row->cells.size())
                                                      + " columns, expected " + std::to_string(layout.columnCount()));
                continue;
            }
            table.add(readItem(*row, layout, table.errors), row->line);
        }
        return table;
    }

    void TableImport::add(ItemRecord item, std::size_t line)
    {
        item.number = static_cast<std::int32_t>(list.items.size() + 1);
        list.items.push_back(std::move(item));
        lines.push_back(line);
    }
}
