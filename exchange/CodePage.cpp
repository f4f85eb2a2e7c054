#include "exchange/CodePage.h"

#include "exchange/Failure.h"
#include "stream/PlainFailure.h"

Qlx::CodePage::CodePage(unsigned number)
try : WinFile::CodePage(number)
{
}
catch (const WinFile::PlainFailure& failure)
{
    throw Failure(failure.what());
}
