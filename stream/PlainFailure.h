#pragma once
#include <stdexcept>
#include <string>

namespace WinFile
{
    // A failure that is only a text, without a system error code: counts out
    // of range in a file ("Data corruption") and "Unable to write in this
    // directory". Kept apart from Win::Exception, which reports a code.
    class PlainFailure : public std::runtime_error
    {
    public:
        explicit PlainFailure(const std::string& text) : std::runtime_error(text) {}
    };
}
