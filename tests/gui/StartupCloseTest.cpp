#include "tests/gui/MainWindowFixture.h"

#include "app/Messages.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

using StartUp = MainWindowFixture;
using Closing = MainWindowFixture;

namespace
{
    void openFromCommandLine(HWND win, const std::string& cmdLine)
    {
        ::SendMessageA(win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(cmdLine.c_str()), 0);
        Gui::pumpPending();
    }
}

TEST_F(StartUp, ListNamedOnTheCommandLineIsLoadedAndNamedInTheTitle)
{
    const std::string path = tempPath("quillory-gui-plain.qlx");
    writeList(path, 4);
    Gui::Answerer answers(1000);
    openFromCommandLine(_win, path);
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 4);
    EXPECT_EQ(Gui::listViewCell(listView(), 3, 1), "word4");
    EXPECT_EQ(status(), "4 item(s), 0 selected");
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{path}));
}

TEST_F(StartUp, QuotedCommandLineLoadsTheFileInsideTheQuotes)
{
    const std::string path = tempPath("quillory gui quoted.qlx");
    writeList(path, 2);
    openFromCommandLine(_win, "\"" + path + "\"");
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 2);
}

TEST_F(StartUp, MissingFileIsReportedInTheErrorBoxAndTheListStaysEmpty)
{
    const std::string path = tempPath("quillory-gui-missing.qlx");
    Gui::Answerer answers;
    const Gui::Seen box = answers.expectMessageBox(IDOK);
    openFromCommandLine(_win, path);
    ASSERT_TRUE(box.seen());
    EXPECT_EQ(box.caption(), "Quillory Error");
    EXPECT_EQ(box.owner(), _win);
    EXPECT_EQ(box.text().rfind("Can't open the file specified.\nPlease verify that the file exists and is a valid "
                               "Quillory file\n" + path,
                               0),
              0u)
        << box.text();
    EXPECT_EQ(title(), "Quillory");
    EXPECT_EQ(status(), "0 item(s), 0 selected");
}

TEST_F(StartUp, SaveOfALoadedListWritesToItsOwnPath)
{
    const std::string path = tempPath("quillory-gui-save.qlx");
    writeList(path, 2);
    openFromCommandLine(_win, path);
    addItem("added", "");
    ::SendMessageA(_win, UM_REFRESH_ITEMS, 0, 0);
    EXPECT_FALSE(doc().isSaved());

    Gui::Answerer answers(1000);
    Gui::postKey(_win, 'S', Gui::Ctrl);
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_TRUE(doc().isSaved());

    openFromCommandLine(_win, path);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 3);
}

TEST_F(Closing, SavedListClosesAndEndsTheLoopWithZero)
{
    doc().addRecentDoc("C:\\a.qlx");
    Gui::Answerer answers(1000);
    ::SendMessageA(_win, WM_CLOSE, 0, 0);
    int exitCode = -1;
    ASSERT_TRUE(Gui::pumpUntil([] { return Gui::quitReceived(); }));
    Gui::quitReceived(&exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(::IsWindow(_win));
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(_store.saves, 1);
    EXPECT_EQ(_store.saved, (std::vector<std::string>{"C:\\a.qlx"}));
}

TEST_F(Closing, UnsavedListAsksAndCancelKeepsTheWindow)
{
    addItems(1);
    Gui::Answerer answers;
    const Gui::Seen cancel = answers.expectMessageBox(IDCANCEL);
    ::SendMessageA(_win, WM_CLOSE, 0, 0);
    ASSERT_TRUE(cancel.seen());
    EXPECT_EQ(cancel.text(), "Save changes to new Study List ?");
    EXPECT_TRUE(::IsWindow(_win));
    EXPECT_FALSE(Gui::quitReceived());
    EXPECT_EQ(doc().getItemCount(), 1u);

    // Exit goes the same way; No quits without saving.
    const Gui::Seen no = answers.expectMessageBox(IDNO);
    Gui::sendMenuCommand(_win, cmdId("Program_Exit"));
    ASSERT_TRUE(no.seen());
    EXPECT_FALSE(::IsWindow(_win));
    EXPECT_TRUE(Gui::pumpUntil([] { return Gui::quitReceived(); }));
}

TEST_F(Closing, QuestionNamesTheFullPathOfASavedList)
{
    const std::string path = tempPath("quillory-gui-close.qlx");
    writeList(path, 1);
    openFromCommandLine(_win, path);
    addItem("changed", "");
    Gui::Answerer answers;
    const Gui::Seen cancel = answers.expectMessageBox(IDCANCEL);
    ::SendMessageA(_win, WM_CLOSE, 0, 0);
    ASSERT_TRUE(cancel.seen());
    EXPECT_EQ(cancel.text(), "Save changes to " + path + " ?");
    EXPECT_TRUE(::IsWindow(_win));
}
