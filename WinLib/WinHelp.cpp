#include "WinLib/WinHelp.h"

void Win::WinHelpBackend::showContents(HWND owner, const std::string& file)
{
    ::WinHelpA(owner, file.c_str(), HELP_FINDER, 0);
}

void Win::WinHelpBackend::showTopic(HWND owner, const std::string& file, const std::string& keyword)
{
    ::WinHelpA(owner, file.c_str(), HELP_KEY, reinterpret_cast<ULONG_PTR>(keyword.c_str()));
}

void Win::WinHelpBackend::close(HWND owner, const std::string& file)
{
    ::WinHelpA(owner, file.c_str(), HELP_QUIT, 0);
}
