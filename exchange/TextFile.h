#pragma once
#include <string>

namespace Qlx
{
    // The whole content of the file at `path`, a name the system opens as it
    // stands. Fails with "cannot open the file for reading" or "cannot read
    // the file".
    std::string readWholeFile(const std::string& path);
}
