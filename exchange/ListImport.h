#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/ImportSummary.h"
#include "exchange/QuizletFormat.h"

class Quillory;

namespace Qlx
{
    enum class TextFormat
    {
        JSON,
        TSV,
        CSV,
        ANKI,
        QUIZLET
    };

    struct ImportOptions
    {
        TextFormat format = TextFormat::JSON;
        bool noHeader = false;
        // The names of a text without header; none given: those of a new list.
        std::optional<std::string> itemType;
        std::optional<std::vector<std::string>> fields;
        std::optional<std::string> noteType;
        std::optional<QuizletSeparators> separators;
        // csv: the columns' separator when it is not a comma.
        std::optional<char> csvSeparator;
        // A row that cannot be kept is left out and named in the report's
        // `skipped`, instead of failing the whole import.
        bool skipFaultyRows = false;
    };

    // Fills a new document from `text` in the options' format, or fails naming
    // every fault (first an option the format does not take); tells what it made
    // and where the names came from.
    ImportReport importList(std::string_view text, const ImportOptions& options, Quillory& doc);
}
