// Runs the program on a Study List as a user would start it, waits until its
// main window shows the list, saves a screenshot of that window, closes it
// through WM_CLOSE and returns the program's exit code.
//   quillory_rundriver PROGRAM LIST SCREENSHOT.png
#include <windows.h>

#include "tests/support/gui/Screenshot.h"

#include <cstdio>
#include <string>

namespace
{
    const DWORD TimeoutMs = 30000;

    struct Search
    {
        DWORD pid;
        HWND win;
    };

    BOOL CALLBACK findMain(HWND h, LPARAM param)
    {
        auto& search = *reinterpret_cast<Search*>(param);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        char cls[64] = {};
        ::GetClassNameA(h, cls, sizeof cls);
        if (pid == search.pid && std::string(cls) == "Quillory Window Class" && ::IsWindowVisible(h))
        {
            search.win = h;
            return FALSE;
        }
        return TRUE;
    }

    // Another process's control keeps its own text: ask it by message.
    std::string textOf(HWND h)
    {
        char text[512] = {};
        ::SendMessageTimeoutA(h, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, TimeoutMs,
                              nullptr);
        return text;
    }

    // The main window once the list is loaded (its title names the file).
    HWND waitForList(const PROCESS_INFORMATION& pi)
    {
        const DWORD start = ::GetTickCount();
        ::WaitForInputIdle(pi.hProcess, TimeoutMs);
        while (::GetTickCount() - start < TimeoutMs)
        {
            Search search{pi.dwProcessId, nullptr};
            ::EnumWindows(findMain, reinterpret_cast<LPARAM>(&search));
            if (search.win != nullptr && textOf(search.win).rfind("Quillory - ", 0) == 0)
                return search.win;
            // Wakes early if the program ends instead.
            if (::WaitForSingleObject(pi.hProcess, 100) == WAIT_OBJECT_0)
                return nullptr;
        }
        return nullptr;
    }
}

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: quillory_rundriver PROGRAM LIST SCREENSHOT.png\n");
        return 2;
    }
    std::string cmdLine = std::string("\"") + argv[1] + "\" \"" + argv[2] + "\"";
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(nullptr, &cmdLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], ::GetLastError());
        return 2;
    }

    int result = 0;
    HWND win = waitForList(pi);
    if (win == nullptr)
    {
        std::fprintf(stderr, "the main window did not show the list\n");
        ::TerminateProcess(pi.hProcess, 1);
        result = 1;
    }
    else
    {
        std::printf("title:  %s\nstatus: %s\n", textOf(win).c_str(), textOf(::GetDlgItem(win, 1)).c_str());
        if (Gui::saveScreenshot(win, argv[3]))
            std::printf("screenshot: %s\n", argv[3]);
        else
        {
            std::fprintf(stderr, "could not save the screenshot\n");
            result = 1;
        }
        ::PostMessageA(win, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(pi.hProcess, TimeoutMs) != WAIT_OBJECT_0)
        {
            std::fprintf(stderr, "the program did not end after WM_CLOSE\n");
            ::TerminateProcess(pi.hProcess, 1);
            result = 1;
        }
        else
        {
            DWORD code = 0;
            ::GetExitCodeProcess(pi.hProcess, &code);
            std::printf("exit code: %lu\n", code);
            if (code != 0)
                result = 1;
        }
    }
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return result;
}
