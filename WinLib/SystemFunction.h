#pragma once
#include <windows.h>

namespace Win
{
    // A function of a system DLL that older Windows versions lack: null
    // there, so that the program still runs on Windows 7.
    template <class Fn>
    Fn systemFunction(const char* dll, const char* name)
    {
        const FARPROC found = ::GetProcAddress(::GetModuleHandleA(dll), name);
        // Through the one function type that converts to any other without a warning.
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(found));
    }
}
