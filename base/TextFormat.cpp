#include "base/TextFormat.h"

std::string Win::fillFormat(const std::string& format, const std::vector<std::string>& args)
{
    std::string text;
    text.reserve(format.size());
    std::size_t nextArg = 0;
    for (std::size_t i = 0; i < format.size(); ++i)
    {
        const char c = format[i];
        const char conversion = i + 1 < format.size() ? format[i + 1] : '\0';
        if (c != '%' || (conversion != 's' && conversion != 'i' && conversion != '%'))
        {
            text += c;
            continue;
        }
        ++i;
        if (conversion == '%')
            text += '%';
        else if (nextArg < args.size())
            text += args[nextArg++];
    }
    return text;
}
