// The "Open Recent" submenu across runs of the program, kept in the registry.
#include "tests/gui/ProgramRunsFixture.h"

#include "app/Messages.h"
#include "tests/gui/JapaneseFolder.h"
#include "tests/gui/ProgramProcess.h"
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
    bool waitForTitle(HWND win, const std::string& title)
    {
        return Gui::pumpUntil([&] { return Gui::windowText(win) == title; });
    }
}

TEST_F(RecentDocs, TheProgramReopensWhatItsLastRunOpened)
{
    const std::string path = listFile("quillory recent process.qlx", 2);
    {
        ProgramProcess first("\"" + path + "\"");
        HWND win = first.waitForWindow();
        ASSERT_NE(win, nullptr);
        EXPECT_EQ(Gui::windowText(win), "Quillory - " + path);
        EXPECT_EQ(first.closeAndWait(win), 0u);
    }
    EXPECT_EQ(registryValues(), valuesWith({path}));

    ProgramProcess second("");
    HWND win = second.waitForWindow();
    ASSERT_NE(win, nullptr);
    EXPECT_EQ(Gui::windowText(win), "Quillory");
    // Open Recent's first item, as the menu sends it.
    ::PostMessageA(win, WM_COMMAND, MAKEWPARAM(cmdId("OpenRecent1"), 0), 0);
    EXPECT_TRUE(waitForTitle(win, "Quillory - " + path));
    EXPECT_EQ(second.closeAndWait(win), 0u);
    EXPECT_EQ(registryValues(), valuesWith({path}));
}

// Names in any script survive the command line, the registry and a restart.
TEST_F(RecentDocs, AListUnderAUnicodeNameOpensFromTheCommandLineAndFromOpenRecent)
{
    JapaneseFolder folder;
    const std::string path = folder.file("кошки.qlx");
    writeList(path, 2);
    {
        ProgramProcess first("\"" + path + "\"");
        HWND win = first.waitForWindow();
        ASSERT_NE(win, nullptr);
        EXPECT_TRUE(waitForTitle(win, "Quillory - " + path)) << Gui::windowText(win);
        EXPECT_EQ(first.closeAndWait(win), 0u);
    }
    EXPECT_EQ(registryValues(), valuesWith({path}));

    ProgramProcess second("");
    HWND win = second.waitForWindow();
    ASSERT_NE(win, nullptr);
    ::PostMessageA(win, WM_COMMAND, MAKEWPARAM(cmdId("OpenRecent1"), 0), 0);
    EXPECT_TRUE(waitForTitle(win, "Quillory - " + path)) << Gui::windowText(win);
    EXPECT_EQ(second.closeAndWait(win), 0u);
}
