// The program as a process: started with and without a Study List on its
// command line, closed as the close box closes it.
#include <gtest/gtest.h>
#include <windows.h>

#include "persist/Filer.h"
#include "model/Quillory.h"
#include "tests/gui/ProgramProcess.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    std::string textOf(HWND h)
    {
        std::string text(static_cast<size_t>(::GetWindowTextLengthA(h)) + 1, '\0');
        text.resize(static_cast<size_t>(::GetWindowTextA(h, &text[0], static_cast<int>(text.size()))));
        return text;
    }

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
    ProgramProcess run("");
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
        ProgramProcess run("\"" + path + "\"");
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

TEST(Program, F1ShowsItsHelpWindowWhichGoesWhenTheProgramEnds)
{
    ProgramProcess run("");
    ASSERT_TRUE(run.started());
    HWND win = run.waitForWindow();
    ASSERT_NE(win, nullptr);
    // A key the program's own loop translates through its accelerators.
    ::PostMessageA(win, WM_KEYDOWN, VK_F1, 1);
    HWND help = nullptr;
    ASSERT_TRUE(run.waitUntil(
        [&] {
            const std::vector<HWND> found = Gui::processWindows(run.processId(), "HH Parent");
            help = found.empty() ? nullptr : found.front();
            return help != nullptr;
        },
        20000));
    EXPECT_EQ(textOf(help), "Quillory Help");
    EXPECT_EQ(run.closeAndWait(win), 0u);
    EXPECT_FALSE(::IsWindow(help));
}
