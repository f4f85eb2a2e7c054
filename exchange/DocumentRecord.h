#pragma once
#include <cstddef>
#include <functional>
#include <string>

#include "exchange/StudyListRecord.h"

class Quillory;

namespace Qlx
{
    class CodePage;
    class ErrorList;

    // Names item `index` (0-based, in list order) in messages: "item 3", "line 4".
    using ItemNamer = std::function<std::string(std::size_t index)>;

    // The document as the program shows it (a repeated field name shows its first
    // text in both places); its texts are UTF-8 already. Fails naming each text
    // that the file's legacy code page `page` could not convert when the list was
    // loaded: "item 3: term cannot be converted from code page 932" (items by number).
    StudyListRecord toRecord(const Quillory& doc, const CodePage& page);

    // Fills a new document from `list`, its texts in normalization form C.
    // Everything the program would not keep as given is refused rather than
    // repaired, and every fault is named: counts over the file's limits,
    // definitions not matching the fields, numbers that are not 1 to N,
    // impossible scores and settings, texts that are not UTF-8.
    void fromRecord(const StudyListRecord& list, Quillory& doc, const ItemNamer& nameItem);
    // The same, failing with the faults already in `errors` (from reading the text) too.
    void fromRecord(const StudyListRecord& list, Quillory& doc, const ItemNamer& nameItem, ErrorList& errors);
    void fromRecord(const StudyListRecord& list, Quillory& doc);
}
