// The system's own normalization and case mapping for the Windows builds.
#include "base/UnicodeForm.h"

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
