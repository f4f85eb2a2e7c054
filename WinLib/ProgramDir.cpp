#include "WinLib/ProgramDir.h"

#include <windows.h>
#include <vector>

std::string Win::directoryOf(const std::string& path)
{
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string Win::programDirectory()
{
    // Grow the buffer until the whole path fits: a cut path would name the wrong folder.
    std::vector<char> buffer(MAX_PATH);
    for (;;)
    {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::string();
        if (length < buffer.size())
            return directoryOf(std::string(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}
