#include "WinLib/PendingException.h"

namespace
{
    // One thread runs every window; still, keep it per thread.
    thread_local std::exception_ptr pending;
}

void Win::keepPendingException(std::exception_ptr e)
{
    // The first failure is the cause; later ones are usually its consequences.
    if (!pending)
        pending = std::move(e);
}

bool Win::hasPendingException()
{
    return static_cast<bool>(pending);
}

void Win::rethrowPendingException()
{
    if (!pending)
        return;
    std::exception_ptr e = pending;
    pending = nullptr;
    std::rethrow_exception(e);
}
