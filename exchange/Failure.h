#pragma once
#include <stdexcept>
#include <string>

namespace Qlx
{
    // A failure the tool reports to the user as it is, then exits with 1.
    class Failure : public std::runtime_error
    {
    public:
        explicit Failure(const std::string& msg) : std::runtime_error(msg) {}
    };
}
