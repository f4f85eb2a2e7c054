#pragma once
#include <exception>

namespace Win
{
    // An exception must not unwind through the system's own frames (user32
    // calling a window procedure): 32-bit DWARF unwinding cannot cross them and
    // 64-bit Windows may swallow it. The procedures therefore catch everything,
    // keep it here, and the library throws it again once control is back in
    // the program's frames: after DispatchMessage in the message loop, after
    // CreateWindowEx, and after a modal dialog returns.
    void keepPendingException(std::exception_ptr e);
    bool hasPendingException();
    // Throws the kept exception, if any, and forgets it.
    void rethrowPendingException();
}
