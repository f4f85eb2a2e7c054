// The program as a process: started with and without a Study List on its
// command line, closed as the close box closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include "WinLib/ProgramDir.h"
#include "persist/Filer.h"
#include "model/Quillory.h"

#include <string>

namespace
{
    struct Found
    {
        DWORD pid;
        HWND win;
    };

    BOOL CALLBACK findMain(HWND h, LPARAM param)
    {
        auto& found = *reinterpret_cast<Found*>(param);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        char cls[64] = {};
        ::GetClassNameA(h, cls, sizeof cls);
        if (pid == found.pid && std::string(cls) == "Quillory Window Class" && ::IsWindowVisible(h))
        {
            found.win = h;
            return FALSE;
        }
        return TRUE;
    }

    std::string textOf(HWND h)
    {
        std::string text(static_cast<size_t>(::GetWindowTextLengthA(h)) + 1, '\0');
        text.resize(static_cast<size_t>(::GetWindowTextA(h, &text[0], static_cast<int>(text.size()))));
        return text;
    }

    // Runs Quillory.exe with `args`, waits for its main window, checks the
    // title, closes it and returns the exit code.
    class ProgramRun
    {
    public:
        explicit ProgramRun(const std::string& args)
        {
            std::string cmdLine = "\"" + Win::programDirectory() + "Quillory.exe\"";
            if (!args.empty())
                cmdLine += " " + args;
            STARTUPINFOA si = {};
            si.cb = sizeof si;
            _started = ::CreateProcessA(nullptr, &cmdLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                        &_pi) != FALSE;
        }
        ~ProgramRun()
        {
            if (!_started)
                return;
            if (::WaitForSingleObject(_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(_pi.hProcess, 99);
            ::CloseHandle(_pi.hThread);
            ::CloseHandle(_pi.hProcess);
        }

        bool started() const { return _started; }

        // The main window once it is shown and idle; null if the process ended first.
        HWND waitForWindow(DWORD timeoutMs = 20000)
        {
            const DWORD start = ::GetTickCount();
            ::WaitForInputIdle(_pi.hProcess, timeoutMs);
            for (;;)
            {
                Found found{_pi.dwProcessId, nullptr};
                ::EnumWindows(findMain, reinterpret_cast<LPARAM>(&found));
                if (found.win != nullptr)
                    return found.win;
                if (::GetTickCount() - start > timeoutMs)
                    return nullptr;
                // Wakes early when the process ends.
                if (::WaitForSingleObject(_pi.hProcess, 100) == WAIT_OBJECT_0)
                    return nullptr;
            }
        }

        DWORD closeAndWait(HWND win)
        {
            ::PostMessageA(win, WM_CLOSE, 0, 0);
            if (::WaitForSingleObject(_pi.hProcess, 20000) != WAIT_OBJECT_0)
                return STILL_ACTIVE;
            DWORD code = STILL_ACTIVE;
            ::GetExitCodeProcess(_pi.hProcess, &code);
            return code;
        }

    private:
        PROCESS_INFORMATION _pi = {};
        bool _started = false;
    };

    std::string writeSample(const char* name)
    {
        char dir[MAX_PATH + 1] = {};
        ::GetTempPathA(MAX_PATH, dir);
        const std::string path = std::string(dir) + name;
        Quillory list;
        TermSet item(1, list.getOutline());
        item.setTerm("chat");
        list.addItem(item);
        WinFile::SilentFilerHost host;
        WinFile::Filer(list, path, host).save();
        return path;
    }
}

TEST(Program, StartsWithoutArgumentsAndQuitsWithZero)
{
    ProgramRun run("");
    ASSERT_TRUE(run.started());
    HWND win = run.waitForWindow();
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(textOf(win), "Quillory");
    EXPECT_EQ(run.closeAndWait(win), 0u);
}

TEST(Program, OpensTheListNamedOnItsCommandLine)
{
    const std::string path = writeSample("quillory process test.qlx");
    {
        ProgramRun run("\"" + path + "\"");
        ASSERT_TRUE(run.started());
        HWND win = run.waitForWindow();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(textOf(win), "Quillory - " + path);
        char status[64] = {};
        // The status bar keeps its own text: ask the control, across the process boundary.
        ::SendMessageA(::GetDlgItem(win, 1), WM_GETTEXT, sizeof status, reinterpret_cast<LPARAM>(status));
        EXPECT_STREQ(status, "1 item(s), 0 selected");
        EXPECT_EQ(run.closeAndWait(win), 0u);
    }
    ::DeleteFileA(path.c_str());
}
