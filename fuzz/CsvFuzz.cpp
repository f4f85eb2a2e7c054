// libFuzzer target for qlx's TSV and CSV reader: any input is read or refused
// with a Failure, and CSV rows written back read as the same cells.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "tools/qlx/DelimitedText.h"
#include "tools/qlx/Failure.h"

namespace
{
    std::vector<Qlx::TextRow> readOrNothing(std::string_view text, Qlx::TableSyntax syntax, bool& read)
    {
        try
        {
            read = true;
            return Qlx::readRows(text, syntax);
        }
        catch (const Qlx::Failure&)
        {
            read = false;
            return {};
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    bool read = false;
    readOrNothing(text, Qlx::TableSyntax::TSV, read);

    const auto rows = readOrNothing(text, Qlx::TableSyntax::CSV, read);
    if (!read)
        return 0;
    std::string written;
    for (const auto& row : rows)
        written += Qlx::writeRow(row.cells, Qlx::TableSyntax::CSV);
    const auto again = Qlx::readRows(written, Qlx::TableSyntax::CSV);
    if (again.size() != rows.size())
        __builtin_trap();
    for (std::size_t i = 0; i < rows.size(); ++i)
    {
        if (again[i].cells != rows[i].cells)
            __builtin_trap();
    }
    return 0;
}
