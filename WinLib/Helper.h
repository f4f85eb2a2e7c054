#pragma once
#include <windows.h>

#include "WinLib/HelpFile.h"

namespace Win
{
    // Opens the program's help file for one owner window: at its contents or
    // at the topic of a keyword. A failure goes to the help file's reporter;
    // the destructor does not close the help window.
    class Helper
    {
    public:
        Helper(HWND owner, const HelpFile& file) : _owner(owner), _file(file) {}
        void Contents();
        void KeywordTopic(const char* keyword);
        void Quit();

    private:
        template <class Call>
        void reporting(Call call);

        HWND _owner;
        const HelpFile& _file;
    };
}
