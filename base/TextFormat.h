#pragma once
#include <string>
#include <vector>

namespace Win
{
    // Fills a string-table format such as "Save changes to %s ?" without
    // printf: each %s or %i takes the next argument as it is, "%%" gives "%".
    // The arguments are user text and are never read as a format themselves;
    // a conversion without an argument left gives nothing, and the text is
    // always as long as it needs to be.
    std::string fillFormat(const std::string& format, const std::vector<std::string>& args);
}
