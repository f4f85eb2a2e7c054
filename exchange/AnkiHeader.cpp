#include "exchange/AnkiHeader.h"

#include <algorithm>
#include <charconv>

#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"

namespace Qlx
{
    namespace
    {
        std::string lowered(std::string_view text)
        {
            std::string result(text);
            std::transform(result.begin(), result.end(), result.begin(),
                           [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; });
            return result;
        }

        class HeaderLine
        {
        public:
            HeaderLine(std::size_t line, std::string_view key, std::string_view value)
                : _line(line), _key(key), _value(value)
            {
            }

            [[noreturn]] void refuse(const std::string& why) const
            {
                throw Failure("line " + std::to_string(_line) + ": #" + std::string(_key) + ":" + std::string(_value)
                              + ": " + why);
            }

            char separator() const
            {
                struct Name
                {
                    const char* name;
                    char c;
                };
                static const Name Names[] = {{"tab", '\t'},  {"comma", ','}, {"semicolon", ';'},
                                             {"space", ' '}, {"pipe", '|'},  {"colon", ':'}};
                const std::string name = lowered(_value);
                for (const Name& n : Names)
                {
                    if (name == n.name)
                        return n.c;
                }
                if (_value.size() != 1 || _value[0] == '"' || _value[0] == '\n' || _value[0] == '\r')
                    refuse("not a separator (Tab, Comma, Semicolon, Space, Pipe, Colon or one character)");
                return _value[0];
            }

            bool flag() const
            {
                const std::string value = lowered(_value);
                if (value != "true" && value != "false")
                    refuse("expected true or false");
                return value == "true";
            }

            std::size_t column() const
            {
                std::size_t number = 0;
                const char* end = _value.data() + _value.size();
                const auto result = std::from_chars(_value.data(), end, number);
                if (result.ec != std::errc() || result.ptr != end || number == 0 || number > 100000)
                    refuse("not a column number");
                return number;
            }

            std::size_t line() const { return _line; }
            std::string_view value() const { return _value; }

        private:
            std::size_t _line;
            std::string_view _key;
            std::string_view _value;
        };

        void take(const HeaderLine& line, const std::string& key, AnkiHeader& header)
        {
            if (key == "separator")
                header.separator = line.separator();
            else if (key == "html")
                header.html = line.flag();
            else if (key == "columns")
            {
                header.columns = std::string(line.value());
                header.columnsLine = line.line();
            }
            else if (key == "guid column")
                header.guidColumn = line.column();
            else if (key == "notetype column")
                header.noteTypeColumn = line.column();
            else if (key == "deck column")
                header.deckColumn = line.column();
            else if (key == "tags column")
                header.tagsColumn = line.column();
            else if (key == "notetype")
                header.noteType = std::string(line.value());
            else if (key == "tags")
                header.tags = std::string(line.value());
            // "#deck:" and keys of later versions change nothing here.
        }
    }

    AnkiHeader readAnkiHeader(std::string_view text)
    {
        AnkiHeader header;
        std::size_t pos = text.size() - withoutByteOrderMark(text).size();
        std::size_t line = 1;
        while (pos < text.size() && text[pos] == '#')
        {
            const std::size_t lineEnd = std::min(text.find('\n', pos), text.size());
            std::string_view content = text.substr(pos + 1, lineEnd - pos - 1);
            if (!content.empty() && content.back() == '\r')
                content.remove_suffix(1);
            const std::size_t colon = content.find(':');
            if (colon != std::string_view::npos)
                take(HeaderLine(line, content.substr(0, colon), content.substr(colon + 1)),
                     lowered(content.substr(0, colon)), header);
            pos = lineEnd < text.size() ? lineEnd + 1 : lineEnd;
            ++line;
        }
        header.dataOffset = pos;
        header.dataLine = line;
        return header;
    }
}
