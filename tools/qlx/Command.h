#pragma once
#include <ostream>

#include "stream/SerializerFactory.h"

namespace Qlx
{
    // The whole qlx command line: argv[0] is the program, then a subcommand
    // (check, export, import) and its arguments. Returns the exit status.
    // Study Lists are written through `files`.
    int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
            const WinFile::SerializerFactory& files = WinFile::diskFiles());
    // Inside a catch block: writes the failure being handled to `err` and
    // returns 1, the status of every failure.
    int failureStatus(std::ostream& err);
}
