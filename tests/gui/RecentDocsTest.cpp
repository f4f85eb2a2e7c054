// The "Open Recent" submenu across runs of the program, kept in the registry.
#include "tests/gui/ProgramRunsFixture.h"

#include "WinLib/ProgramDir.h"
#include "app/Messages.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    const std::vector<std::string> FixedItems{"Clear Recent", "-"};

    std::vector<std::string> menuWith(const std::vector<std::string>& paths)
    {
        std::vector<std::string> texts = FixedItems;
        texts.insert(texts.end(), paths.begin(), paths.end());
        return texts;
    }

    std::vector<std::string> valuesWith(std::vector<std::string> paths)
    {
        paths.resize(10);
        return paths;
    }
}

class RecentDocs : public ProgramRunsFixture
{
protected:
    void openFromCommandLine(const std::string& path)
    {
        ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(path.c_str()), 0);
        Gui::pumpPending();
    }

    std::string listFile(const std::string& name, int count)
    {
        const std::string path = tempPath(name);
        writeList(path, count);
        return path;
    }
};

TEST_F(RecentDocs, FirstRunShowsOnlyTheFixedItemsAndLeavesTenEmptyValues)
{
    startRun();
    EXPECT_TRUE(registryValues().empty());
    EXPECT_EQ(recentMenuTexts(), FixedItems);
    quitRun();
    EXPECT_EQ(registryValues(), valuesWith({}));
}

TEST_F(RecentDocs, OpenedListsComeBackMostRecentFirstInTheNextRun)
{
    const std::string x = listFile("quillory-recent-x.qlx", 1);
    const std::string y = listFile("quillory-recent-y.qlx", 2);
    const std::string z = listFile("quillory-recent-z.qlx", 3);

    startRun();
    openFromCommandLine(x);
    openFromCommandLine(y);
    expectOpen(z);
    sendCommand("StudySet_Open");
    EXPECT_EQ(recentMenuTexts(), menuWith({z, y, x}));
    quitRun();
    EXPECT_EQ(registryValues(), valuesWith({z, y, x}));

    startRun();
    EXPECT_EQ(title(), "Quillory");
    EXPECT_EQ(recentMenuTexts(), menuWith({z, y, x}));
    chooseRecent(x);
    EXPECT_EQ(title(), "Quillory - " + x);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"word1"}));
    EXPECT_EQ(recentMenuTexts(), menuWith({x, z, y}));
    quitRun();
    EXPECT_EQ(registryValues(), valuesWith({x, z, y}));

    // A run that opens nothing keeps the list as it was.
    startRun();
    quitRun();
    startRun();
    EXPECT_EQ(recentMenuTexts(), menuWith({x, z, y}));
    quitRun();
}

TEST_F(RecentDocs, ClearRecentEmptiesTheSubmenuAndTheRegistryAtTheEnd)
{
    const std::string x = listFile("quillory-recent-clear.qlx", 1);
    startRun();
    openFromCommandLine(x);
    quitRun();
    ASSERT_EQ(registryValues(), valuesWith({x}));

    startRun();
    chooseRecent("Clear Recent");
    EXPECT_EQ(recentMenuTexts(), FixedItems);
    // The registry follows only when the program ends.
    EXPECT_EQ(registryValues(), valuesWith({x}));
    quitRun();
    EXPECT_EQ(registryValues(), valuesWith({}));

    startRun();
    EXPECT_EQ(recentMenuTexts(), FixedItems);
    quitRun();
}

TEST_F(RecentDocs, ARecentListThatFailsToLoadLeavesTheOpenListAlone)
{
    const std::string kept = listFile("quillory-recent-kept.qlx", 2);
    const std::string gone = listFile("quillory-recent-gone.qlx", 1);
    startRun();
    openFromCommandLine(gone);
    openFromCommandLine(kept);
    ::DeleteFileA(gone.c_str());
    const Gui::Seen error = _answerer->expectMessageBox(IDOK, "Quillory Error");
    chooseRecent(gone);
    ASSERT_TRUE(error.seen());
    EXPECT_EQ(error.text().rfind("Can't open the file specified.\nPlease verify that the file exists and is a valid "
                                 "Quillory file\n" + gone + "\n",
                                 0),
              0u)
        << error.text();
    EXPECT_EQ(title(), "Quillory - " + kept);
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"word1", "word2"}));
    EXPECT_EQ(recentMenuTexts(), menuWith({kept, gone}));
    quitRun();
}

TEST_F(RecentDocs, PathsLongerThanMaxPathComeBackWhole)
{
    const std::string deep = "C:\\" + std::string(120, 'a') + "\\" + std::string(120, 'b') + "\\" +
                             std::string(60, 'c') + "\\100% %s R&D list.qlx";
    ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    startRun();
    doc().addRecentDoc(deep);
    quitRun();
    EXPECT_EQ(registryValues(), valuesWith({deep}));

    startRun();
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{deep}));
    EXPECT_EQ(recentMenuTexts(), menuWith({deep}));
    quitRun();
}

// ---- The program as a process, started twice ------------------------------

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
        if (pid == found.pid && Gui::className(h) == "Quillory Window Class" && ::IsWindowVisible(h))
        {
            found.win = h;
            return FALSE;
        }
        return TRUE;
    }

    // One run of Quillory.exe, ended at the latest when the object goes.
    class Process
    {
    public:
        explicit Process(const std::string& args)
        {
            std::string cmdLine = "\"" + Win::programDirectory() + "Quillory.exe\"";
            if (!args.empty())
                cmdLine += " " + args;
            STARTUPINFOA si = {};
            si.cb = sizeof si;
            _started = ::CreateProcessA(nullptr, &cmdLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                                        &_pi) != FALSE;
        }
        ~Process()
        {
            if (!_started)
                return;
            if (::WaitForSingleObject(_pi.hProcess, 0) == WAIT_TIMEOUT)
                ::TerminateProcess(_pi.hProcess, 99);
            ::CloseHandle(_pi.hThread);
            ::CloseHandle(_pi.hProcess);
        }
        Process(const Process&) = delete;
        Process& operator=(const Process&) = delete;

        HWND waitForWindow()
        {
            if (!_started)
                return nullptr;
            const DWORD start = ::GetTickCount();
            ::WaitForInputIdle(_pi.hProcess, 20000);
            for (;;)
            {
                Found found{_pi.dwProcessId, nullptr};
                ::EnumWindows(findMain, reinterpret_cast<LPARAM>(&found));
                if (found.win != nullptr)
                    return found.win;
                if (::GetTickCount() - start > 20000 || ::WaitForSingleObject(_pi.hProcess, 100) == WAIT_OBJECT_0)
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

    bool waitForTitle(HWND win, const std::string& title)
    {
        return Gui::pumpUntil([&] { return Gui::windowText(win) == title; });
    }
}

TEST_F(RecentDocs, TheProgramReopensWhatItsLastRunOpened)
{
    const std::string path = listFile("quillory recent process.qlx", 2);
    {
        Process first("\"" + path + "\"");
        HWND win = first.waitForWindow();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(Gui::windowText(win), "Quillory - " + path);
        EXPECT_EQ(first.closeAndWait(win), 0u);
    }
    EXPECT_EQ(registryValues(), valuesWith({path}));

    Process second("");
    HWND win = second.waitForWindow();
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(Gui::windowText(win), "Quillory");
    // Open Recent's first item, as the menu sends it.
    ::PostMessageA(win, WM_COMMAND, MAKEWPARAM(cmdId("OpenRecent1"), 0), 0);
    EXPECT_TRUE(waitForTitle(win, "Quillory - " + path));
    EXPECT_EQ(second.closeAndWait(win), 0u);
    EXPECT_EQ(registryValues(), valuesWith({path}));
}
