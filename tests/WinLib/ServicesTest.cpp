#include "WinLib/FileDlg.h"
#include "WinLib/ProgramDir.h"
#include "tests/WinLib/TestWindow.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>

namespace
{
    // The file name box of the system file dialogs.
    const int fileNameBox = 0x480;
    const int fileNameCombo = 0x47c;

    void typeFileName(HWND dlg, const std::string& name)
    {
        if (::GetDlgItem(dlg, fileNameBox) != nullptr)
            Gui::setText(dlg, fileNameBox, name);
        else
            Gui::setText(dlg, fileNameCombo, name);
    }

    std::string tempDirectory()
    {
        char path[MAX_PATH + 1] = {};
        ::GetTempPathA(sizeof(path), path);
        return path;
    }

    class FileDialogTest : public ::testing::Test
    {
    protected:
        WinTest::RecordingController ctrl;
        WinTest::Window owner{ctrl};
        Gui::Answerer answerer;
    };
}

TEST(FileDialogFilter, TwoFiltersMakeTheZeroSeparatedList)
{
    WinFile::OpenDialog dlg(nullptr);
    dlg.AddFilter("Quillory Documents", "*.qlx");
    dlg.AddFilter("All files", "*.*");
    Gui::Answerer answerer;
    answerer.onDialog(Gui::DialogMatch::any(), [](HWND d) { Gui::click(d, IDCANCEL); });
    EXPECT_FALSE(dlg.Show());
    const std::string expected("Quillory Documents\0*.qlx\0All files\0*.*\0\0", 40);
    const auto& filter = dlg.getFilterBuffer();
    EXPECT_EQ(std::string(filter.begin(), filter.end()), expected);
}

TEST(FileDialogFilter, NoFiltersGiveNoList)
{
    WinFile::SaveDialog dlg(nullptr);
    Gui::Answerer answerer;
    answerer.onDialog(Gui::DialogMatch::any(), [](HWND d) { Gui::click(d, IDCANCEL); });
    EXPECT_FALSE(dlg.Show());
    EXPECT_TRUE(dlg.getFilterBuffer().empty());
    EXPECT_EQ(dlg.GetPath(), "");
}

TEST_F(FileDialogTest, SavingANameWithoutExtensionAddsTheDefaultExtension)
{
    WinFile::SaveDialog dlg(owner.get());
    dlg.AddFilter("Quillory Documents", "*.qlx");
    dlg.SetDefaultExtension("qlx");
    const std::string base = tempDirectory() + "winlib-save-test";
    answerer.onDialog(Gui::DialogMatch::any(), [&](HWND d) {
        typeFileName(d, base);
        Gui::click(d, IDOK);
    });
    ASSERT_TRUE(dlg.Show());
    EXPECT_EQ(dlg.GetPath(), base + ".qlx");
    EXPECT_TRUE(answerer.unexpected().empty());
}

TEST_F(FileDialogTest, OpenRefusesANameThatDoesNotExist)
{
    WinFile::OpenDialog dlg(owner.get());
    dlg.AddFilter("All files", "*.*");
    answerer.onDialog(Gui::DialogMatch::any(), [&](HWND d) {
        typeFileName(d, tempDirectory() + "no-such-study-list.qlx");
        Gui::click(d, IDOK);
    });
    std::string refusedOver;
    auto refusal = answerer.onDialog(Gui::DialogMatch::any(), [&](HWND box) {
        HWND fileDialog = Gui::ownerOf(box);
        refusedOver = Gui::caption(fileDialog);
        Gui::click(box, IDOK);
        Gui::click(fileDialog, IDCANCEL);
    });
    EXPECT_FALSE(dlg.Show());
    EXPECT_TRUE(refusal.seen());
    EXPECT_EQ(refusedOver, "Open");
    EXPECT_FALSE(refusal.text().empty());
}

TEST(ProgramDirectory, IsTheExecutablesFolderWithItsBackslash)
{
    char path[4096] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof(path));
    const std::string dir = Win::programDirectory();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_EQ(std::string(path).rfind(dir, 0), 0u);
    EXPECT_EQ(std::string(path).find('\\', dir.size()), std::string::npos);
}

TEST(ProgramDirectory, DirectoryPartOfAPath)
{
    EXPECT_EQ(Win::directoryOf("C:\\Apps\\x.exe"), "C:\\Apps\\");
    EXPECT_EQ(Win::directoryOf("x.exe"), "");
}
