#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

#include "tools/qlx/Command.h"
#include "tools/qlx/SystemText.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Exported and imported texts are exact bytes: no CR added or dropped.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    try
    {
        const std::vector<std::string> args = Qlx::utf8Arguments(argc, argv);
        std::vector<const char*> pointers;
        for (const std::string& arg : args)
            pointers.push_back(arg.c_str());
        return Qlx::run(static_cast<int>(pointers.size()), pointers.data(), std::cout, std::cerr);
    }
    catch (...)
    {
        return Qlx::failureStatus(std::cerr);
    }
}
