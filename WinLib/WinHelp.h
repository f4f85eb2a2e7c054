#pragma once
#include "WinLib/HelpBackend.h"

namespace Win
{
    // WinHelp, for a .hlp file; topics are keywords. WinHelp reports its own
    // failures (a missing file, or no WinHelp on the system).
    class WinHelpBackend : public HelpBackend
    {
    public:
        void showContents(HWND owner, const std::string& file) override;
        void showTopic(HWND owner, const std::string& file, const std::string& keyword) override;
        void close(HWND owner, const std::string& file) override;
    };
}
