#pragma once
#include <string>
#include <string_view>

#include "exchange/ListImport.h"

namespace Qlx
{
    // How the program reads a file into a new list: what the import dialog
    // shows and lets the user change.
    struct ImportChoice
    {
        TextFormat format = TextFormat::CSV;
        // CSV: between the columns; Quizlet: between term and definition.
        char separator = ',';
        // Quizlet: a card ends at a semicolon instead of a line break.
        bool cardsEndAtSemicolon = false;
        // CSV and TSV: the first line names the item type and the fields.
        bool header = true;
        // Anki: the one note type taken from a file of several; empty for
        // a file of one.
        std::string noteType;
    };

    // What the text and the file's extension (without the dot, any case)
    // suggest: Anki's "#key:value" header lines, a JSON object, the extension,
    // then the separators of the first line.
    ImportChoice guessChoice(std::string_view text, std::string_view extension);

    // The options that read `text` as `choice` says, leaving out the rows that
    // cannot be kept. A table without header gets the names of a new list,
    // with one definition field for each column after the term.
    ImportOptions optionsFor(const ImportChoice& choice, std::string_view text);
}
