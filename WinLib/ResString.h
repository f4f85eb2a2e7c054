#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    // One string-table entry; throws "Unable to load string resource" if missing.
    class ResString
    {
    public:
        ResString(HINSTANCE hInst, int id);
        const char* c_str() const { return _text.c_str(); }
        const std::string& str() const { return _text; }
        operator const char*() const { return _text.c_str(); }

    private:
        std::string _text;
    };
}
