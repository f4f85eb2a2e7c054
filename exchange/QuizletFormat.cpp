#include "exchange/QuizletFormat.h"

#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        std::string_view withoutLineBreaks(std::string_view row)
        {
            const std::size_t first = row.find_first_not_of("\r\n");
            if (first == std::string_view::npos)
                return {};
            return row.substr(first, row.find_last_not_of("\r\n") - first + 1);
        }

        std::string separatorName(const std::string& separator)
        {
            return separator == "\t" ? "tab" : "\"" + separator + "\"";
        }

        bool isBlank(std::string_view row) { return row.find_first_not_of(" \t\r\n") == std::string_view::npos; }

        // The rows in order, each with its number (empty ones count too).
        std::vector<std::string_view> rowsOf(std::string_view text, const std::string& separator)
        {
            const std::string_view cut = separator.empty() ? std::string_view("\n") : std::string_view(separator);
            std::vector<std::string_view> rows;
            std::size_t pos = 0;
            for (;;)
            {
                const std::size_t end = text.find(cut, pos);
                std::string_view row = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
                if (separator.empty() && !row.empty() && row.back() == '\r')
                    row.remove_suffix(1);
                rows.push_back(separator.empty() ? row : withoutLineBreaks(row));
                if (end == std::string_view::npos)
                    return rows;
                pos = end + cut.size();
            }
        }
    }

    TableImport readQuizlet(std::string_view text, const QuizletSeparators& separators, const TableColumns& columns)
    {
        if (separators.term.empty() || (separators.row.empty() && separators.term.find('\n') != std::string::npos))
            throw Failure("--separator must be a text that is not empty and holds no line break");
        if (separators.term == separators.row)
            throw Failure("--separator and --row-separator must differ");
        if (columns.fields.size() != 1)
            throw Failure("--fields: a Quizlet card has one definition, so one field");
        text = withoutByteOrderMark(text);

        TableImport table;
        table.list.itemType = columns.itemType;
        table.list.fields = columns.fields;
        const std::vector<std::string_view> rows = rowsOf(text, separators.row);
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            const std::string_view row = rows[i];
            const std::size_t cut = row.find(separators.term);
            if (cut == std::string_view::npos)
            {
                if (!isBlank(row))
                    table.errors.addForRow(i + 1, "row " + std::to_string(i + 1) + ": no "
                                                      + separatorName(separators.term) + " between term and definition");
                continue;
            }
            ItemRecord item;
            item.term = std::string(row.substr(0, cut));
            item.definitions.emplace_back(row.substr(cut + separators.term.size()));
            table.add(std::move(item), i + 1);
        }
        return table;
    }

    std::string writeQuizlet(const StudyListRecord& list)
    {
        std::string text;
        for (const ItemRecord& item : list.items)
        {
            std::string definition;
            for (const std::string& def : item.definitions)
            {
                if (!def.empty())
                    definition += (definition.empty() ? "" : "; ") + def;
            }
            text += flatCell(item.term) + '\t' + flatCell(definition) + '\n';
        }
        return text;
    }
}
