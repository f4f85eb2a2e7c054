#include "exchange/HtmlText.h"

#include <algorithm>
#include <cstdint>

namespace Qlx
{
    namespace
    {
        const std::string_view SoundStart = "[sound:";

        bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
        bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
        bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
        char lowered(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

        bool isBlockElement(const std::string& name)
        {
            static const char* const Blocks[] = {"br", "div", "p", "li", "tr", "td", "th", "ul", "ol", "table",
                                                 "h1", "h2", "h3", "h4", "h5", "h6", "blockquote", "hr"};
            return std::any_of(std::begin(Blocks), std::end(Blocks), [&name](const char* block) { return name == block; });
        }

        void appendUtf8(std::string& text, std::uint32_t code)
        {
            if (code < 0x80)
                text += static_cast<char>(code);
            else if (code < 0x800)
            {
                text += static_cast<char>(0xC0 | (code >> 6));
                text += static_cast<char>(0x80 | (code & 0x3F));
            }
            else if (code < 0x10000)
            {
                text += static_cast<char>(0xE0 | (code >> 12));
                text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                text += static_cast<char>(0x80 | (code & 0x3F));
            }
            else
            {
                text += static_cast<char>(0xF0 | (code >> 18));
                text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                text += static_cast<char>(0x80 | (code & 0x3F));
            }
        }

        // The named entities Anki's editor and exporter write.
        bool namedEntity(std::string_view name, std::uint32_t& code)
        {
            struct Entity
            {
                const char* name;
                std::uint32_t code;
            };
            static const Entity Entities[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'},
                                              {"apos", '\''}, {"nbsp", 0xA0}};
            for (const Entity& entity : Entities)
            {
                if (name == entity.name)
                {
                    code = entity.code;
                    return true;
                }
            }
            return false;
        }

        // "#123" or "#x7B"; no value for what names no character.
        bool numericEntity(std::string_view body, std::uint32_t& code)
        {
            const bool hex = body.size() > 1 && (body[1] == 'x' || body[1] == 'X');
            const std::string_view digits = body.substr(hex ? 2 : 1);
            if (digits.empty() || digits.size() > 8)
                return false;
            std::uint32_t value = 0;
            for (const char c : digits)
            {
                const char l = lowered(c);
                if (isAsciiDigit(c))
                    value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(c - '0');
                else if (hex && l >= 'a' && l <= 'f')
                    value = value * 16 + static_cast<std::uint32_t>(l - 'a' + 10);
                else
                    return false;
            }
            if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
                return false;
            code = value;
            return true;
        }

        class HtmlReader
        {
        public:
            HtmlReader(std::string_view html, unsigned& mediaDropped) : _html(html), _mediaDropped(mediaDropped) {}

            std::string read()
            {
                while (_pos < _html.size())
                {
                    if (_html[_pos] == '<' && readTag())
                        continue;
                    if (_html[_pos] == '&' && readEntity())
                        continue;
                    if (_html.substr(_pos, SoundStart.size()) == SoundStart && dropSound())
                        continue;
                    put(_html[_pos++]);
                }
                const size_t first = _text.find_first_not_of(" \t\n\r\f");
                if (first == std::string::npos)
                    return std::string();
                return _text.substr(first, _text.find_last_not_of(" \t\n\r\f") - first + 1);
            }

        private:
            enum class Break
            {
                None,
                Soft,   // a dropped reference: a space only where white space was
                Hard    // a line break or block edge: always a space
            };

            void put(char c)
            {
                if (_pending != Break::None)
                {
                    if (isSpace(c))
                    {
                        _spaceAtBreak = true;
                        return;
                    }
                    if ((_pending == Break::Hard || _spaceAtBreak) && !_text.empty())
                        _text += ' ';
                    _pending = Break::None;
                }
                _text += c;
            }

            void putBreak(Break kind)
            {
                if (_pending == Break::None)
                    _spaceAtBreak = false;
                while (!_text.empty() && isSpace(_text.back()))
                {
                    _text.pop_back();
                    _spaceAtBreak = true;
                }
                if (kind == Break::Hard || _pending == Break::None)
                    _pending = kind;
            }

            // A '<' that opens no tag (no name, no closing '>') is text.
            bool readTag()
            {
                if (_html.substr(_pos, 4) == "<!--")
                {
                    const size_t end = _html.find("-->", _pos + 4);
                    _pos = end == std::string_view::npos ? _html.size() : end + 3;
                    return true;
                }
                size_t at = _pos + 1;
                const bool closing = at < _html.size() && _html[at] == '/';
                if (closing)
                    ++at;
                if (at >= _html.size() || !(isAsciiLetter(_html[at]) || _html[at] == '!' || _html[at] == '?'))
                    return false;
                std::string name;
                while (at < _html.size() && (isAsciiLetter(_html[at]) || isAsciiDigit(_html[at])))
                    name += lowered(_html[at++]);
                const size_t end = tagEnd(at);
                if (end == std::string_view::npos)
                    return false;
                _pos = end + 1;
                if (name == "img" && !closing)
                {
                    ++_mediaDropped;
                    putBreak(Break::Soft);
                }
                else if (isBlockElement(name))
                    putBreak(Break::Hard);
                return true;
            }

            // The '>' closing a tag, past quoted attribute values.
            size_t tagEnd(size_t at) const
            {
                char quote = 0;
                for (; at < _html.size(); ++at)
                {
                    const char c = _html[at];
                    if (quote)
                    {
                        if (c == quote)
                            quote = 0;
                    }
                    else if (c == '"' || c == '\'')
                        quote = c;
                    else if (c == '>')
                        return at;
                }
                return std::string_view::npos;
            }

            // An entity that is not complete or not known stays as written.
            bool readEntity()
            {
                const size_t semicolon = _html.find(';', _pos + 1);
                if (semicolon == std::string_view::npos || semicolon - _pos > 12)
                    return false;
                const std::string_view body = _html.substr(_pos + 1, semicolon - _pos - 1);
                std::uint32_t code = 0;
                const bool known = !body.empty() && (body[0] == '#' ? numericEntity(body, code) : namedEntity(body, code));
                if (!known)
                    return false;
                _pos = semicolon + 1;
                if (code == 0xA0)
                    put(' ');
                else
                {
                    std::string bytes;
                    appendUtf8(bytes, code);
                    for (const char c : bytes)
                        put(c);
                }
                return true;
            }

            bool dropSound()
            {
                const size_t end = _html.find(']', _pos + SoundStart.size());
                if (end == std::string_view::npos)
                    return false;
                _pos = end + 1;
                ++_mediaDropped;
                putBreak(Break::Soft);
                return true;
            }

            std::string_view _html;
            unsigned& _mediaDropped;
            size_t _pos = 0;
            std::string _text;
            Break _pending = Break::None;
            bool _spaceAtBreak = false;
        };
    }

    std::string plainTextOfHtml(std::string_view html, unsigned& mediaDropped)
    {
        return HtmlReader(html, mediaDropped).read();
    }
}
