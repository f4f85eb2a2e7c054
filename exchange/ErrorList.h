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
        void add(std::string error) { addForRow(0, std::move(error)); }
        // A fault of the row that starts on `line`, which the text names itself.
        void addForRow(std::size_t line, std::string error)
        {
            _errors.push_back(std::move(error));
            _rows.push_back(line);
        }
        bool empty() const { return _errors.empty(); }
        std::size_t size() const { return _errors.size(); }
        // Throws Failure with every error so far; does nothing when there is none.
        void throwIfAny() const;
        const std::vector<std::string>& texts() const { return _errors; }
        // The line of the row that error `i` is about; 0 for the input as a whole.
        std::size_t rowOf(std::size_t i) const { return _rows[i]; }

    private:
        std::vector<std::string> _errors;
        std::vector<std::size_t> _rows;
    };
}
