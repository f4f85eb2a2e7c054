#include "exchange/ImportChoice.h"

#include <algorithm>
#include <array>

#include "exchange/AnkiFormat.h"
#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"
#include "model/Outline.h"

namespace Qlx
{
    namespace
    {
        // The rows looked at to guess a layout; enough to tell, quick on any size.
        const std::size_t SampleBytes = 64 * 1024;
        const std::size_t SampleRows = 20;

        std::string lowered(std::string_view text)
        {
            std::string result(text);
            std::transform(result.begin(), result.end(), result.begin(),
                           [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
            return result;
        }

        std::string_view firstLine(std::string_view text)
        {
            const std::size_t start = text.find_first_not_of("\r\n");
            if (start == std::string_view::npos)
                return {};
            text.remove_prefix(start);
            return text.substr(0, text.find_first_of("\r\n"));
        }

        // Anki writes its header lines first; a table's first cell rarely
        // starts with '#' and one of these keys.
        bool startsWithAnkiHeader(std::string_view text)
        {
            static const char* const Keys[] = {"separator", "html", "columns", "notetype", "deck", "tags",
                                               "guid column", "notetype column", "deck column", "tags column"};
            const std::string_view line = firstLine(text);
            const std::size_t colon = line.find(':');
            if (line.empty() || line[0] != '#' || colon == std::string_view::npos)
                return false;
            const std::string key = lowered(line.substr(1, colon - 1));
            return std::any_of(std::begin(Keys), std::end(Keys), [&key](const char* k) { return key == k; });
        }

        // The most frequent of tab, semicolon and comma on the first line; a comma when none.
        char separatorOfFirstLine(std::string_view text)
        {
            const std::string_view line = firstLine(text);
            char best = ',';
            std::ptrdiff_t most = 0;
            for (const char c : {'\t', ';', ','})
            {
                const auto count = std::count(line.begin(), line.end(), c);
                if (count > most)
                {
                    best = c;
                    most = count;
                }
            }
            return best;
        }

        // The first rows of a text, read from its start only where that is enough.
        std::vector<TextRow> sampleRows(std::string_view text, char separator, bool quoting)
        {
            if (text.size() > SampleBytes)
            {
                const std::size_t cut = text.rfind('\n', SampleBytes);
                try
                {
                    if (cut != std::string_view::npos)
                        return readRows(text.substr(0, cut + 1), separator, quoting);
                }
                catch (const Failure&)
                {
                    // Cut inside a quoted text: read it whole.
                }
            }
            return readRows(text, separator, quoting);
        }

        // Quizlet's cards have a term and a definition: two cells each.
        bool looksLikeCards(std::string_view text)
        {
            std::vector<TextRow> rows = sampleRows(text, '\t', false);
            rows.resize(std::min(rows.size(), SampleRows));
            return !rows.empty()
                   && std::all_of(rows.begin(), rows.end(), [](const TextRow& row) { return row.cells.size() == 2; });
        }

        ImportChoice tableChoice(std::string_view text, std::string_view extension)
        {
            ImportChoice choice;
            const char separator = separatorOfFirstLine(text);
            if (extension == "tsv")
                choice.format = TextFormat::TSV;
            else if (extension == "csv" || separator != '\t')
                choice.separator = separator;
            else if (looksLikeCards(text))
            {
                choice.format = TextFormat::QUIZLET;
                choice.separator = '\t';
            }
            else
                choice.format = TextFormat::TSV;
            return choice;
        }

        std::vector<std::string> fieldsForColumns(std::size_t columns)
        {
            const Outline fresh;
            std::vector<std::string> fields {fresh.getDef(0)};
            for (std::size_t n = 2; n + 1 <= columns; ++n)
                fields.push_back(fresh.getDef(0) + " " + std::to_string(n));
            return fields;
        }

        void nameColumns(ImportOptions& options, std::string_view text, char separator, bool quoting)
        {
            std::size_t columns = 0;
            try
            {
                const std::vector<TextRow> rows = sampleRows(text, separator, quoting);
                columns = rows.empty() ? 0 : rows.front().cells.size();
            }
            catch (const Failure&)
            {
                // The import itself names the fault.
            }
            options.fields = fieldsForColumns(columns);
        }
    }

    ImportChoice guessChoice(std::string_view text, std::string_view extension)
    {
        text = withoutByteOrderMark(text);
        const std::string ext = lowered(extension);
        const std::size_t start = text.find_first_not_of(" \t\r\n");
        ImportChoice choice;
        if (ext == "json" || (start != std::string_view::npos && text[start] == '{'))
            choice.format = TextFormat::JSON;
        else if (startsWithAnkiHeader(text))
        {
            choice.format = TextFormat::ANKI;
            try
            {
                const std::vector<std::string> types = ankiNoteTypes(text);
                if (types.size() > 1)
                    choice.noteType = types.front();
            }
            catch (const Failure&)
            {
                // The import itself names the fault.
            }
        }
        else
            choice = tableChoice(text, ext);
        return choice;
    }

    ImportOptions optionsFor(const ImportChoice& choice, std::string_view text)
    {
        ImportOptions options;
        options.format = choice.format;
        options.skipFaultyRows = true;
        switch (choice.format)
        {
        case TextFormat::CSV:
            if (choice.separator != ',')
                options.csvSeparator = choice.separator;
            options.noHeader = !choice.header;
            if (options.noHeader)
                nameColumns(options, withoutByteOrderMark(text), choice.separator, true);
            break;
        case TextFormat::TSV:
            options.noHeader = !choice.header;
            if (options.noHeader)
                nameColumns(options, withoutByteOrderMark(text), '\t', false);
            break;
        case TextFormat::QUIZLET:
            options.separators = QuizletSeparators {std::string(1, choice.separator),
                                                    choice.cardsEndAtSemicolon ? ";" : ""};
            break;
        case TextFormat::ANKI:
            if (!choice.noteType.empty())
                options.noteType = choice.noteType;
            break;
        case TextFormat::JSON: break;
        }
        return options;
    }
}
