#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/TableFormat.h"

namespace Qlx
{
    // What an Anki import took besides the items.
    struct AnkiImport
    {
        TableImport table;                  // items, their lines, the rows' faults
        bool namedColumns = false;          // the names came from "#columns:"
        unsigned mediaDropped = 0;          // sound and image references left out
        std::size_t otherNotes = 0;         // notes of other note types left out
    };

    // Anki's notes in plain text: "#key:value" header lines, then one note per
    // line, fields quoted as in CSV. The guid, note type and deck columns are
    // dropped; the tags and a column named "Comment" make the comment; the first
    // other column is the term, the rest the definitions. A file of several note
    // types is refused unless `noteType` names the one to take.
    AnkiImport readAnki(std::string_view text, const std::optional<std::string>& noteType);
    // The note types of the notes, in order of first appearance; empty when
    // the file has no note type column.
    std::vector<std::string> ankiNoteTypes(std::string_view text);

    // A file Anki imports with the list's names: tab-separated plain text with
    // the columns item type, each field and "Comment"; a tab or line break
    // inside a text is written as a space.
    std::string writeAnki(const StudyListRecord& list);
}
