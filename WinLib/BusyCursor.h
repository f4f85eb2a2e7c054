#pragma once
#include <windows.h>

namespace Win
{
    // The hourglass while a long piece of work holds the one thread, and the
    // previous cursor after it. No message is handled meanwhile, so nothing
    // sets the cursor back before the work ends.
    class BusyCursor
    {
    public:
        BusyCursor() : _previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
        ~BusyCursor() { ::SetCursor(_previous); }
        BusyCursor(const BusyCursor&) = delete;
        BusyCursor& operator=(const BusyCursor&) = delete;

    private:
        HCURSOR _previous;
    };
}
