// The program at the screen's DPI: the suite runs in the build's own prefix
// (96 dpi) and, through scripts/wine-dpi.sh, once in a prefix of its own for
// each of 120, 144 and 192 dpi. QUILLORY_TEST_DPI names the DPI a run
// expects, so a prefix that failed to take its DPI fails the run. Every run
// leaves pictures of the main window, the dialogs and the sessions in
// build/screenshots/dpi-N-win64/ (or -win32); the help shows two of 144 dpi.
#include "tests/gui/SessionFixture.h"
#include "tests/gui/SourceTree.h"
#include "tests/gui/TextFit.h"

#include "WinLib/Dpi.h"
#include "app/Messages.h"
#include "model/Setting.h"
#include "res/resource.h"
#include "tests/support/gui/Harness.h"
#include "tests/support/gui/Screenshot.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace
{
    int screenDpi()
    {
        const char* dpi = std::getenv("QUILLORY_TEST_DPI");
        return dpi != nullptr ? std::atoi(dpi) : Win::Dpi::Standard;
    }

    // Texts that the dialogs' sizes cut at 96 dpi already, with Wine's
    // "MS Sans Serif": two labels break into a second line that has no room.
    const std::set<std::string> CutAt96 = {"Number of choices (in multiple choice sessions):",
                                           "You have one or more items selected"};

    // What a dialog cuts is what it cut at 96 dpi, or less.
    void expectNoTextCutButAt96(HWND dialog)
    {
        const std::set<std::string> cut = TextFit::cutTexts(dialog);
        for (const std::string& text : cut)
            EXPECT_EQ(CutAt96.count(text), 1u) << Gui::caption(dialog) << ": \"" << text << "\" is cut";
        if (screenDpi() != Win::Dpi::Standard)
            return;
        // At 96 dpi, the list holds only what is cut.
        for (HWND control = ::GetWindow(dialog, GW_CHILD); control; control = ::GetWindow(control, GW_HWNDNEXT))
        {
            const std::string text = Gui::windowText(control);
            EXPECT_TRUE(CutAt96.count(text) == 0 || cut.count(text) == 1) << "\"" << text << "\" shows whole";
        }
    }

    // One folder for each DPI and build: both builds' suites run at once.
    std::string shotDir()
    {
        return screenshotDir("dpi-" + std::to_string(screenDpi()) + (sizeof(void*) == 4 ? "-win32" : "-win64"));
    }

    void shoot(HWND h, const std::string& name)
    {
        Gui::pumpPending();
        EXPECT_TRUE(Gui::saveScreenshot(h, shotDir() + name + ".png")) << name;
    }
}

// A font like one made for `dpi`, made for 96 dpi.
class FontAt96
{
public:
    FontAt96(HFONT font, Win::Dpi dpi)
    {
        LOGFONTA description{};
        ::GetObjectA(font, sizeof(description), &description);
        description.lfHeight = dpi.unscale(description.lfHeight);
        description.lfWidth = dpi.unscale(description.lfWidth);
        _font = ::CreateFontIndirectA(&description);
    }
    ~FontAt96() { ::DeleteObject(_font); }
    FontAt96(const FontAt96&) = delete;
    FontAt96& operator=(const FontAt96&) = delete;
    HFONT get() const { return _font; }

private:
    HFONT _font;
};

class AtScreenDpi : public SessionFixture
{
protected:
    Win::Dpi dpi() const { return Win::Dpi::of(_win); }

    // Items with numbers of up to two digits and ratios of 100 %.
    void addWideItems()
    {
        for (int i = 1; i <= 99; ++i)
            addItem("term" + std::to_string(i), "definition " + std::to_string(i), i, i);
        refreshAll();
    }

    // Runs `command`; the dialog with control `ctrlId` may cut only what it cuts at 96 dpi.
    void expectWholeTexts(const char* command, int ctrlId, int closeId = IDCANCEL)
    {
        const Gui::Seen seen = _answerer->onDialog(Gui::DialogMatch::byControl(ctrlId), [=](HWND dialog) {
            expectNoTextCutButAt96(dialog);
            shoot(dialog, "dialog-" + std::to_string(ctrlId));
            Gui::click(dialog, closeId);
        });
        runCommand(command);
        EXPECT_TRUE(seen.seen()) << command;
    }
};

TEST_F(AtScreenDpi, TheProgramSeesTheScreensDpi)
{
    EXPECT_EQ(dpi().get(), screenDpi());
}

TEST_F(AtScreenDpi, DefaultColumnWidthsAreTheNinetySixDpiWidthsScaled)
{
    std::vector<int> expected;
    for (const int width : {19, 120, 130, 116, 75, 90, 38})
        expected.push_back(dpi().scale(width));
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), expected);
}

TEST_F(AtScreenDpi, ToolbarImagesHaveTheSizeTheDpiCallsFor)
{
    const int expected = screenDpi() < 120 ? 16 : screenDpi() < 168 ? 24 : 32;
    const auto images = reinterpret_cast<HIMAGELIST>(::SendMessageA(toolbar(), TB_GETIMAGELIST, 0, 0));
    int width = 0;
    int height = 0;
    ASSERT_TRUE(::ImageList_GetIconSize(images, &width, &height));
    EXPECT_EQ(width, expected);
    // The buttons hold the images and their labels below them.
    const LRESULT button = ::SendMessageA(toolbar(), TB_GETBUTTONSIZE, 0, 0);
    EXPECT_GT(LOWORD(button), expected);
    EXPECT_GT(HIWORD(button), height + TextFit::extent(toolbar(), "New").cy);
}

TEST_F(AtScreenDpi, ListCellsAndColumnTitlesThatShowWholeAtNinetySixDpiShowWhole)
{
    addWideItems();
    const std::vector<std::string> titles = Gui::listViewColumns(listView());
    const std::vector<int> widths = Gui::listViewColumnWidths(listView());
    ASSERT_EQ(titles.size(), 7u);
    const auto font = reinterpret_cast<HFONT>(::SendMessageA(listView(), WM_GETFONT, 0, 0));
    // The list as it is at 96 dpi, whichever fonts this Wine has: the same
    // font made for 96 dpi, the columns at their 96-dpi widths.
    const FontAt96 font96(font, dpi());
    using TextFit::Place;
    int whole = 0;
    const auto expectWholeIfWholeAt96 = [&](const std::string& text, size_t column, Place place) {
        if (!TextFit::showsWhole(font96.get(), text, dpi().unscale(widths[column]), place))
            return;
        ++whole;
        EXPECT_TRUE(TextFit::showsWhole(font, text, widths[column], place)) << titles[column] << ": " << text;
    };
    for (size_t column = 0; column < titles.size(); ++column)
    {
        expectWholeIfWholeAt96(titles[column], column, Place::Title);
        for (int row : {0, 8, 98})
            expectWholeIfWholeAt96(Gui::listViewCell(listView(), row, static_cast<int>(column)), column,
                                   column == 0 ? Place::FirstColumn : Place::LaterColumn);
    }
    // Terms, definitions, numbers and comments at the least.
    EXPECT_GE(whole, 16);
    // The measure tells a cut text.
    EXPECT_FALSE(TextFit::showsWhole(font, "Correct Answers Ratio", widths[5], Place::Title));
    EXPECT_FALSE(TextFit::showsWhole(font, "100 % 100 %", widths[6], Place::LaterColumn));
    EXPECT_FALSE(TextFit::showsWhole(font, "1000", widths[0], Place::FirstColumn));
}

TEST_F(AtScreenDpi, PicturesOfTheMainWindowAndASession)
{
    // The sample as a user keeps it, so that the title shows no build machine's path.
    char documents[MAX_PATH] = {};
    ASSERT_EQ(::SHGetFolderPathA(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, 0, documents), S_OK);
    const std::string sample = std::string(documents) + "\\French vocabulary.qlx";
    ASSERT_TRUE(::CopyFileA(sourceTreePath("samples/french-vocabulary.qlx").c_str(), sample.c_str(), FALSE));
    _tempFiles.push_back(sample);
    ::SendMessageA(_win, UM_OPEN_FILE, reinterpret_cast<WPARAM>(sample.c_str()), 0);
    ASSERT_GT(doc().getItemCount(), 1u);
    // Wide enough for every column; a picture shows only what is on the screen.
    RECT screen{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &screen, 0);
    ::SetWindowPos(_win, nullptr, screen.left, screen.top, std::min<int>(dpi().scale(760), screen.right - screen.left),
                   std::min<int>(dpi().scale(480), screen.bottom - screen.top), SWP_NOZORDER);
    selectRows({1});
    shoot(_win, "main-window");

    selectRows({});
    doc().getSettings().setToField(0);
    runSession("Study_QA", [&](SessionDriver& s) {
        s.holdTimer();
        s.type("the c");
        shoot(s.window(), "session-qna");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

TEST_F(AtScreenDpi, EditingDialogsCutNoTextButWhatTheyCutAtNinetySixDpi)
{
    expectWholeTexts("StudySet_Outline", IDC_ITEM_TYPE);
    expectWholeTexts("Term_Add", IDC_TERM);
    expectWholeTexts("StudySet_Settings", IDC_FROM);
    expectWholeTexts("Program_About", IDC_VERSION, IDOK);
}

TEST_F(AtScreenDpi, SessionDialogsAndWindowsCutNoTextButWhatTheyCutAtNinetySixDpi)
{
    makeList({{"die Katze", "the cat"}, {"der Hund", "the dog"}, {"das Haus", "the house"}});
    doc().getSettings().setToField(0);
    selectRows({0, 1, 2});
    _answerer->onDialog(Gui::DialogMatch::byControl(IDC_SELECTED_ITEMS), [](HWND dialog) {
        expectNoTextCutButAt96(dialog);
        shoot(dialog, "dialog-" + std::to_string(IDC_SELECTED_ITEMS));
        Gui::click(dialog, IDOK);
    });
    runSession("Study_QA", [&](SessionDriver& s) {
        s.holdTimer();
        s.type("the ca");
        expectNoTextCutButAt96(s.dialog());
        EXPECT_EQ(TextFit::cutTexts(s.window()), std::set<std::string>()) << "answer box";
        shoot(s.dialog(), "dialog-" + std::to_string(IDC_STOP));
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}

TEST_F(AtScreenDpi, SessionWindowIsItsNinetySixDpiSizeScaled)
{
    makeList({{"die Katze", "the cat"}, {"der Hund", "the dog"}});
    doc().getSettings().setNumChoices(2);
    runSession("Study_MC", [&](SessionDriver& s) {
        RECT outer{};
        ::GetWindowRect(s.window(), &outer);
        RECT client{};
        ::GetClientRect(s.window(), &client);
        // The frame of this style keeps its width at every DPI here.
        const SIZE frame{outer.right - outer.left - client.right, outer.bottom - outer.top - client.bottom};
        EXPECT_NEAR(client.right, dpi().scale(400 - frame.cx), 1);
        EXPECT_NEAR(client.bottom, dpi().scale(250 - frame.cy), 1);
        EXPECT_EQ(outer.left, dpi().scale(150));
        EXPECT_EQ(TextFit::cutTexts(s.window()), std::set<std::string>()) << "choice buttons";
        shoot(s.window(), "session-mc");
        expectStopQuestion(IDYES);
        expectResults();
        s.stop();
    });
}
