// Save, Save As, Open and the save question, through the real file dialogs.
#include "tests/gui/CommandDialogFixture.h"

#include "app/Messages.h"
#include "persist/Filer.h"
#include "tests/support/gui/Harness.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace
{
    std::string fileBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void writeBytes(const std::string& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    }

    bool exists(const std::string& path)
    {
        return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // The terms of the list stored at `path`, read through the file layer.
    std::vector<std::string> storedTerms(const std::string& path)
    {
        Quillory list;
        WinFile::SilentFilerHost host;
        std::vector<std::string> terms;
        if (!WinFile::Filer(list, path, host).load())
            return {"<unreadable>"};
        for (unsigned i = 0; i < list.getItemCount(); ++i)
            terms.push_back(list.getItem(i).getTerm());
        return terms;
    }

    // Keeps a file open without sharing, so that nobody can write it; read-only
    // attributes do not stop a test that runs as the system's superuser.
    class FileLock
    {
    public:
        explicit FileLock(const std::string& path)
            : _h(::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
        {
        }
        ~FileLock()
        {
            if (_h != INVALID_HANDLE_VALUE)
                ::CloseHandle(_h);
        }
        FileLock(const FileLock&) = delete;
        FileLock& operator=(const FileLock&) = delete;
        bool locked() const { return _h != INVALID_HANDLE_VALUE; }

    private:
        HANDLE _h;
    };

    const std::string CantOpen =
        "Can't open the file specified.\nPlease verify that the file exists and is a valid Quillory file\n";
    const std::string CantSave = "Can't save to the file specified.\nPlease verify that the drive has sufficient "
                                 "free space and is not write-protected.\n";
}

class FileDialogs : public CommandDialogFixture
{
protected:
    std::string listFile(const std::string& name, int count)
    {
        const std::string path = tempPath(name);
        writeList(path, count);
        return path;
    }

    void openAsFromCommandLine(const std::string& path)
    {
        ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(path.c_str()), 0);
        Gui::pumpPending();
    }

    std::vector<std::string> shownTerms() { return columnTexts(1); }
};

TEST_F(FileDialogs, CtrlSOnANewListSavesUnderTheChosenNameThenSavesInPlace)
{
    const std::string path = tempPath("quillory-dialogs-new.qlx");
    addItems(2);
    const Gui::Seen dialog = expectSaveAs(path);
    Gui::postKey(_win, 'S', Gui::Ctrl);
    ASSERT_TRUE(Gui::pumpUntil([&] { return doc().isSaved(); }));
    EXPECT_EQ(dialog.owner(), _win);
    EXPECT_EQ(doc().getPath(), path);
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(storedTerms(path), (std::vector<std::string>{"term1", "term2"}));
    // Only loading makes a document recent.
    EXPECT_TRUE(doc().getRecentDocs().empty());

    addItem("third", "3");
    sendCommand("StudySet_Save");
    EXPECT_TRUE(doc().isSaved());
    EXPECT_EQ(storedTerms(path), (std::vector<std::string>{"term1", "term2", "third"}));
}

TEST_F(FileDialogs, SaveAsWithoutAnExtensionAddsQlx)
{
    const std::string bare = tempPath("quillory-dialogs-bare");
    const std::string path = tempPath("quillory-dialogs-bare.qlx");
    addItems(1);
    expectSaveAs(bare);
    sendCommand("StudySet_SaveAs");
    EXPECT_EQ(doc().getPath(), path);
    EXPECT_TRUE(exists(path));
    EXPECT_FALSE(exists(bare));
}

TEST_F(FileDialogs, SaveAsOverAnExistingFileAsksToReplaceIt)
{
    const std::string path = listFile("quillory-dialogs-replace.qlx", 5);
    addItems(1);
    expectSaveAs(path);
    const Gui::Seen replace = _answerer->expectMessageBox(IDYES);
    sendCommand("StudySet_SaveAs");
    ASSERT_TRUE(replace.seen());
    EXPECT_NE(replace.text().find("exists"), std::string::npos) << replace.text();
    EXPECT_EQ(storedTerms(path), (std::vector<std::string>{"term1"}));
}

TEST_F(FileDialogs, CancelledSaveAsChangesNothing)
{
    addItems(1);
    expectFileDialogCancel("Save As");
    sendCommand("StudySet_SaveAs");
    EXPECT_FALSE(doc().isSaved());
    EXPECT_EQ(doc().getPath(), "");
    EXPECT_EQ(title(), "Quillory");
}

TEST_F(FileDialogs, FailedSaveKeepsTheFileAndTheUnsavedState)
{
    const std::string path = listFile("quillory-dialogs-locked.qlx", 2);
    openAsFromCommandLine(path);
    addItem("unsaved", "u");
    const std::string before = fileBytes(path);
    const Gui::Seen error = _answerer->expectMessageBox(IDOK, "Quillory Error");
    {
        const FileLock lock(path);
        ASSERT_TRUE(lock.locked());
        Gui::postKey(_win, 'S', Gui::Ctrl);
        ASSERT_TRUE(Gui::pumpUntil([&] { return error.seen(); }));
    }
    // The lock shares the file with nobody: it cannot even be opened for writing.
    EXPECT_EQ(error.text(), CantSave + path + "\nCouldn't open file for writing");
    EXPECT_EQ(error.owner(), _win);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_FALSE(doc().isSaved());
    EXPECT_EQ(doc().getItemCount(), 3u);
}

TEST_F(FileDialogs, CtrlOLoadsTheChosenListAndMakesItRecent)
{
    const std::string path = listFile("quillory-dialogs-open.qlx", 3);
    doc().addRecentDoc("C:\\older.qlx");
    const Gui::Seen dialog = expectOpen(path);
    Gui::postKey(_win, 'O', Gui::Ctrl);
    ASSERT_TRUE(Gui::pumpUntil([&] { return doc().getItemCount() == 3; }));
    Gui::pumpPending();
    EXPECT_EQ(dialog.caption(), "Open");
    EXPECT_EQ(shownTerms(), (std::vector<std::string>{"word1", "word2", "word3"}));
    EXPECT_EQ(title(), "Quillory - " + path);
    EXPECT_EQ(status(), "3 item(s), 0 selected");
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{path, "C:\\older.qlx"}));
    EXPECT_TRUE(doc().isSaved());
}

TEST_F(FileDialogs, CancelledOpenChangesNothing)
{
    addItems(2);
    const Gui::Seen question = _answerer->expectMessageBox(IDNO, "Quillory");
    expectFileDialogCancel("Open");
    sendCommand("StudySet_Open");
    EXPECT_TRUE(question.seen());
    EXPECT_EQ(doc().getItemCount(), 2u);
    EXPECT_EQ(title(), "Quillory");
}

TEST_F(FileDialogs, YesOnANeverSavedListSavesThroughSaveAsThenGoesOn)
{
    const std::string path = tempPath("quillory-dialogs-before-new.qlx");
    addItems(2);
    const Gui::Seen question = _answerer->expectMessageBox(IDYES, "Quillory");
    expectSaveAs(path);
    Gui::postKey(_win, 'N', Gui::Ctrl);
    ASSERT_TRUE(question.seen());
    EXPECT_EQ(question.text(), "Save changes to new Study List ?");
    EXPECT_EQ(storedTerms(path), (std::vector<std::string>{"term1", "term2"}));
    EXPECT_EQ(doc().getItemCount(), 0u);
    EXPECT_EQ(doc().getPath(), "");
    EXPECT_EQ(title(), "Quillory - ");
}

struct BrokenFile
{
    const char* name;
    std::string bytes;
    std::string failure;
};

class LoadFailure : public FileDialogs, public ::testing::WithParamInterface<BrokenFile>
{
};

TEST_P(LoadFailure, LeavesTheOpenListAsItWas)
{
    const std::string good = listFile("quillory-dialogs-good.qlx", 3);
    openAsFromCommandLine(good);
    const std::string broken = tempPath(std::string("quillory-dialogs-") + GetParam().name + ".qlx");
    writeBytes(broken, GetParam().bytes);

    const Gui::Seen error = _answerer->expectMessageBox(IDOK, "Quillory Error");
    expectOpen(broken);
    sendCommand("StudySet_Open");
    ASSERT_TRUE(error.seen());
    EXPECT_EQ(error.text(), CantOpen + broken + GetParam().failure);
    EXPECT_EQ(shownTerms(), (std::vector<std::string>{"word1", "word2", "word3"}));
    EXPECT_EQ(doc().getPath(), good);
    EXPECT_EQ(title(), "Quillory - " + good);
    EXPECT_EQ(doc().getRecentDocs(), (std::vector<std::string>{good}));
    EXPECT_TRUE(doc().isSaved());
}

INSTANTIATE_TEST_SUITE_P(
    FileDialogs, LoadFailure,
    ::testing::Values(
        BrokenFile{"notalist", "plain text, no list", "\nThis is not a valid Quillory file or the file is corrupt"},
        BrokenFile{"empty", "", "\nThis is not a valid Quillory file or the file is corrupt"},
        BrokenFile{"cut", std::string("\x01\x00\xFE\xCA\xC5\x04\x00\x00\x00Te", 11), "\nUnexpected end of file"}),
    [](const ::testing::TestParamInfo<BrokenFile>& info) { return std::string(info.param.name); });

// ---- The save question before the open list is given up -------------------

enum class Trigger { New, Open, OpenRecent, Close };
enum class Answer { Yes, No, Cancel, YesButSaveAsCancelled, YesButSaveFails };

using QuestionCase = std::tuple<Trigger, Answer>;

std::string caseName(const ::testing::TestParamInfo<QuestionCase>& info)
{
    static const char* const triggers[] = {"New", "Open", "OpenRecent", "Close"};
    static const char* const answers[] = {"Yes", "No", "Cancel", "YesButSaveAsCancelled", "YesButSaveFails"};
    return std::string(triggers[static_cast<int>(std::get<0>(info.param))]) + "_" +
           answers[static_cast<int>(std::get<1>(info.param))];
}

class SaveQuestion : public FileDialogs, public ::testing::WithParamInterface<QuestionCase>
{
protected:
    Trigger by() const { return std::get<0>(GetParam()); }
    Answer answer() const { return std::get<1>(GetParam()); }
    bool goesOn() const { return answer() == Answer::Yes || answer() == Answer::No; }

    void trigger()
    {
        switch (by())
        {
        case Trigger::New:
            sendCommand("StudySet_New");
            break;
        case Trigger::Open:
            sendCommand("StudySet_Open");
            break;
        case Trigger::OpenRecent:
            sendCommand("OpenRecent1");
            break;
        case Trigger::Close:
            ::SendMessageA(_win, WM_CLOSE, 0, 0);
            Gui::pumpPending();
            break;
        }
    }
};

TEST_P(SaveQuestion, DecidesWhetherTheCommandGoesOn)
{
    const std::string other = listFile("quillory-question-other.qlx", 2);
    std::string current;
    std::string name = "new Study List";
    std::unique_ptr<FileLock> lock;
    if (answer() == Answer::YesButSaveAsCancelled)
    {
        addItems(3);
    }
    else
    {
        current = listFile("quillory-question-current.qlx", 3);
        openAsFromCommandLine(current);
        name = current;
        addItem("extra", "e");
    }
    doc().addRecentDoc(other);
    const std::string titleBefore = title();
    const std::string bytesBefore = current.empty() ? std::string() : fileBytes(current);
    if (answer() == Answer::YesButSaveFails)
        lock = std::make_unique<FileLock>(current);

    static const int buttons[] = {IDYES, IDNO, IDCANCEL, IDYES, IDYES};
    const Gui::Seen question = _answerer->expectMessageBox(buttons[static_cast<int>(answer())], "Quillory");
    Gui::Seen error = question;
    if (answer() == Answer::YesButSaveAsCancelled)
        expectFileDialogCancel("Save As");
    if (answer() == Answer::YesButSaveFails)
        error = _answerer->expectMessageBox(IDOK, "Quillory Error");
    if (goesOn() && by() == Trigger::Open)
        expectOpen(other);

    trigger();

    ASSERT_TRUE(question.seen());
    EXPECT_EQ(question.text(), "Save changes to " + name + " ?");
    EXPECT_EQ(question.owner(), _win);
    if (answer() == Answer::YesButSaveFails)
    {
        EXPECT_EQ(error.text().rfind(CantSave + current, 0), 0u) << error.text();
    }

    if (!goesOn())
    {
        EXPECT_TRUE(::IsWindow(_win));
        EXPECT_FALSE(Gui::quitReceived());
        EXPECT_FALSE(doc().isSaved());
        EXPECT_EQ(doc().getItemCount(), current.empty() ? 3u : 4u);
        EXPECT_EQ(title(), titleBefore);
        lock.reset();
        if (!current.empty())
        {
            EXPECT_EQ(fileBytes(current), bytesBefore);
        }
        return;
    }

    if (answer() == Answer::Yes)
    {
        EXPECT_EQ(storedTerms(current), (std::vector<std::string>{"word1", "word2", "word3", "extra"}));
    }
    else
    {
        EXPECT_EQ(fileBytes(current), bytesBefore);
    }

    switch (by())
    {
    case Trigger::New:
        EXPECT_EQ(doc().getItemCount(), 0u);
        EXPECT_EQ(title(), "Quillory - ");
        break;
    case Trigger::Open:
    case Trigger::OpenRecent:
        EXPECT_EQ(shownTerms(), (std::vector<std::string>{"word1", "word2"}));
        EXPECT_EQ(title(), "Quillory - " + other);
        EXPECT_EQ(doc().getRecentDocs().front(), other);
        break;
    case Trigger::Close:
        EXPECT_TRUE(Gui::pumpUntil([] { return Gui::quitReceived(); }));
        EXPECT_FALSE(::IsWindow(_win));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(
    FileDialogs, SaveQuestion,
    ::testing::Combine(::testing::Values(Trigger::New, Trigger::Open, Trigger::OpenRecent, Trigger::Close),
                       ::testing::Values(Answer::Yes, Answer::No, Answer::Cancel, Answer::YesButSaveAsCancelled,
                                         Answer::YesButSaveFails)),
    caseName);
