#include "tools/qlx/CodePage.h"

#include "stream/PlainFailure.h"
#include "tools/qlx/Failure.h"

Qlx::CodePage::CodePage(unsigned number)
try : WinFile::CodePage(number)
{
}
catch (const WinFile::PlainFailure& failure)
{
    throw Failure(failure.what());
}
