#include "exchange/ImportAttempt.h"

#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"
#include "model/Quillory.h"

namespace Qlx
{
    namespace
    {
        // A message box taller than the screen hides its own button.
        const std::size_t ShownRows = 15;

        bool isEmpty(std::string_view text)
        {
            return withoutByteOrderMark(text).find_first_not_of(" \t\r\n") == std::string_view::npos;
        }
    }

    ImportAttempt attemptImport(std::string_view text, const ImportChoice& choice, Quillory& doc)
    {
        ImportAttempt attempt;
        if (isEmpty(text))
        {
            attempt.failure = "the file is empty";
            return attempt;
        }
        try
        {
            attempt.report = importList(text, optionsFor(choice, text), doc);
        }
        catch (const Failure& failure)
        {
            attempt.failure = failure.what();
            return attempt;
        }
        if (attempt.report.items == 0)
            attempt.failure = attempt.report.skipped.empty() ? "the file holds no items"
                                                             : "no item could be read:\n" + skippedRows(attempt.report);
        return attempt;
    }

    std::string skippedRows(const ImportReport& report)
    {
        std::string text;
        for (std::size_t i = 0; i < report.skipped.size() && i < ShownRows; ++i)
            text += (i > 0 ? "\n" : "") + report.skipped[i];
        if (report.skipped.size() > ShownRows)
            text += "\n(" + std::to_string(report.skipped.size() - ShownRows) + " more)";
        return text;
    }

    std::string importMessage(const std::string& fileName, const ImportReport& report)
    {
        std::string text = importSummary(fileName, report);
        if (!report.skipped.empty())
            text += "\n\nRows left out:\n" + skippedRows(report);
        return text;
    }
}
