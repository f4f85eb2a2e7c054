#pragma once
#include <string>
#include <string_view>

#include "exchange/ImportChoice.h"
#include "exchange/ImportSummary.h"

class Quillory;

namespace Qlx
{
    // One reading of a file into a new list, as the import dialog shows it
    // and the program takes it.
    struct ImportAttempt
    {
        bool ok() const { return failure.empty(); }

        std::string failure;   // why the file gives no list; empty when it does
        ImportReport report;
    };

    // Reads `text` into `doc`, a new document, as `choice` says. A file that
    // is empty, cannot be read or gives no item is a failure, and `doc` is
    // then to be thrown away.
    ImportAttempt attemptImport(std::string_view text, const ImportChoice& choice, Quillory& doc);

    // What the program says after an import: the line qlx import prints for
    // `fileName`, then the rows left out and why.
    std::string importMessage(const std::string& fileName, const ImportReport& report);

    // The rows left out and why, one per line, the first ones only when there
    // are many.
    std::string skippedRows(const ImportReport& report);
}
