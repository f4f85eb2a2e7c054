#include "tests/gui/ProgramProcess.h"

#include "WinLib/ProgramDir.h"

namespace
{
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
}

ProgramProcess::ProgramProcess(const std::string& args)
    : ProgramProcess(Win::programDirectory() + "Quillory.exe", args)
{
}

ProgramProcess::ProgramProcess(const std::string& program, const std::string& args)
{
    std::string cmdLine = "\"" + program + "\"";
    if (!args.empty())
        cmdLine += " " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    _started = ::CreateProcessA(nullptr, &cmdLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &_pi) != FALSE;
}

ProgramProcess::~ProgramProcess()
{
    if (!_started)
        return;
    if (::WaitForSingleObject(_pi.hProcess, 0) == WAIT_TIMEOUT)
        ::TerminateProcess(_pi.hProcess, 99);
    ::CloseHandle(_pi.hThread);
    ::CloseHandle(_pi.hProcess);
}

HWND ProgramProcess::findMainWindow() const
{
    Search search{_pi.dwProcessId, nullptr};
    ::EnumWindows(findMain, reinterpret_cast<LPARAM>(&search));
    return search.win;
}

bool ProgramProcess::waitUntil(const std::function<bool()>& done, DWORD timeoutMs)
{
    if (!_started)
        return false;
    const DWORD start = ::GetTickCount();
    for (;;)
    {
        if (done())
            return true;
        // Wakes early when the process ends.
        if (::GetTickCount() - start > timeoutMs || ::WaitForSingleObject(_pi.hProcess, 100) == WAIT_OBJECT_0)
            return false;
    }
}

HWND ProgramProcess::waitForWindow(DWORD timeoutMs)
{
    if (!_started)
        return nullptr;
    ::WaitForInputIdle(_pi.hProcess, timeoutMs);
    HWND win = nullptr;
    waitUntil([&] { return (win = findMainWindow()) != nullptr; }, timeoutMs);
    return win;
}

DWORD ProgramProcess::closeAndWait(HWND win, DWORD timeoutMs)
{
    ::PostMessageA(win, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(_pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(_pi.hProcess, &code);
    return code;
}
