#pragma once
#include <windows.h>

namespace Win
{
    // A library loaded at run time, freed when the object goes.
    class Module
    {
    public:
        // Loads `name`; the module holds nothing when the system cannot load it.
        explicit Module(const char* name) : _h(::LoadLibraryA(name)) {}
        ~Module()
        {
            if (_h != nullptr)
                ::FreeLibrary(_h);
        }
        Module(const Module&) = delete;
        Module& operator=(const Module&) = delete;

        bool isLoaded() const { return _h != nullptr; }
        // The exported function `name`, or null when the module lacks it.
        FARPROC function(const char* name) const { return _h != nullptr ? ::GetProcAddress(_h, name) : nullptr; }

    private:
        HMODULE _h;
    };
}
