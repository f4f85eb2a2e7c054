#include "exchange/TextFile.h"

#include <fstream>
#include <sstream>

#include "exchange/Failure.h"

namespace Qlx
{
    std::string readWholeFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            throw Failure("cannot open the file for reading");
        std::ostringstream content;
        content << in.rdbuf();
        if (in.bad())
            throw Failure("cannot read the file");
        return content.str();
    }
}
