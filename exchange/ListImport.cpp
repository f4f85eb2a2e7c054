#include "exchange/ListImport.h"

#include "model/Quillory.h"
#include "exchange/AnkiFormat.h"
#include "exchange/DocumentRecord.h"
#include "exchange/Failure.h"
#include "exchange/JsonFormat.h"
#include "exchange/SkippedRows.h"

namespace Qlx
{
    namespace
    {
        bool takesNames(TextFormat format) { return format == TextFormat::QUIZLET; }
        bool isTable(TextFormat format) { return format == TextFormat::TSV || format == TextFormat::CSV; }

        TableColumns columnsOf(const ImportOptions& options)
        {
            // Unnamed columns are those of a new list.
            const Outline fresh;
            TableColumns columns {options.itemType ? *options.itemType : fresh.getItemType(), {}};
            if (options.fields)
                columns.fields = *options.fields;
            else
            {
                for (unsigned i = 0; i < fresh.getDefCount(); ++i)
                    columns.fields.push_back(fresh.getDef(i));
            }
            return columns;
        }

        ImportReport reportOf(const StudyListRecord& list, std::string namesFrom,
                              std::vector<std::string> skipped = {})
        {
            ImportReport report;
            report.namesFrom = std::move(namesFrom);
            report.skipped = std::move(skipped);
            report.items = list.items.size();
            report.itemType = list.itemType;
            report.fields = list.fields;
            return report;
        }

        ItemNamer namerOf(const TableImport& table, const char* unit)
        {
            return [&table, unit](std::size_t index) { return unit + std::to_string(table.lines[index]); };
        }

        // Fills `doc` from `table`; rows that cannot be kept fail the import
        // unless the options leave them out. Returns why each was left out.
        std::vector<std::string> fill(TableImport& table, const char* unit, const ImportOptions& options,
                                      Quillory& doc)
        {
            if (table.errors.empty() || !options.skipFaultyRows)
            {
                try
                {
                    fromRecord(table.list, doc, namerOf(table, unit), table.errors);
                    return {};
                }
                catch (const Failure&)
                {
                    if (!options.skipFaultyRows)
                        throw;
                }
                doc = Quillory();
            }
            std::vector<std::string> skipped = skipFaultyRows(table, unit);
            fromRecord(table.list, doc, namerOf(table, unit));
            return skipped;
        }

        TableImport readTableOf(std::string_view text, const ImportOptions& options)
        {
            std::optional<TableColumns> columns;
            if (options.noHeader)
                columns = columnsOf(options);
            if (options.format == TextFormat::CSV)
                return readTable(text, options.csvSeparator.value_or(','), true, columns);
            return readTable(text, TableSyntax::TSV, columns);
        }

        ImportReport importTable(std::string_view text, const ImportOptions& options, Quillory& doc)
        {
            TableImport table = readTableOf(text, options);
            std::vector<std::string> skipped = fill(table, "line ", options, doc);
            return reportOf(table.list, table.headerLine == 0 ? std::string("no header")
                                                              : "header line " + std::to_string(table.headerLine),
                            std::move(skipped));
        }

        ImportReport importAnki(std::string_view text, const ImportOptions& options, Quillory& doc)
        {
            AnkiImport anki = readAnki(text, options.noteType);
            std::vector<std::string> skipped = fill(anki.table, "line ", options, doc);
            ImportReport report
                = reportOf(anki.table.list, anki.namedColumns ? "names from #columns:" : "no #columns:, Anki's default names",
                           std::move(skipped));
            if (anki.mediaDropped > 0)
                report.remarks.push_back(counted(anki.mediaDropped, "media reference", "media references") + " dropped");
            if (anki.otherNotes > 0)
                report.remarks.push_back(counted(anki.otherNotes, "note", "notes") + " of other note types left out");
            return report;
        }

        ImportReport importQuizlet(std::string_view text, const ImportOptions& options, Quillory& doc)
        {
            const QuizletSeparators separators = options.separators ? *options.separators : QuizletSeparators();
            TableImport table = readQuizlet(text, separators, columnsOf(options));
            std::vector<std::string> skipped = fill(table, "row ", options, doc);
            return reportOf(table.list, "no header", std::move(skipped));
        }

        void checkImportOptions(const ImportOptions& options)
        {
            if (options.noHeader && !isTable(options.format))
                throw Failure("--no-header is for tsv and csv");
            if ((options.itemType || options.fields) && !options.noHeader && !takesNames(options.format))
                throw Failure("--item-type and --fields are for quizlet and for tsv or csv with --no-header");
            if (options.noteType && options.format != TextFormat::ANKI)
                throw Failure("--notetype is for anki");
            if (options.separators && options.format != TextFormat::QUIZLET)
                throw Failure("--separator and --row-separator are for quizlet");
            if (options.csvSeparator && options.format != TextFormat::CSV)
                throw Failure("a column separator is for csv");
        }
    }

    ImportReport importList(std::string_view text, const ImportOptions& options, Quillory& doc)
    {
        checkImportOptions(options);
        switch (options.format)
        {
        case TextFormat::TSV:
        case TextFormat::CSV: return importTable(text, options, doc);
        case TextFormat::ANKI: return importAnki(text, options, doc);
        case TextFormat::QUIZLET: return importQuizlet(text, options, doc);
        case TextFormat::JSON: break;
        }
        const StudyListRecord list = readJson(text);
        fromRecord(list, doc);
        return reportOf(list, "names from the JSON");
    }
}
