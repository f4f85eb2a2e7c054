#include "exchange/AnkiFormat.h"

#include <algorithm>

#include "exchange/AnkiHeader.h"
#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"
#include "exchange/HtmlText.h"

namespace Qlx
{
    namespace
    {
        const char* const CommentName = "Comment";

        enum class Role
        {
            Dropped,
            Tags,
            Comment,
            Text   // the term, then the definitions
        };

        std::string lineName(std::size_t line) { return "line " + std::to_string(line); }

        // As Anki guesses: the first of tab, semicolon and comma on the first line.
        char guessedSeparator(std::string_view data)
        {
            const std::size_t start = data.find_first_not_of("\r\n");
            const std::string_view first = start == std::string_view::npos ? "" : data.substr(start);
            const std::string_view line = first.substr(0, first.find_first_of("\r\n"));
            for (const char c : {'\t', ';', ','})
            {
                if (line.find(c) != std::string_view::npos)
                    return c;
            }
            return '\t';
        }

        char separatorOf(std::string_view text, const AnkiHeader& header)
        {
            return header.separator ? *header.separator : guessedSeparator(text.substr(header.dataOffset));
        }

        std::vector<std::string> columnNames(const AnkiHeader& header, char separator)
        {
            if (!header.columns)
                return {};
            const auto rows = readRows(*header.columns, separator, true, header.columnsLine);
            return rows.empty() ? std::vector<std::string> {} : rows.front().cells;
        }

        // A short row has no text in its missing columns.
        std::string cellOf(const TextRow& row, std::size_t column)
        {
            return column < row.cells.size() ? row.cells[column] : std::string();
        }

        // Which note types the rows hold, in order of first appearance.
        std::vector<std::string> noteTypesOf(const std::vector<TextRow>& rows, std::size_t column)
        {
            std::vector<std::string> types;
            for (const TextRow& row : rows)
            {
                const std::string type = cellOf(row, column);
                if (std::find(types.begin(), types.end(), type) == types.end())
                    types.push_back(type);
            }
            return types;
        }

        std::string quotedList(const std::vector<std::string>& names)
        {
            std::string text;
            for (const std::string& name : names)
                text += (text.empty() ? "\"" : ", \"") + name + "\"";
            return text;
        }

        // Keeps the notes of the chosen note type, or of the only one there is.
        std::size_t keepOneNoteType(std::vector<TextRow>& rows, const AnkiHeader& header,
                                    const std::optional<std::string>& noteType)
        {
            if (!header.noteTypeColumn)
            {
                if (noteType && !header.noteType)
                    throw Failure("--notetype: the file does not name the note types of its notes");
                if (noteType && *header.noteType != *noteType)
                    throw Failure("no notes of note type \"" + *noteType + "\"; the file holds \"" + *header.noteType
                                  + "\"");
                return 0;
            }
            const std::size_t column = *header.noteTypeColumn - 1;
            const std::vector<std::string> types = noteTypesOf(rows, column);
            if (!noteType)
            {
                if (types.size() > 1)
                    throw Failure("notes of " + std::to_string(types.size()) + " note types: " + quotedList(types)
                                  + "; import one of them with --notetype NAME");
                return 0;
            }
            if (std::find(types.begin(), types.end(), *noteType) == types.end())
                throw Failure("no notes of note type \"" + *noteType + "\"; the file holds " + quotedList(types));
            const auto other = std::remove_if(rows.begin(), rows.end(), [&](const TextRow& row) {
                return cellOf(row, column) != *noteType;
            });
            const auto left = static_cast<std::size_t>(rows.end() - other);
            rows.erase(other, rows.end());
            return left;
        }

        // The columns and what each one holds.
        class Columns
        {
        public:
            Columns(const AnkiHeader& header, const std::vector<std::string>& names, std::size_t firstWidth)
            {
                std::size_t width = names.empty() ? firstWidth : names.size();
                if (width == 0)
                    throw Failure("no notes and no #columns: line");
                for (const auto& special : {header.guidColumn, header.noteTypeColumn, header.deckColumn, header.tagsColumn})
                {
                    if (special && names.empty())
                        width = std::max(width, *special);
                    else if (special && *special > width)
                        throw Failure(lineName(header.columnsLine) + ": #columns: names " + std::to_string(width)
                                      + " columns, but column " + std::to_string(*special) + " is used");
                }
                _roles.assign(width, Role::Text);
                mark(header.guidColumn, Role::Dropped);
                mark(header.noteTypeColumn, Role::Dropped);
                mark(header.deckColumn, Role::Dropped);
                mark(header.tagsColumn, Role::Tags);
                markComment(names);
                nameTexts(names);
            }

            std::size_t width() const { return _roles.size(); }
            Role role(std::size_t column) const { return _roles[column]; }
            const std::vector<std::string>& textNames() const { return _textNames; }

        private:
            void mark(const std::optional<std::size_t>& column, Role role)
            {
                if (column)
                    _roles[*column - 1] = role;
            }

            // The last column named "Comment", unless it would leave no term.
            void markComment(const std::vector<std::string>& names)
            {
                const auto texts = std::count(_roles.begin(), _roles.end(), Role::Text);
                for (std::size_t i = names.size(); i-- > 0;)
                {
                    if (names[i] == CommentName && _roles[i] == Role::Text && texts > 1)
                    {
                        _roles[i] = Role::Comment;
                        return;
                    }
                }
            }

            void nameTexts(const std::vector<std::string>& names)
            {
                for (std::size_t i = 0; i < _roles.size(); ++i)
                {
                    if (_roles[i] != Role::Text)
                        continue;
                    const std::size_t number = _textNames.size() + 1;
                    if (!names.empty())
                        _textNames.push_back(names[i]);
                    else
                        _textNames.push_back(number == 1 ? "Front" : number == 2 ? "Back" : "Field " + std::to_string(number));
                }
                if (_textNames.empty())
                    throw Failure("no column is left for the items' texts");
            }

            std::vector<Role> _roles;
            std::vector<std::string> _textNames;
        };

        std::string joined(const std::string& a, const std::string& b)
        {
            if (a.empty() || b.empty())
                return a + b;
            return a + " " + b;
        }

        class NoteReader
        {
        public:
            NoteReader(const AnkiHeader& header, const Columns& columns, AnkiImport& result)
                : _header(header), _columns(columns), _result(result)
            {
            }

            void read(const TextRow& row)
            {
                TableImport& table = _result.table;
                if (row.cells.size() > _columns.width())
                {
                    table.errors.addForRow(row.line, lineName(row.line) + ": " + std::to_string(row.cells.size())
                                                         + " columns, expected " + std::to_string(_columns.width()));
                    return;
                }
                ItemRecord item;
                bool termRead = false;
                std::string comment, tags = _header.tags;
                for (std::size_t i = 0; i < row.cells.size(); ++i)
                {
                    switch (_columns.role(i))
                    {
                    case Role::Dropped: break;
                    case Role::Tags: tags = joined(tags, row.cells[i]); break;
                    case Role::Comment: comment = text(row.cells[i]); break;
                    case Role::Text:
                        if (termRead)
                            item.definitions.push_back(text(row.cells[i]));
                        else
                            item.term = text(row.cells[i]);
                        termRead = true;
                        break;
                    }
                }
                // A short row leaves the texts of its missing columns empty.
                item.definitions.resize(_columns.textNames().size() - 1);
                item.comment = joined(comment, tags);
                table.add(std::move(item), row.line);
            }

        private:
            std::string text(const std::string& cell)
            {
                return _header.html ? plainTextOfHtml(cell, _result.mediaDropped) : cell;
            }

            const AnkiHeader& _header;
            const Columns& _columns;
            AnkiImport& _result;
        };

        std::string ankiCell(const std::string& text, bool first)
        {
            const std::string flat = flatCell(text);
            // A reader would take a leading quote as quoting, and a leading '#'
            // on a note's first column as a header line.
            const bool quote = !flat.empty() && (flat.front() == '"' || (first && flat.front() == '#'));
            return quote ? quotedCell(flat) : flat;
        }

        std::string ankiRow(const std::vector<std::string>& cells)
        {
            std::string line;
            for (std::size_t i = 0; i < cells.size(); ++i)
                line += (i > 0 ? "\t" : "") + ankiCell(cells[i], i == 0);
            return line + "\n";
        }
    }

    AnkiImport readAnki(std::string_view text, const std::optional<std::string>& noteType)
    {
        const AnkiHeader header = readAnkiHeader(text);
        const char separator = separatorOf(text, header);
        std::vector<TextRow> rows = readRows(text.substr(header.dataOffset), separator, true, header.dataLine);
        AnkiImport result;
        result.otherNotes = keepOneNoteType(rows, header, noteType);
        const std::vector<std::string> names = columnNames(header, separator);
        const Columns columns(header, names, rows.empty() ? 0 : rows.front().cells.size());
        result.namedColumns = !names.empty();
        result.table.list.itemType = columns.textNames().front();
        result.table.list.fields.assign(columns.textNames().begin() + 1, columns.textNames().end());
        NoteReader reader(header, columns, result);
        for (const TextRow& row : rows)
            reader.read(row);
        return result;
    }

    std::string writeAnki(const StudyListRecord& list)
    {
        std::vector<std::string> names {list.itemType};
        names.insert(names.end(), list.fields.begin(), list.fields.end());
        names.push_back(CommentName);
        std::string text = "#separator:tab\n#html:false\n#columns:" + ankiRow(names);
        for (const ItemRecord& item : list.items)
        {
            std::vector<std::string> cells {item.term};
            cells.insert(cells.end(), item.definitions.begin(), item.definitions.end());
            cells.push_back(item.comment);
            text += ankiRow(cells);
        }
        return text;
    }

    std::vector<std::string> ankiNoteTypes(std::string_view text)
    {
        const AnkiHeader header = readAnkiHeader(text);
        if (!header.noteTypeColumn)
            return {};
        const auto rows = readRows(text.substr(header.dataOffset), separatorOf(text, header), true, header.dataLine);
        return noteTypesOf(rows, *header.noteTypeColumn - 1);
    }
}
