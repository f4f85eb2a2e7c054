#pragma once
#include <string>
#include <vector>

#include "exchange/TableFormat.h"

namespace Qlx
{
    // Leaves out of `table` every row that cannot be kept as it stands: those
    // the reader found faults in, and those whose item the document refuses
    // (a text that is not UTF-8, impossible scores, ...); the rest are
    // numbered 1 to N again and the reader's faults are cleared. Returns why,
    // in line order, a row named by `unit` and its line ("line 4: 3 columns,
    // expected 2"). Fails as fromRecord does on a fault of the list as a whole.
    std::vector<std::string> skipFaultyRows(TableImport& table, const char* unit);
}
