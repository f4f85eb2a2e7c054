#pragma once
#include "persist/CodePage.h"

namespace Qlx
{
    // The file layer's conversions, failing with the tool's own failure: a
    // code page named on the command line that the system does not know is
    // the user's mistake, reported as such.
    class CodePage : public WinFile::CodePage
    {
    public:
        // Fails with "unknown code page N".
        explicit CodePage(unsigned number);
    };
}
