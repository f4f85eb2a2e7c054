#include "exchange/DelimitedText.h"

#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        const std::string_view Bom = "\xEF\xBB\xBF";

        bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

        // Reads rows character by character; `_pos` never passes the end.
        class RowReader
        {
        public:
            RowReader(std::string_view text, char separator, bool quoting, size_t firstLine)
                : _text(withoutByteOrderMark(text)), _separator(separator), _quoting(quoting), _line(firstLine)
            {
            }

            std::vector<TextRow> readAll()
            {
                std::vector<TextRow> rows;
                while (_pos < _text.size())
                {
                    if (isLineEnd(_text[_pos]))
                    {
                        skipLineEnd();
                        continue;
                    }
                    rows.push_back(readRow());
                }
                return rows;
            }

        private:
            TextRow readRow()
            {
                TextRow row {_line, {}};
                for (;;)
                {
                    row.cells.push_back(readCell());
                    if (_pos >= _text.size())
                        break;
                    if (_text[_pos] == _separator)
                    {
                        ++_pos;
                        continue;
                    }
                    skipLineEnd();
                    break;
                }
                return row;
            }

            std::string readCell()
            {
                if (_quoting && _pos < _text.size() && _text[_pos] == '"')
                    return readQuotedCell();
                const size_t start = _pos;
                while (_pos < _text.size() && _text[_pos] != _separator && !isLineEnd(_text[_pos]))
                    ++_pos;
                return std::string(_text.substr(start, _pos - start));
            }

            std::string readQuotedCell()
            {
                const size_t openLine = _line;
                ++_pos;
                std::string cell;
                for (;;)
                {
                    const size_t quote = _text.find('"', _pos);
                    if (quote == std::string_view::npos)
                        throw Failure("line " + std::to_string(openLine) + ": a quoted text is not closed");
                    countLines(_pos, quote);
                    cell.append(_text.substr(_pos, quote - _pos));
                    _pos = quote + 1;
                    if (_pos < _text.size() && _text[_pos] == '"')
                    {
                        cell += '"';
                        ++_pos;
                        continue;
                    }
                    break;
                }
                if (_pos < _text.size() && _text[_pos] != _separator && !isLineEnd(_text[_pos]))
                    throw Failure("line " + std::to_string(_line) + ": text after a closing quote");
                return cell;
            }

            void skipLineEnd()
            {
                if (_text[_pos] == '\r' && _pos + 1 < _text.size() && _text[_pos + 1] == '\n')
                    ++_pos;
                ++_pos;
                ++_line;
            }

            // Line breaks inside a quoted text still count as lines of the file.
            void countLines(size_t from, size_t to)
            {
                for (size_t i = from; i < to; ++i)
                {
                    if (_text[i] == '\n' || (_text[i] == '\r' && (i + 1 >= _text.size() || _text[i + 1] != '\n')))
                        ++_line;
                }
            }

            std::string_view _text;
            char _separator;
            bool _quoting;
            size_t _pos = 0;
            size_t _line;
        };

        // Quoted where RFC 4180 needs it, and where a reader would otherwise take
        // the text for a byte order mark or skip the line as empty.
        std::string csvCell(const std::string& text, bool alone)
        {
            const bool plain = text.find_first_of(",\"\r\n") == std::string::npos
                               && std::string_view(text).substr(0, Bom.size()) != Bom && !(alone && text.empty());
            return plain ? text : quotedCell(text);
        }
    }

    std::string_view withoutByteOrderMark(std::string_view text)
    {
        return text.substr(0, Bom.size()) == Bom ? text.substr(Bom.size()) : text;
    }

    std::string quotedCell(const std::string& text)
    {
        std::string quoted = "\"";
        for (const char c : text)
        {
            if (c == '"')
                quoted += '"';
            quoted += c;
        }
        return quoted + '"';
    }

    std::string flatCell(const std::string& text)
    {
        std::string cell;
        cell.reserve(text.size());
        for (size_t i = 0; i < text.size(); ++i)
        {
            const char c = text[i];
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                continue;   // CRLF is one line break: one space
            cell += (c == '\t' || isLineEnd(c)) ? ' ' : c;
        }
        return cell;
    }

    std::vector<TextRow> readRows(std::string_view text, TableSyntax syntax)
    {
        const bool csv = syntax == TableSyntax::CSV;
        return readRows(text, csv ? ',' : '\t', csv);
    }

    std::vector<TextRow> readRows(std::string_view text, char separator, bool quoting, size_t firstLine)
    {
        return RowReader(text, separator, quoting, firstLine).readAll();
    }

    std::string writeRow(const std::vector<std::string>& cells, TableSyntax syntax)
    {
        const bool csv = syntax == TableSyntax::CSV;
        std::string line;
        for (size_t i = 0; i < cells.size(); ++i)
        {
            if (i > 0)
                line += csv ? ',' : '\t';
            line += csv ? csvCell(cells[i], cells.size() == 1) : flatCell(cells[i]);
        }
        return line + (csv ? "\r\n" : "\n");
    }
}
