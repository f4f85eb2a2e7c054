// utf8proc's normalization and case mapping for the native build; the
// Windows builds use the system's (WinLib/SystemUnicodeForm.cpp).
#include "base/UnicodeForm.h"

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
