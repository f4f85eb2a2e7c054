#pragma once
#include <windows.h>

#include <functional>
#include <string>

// One run of Quillory.exe with a command line, ended at the latest when the
// object goes.
class ProgramProcess
{
public:
    // The program beside the running test executable.
    explicit ProgramProcess(const std::string& args);
    ProgramProcess(const std::string& program, const std::string& args);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool started() const { return _started; }
    DWORD processId() const { return _pi.dwProcessId; }
    // Polls `done` until it holds; false if the process ended first or the
    // time ran out.
    bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);
    // The visible main window once the program is idle; null if the process
    // ended first or none came in time.
    HWND waitForWindow(DWORD timeoutMs = 20000);
    // Closes the window as its close box does and returns the exit code
    // (STILL_ACTIVE if the program did not end in time).
    DWORD closeAndWait(HWND win, DWORD timeoutMs = 20000);

private:
    HWND findMainWindow() const;

    PROCESS_INFORMATION _pi = {};
    bool _started = false;
};
