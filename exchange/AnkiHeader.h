#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace Qlx
{
    // The "#key:value" lines at the top of an Anki export.
    struct AnkiHeader
    {
        std::optional<char> separator;
        bool html = false;
        std::optional<std::string> columns;   // as written, separated by the separator
        std::size_t columnsLine = 0;
        // 1-based column numbers
        std::optional<std::size_t> guidColumn;
        std::optional<std::size_t> noteTypeColumn;
        std::optional<std::size_t> deckColumn;
        std::optional<std::size_t> tagsColumn;
        std::optional<std::string> noteType;
        std::string tags;
        std::size_t dataOffset = 0;   // where the notes start in the text
        std::size_t dataLine = 1;     // the line they start on
    };

    // Reads the header lines (a UTF-8 byte order mark before them is skipped);
    // unknown keys are ignored. Fails naming the line of a value it cannot use.
    AnkiHeader readAnkiHeader(std::string_view text);
}
