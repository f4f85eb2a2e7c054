#pragma once
#include <windows.h>

#include <string>

// One run of Quillory.exe (from the tests' own directory) with a command line,
// ended at the latest when the object goes.
class ProgramProcess
{
public:
    explicit ProgramProcess(const std::string& args);
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool started() const { return _started; }
    // The visible main window once the program is idle; null if the process
    // ended first or none came in time.
    HWND waitForWindow(DWORD timeoutMs = 20000);
    // Closes the window as its close box does and returns the exit code
    // (STILL_ACTIVE if the program did not end).
    DWORD closeAndWait(HWND win);

private:
    PROCESS_INFORMATION _pi = {};
    bool _started = false;
};
