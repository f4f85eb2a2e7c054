#include "WinLib/ResString.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"

Win::ResString::ResString(HINSTANCE hInst, int id)
{
    // LoadStringA cuts longer entries at 255 characters and always terminates.
    char buffer[256] = {};
    const int length = ::LoadStringA(hInst, static_cast<UINT>(id), buffer, sizeof(buffer));
    if (length == 0)
        throw Win::Exception("Unable to load string resource", Win::lastError());
    _text.assign(buffer);
}
