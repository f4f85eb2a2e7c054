// The About box: version, the maker's addresses, and what its buttons open.
#include "tests/gui/CommandDialogFixture.h"
#include "tests/gui/DialogKeys.h"

#include "WinLib/Dialog.h"
#include "app/AboutCtrl.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"

#include <string>
#include <vector>

namespace
{
    class ShellRecordingAbout : public AboutCtrl
    {
    public:
        std::vector<std::string> opened;
        std::vector<int> shown;

    protected:
        void openWithShell(const char* target, int showCommand) override
        {
            opened.push_back(target);
            shown.push_back(showCommand);
        }
    };
}

using AboutBox = CommandDialogFixture;

TEST_F(AboutBox, ShowsTheVersionAndTheMakersAddresses)
{
    std::string title;
    std::string version;
    std::string web;
    std::string support;
    HWND owner = nullptr;
    ASSERT_TRUE(runDialog("Program_About", IDC_VERSION, [&](HWND dlg) {
        title = Gui::windowText(dlg);
        version = Gui::controlText(dlg, IDC_VERSION);
        web = Gui::controlText(dlg, IDC_WEB_ADDRESS);
        support = Gui::controlText(dlg, IDC_SUPPORT_ADDRESS);
        owner = Gui::ownerOf(dlg);
        Gui::pushButton(dlg, IDOK);
    }));
    EXPECT_EQ(title, "About Quillory");
    EXPECT_EQ(version, "Quillory version: 1.1");
    // The buttons open exactly what the box shows.
    EXPECT_EQ(web, AboutCtrl::WebPage);
    EXPECT_EQ("mailto:" + support.substr(support.find(": ") + 2), AboutCtrl::SupportMail);
    // The doubled ampersand shows as one.
    EXPECT_EQ(support.rfind("Support && Feedback: ", 0), 0u) << support;
    EXPECT_EQ(owner, _win);
}

TEST_F(AboutBox, ButtonsHandTheWebPageAndAMailToTheShell)
{
    ShellRecordingAbout ctrl;
    onDialog(IDC_VERSION, [](HWND dlg) {
        Gui::pushButton(dlg, IDC_VISIT_WEB);
        Gui::pushButton(dlg, IDC_EMAIL_SUPPORT);
        Gui::pushButton(dlg, IDOK);
    });
    const Dialog::Modal run(_win, IDD_ABOUT, ctrl);
    EXPECT_EQ(run.getResult(), 1);
    EXPECT_EQ(ctrl.opened, (std::vector<std::string>{"https://quillory.example/", "mailto:support@quillory.example"}));
    // Hidden, the browser or mail program could start where nobody sees it.
    EXPECT_EQ(ctrl.shown, (std::vector<int>{SW_SHOWNORMAL, SW_SHOWNORMAL}));
}

TEST_F(AboutBox, EscapeEndsTheBoxLikeOkAndTheCloseBoxWithZero)
{
    ShellRecordingAbout escaped;
    onDialog(IDC_VERSION, [](HWND dlg) {
        Gui::pressKeyIn(dlg, IDOK, VK_ESCAPE);
    });
    EXPECT_EQ(Dialog::Modal(_win, IDD_ABOUT, escaped).getResult(), 1);

    ShellRecordingAbout closed;
    onDialog(IDC_VERSION, [](HWND dlg) {
        Gui::closeBox(dlg);
        Gui::pumpDialog(dlg);
    });
    EXPECT_EQ(Dialog::Modal(_win, IDD_ABOUT, closed).getResult(), 0);
    EXPECT_TRUE(escaped.opened.empty());
}

TEST_F(AboutBox, ChangesNothingInTheList)
{
    addItems(2);
    const bool saved = doc().isSaved();
    ASSERT_TRUE(runDialog("Program_About", IDC_VERSION, [](HWND dlg) { Gui::pushButton(dlg, IDOK); }));
    EXPECT_EQ(doc().getItemCount(), 2u);
    EXPECT_EQ(doc().isSaved(), saved);
    EXPECT_EQ(title(), "Quillory");
}
