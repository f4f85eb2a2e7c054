#include <gtest/gtest.h>

#include <filesystem>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "model/Quillory.h"
#include "persist/Filer.h"
#include "res/strings.h"
#include "tests/persist/Files.h"
#include "tests/persist/LoadOutcome.h"
#include "tests/persist/StudyListBytes.h"
#include "tests/support/WriteFault.h"

using TestData::readFile;
using TestData::writeFile;

namespace
{
    class FilerTest : public ::testing::Test
    {
    protected:
        // The open document: an edited list with a selection and a path.
        void SetUp() override
        {
            TermSet item(1, doc.getOutline());
            item.setTerm("open");
            doc.addItem(item);
            doc.select(0);
            doc.setPath("open.qlx");
            doc.addRecentDoc("open.qlx");
        }

        bool load(const std::string& path)
        {
            WinFile::Filer filer(doc, path, host);
            return filer.load();
        }

        bool save(const std::string& path)
        {
            WinFile::Filer filer(doc, path, host);
            return filer.save();
        }

        void expectOpenDocumentUnchanged()
        {
            ASSERT_EQ(doc.getItemCount(), 1u);
            EXPECT_EQ(doc.getItem(0).getTerm(), "open");
            EXPECT_EQ(doc.getSelection(), std::vector<unsigned>({0}));
            EXPECT_EQ(doc.getPath(), "open.qlx");
            EXPECT_EQ(doc.getRecentDocs(), std::vector<std::string>({"open.qlx"}));
            EXPECT_FALSE(doc.isSaved());
            EXPECT_EQ(host.titleChanges, 0);
        }

        std::string loadBox(const std::string& path, const std::string& failure) const
        {
            return std::string(STR_CANT_OPEN) + "\n" + path + "\n" + failure;
        }

        TestData::TempDir dir;
        TestData::RecordingHost host;
        Quillory doc;
    };

#ifndef _WIN32
    // Whether this process can write a file that is marked read-only
    // (a privileged user can).
    bool writesReadOnlyFiles(const std::string& path)
    {
        std::ofstream probe(path, std::ios::binary | std::ios::app);
        return probe.is_open();
    }
#endif
}

TEST_F(FilerTest, LoadTakesOverTheFileSetsPathRecentDocsAndTitle)
{
    const std::string path = dir.file("cat.qlx");
    writeFile(path, TestData::catExample());
    ASSERT_TRUE(load(path));
    ASSERT_EQ(doc.getItemCount(), 1u);
    EXPECT_EQ(doc.getItem(0).getTerm(), "cat");
    EXPECT_FALSE(doc.hasSelection());
    EXPECT_TRUE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), path);
    EXPECT_EQ(doc.getRecentDocs(), std::vector<std::string>({path, "open.qlx"}));
    EXPECT_EQ(host.titleChanges, 1);
    EXPECT_TRUE(host.errors.empty());
}

TEST_F(FilerTest, APathInDoubleQuotesNamesTheFileItself)
{
    const std::string path = dir.file("cat.qlx");
    writeFile(path, TestData::catExample());
    WinFile::Filer filer(doc, "\"" + path + "\"", host);
    EXPECT_EQ(filer.getPath(), path);
    ASSERT_TRUE(filer.load());
    EXPECT_EQ(doc.getPath(), path);
}

TEST_F(FilerTest, MissingFileCannotBeOpenedForReading)
{
    const std::string path = dir.file("missing.qlx");
    WinFile::Filer filer(doc, path, host);
    EXPECT_FALSE(filer.load());
    EXPECT_EQ(filer.getFailure(), "Couldn't open file for reading");
    EXPECT_EQ(host.errors, std::vector<std::string>({loadBox(path, "Couldn't open file for reading")}));
    expectOpenDocumentUnchanged();
}

TEST_F(FilerTest, ZeroLengthOrForeignFileIsNotAStudyList)
{
    for (const std::string& bytes : {std::string(), std::string("PK\x03\x04 zip file")})
    {
        host.errors.clear();
        const std::string path = dir.file("foreign.qlx");
        writeFile(path, bytes);
        EXPECT_FALSE(load(path));
        EXPECT_EQ(host.errors, std::vector<std::string>({loadBox(path, STR_NOT_VALID_FILE)}));
        expectOpenDocumentUnchanged();
    }
}

TEST_F(FilerTest, EveryTruncationFailsAndLeavesTheOpenDocument)
{
    const std::string path = dir.file("cut.qlx");
    for (std::size_t length = 0; length < TestData::catExample().size(); ++length)
    {
        writeFile(path, TestData::catExample().substr(0, length));
        WinFile::Filer filer(doc, path, host);
        EXPECT_FALSE(filer.load()) << length;
        // The box's third line is the failure the in-memory reader reports.
        EXPECT_EQ(host.errors.back(), loadBox(path, TestData::loadOutcome(TestData::catExample().substr(0, length)).text));
    }
    EXPECT_EQ(host.errors.size(), TestData::catExample().size());
    expectOpenDocumentUnchanged();
}

TEST_F(FilerTest, CountOutOfRangeShowsNoThirdLine)
{
    const std::string path = dir.file("big.qlx");
    writeFile(path, TestData::StudyListBytes().magic().s("Term").i(1).s("Definition").i(1000000).bytes());
    WinFile::Filer filer(doc, path, host);
    EXPECT_FALSE(filer.load());
    EXPECT_EQ(filer.getFailure(), "Data corruption");
    EXPECT_EQ(host.errors, std::vector<std::string>({std::string(STR_CANT_OPEN) + "\n" + path}));
    expectOpenDocumentUnchanged();
}

TEST_F(FilerTest, SaveToANewPathCreatesTheFileAndNoTemporaryFile)
{
    const std::string path = dir.file("new.qlx");
    ASSERT_TRUE(save(path));
    EXPECT_EQ(dir.names(), std::set<std::string>({"new.qlx"}));
    EXPECT_EQ(readFile(path), TestData::bytesOf(doc));
    EXPECT_TRUE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), path);
    // Saving does not add to the recent documents.
    EXPECT_EQ(doc.getRecentDocs(), std::vector<std::string>({"open.qlx"}));
    EXPECT_EQ(host.titleChanges, 1);
}

TEST_F(FilerTest, SaveOverAnExistingFileReplacesItAndLeavesNoTemporaryFile)
{
    const std::string path = dir.file("cat.qlx");
    writeFile(path, TestData::catExample());
    ASSERT_TRUE(save(path));
    EXPECT_EQ(dir.names(), std::set<std::string>({"cat.qlx"}));
    Quillory reloaded;
    WinFile::Filer filer(reloaded, path, host);
    ASSERT_TRUE(filer.load());
    EXPECT_EQ(reloaded.getItem(0).getTerm(), "open");
}

TEST_F(FilerTest, SaveInAMissingDirectoryCannotWriteThere)
{
    const std::string path = dir.file("nowhere") + "/list.qlx";
    WinFile::Filer filer(doc, path, host);
    EXPECT_FALSE(filer.save());
    EXPECT_EQ(filer.getFailure(), "Unable to write in this directory");
    EXPECT_EQ(host.errors, std::vector<std::string>(
        {std::string(STR_CANT_SAVE) + "\n" + path + "\nUnable to write in this directory"}));
    EXPECT_FALSE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), "open.qlx");
}

TEST_F(FilerTest, SaveToAReadOnlyFileFailsAndLeavesItUnchanged)
{
    const std::string path = dir.file("locked.qlx");
    writeFile(path, TestData::catExample());
    TestData::setReadOnly(path, true);
#ifndef _WIN32
    if (writesReadOnlyFiles(path))
        GTEST_SKIP() << "this user may write read-only files (root), so the refusal cannot happen";
#endif
    WinFile::Filer filer(doc, path, host);
    EXPECT_FALSE(filer.save());
    EXPECT_EQ(filer.getFailure(), "Couldn't open file for writing");
    EXPECT_EQ(host.errors, std::vector<std::string>(
        {std::string(STR_CANT_SAVE) + "\n" + path + "\nCouldn't open file for writing"}));
    EXPECT_EQ(readFile(path), TestData::catExample());
    EXPECT_EQ(dir.names(), std::set<std::string>({"locked.qlx"}));
    EXPECT_FALSE(doc.isSaved());
}

TEST_F(FilerTest, SaveOverADirectoryCannotOpenItForWriting)
{
    const std::string path = dir.file("folder.qlx");
    std::filesystem::create_directory(path);
    WinFile::Filer filer(doc, path, host);
    EXPECT_FALSE(filer.save());
    EXPECT_EQ(filer.getFailure(), "Couldn't open file for writing");
    EXPECT_EQ(host.errors, std::vector<std::string>(
        {std::string(STR_CANT_SAVE) + "\n" + path + "\nCouldn't open file for writing"}));
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_EQ(dir.names(), std::set<std::string>({"folder.qlx"}));
    EXPECT_FALSE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), "open.qlx");
}

#ifdef _WIN32
// Another program holds the file open without letting it be deleted: it could
// be written, but not replaced.
TEST_F(FilerTest, SaveOverAFileAnotherProgramHoldsOpenFailsAndLeavesIt)
{
    const std::string path = dir.file("held.qlx");
    writeFile(path, TestData::catExample());
    const HANDLE holder = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    WinFile::Filer filer(doc, path, host);
    const bool saved = filer.save();
    ::CloseHandle(holder);
    EXPECT_FALSE(saved);
    const std::string failure = "Couldn't replace the file: another program may be using it";
    EXPECT_EQ(filer.getFailure(), failure);
    EXPECT_EQ(host.errors, std::vector<std::string>({std::string(STR_CANT_SAVE) + "\n" + path + "\n" + failure}));
    EXPECT_EQ(readFile(path), TestData::catExample());
    EXPECT_EQ(dir.names(), std::set<std::string>({"held.qlx"}));
    EXPECT_FALSE(doc.isSaved());
    EXPECT_EQ(doc.getPath(), "open.qlx");
}

// The new file takes the old one's place with the attributes the user gave it.
TEST_F(FilerTest, SaveKeepsTheFilesAttributes)
{
    const std::string path = dir.file("hidden.qlx");
    writeFile(path, TestData::catExample());
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
    ASSERT_TRUE(save(path));
    EXPECT_EQ(readFile(path), TestData::bytesOf(doc));
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY),
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
}
#else
// The new file takes the old one's place with the permissions the user gave
// it, and a file saved to a new path gets those of any new file.
TEST_F(FilerTest, SaveKeepsTheFilesPermissionsAndGivesANewFileTheUsualOnes)
{
    using std::filesystem::perms;
    const std::string path = dir.file("shared.qlx");
    writeFile(path, TestData::catExample());
    std::filesystem::permissions(path, perms::owner_read | perms::owner_write | perms::group_read);
    ASSERT_TRUE(save(path));
    EXPECT_EQ(readFile(path), TestData::bytesOf(doc));
    EXPECT_EQ(std::filesystem::status(path).permissions(), perms::owner_read | perms::owner_write | perms::group_read);

    const mode_t mask = ::umask(022);
    const bool saved = save(dir.file("new.qlx"));
    ::umask(mask);
    ASSERT_TRUE(saved);
    EXPECT_EQ(std::filesystem::status(dir.file("new.qlx")).permissions(),
              perms::owner_read | perms::owner_write | perms::group_read | perms::others_read);
}
#endif
