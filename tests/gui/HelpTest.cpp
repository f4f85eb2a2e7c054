// The help as a user opens it: F1, the Program menu and the toolbar's Help
// button open the contents of Quillory.chm; each dialog's Help button opens
// its own page; the help closes with the main window; a help that cannot be
// shown says so in the error box. And which help file the program picks.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "WinLib/Dialog.h"
#include "WinLib/Helper.h"
#include "WinLib/HtmlHelp.h"
#include "WinLib/ProgramDir.h"
#include "app/MainWindow.h"
#include "app/ProgramHelp.h"
#include "res/resource.h"
#include "session/SettingsDlgCtrl.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    std::string chm()
    {
        return Win::programDirectory() + "Quillory.chm";
    }

    HelpRequest contents()
    {
        return {"contents", chm(), ""};
    }

    HelpRequest page(const char* name)
    {
        return {"topic", chm(), name};
    }
}

using Help = CommandDialogFixture;

TEST_F(Help, F1InTheMainWindowOpensTheContentsOverIt)
{
    Gui::postKey(_win, VK_F1);
    Gui::pumpPending();
    EXPECT_EQ(_help.shown(), (std::vector<HelpRequest>{contents()}));
    ASSERT_FALSE(_help.owners.empty());
    EXPECT_EQ(_help.owners.back(), _win);
}

TEST_F(Help, TheProgramMenuAndTheToolbarButtonOpenTheContents)
{
    Gui::sendMenuCommand(_win, cmdId("Program_Help"));
    Gui::clickToolbarButton(toolbar(), cmdId("Program_Help"));
    Gui::pumpPending();
    EXPECT_EQ(_help.shown(), (std::vector<HelpRequest>{contents(), contents()}));
}

TEST_F(Help, ClosesWhenTheMainWindowIsDestroyed)
{
    Gui::sendMenuCommand(_win, cmdId("Program_Help"));
    destroyWindow();
    ASSERT_EQ(_help.requests.size(), 2u);
    EXPECT_EQ(_help.requests.back(), (HelpRequest{"close", chm(), ""}));
}

TEST_F(Help, AHelpThatCannotBeShownSaysSoInTheErrorBox)
{
    _help.failure = "Can't show the help: HTML Help (hhctrl.ocx) cannot be loaded on this system.";
    const Gui::Seen box = _answerer->expectMessageBox(IDOK, "Quillory Error");
    Gui::postKey(_win, VK_F1);
    EXPECT_TRUE(Gui::pumpUntil([&] { return box.seen(); }));
    EXPECT_EQ(box.text(), _help.failure);
    // The program goes on, and its end closes the help without a further box.
    _help.failure.clear();
    EXPECT_TRUE(::IsWindow(_win));
}

struct DialogHelp
{
    const char* command;
    int control;   // a control that tells the dialog apart
    const char* page;
};

void PrintTo(const DialogHelp& dialog, std::ostream* out)
{
    *out << dialog.command;
}

class DialogHelpButton : public CommandDialogFixture, public ::testing::WithParamInterface<DialogHelp>
{
};

TEST_P(DialogHelpButton, OpensTheDialogsPageOverTheDialog)
{
    HWND dialog = nullptr;
    ASSERT_TRUE(runDialog(GetParam().command, GetParam().control, [&](HWND dlg) {
        dialog = dlg;
        EXPECT_TRUE(Gui::pushButton(dlg, IDC_HELP_BUTTON));
        Gui::pumpDialog(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    }));
    EXPECT_EQ(_help.shown(), (std::vector<HelpRequest>{page(GetParam().page)}));
    ASSERT_FALSE(_help.owners.empty());
    EXPECT_EQ(_help.owners.front(), dialog);
}

INSTANTIATE_TEST_SUITE_P(EachDialog, DialogHelpButton,
                         ::testing::Values(DialogHelp{"StudySet_Outline", IDC_FIELD_LIST, "customizing.html"},
                                           DialogHelp{"Term_Add", IDC_TERM, "items.html"},
                                           DialogHelp{"StudySet_Settings", IDC_FROM, "settings.html"}));

// With the real HTML Help viewer that the system cannot load.
TEST_F(Help, ADialogsHelpWithoutAViewerSaysSoInTheErrorBox)
{
    Win::HtmlHelpBackend missingViewer("no-such-hhctrl.ocx");
    const Win::HelpFile file = programHelp(Win::programDirectory(), missingViewer, missingViewer);
    SettingsDlgCtrl ctrl(doc().getSettings(), doc().getOutline(), file);
    const Gui::Seen box = _answerer->expectMessageBox(IDOK, "Quillory Error");
    onDialog(IDC_FROM, [&](HWND dlg) {
        Gui::pushButton(dlg, IDC_HELP_BUTTON);
        Gui::pumpDialog(dlg);
        Gui::pushButton(dlg, IDCANCEL);
    });
    EXPECT_FALSE(Dialog::Modal(_win, IDD_SETTINGS, ctrl).IsOk());
    EXPECT_TRUE(box.seen());
    EXPECT_EQ(box.text(), "Can't show the help: HTML Help (no-such-hhctrl.ocx) cannot be loaded on this system.");
}

namespace
{
    // A folder of its own for a program directory, removed with its files.
    class ProgramFolder
    {
    public:
        ProgramFolder()
        {
            char temp[MAX_PATH + 1] = {};
            ::GetTempPathA(MAX_PATH, temp);
            _path = std::string(temp) + "quillory help test\\";
            ::CreateDirectoryA(_path.c_str(), nullptr);
        }
        ~ProgramFolder()
        {
            for (const std::string& file : _files)
                ::DeleteFileA(file.c_str());
            ::RemoveDirectoryA(_path.c_str());
        }
        void addFile(const std::string& name)
        {
            const std::string file = _path + name;
            HANDLE h = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE);
            ::CloseHandle(h);
            _files.push_back(file);
        }
        const std::string& path() const { return _path; }

    private:
        std::string _path;
        std::vector<std::string> _files;
    };

    const char* const Keywords[] = {"Adding/Editing Items", "Customizing Study List Structure",
                                    "Specifying Study Session Settings"};

    void askEachKeyword(const Win::HelpFile& file)
    {
        Win::Helper helper(nullptr, file);
        for (const char* keyword : Keywords)
            helper.KeywordTopic(keyword);
    }
}

TEST(ProgramHelp, OpensEachKeywordAsItsPageOfQuilloryChm)
{
    ProgramFolder folder;
    HelpRecorder winHelp;
    HelpRecorder htmlHelp;
    askEachKeyword(programHelp(folder.path(), winHelp, htmlHelp));
    const std::string file = folder.path() + "Quillory.chm";
    EXPECT_EQ(htmlHelp.requests, (std::vector<HelpRequest>{{"topic", file, "items.html"},
                                                           {"topic", file, "customizing.html"},
                                                           {"topic", file, "settings.html"}}));
    EXPECT_TRUE(winHelp.requests.empty());
}

TEST(ProgramHelp, AQuilloryHlpBesideTheProgramIsAskedByKeywordThroughWinHelp)
{
    ProgramFolder folder;
    folder.addFile("Quillory.hlp");
    HelpRecorder winHelp;
    HelpRecorder htmlHelp;
    askEachKeyword(programHelp(folder.path(), winHelp, htmlHelp));
    const std::string file = folder.path() + "Quillory.hlp";
    EXPECT_EQ(winHelp.requests, (std::vector<HelpRequest>{{"topic", file, "Adding/Editing Items"},
                                                          {"topic", file, "Customizing Study List Structure"},
                                                          {"topic", file, "Specifying Study Session Settings"}}));
    EXPECT_TRUE(htmlHelp.requests.empty());
}

// With the real HTML Help viewer: the page opened from a dialog is still there
// to read when the dialog has closed, until the help is closed.
TEST_F(Help, ADialogsHelpWindowOutlivesTheDialogUntilTheHelpIsClosed)
{
    Win::HtmlHelpBackend viewer;
    const Win::HelpFile file = programHelp(Win::programDirectory(), viewer, viewer);
    const auto helpWindows = [] { return Gui::processWindows(::GetCurrentProcessId(), "HH Parent"); };
    SettingsDlgCtrl ctrl(doc().getSettings(), doc().getOutline(), file);
    onDialog(IDC_FROM, [&](HWND dlg) {
        Gui::pushButton(dlg, IDC_HELP_BUTTON);
        EXPECT_TRUE(Gui::pumpUntil([&] { return !helpWindows().empty(); }));
        Gui::pushButton(dlg, IDCANCEL);
    });
    EXPECT_FALSE(Dialog::Modal(_win, IDD_SETTINGS, ctrl).IsOk());
    Gui::pumpPending();
    EXPECT_EQ(helpWindows().size(), 1u);
    Win::Helper(_win, file).Quit();
    EXPECT_TRUE(Gui::pumpUntil([&] { return helpWindows().empty(); }));
}
