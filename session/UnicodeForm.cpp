#include "session/UnicodeForm.h"

#ifdef _WIN32

#include <windows.h>

#include <climits>

namespace
{
    std::optional<std::wstring> wideOf(std::string_view text, UINT codePage)
    {
        if (text.empty())
            return std::wstring();
        if (text.size() > INT_MAX)
            return std::nullopt;
        const int size = static_cast<int>(text.size());
        const int length = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
        if (length == 0)
            return std::nullopt;
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length) != length)
            return std::nullopt;
        return wide;
    }

    std::optional<std::string> utf8Of(const std::wstring& wide)
    {
        if (wide.empty())
            return std::string();
        const int size = static_cast<int>(wide.size());
        const int length = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, nullptr, 0,
                                                 nullptr, nullptr);
        if (length == 0)
            return std::nullopt;
        std::string text(static_cast<std::size_t>(length), '\0');
        if (::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide.data(), size, text.data(), length, nullptr,
                                  nullptr) != length)
            return std::nullopt;
        return text;
    }

    // NormalizeString says how long the result may be only roughly: it asks
    // again with a larger buffer until the text fits.
    std::optional<std::wstring> composed(const std::wstring& wide)
    {
        if (wide.empty())
            return wide;
        const int size = static_cast<int>(wide.size());
        int capacity = ::NormalizeString(NormalizationC, wide.data(), size, nullptr, 0);
        for (int tries = 0; capacity > 0 && tries < 8; ++tries)
        {
            std::wstring result(static_cast<std::size_t>(capacity), L'\0');
            const int length = ::NormalizeString(NormalizationC, wide.data(), size, result.data(), capacity);
            if (length > 0)
            {
                result.resize(static_cast<std::size_t>(length));
                return result;
            }
            if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
                return std::nullopt;
            capacity = -length;
        }
        return std::nullopt;
    }

    // Simple one-to-one upper-casing, the same for every user: not the
    // user's locale, so a Turkish i is judged as everywhere else.
    std::optional<std::wstring> upper(const std::wstring& wide)
    {
        if (wide.empty())
            return wide;
        const int size = static_cast<int>(wide.size());
        const int length = ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), size, nullptr, 0,
                                           nullptr, nullptr, 0);
        if (length == 0)
            return std::nullopt;
        std::wstring result(static_cast<std::size_t>(length), L'\0');
        if (::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, wide.data(), size, result.data(), length, nullptr,
                            nullptr, 0) != length)
            return std::nullopt;
        return result;
    }

    std::optional<std::string> formOf(std::string_view text, UINT codePage, bool upperCase)
    {
        const auto wide = wideOf(text, codePage);
        const auto nfc = wide ? composed(*wide) : std::nullopt;
        if (!nfc)
            return std::nullopt;
        if (!upperCase)
            return utf8Of(*nfc);
        const auto upperCased = upper(*nfc);
        return upperCased ? utf8Of(*upperCased) : std::nullopt;
    }
}

std::optional<std::string> Unicode::comparisonForm(std::string_view text, bool upperCase)
{
    return formOf(text, CP_ACP, upperCase);
}

std::optional<std::string> Unicode::composedUtf8(std::string_view utf8)
{
    return formOf(utf8, CP_UTF8, false);
}

#else

#include <cstdlib>
#include <memory>

#include <utf8proc.h>

namespace
{
    struct Freer
    {
        void operator()(utf8proc_uint8_t* bytes) const { std::free(bytes); }
    };

    std::optional<std::string> mapped(std::string_view utf8, int options)
    {
        if (utf8.empty())
            return std::string();
        utf8proc_uint8_t* result = nullptr;
        const utf8proc_ssize_t length = utf8proc_map(reinterpret_cast<const utf8proc_uint8_t*>(utf8.data()),
                                                     static_cast<utf8proc_ssize_t>(utf8.size()), &result,
                                                     static_cast<utf8proc_option_t>(options));
        const std::unique_ptr<utf8proc_uint8_t, Freer> owned(result);
        if (length < 0)
            return std::nullopt;
        return std::string(reinterpret_cast<const char*>(result), static_cast<std::size_t>(length));
    }

    // Simple one-to-one upper-casing of each code point of a valid UTF-8 text.
    std::string upper(std::string_view utf8)
    {
        std::string result;
        result.reserve(utf8.size());
        const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(utf8.data());
        utf8proc_ssize_t left = static_cast<utf8proc_ssize_t>(utf8.size());
        while (left > 0)
        {
            utf8proc_int32_t code = 0;
            const utf8proc_ssize_t used = utf8proc_iterate(bytes, left, &code);
            utf8proc_uint8_t encoded[4];
            const utf8proc_ssize_t length = utf8proc_encode_char(utf8proc_toupper(code), encoded);
            result.append(reinterpret_cast<const char*>(encoded), static_cast<std::size_t>(length));
            bytes += used;
            left -= used;
        }
        return result;
    }
}

// Natively the process code page is UTF-8.
std::optional<std::string> Unicode::comparisonForm(std::string_view text, bool upperCase)
{
    auto nfc = composedUtf8(text);
    if (!nfc || !upperCase)
        return nfc;
    return upper(*nfc);
}

std::optional<std::string> Unicode::composedUtf8(std::string_view utf8)
{
    return mapped(utf8, UTF8PROC_STABLE | UTF8PROC_COMPOSE);
}

#endif
