#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

#include "tools/qlx/Command.h"

int main(int argc, char** argv)
{
#ifdef _WIN32
    // Exported and imported texts are exact bytes: no CR added or dropped.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return Qlx::run(argc, argv, std::cout, std::cerr);
}
