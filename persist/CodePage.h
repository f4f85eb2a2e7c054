#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace WinFile
{
    // Converts between UTF-8 and the byte texts of a Windows code page, refusing
    // (never replacing) whatever does not convert exactly.
    // A byte 0x80..0x9F that the page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D
    // in 1252) stands for the C1 control of the same value, both ways, as Windows
    // itself maps them; so every byte text of such a page survives a round trip.
    class CodePage
    {
    public:
        static constexpr unsigned Utf8 = 65001;

        // Fails with the plain text "unknown code page N" when the system
        // cannot convert it.
        explicit CodePage(unsigned number);
        ~CodePage();
        CodePage(const CodePage&) = delete;
        CodePage& operator=(const CodePage&) = delete;

        unsigned getNumber() const { return _number; }
        // No value when the text holds a byte sequence the page does not define.
        std::optional<std::string> toUtf8(std::string_view text) const;
        // No value when the text is not UTF-8 or holds a character the page lacks.
        std::optional<std::string> fromUtf8(std::string_view utf8) const;
        // Valid UTF-8: no byte sequence that does not stand for a character.
        static bool isUtf8(std::string_view text);

    private:
        class Converter;
        unsigned _number;
        std::unique_ptr<Converter> _converter;
    };
}
