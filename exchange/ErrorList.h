#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace Qlx
{
    // Collects every fault of an input, so that one run names them all,
    // then fails with them one per line.
    class ErrorList
    {
    public:
        void add(std::string error) { _errors.push_back(std::move(error)); }
        bool empty() const { return _errors.empty(); }
        std::size_t size() const { return _errors.size(); }
        // Throws Failure with every error so far; does nothing when there is none.
        void throwIfAny() const;

    private:
        std::vector<std::string> _errors;
    };
}
