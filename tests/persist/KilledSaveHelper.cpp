// Saves a large Study List to a path again and again until it is killed,
// signalling a named event as each save begins.
//   killed_save_helper PATH EVENT TAG
#include <windows.h>

#include "model/Quillory.h"
#include "persist/Filer.h"
#include "tests/persist/LargeList.h"

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    Quillory doc;
    TestData::fillLargeList(doc, argv[3]);
    const HANDLE saving = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, argv[2]);
    if (saving == nullptr)
        return 3;
    WinFile::SilentFilerHost host;
    for (;;)
    {
        ::SetEvent(saving);
        doc.setModified();
        if (!WinFile::Filer(doc, argv[1], host).save())
            return 1;
    }
}
