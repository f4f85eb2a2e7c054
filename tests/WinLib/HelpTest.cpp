// Help: a keyword's topic, failures reported instead of thrown, and the real
// HTML Help viewer showing Quillory.chm (built beside the tests) and closing it.
#include "base/Exception.h"
#include "WinLib/Helper.h"
#include "WinLib/HtmlHelp.h"
#include "WinLib/ProgramDir.h"
#include "tests/support/FailureMessage.h"
#include "tests/support/HelpRecorder.h"
#include "tests/support/gui/Harness.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    const char* const File = "C:\\Program Files\\Quillory\\Quillory.chm";

    class HelperTest : public ::testing::Test
    {
    protected:
        HelpRecorder backend;
        std::vector<std::string> reports;
        const Win::HelpFile file{File, backend, {{"Adding/Editing Items", "items.html"}},
                                 [this](const std::string& failure) { reports.push_back(failure); }};
        Win::Helper helper{nullptr, file};
    };

    std::string chmPath()
    {
        return Win::programDirectory() + "Quillory.chm";
    }

    // The help windows of this process.
    std::vector<HWND> helpWindows()
    {
        return Gui::processWindows(::GetCurrentProcessId(), "HH Parent");
    }

    bool helpWindowShows()
    {
        return Gui::pumpUntil([] { return !helpWindows().empty(); });
    }

    bool noHelpWindowShows()
    {
        return Gui::pumpUntil([] { return helpWindows().empty(); });
    }
}

TEST_F(HelperTest, KeywordOpensTheTopicTheFileNamesForItAndAnUnlistedOneAsItself)
{
    helper.KeywordTopic("Adding/Editing Items");
    helper.KeywordTopic("Anything else");
    helper.Contents();
    helper.Quit();
    EXPECT_EQ(backend.requests, (std::vector<HelpRequest>{{"topic", File, "items.html"},
                                                          {"topic", File, "Anything else"},
                                                          {"contents", File, ""},
                                                          {"close", File, ""}}));
    EXPECT_TRUE(reports.empty());
}

TEST_F(HelperTest, AFailureGoesToTheReporterNotToTheCaller)
{
    backend.failure = "Can't show the help";
    EXPECT_NO_THROW(helper.Contents());
    EXPECT_NO_THROW(helper.KeywordTopic("Adding/Editing Items"));
    EXPECT_EQ(reports, (std::vector<std::string>{"Can't show the help", "Can't show the help"}));
}

class HtmlHelp : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // A window left by a failed test must not leak into the next.
        Win::HtmlHelpBackend().close(nullptr, chmPath());
        for (HWND h : helpWindows())
            ::DestroyWindow(h);
        Gui::pumpPending();
    }
};

TEST_F(HtmlHelp, ShowsTheContentsInAWindowTitledWithTheHelpsTitleAndCloseTakesItAway)
{
    Win::HtmlHelpBackend help;
    help.showContents(nullptr, chmPath());
    ASSERT_TRUE(helpWindowShows());
    EXPECT_EQ(Gui::windowText(helpWindows().front()), "Quillory Help");
    help.close(nullptr, chmPath());
    EXPECT_TRUE(noHelpWindowShows());
}

TEST_F(HtmlHelp, ShowsAPageAndClosesItsWindowsWhenItGoes)
{
    {
        Win::HtmlHelpBackend help;
        help.showTopic(nullptr, chmPath(), "settings.html");
        ASSERT_TRUE(helpWindowShows());
    }
    EXPECT_TRUE(noHelpWindowShows());
}

TEST_F(HtmlHelp, AMissingFileIsAFailureNamingIt)
{
    const std::string missing = Win::programDirectory() + "NoSuchHelp.chm";
    Win::HtmlHelpBackend help;
    EXPECT_EQ(TestSupport::failureMessage([&] { help.showContents(nullptr, missing); }),
              "Can't open the help file\n" + missing);
    EXPECT_TRUE(helpWindows().empty());
}

TEST_F(HtmlHelp, AViewerThatCannotBeLoadedIsAFailureSayingSo)
{
    Win::HtmlHelpBackend help("no-such-viewer.ocx");
    EXPECT_EQ(TestSupport::failureMessage([&] { help.showContents(nullptr, chmPath()); }),
              "Can't show the help: HTML Help (no-such-viewer.ocx) cannot be loaded on this system.");
    // Nothing was loaded, so closing has nothing to do and must not fail.
    EXPECT_NO_THROW(help.close(nullptr, chmPath()));
}
