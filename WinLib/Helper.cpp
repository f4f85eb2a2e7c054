#include "WinLib/Helper.h"

// WinHelp may be missing on newer systems; the help system reports that itself.
void Win::Helper::Contents()
{
    ::WinHelpA(_owner, _path.c_str(), HELP_FINDER, 0);
}

void Win::Helper::KeywordTopic(const char* keyword)
{
    ::WinHelpA(_owner, _path.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword));
}

void Win::Helper::Quit()
{
    ::WinHelpA(_owner, _path.c_str(), HELP_QUIT, 0);
}
