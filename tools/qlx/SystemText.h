#pragma once
#include <string>
#include <vector>

namespace Qlx
{
    // qlx works in UTF-8 throughout. Windows hands the command line over in
    // UTF-16 and opens files by names in its ANSI code page; these two bridge
    // that. Elsewhere both are taken as they are.

    // The command-line arguments in UTF-8, argv[0] included.
    std::vector<std::string> utf8Arguments(int argc, char** argv);

    // The name under which the system opens the file `utf8Path`. Fails when
    // Windows' ANSI code page cannot name it exactly.
    std::string systemPath(const std::string& utf8Path);
}
