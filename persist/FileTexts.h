#pragma once
#include <memory>
#include <string_view>

class Quillory;
namespace WinFile
{
    class DeSerializer;
    class Serializer;

    // The two code pages a Study List's texts cross between. The legacy code
    // page is the one files are written in whenever every text fits it, so
    // that older programs read them; the other is that of the texts in memory.
    struct CodePages
    {
        unsigned legacy;
        unsigned memory;
    };

    // Windows: the system locale's default ANSI code page and the process
    // code page (UTF-8 where the manifest's setting takes effect). Natively:
    // 1252 and UTF-8.
    CodePages systemCodePages();

    // What a file's texts are written in.
    enum class FileTexts
    {
        LegacyCodePage,
        Utf8
    };

    // Texts that do not fit the legacy code page are all written in UTF-8,
    // and this string follows the Setting record; older programs ignore it.
    constexpr std::string_view Utf8Mark = "UTF-8";

    // After the document body has been read: which texts the file holds (the
    // mark, else texts that are all UTF-8 with a byte above 0x7F, else the
    // legacy code page), with the texts converted to the memory code page.
    // A text the memory code page cannot hold fails the load.
    FileTexts takeTexts(DeSerializer& in, Quillory& scratch, const CodePages& pages);
    // The texts a document body is written in. Nothing is chosen while the
    // texts written are plain ASCII, the same in every code page; the first
    // other text looks at all of them and sets the encoder that converts
    // them on `out` when they need one. A list of ASCII texts is then
    // written in one pass.
    class TextChoice
    {
    public:
        TextChoice(const Quillory& doc, const CodePages& pages, Serializer& out);
        // After the body has been written.
        FileTexts texts() const;

    private:
        struct Made;
        // Shared with the encoder on the stream.
        std::shared_ptr<Made> _made;
    };
}
