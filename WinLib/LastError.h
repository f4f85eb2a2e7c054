#pragma once
#include <cstdint>

namespace Win
{
    // GetLastError() in the Windows build; errno in the native build, so that
    // code shared by both can report the system's own error code.
    std::uint32_t lastError();
}
