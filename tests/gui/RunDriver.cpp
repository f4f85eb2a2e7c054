// Runs the program on a Study List as a user would start it, waits until its
// main window shows the list, saves a screenshot of that window, closes it
// through WM_CLOSE and returns the program's exit code.
//   quillory_rundriver PROGRAM LIST SCREENSHOT.png
#include <windows.h>

#include "tests/gui/ProgramProcess.h"
#include "tests/support/gui/Screenshot.h"

#include <cstdio>
#include <string>

namespace
{
    const DWORD TimeoutMs = 30000;

    // Another process's control keeps its own text: ask it by message.
    std::string textOf(HWND h)
    {
        char text[512] = {};
        ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, TimeoutMs,
                              nullptr);
        return text;
    }
}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: quillory_rundriver PROGRAM LIST SCREENSHOT.png\n");
        return 2;
    }
    ProgramProcess run(argv[1], std::string("\"") + argv[2] + "\"");
    if (!run.started())
    {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], ::GetLastError());
        return 2;
    }
    // The main window once the list is loaded: its title names the file.
    HWND win = run.waitForWindow(TimeoutMs);
    if (win == nullptr || !run.waitUntil([&] { return textOf(win).rfind("Quillory - ", 0) == 0; }, TimeoutMs))
    {
        std::fprintf(stderr, "the main window did not show the list\n");
        return 1;
    }
    std::printf("title:  %s\nstatus: %s\n", textOf(win).c_str(), textOf(::GetDlgItem(win, 1)).c_str());
    int result = 0;
    if (Gui::saveScreenshot(win, argv[3]))
        std::printf("screenshot: %s\n", argv[3]);
    else
    {
        std::fprintf(stderr, "could not save the screenshot\n");
        result = 1;
    }
    const DWORD code = run.closeAndWait(win, TimeoutMs);
    if (code == STILL_ACTIVE)
    {
        std::fprintf(stderr, "the program did not end after WM_CLOSE\n");
        return 1;
    }
    std::printf("exit code: %lu\n", code);
    return code == 0 ? result : 1;
}
