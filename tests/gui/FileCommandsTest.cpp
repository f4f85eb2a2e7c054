#include "tests/gui/MainWindowFixture.h"

#include "app/Messages.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    // The file name box of the common Open and Save As dialogs.
    const int FileNameBox = 0x47C;

    bool fileExists(const std::string& path)
    {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    class FileCommands : public MainWindowFixture
    {
    protected:
        void open(const std::string& path)
        {
            ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(path.c_str()), 0);
            Gui::pumpPending();
        }

        // Arranges for the next file dialog to be confirmed with `path`, or cancelled.
        Gui::Seen chooseFile(Gui::Answerer& answers, const std::string& path)
        {
            return answers.onDialog(Gui::DialogMatch::byControl(FileNameBox), [path](HWND dlg) {
                if (path.empty())
                {
                    Gui::click(dlg, IDCANCEL);
                    return;
                }
                Gui::setText(dlg, FileNameBox, path);
                Gui::click(dlg, IDOK);
            });
        }
    };
}

TEST_F(FileCommands, OpenRecentLoadsTheDocumentAtItsPositionAndMovesItFirst)
{
    const std::string first = tempPath("quillory-gui-recent-a.qlx");
    const std::string second = tempPath("quillory-gui-recent-b.qlx");
    writeList(first, 1);
    writeList(second, 2);
    open(first);
    open(second);
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{second, first}));

    Gui::sendMenuCommand(_win, cmdId("OpenRecent2"));
    Gui::pumpPending();
    EXPECT_EQ(title(), "Quillory - " + first);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 1);
    EXPECT_EQ(status(), "1 item(s), 0 selected");
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{first, second}));

    // A position the list does not have changes nothing.
    Gui::sendMenuCommand(_win, cmdId("OpenRecent5"));
    EXPECT_EQ(title(), "Quillory - " + first);
}

TEST_F(FileCommands, OpenDialogLoadsTheChosenFile)
{
    const std::string path = tempPath("quillory-gui-open.qlx");
    writeList(path, 3);
    Gui::Answerer answers;
    const Gui::Seen dialog = chooseFile(answers, path);
    Gui::postKey(_win, 'O', Gui::Ctrl);
    ASSERT_TRUE(Gui::pumpUntil([&] { return dialog.seen() && answers.done(); }));
    Gui::pumpPending();
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 3);
}

TEST_F(FileCommands, SaveOfANewListAsksForANameAndWritesThere)
{
    addItems(2);
    const std::string path = tempPath("quillory-gui-saveas.qlx");
    ::DeleteFileA(path.c_str());
    Gui::Answerer answers;
    const Gui::Seen dialog = chooseFile(answers, path);
    Gui::sendToolbarCommand(toolbar(), cmdId("StudySet_Save"));
    ASSERT_TRUE(Gui::pumpUntil([&] { return dialog.seen(); }));
    Gui::pumpPending();
    EXPECT_TRUE(fileExists(path));
    EXPECT_TRUE(doc().isSaved());
    EXPECT_EQ(title(), "Quillory - " + path);
    // Saving does not make the list a recent document.
    EXPECT_TRUE(doc().getRecentDocs().empty());
}

TEST_F(FileCommands, YesToSaveOnANewListWithCancelledNameCancelsNew)
{
    addItems(2);
    Gui::Answerer answers;
    const Gui::Seen question = answers.expectMessageBox(IDYES);
    const Gui::Seen dialog = chooseFile(answers, std::string());
    Gui::sendMenuCommand(_win, cmdId("StudySet_New"));
    Gui::pumpPending();
    ASSERT_TRUE(question.seen());
    ASSERT_TRUE(dialog.seen());
    EXPECT_EQ(doc().getItemCount(), 2u);
    EXPECT_FALSE(doc().isSaved());
    EXPECT_EQ(title(), "Quillory");
}

TEST_F(FileCommands, FailedLoadLeavesTheOpenListAsItWas)
{
    addItems(2);
    doc().setModified();
    const std::string bad = tempPath("quillory-gui-bad.qlx");
    {
        HANDLE f = ::CreateFileA(bad.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(f, "not a list", 10, &written, nullptr);
        ::CloseHandle(f);
    }
    Gui::Answerer answers;
    const Gui::Seen save = answers.expectMessageBox(IDNO);
    const Gui::Seen error = answers.expectMessageBox(IDOK);
    open(bad);
    ASSERT_TRUE(save.seen());
    ASSERT_TRUE(error.seen());
    EXPECT_NE(error.text().find("This is not a valid Quillory file or the file is corrupt"), std::string::npos);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 2);
    EXPECT_EQ(title(), "Quillory");
}
