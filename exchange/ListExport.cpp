#include "exchange/ListExport.h"

#include "exchange/AnkiFormat.h"
#include "exchange/DocumentRecord.h"
#include "exchange/JsonFormat.h"
#include "exchange/QuizletFormat.h"
#include "exchange/TableFormat.h"

namespace Qlx
{
    std::string exportList(const Quillory& doc, TextFormat format, const CodePage& page)
    {
        const StudyListRecord list = toRecord(doc, page);
        switch (format)
        {
        case TextFormat::TSV: return writeTable(list, TableSyntax::TSV);
        case TextFormat::CSV: return writeTable(list, TableSyntax::CSV);
        case TextFormat::ANKI: return writeAnki(list);
        case TextFormat::QUIZLET: return writeQuizlet(list);
        case TextFormat::JSON: break;
        }
        return writeJson(list);
    }
}
