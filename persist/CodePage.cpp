#include "persist/CodePage.h"

#include <array>
#include <climits>

#include "stream/PlainFailure.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace WinFile
{
    namespace
    {
        std::string unknownPage(unsigned number)
        {
            return "unknown code page " + std::to_string(number);
        }
    }

#ifdef _WIN32

    namespace
    {
        // MultiByteToWideChar with MB_ERR_INVALID_CHARS where the page allows that flag.
        std::optional<std::wstring> toWide(unsigned page, std::string_view text)
        {
            if (text.empty())
                return std::wstring();
            if (text.size() > INT_MAX)
                return std::nullopt;
            const int inLen = static_cast<int>(text.size());
            DWORD flags = MB_ERR_INVALID_CHARS;
            int len = ::MultiByteToWideChar(page, flags, text.data(), inLen, nullptr, 0);
            if (len == 0 && ::GetLastError() == ERROR_INVALID_FLAGS)
            {
                flags = 0;
                len = ::MultiByteToWideChar(page, flags, text.data(), inLen, nullptr, 0);
            }
            if (len == 0)
                return std::nullopt;
            std::wstring wide(static_cast<size_t>(len), L'\0');
            if (::MultiByteToWideChar(page, flags, text.data(), inLen, wide.data(), len) != len)
                return std::nullopt;
            return wide;
        }

        // WideCharToMultiByte that refuses best-fit and default characters.
        std::optional<std::string> fromWide(unsigned page, const std::wstring& wide)
        {
            if (wide.empty())
                return std::string();
            if (wide.size() > INT_MAX)
                return std::nullopt;
            const int inLen = static_cast<int>(wide.size());
            const bool utf8 = page == CP_UTF8;
            DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
            BOOL usedDefault = FALSE;
            BOOL* usedDefaultPtr = utf8 ? nullptr : &usedDefault;
            int len = ::WideCharToMultiByte(page, flags, wide.data(), inLen, nullptr, 0, nullptr, usedDefaultPtr);
            if (len == 0 && ::GetLastError() == ERROR_INVALID_FLAGS)
            {
                // Pages such as 50220 take no flags; the caller's round trip check
                // still catches any replaced character.
                flags = 0;
                usedDefaultPtr = nullptr;
                len = ::WideCharToMultiByte(page, flags, wide.data(), inLen, nullptr, 0, nullptr, usedDefaultPtr);
            }
            if (len == 0 || usedDefault)
                return std::nullopt;
            std::string text(static_cast<size_t>(len), '\0');
            if (::WideCharToMultiByte(page, flags, wide.data(), inLen, text.data(), len, nullptr, usedDefaultPtr) != len
                || usedDefault)
                return std::nullopt;
            return text;
        }
    }

    class CodePage::Converter
    {
    public:
        explicit Converter(unsigned number) : _page(number)
        {
            if (number == 0 || !::IsValidCodePage(number))
                throw PlainFailure(unknownPage(number));
        }

        std::optional<std::string> decode(std::string_view text) const
        {
            const auto wide = toWide(_page, text);
            return wide ? fromWide(CP_UTF8, *wide) : std::nullopt;
        }

        std::optional<std::string> encode(std::string_view utf8) const
        {
            const auto wide = toWide(CP_UTF8, utf8);
            return wide ? fromWide(_page, *wide) : std::nullopt;
        }

    private:
        unsigned _page;
    };

#else

    namespace
    {
        class Iconv
        {
        public:
            Iconv(const char* to, const std::string& from) : _cd(::iconv_open(to, from.c_str())) {}
            Iconv(const std::string& to, const char* from) : _cd(::iconv_open(to.c_str(), from)) {}
            ~Iconv()
            {
                if (isOpen())
                    ::iconv_close(_cd);
            }
            Iconv(const Iconv&) = delete;
            Iconv& operator=(const Iconv&) = delete;

            bool isOpen() const { return _cd != reinterpret_cast<iconv_t>(-1); }
            iconv_t get() const { return _cd; }

        private:
            iconv_t _cd;
        };

        // glibc knows the Windows pages as WINDOWS-N (the Microsoft tables) or CPN.
        std::string iconvName(unsigned number, bool windowsName)
        {
            if (number == 65001)
                return "UTF-8";
            return (windowsName ? "WINDOWS-" : "CP") + std::to_string(number);
        }

        bool canOpen(unsigned number, bool windowsName)
        {
            const Iconv probe("UTF-8", iconvName(number, windowsName));
            return probe.isOpen();
        }

        std::string pageName(unsigned number)
        {
            if (number == 0)
                throw PlainFailure(unknownPage(number));
            if (canOpen(number, true))
                return iconvName(number, true);
            if (canOpen(number, false))
                return iconvName(number, false);
            throw PlainFailure(unknownPage(number));
        }

        // Writes out what a stateful conversion still holds.
        void flush(iconv_t cd, std::string& out)
        {
            std::array<char, 64> buf;
            char* outPtr = buf.data();
            size_t outLeft = buf.size();
            ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
            out.append(buf.data(), outPtr);
        }

        // Converts all of `in`; at an invalid sequence `fallback` may append its own
        // replacement and return how many input bytes it took (0 refuses the text).
        template<class Fallback>
        std::optional<std::string> convert(iconv_t cd, std::string_view in, Fallback fallback)
        {
            ::iconv(cd, nullptr, nullptr, nullptr, nullptr);
            std::string out;
            char* inPtr = const_cast<char*>(in.data());
            size_t inLeft = in.size();
            std::array<char, 256> buf;
            for (;;)
            {
                char* outPtr = buf.data();
                size_t outLeft = buf.size();
                const bool flushing = inLeft == 0;
                const size_t rc = flushing ? ::iconv(cd, nullptr, nullptr, &outPtr, &outLeft)
                                           : ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
                out.append(buf.data(), outPtr);
                if (rc != static_cast<size_t>(-1))
                {
                    if (flushing)
                        return out;
                    continue;
                }
                if (errno == E2BIG)
                    continue;
                if (errno != EILSEQ)
                    return std::nullopt;
                flush(cd, out);
                const size_t used = fallback(std::string_view(inPtr, inLeft), out);
                if (used == 0)
                    return std::nullopt;
                inPtr += used;
                inLeft -= used;
            }
        }

        constexpr unsigned char C1First = 0x80;
        constexpr unsigned char C1Last = 0x9F;
        constexpr unsigned char Utf8C1Lead = 0xC2;
    }

    class CodePage::Converter
    {
    public:
        explicit Converter(unsigned number)
            : _name(pageName(number)), _decoder("UTF-8", _name), _encoder(_name, "UTF-8")
        {
            if (!_decoder.isOpen() || !_encoder.isOpen())
                throw PlainFailure(unknownPage(number));
            findUndefinedC1();
        }

        std::optional<std::string> decode(std::string_view text) const
        {
            return convert(_decoder.get(), text, [this](std::string_view rest, std::string& out) -> size_t {
                const auto byte = static_cast<unsigned char>(rest[0]);
                if (!isUndefinedC1(byte))
                    return 0;
                out += static_cast<char>(Utf8C1Lead);
                out += static_cast<char>(byte);
                return 1;
            });
        }

        std::optional<std::string> encode(std::string_view utf8) const
        {
            return convert(_encoder.get(), utf8, [this](std::string_view rest, std::string& out) -> size_t {
                if (rest.size() < 2 || static_cast<unsigned char>(rest[0]) != Utf8C1Lead)
                    return 0;
                const auto byte = static_cast<unsigned char>(rest[1]);
                if (!isUndefinedC1(byte))
                    return 0;
                out += static_cast<char>(byte);
                return 2;
            });
        }

    private:
        // Windows maps the bytes 0x80..0x9F that a page leaves undefined to the C1
        // controls; glibc refuses them. Find them so that both builds agree.
        void findUndefinedC1()
        {
            for (unsigned byte = C1First; byte <= C1Last; ++byte)
            {
                _undefinedC1[byte - C1First] = isInvalidSequence(static_cast<char>(byte));
            }
        }

        // Tells a byte the page does not define from the lead byte of a longer sequence.
        bool isInvalidSequence(char text) const
        {
            ::iconv(_decoder.get(), nullptr, nullptr, nullptr, nullptr);
            char* inPtr = &text;
            size_t inLeft = 1;
            std::array<char, 16> buf;
            char* outPtr = buf.data();
            size_t outLeft = buf.size();
            const size_t rc = ::iconv(_decoder.get(), &inPtr, &inLeft, &outPtr, &outLeft);
            return rc == static_cast<size_t>(-1) && errno == EILSEQ;
        }

        bool isUndefinedC1(unsigned char byte) const
        {
            return byte >= C1First && byte <= C1Last && _undefinedC1[byte - C1First];
        }

        std::string _name;
        Iconv _decoder;
        Iconv _encoder;
        std::array<bool, C1Last - C1First + 1> _undefinedC1 {};
    };

#endif

    CodePage::CodePage(unsigned number) : _number(number), _converter(std::make_unique<Converter>(number)) {}

    CodePage::~CodePage() = default;

    // Both directions insist that converting back gives the text again, so that an
    // exported list imports to the same bytes and no page quietly folds characters.
    std::optional<std::string> CodePage::toUtf8(std::string_view text) const
    {
        auto utf8 = _converter->decode(text);
        if (!utf8)
            return std::nullopt;
        const auto back = _converter->encode(*utf8);
        if (!back || *back != text)
            return std::nullopt;
        return utf8;
    }

    bool CodePage::isUtf8(std::string_view text)
    {
        static const CodePage utf8(Utf8);
        return utf8.toUtf8(text).has_value();
    }

    std::optional<std::string> CodePage::fromUtf8(std::string_view utf8) const
    {
        auto text = _converter->encode(utf8);
        if (!text)
            return std::nullopt;
        const auto back = _converter->decode(*text);
        if (!back || *back != utf8)
            return std::nullopt;
        return text;
    }
}
