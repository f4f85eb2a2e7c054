#include "WinLib/LastError.h"

#ifdef _WIN32
#include <windows.h>
std::uint32_t Win::lastError() { return ::GetLastError(); }
#else
#include <cerrno>
std::uint32_t Win::lastError() { return static_cast<std::uint32_t>(errno); }
#endif
