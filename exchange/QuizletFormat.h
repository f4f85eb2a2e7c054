#pragma once
#include <string>
#include <string_view>

#include "exchange/TableFormat.h"

namespace Qlx
{
    // How Quizlet's export separates a term from its definition and one card
    // from the next.
    struct QuizletSeparators
    {
        std::string term = "\t";
        std::string row;   // empty: a line break, LF or CRLF
    };

    // One card per row, no header; `columns` names the item type and the one
    // field. A UTF-8 byte order mark and empty rows are skipped; a row is cut at
    // its first separator, and one without it goes to `errors` as "row N".
    // With a row separator of its own, line breaks at the ends of a row are
    // dropped (a file usually ends in one). `lines` holds the row numbers.
    TableImport readQuizlet(std::string_view text, const QuizletSeparators& separators, const TableColumns& columns);

    // One card per line: the term, a tab and the definitions (the non-empty
    // ones, joined by "; "), as Quizlet imports by default; a tab or a line
    // break inside a text is written as a space. The comment is left out.
    std::string writeQuizlet(const StudyListRecord& list);
}
