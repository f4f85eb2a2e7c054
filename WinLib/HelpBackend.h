#pragma once
#include <windows.h>
#include <string>

namespace Win
{
    // What shows and closes a help file: one of the system's help viewers, or
    // a test's recorder. A topic is what the viewer finds a place by: a
    // keyword for WinHelp, a page of the file for HTML Help. Failures are
    // thrown as Win::Exception.
    class HelpBackend
    {
    public:
        virtual ~HelpBackend() = default;
        virtual void showContents(HWND owner, const std::string& file) = 0;
        virtual void showTopic(HWND owner, const std::string& file, const std::string& topic) = 0;
        // Closes the help windows this program opened.
        virtual void close(HWND owner, const std::string& file) = 0;
    };
}
