#include "persist/FileTexts.h"

#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "model/Quillory.h"
#include "persist/CodePage.h"
#include "base/UnicodeForm.h"
#include "stream/DeSerializer.h"
#include "stream/Primitives.h"
#include "stream/Serializer.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{
    using Unicode::isAscii;

    bool readMark(WinFile::DeSerializer& in)
    {
        const std::size_t size = 5 + WinFile::Utf8Mark.size();
        if (in.remaining() < size)
            return false;
        const unsigned char* bytes = in.take(size);
        const unsigned char expected[5] = {WinFile::StringMark, static_cast<unsigned char>(WinFile::Utf8Mark.size()), 0, 0, 0};
        return bytes && std::memcmp(bytes, expected, sizeof expected) == 0
            && std::memcmp(bytes + 5, WinFile::Utf8Mark.data(), WinFile::Utf8Mark.size()) == 0;
    }

    bool allUtf8(const Quillory& doc)
    {
        bool all = true;
        doc.forEachText([&](std::string_view text) { all = all && (isAscii(text) || WinFile::CodePage::isUtf8(text)); });
        return all;
    }

    // One text from one code page to another, through UTF-8; nothing when
    // the text is not of the first or does not fit the second.
    class Recoder
    {
    public:
        Recoder(unsigned from, unsigned to)
        {
            if (from != WinFile::CodePage::Utf8)
                _from.emplace(from);
            if (to != WinFile::CodePage::Utf8)
                _to.emplace(to);
        }

        std::optional<std::string> operator()(std::string_view text) const
        {
            std::optional<std::string> utf8 = _from ? _from->toUtf8(text) : std::string(text);
            return utf8 && _to ? _to->fromUtf8(*utf8) : utf8;
        }

    private:
        std::optional<WinFile::CodePage> _from;
        std::optional<WinFile::CodePage> _to;
    };

    [[noreturn]] void failUnfit()
    {
        throw Win::Exception("This list holds letters that only Windows 10 version 1903 or later can show",
                             Win::lastError());
    }

    // Legacy texts that do not convert are kept as they are: loading never
    // refused them, and a later save keeps their bytes.
    void convertToMemory(Quillory& scratch, WinFile::FileTexts texts, const WinFile::CodePages& pages)
    {
        const unsigned from = texts == WinFile::FileTexts::Utf8 ? WinFile::CodePage::Utf8 : pages.legacy;
        if (from == pages.memory)
            return;
        const Recoder recode(from, pages.memory);
        scratch.rewriteTexts([&](std::string_view text) -> std::string {
            if (isAscii(text))
                return std::string(text);
            if (auto converted = recode(text))
                return std::move(*converted);
            if (texts == WinFile::FileTexts::Utf8)
                failUnfit();
            return std::string(text);
        });
    }
}

WinFile::CodePages WinFile::systemCodePages()
{
#ifdef _WIN32
    DWORD legacy = 0;
    const int got = ::GetLocaleInfoA(LOCALE_SYSTEM_DEFAULT, LOCALE_IDEFAULTANSICODEPAGE | LOCALE_RETURN_NUMBER,
                                     reinterpret_cast<LPSTR>(&legacy), sizeof legacy);
    const unsigned memory = ::GetACP();
    return {got ? static_cast<unsigned>(legacy) : memory, memory};
#else
    return {1252, CodePage::Utf8};
#endif
}

WinFile::FileTexts WinFile::takeTexts(DeSerializer& in, Quillory& scratch, const CodePages& pages)
{
    const bool marked = readMark(in);
    if (!in.readNonAscii())
        return marked ? FileTexts::Utf8 : FileTexts::LegacyCodePage;
    const FileTexts texts = marked || allUtf8(scratch) ? FileTexts::Utf8 : FileTexts::LegacyCodePage;
    convertToMemory(scratch, texts, pages);
    return texts;
}

namespace
{
    // Every text is looked at: the legacy code page when all fit it and do
    // not read as UTF-8 (which a reader would take them for), else UTF-8.
    WinFile::FileTexts scanTexts(const Quillory& doc, const WinFile::CodePages& pages)
    {
        const Recoder toLegacy(pages.memory, pages.legacy);
        bool fit = true;
        // Legacy texts that all read as UTF-8 would be taken for UTF-8 when
        // the file is opened again ("Ã©" for "é"): such a list is marked.
        bool readAsUtf8 = true;
        doc.forEachText([&](std::string_view text) {
            if (!fit || isAscii(text))
                return;
            const auto legacy = toLegacy(text);
            fit = legacy.has_value();
            readAsUtf8 = readAsUtf8 && fit && WinFile::CodePage::isUtf8(*legacy);
        });
        fit = fit && (!readAsUtf8 || pages.legacy == WinFile::CodePage::Utf8);
        return fit ? WinFile::FileTexts::LegacyCodePage : WinFile::FileTexts::Utf8;
    }
}

struct WinFile::TextChoice::Made
{
    std::optional<FileTexts> texts;
    std::unique_ptr<Recoder> recode;
};

WinFile::TextChoice::TextChoice(const Quillory& doc, const CodePages& pages, Serializer& out)
    : _made(std::make_shared<Made>())
{
    if (pages.memory == pages.legacy)
        return;
    out.setTextEncoder([made = _made, &doc, pages](std::string_view text) {
        if (!made->texts)
        {
            made->texts = scanTexts(doc, pages);
            const unsigned target = *made->texts == FileTexts::Utf8 ? CodePage::Utf8 : pages.legacy;
            if (target != pages.memory)
                made->recode = std::make_unique<Recoder>(pages.memory, target);
        }
        if (!made->recode)
            return std::string(text);
        auto converted = (*made->recode)(text);
        return converted ? std::move(*converted) : std::string(text);
    });
}

WinFile::FileTexts WinFile::TextChoice::texts() const
{
    return _made->texts.value_or(FileTexts::LegacyCodePage);
}
