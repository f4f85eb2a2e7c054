#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    // Opens the program's WinHelp file. The help system reports its own failures.
    class Helper
    {
    public:
        Helper(HWND owner, std::string path) : _owner(owner), _path(std::move(path)) {}
        void Contents();
        void KeywordTopic(const char* keyword);
        void Quit();
        const std::string& getPath() const { return _path; }

    private:
        HWND _owner;
        std::string _path;
    };
}
