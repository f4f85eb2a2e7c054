#include "tests/gui/MainWindowFixture.h"

#include "app/Messages.h"
#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <string>
#include <vector>

using MainWindow = MainWindowFixture;

namespace
{
    void CALLBACK endMenu(HWND, UINT, UINT_PTR, DWORD)
    {
        ::EndMenu();
    }

    // The height of the cells of the font the control shows its text in.
    int fontHeightOf(HWND control)
    {
        HDC dc = ::GetDC(control);
        HGDIOBJ previous = ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0)));
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc, &metrics);
        ::SelectObject(dc, previous);
        ::ReleaseDC(control, dc);
        return metrics.tmHeight;
    }

    RECT clientRectOf(HWND child, HWND parent)
    {
        RECT r;
        ::GetWindowRect(child, &r);
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
}

TEST_F(MainWindow, StartsWithAnEmptyListAndTheBareProductName)
{
    EXPECT_EQ(title(), "Quillory");
    EXPECT_EQ(status(), "0 item(s), 0 selected");
    EXPECT_EQ(Gui::listViewColumns(listView()),
              (std::vector<std::string>{"#", "Term", "Definition", "Comment", "Times Asked", "Correct Answers",
                                        "Ratio"}));
    EXPECT_EQ(Gui::listViewColumnWidths(listView()), (std::vector<int>{19, 120, 130, 116, 75, 90, 38}));
    EXPECT_EQ(Gui::listViewRowCount(listView()), 0);
    EXPECT_EQ(_store.loads, 1);
}

TEST_F(MainWindow, MenuBarHasTheProgramStudyListAndItemMenus)
{
    const auto bar = Gui::menuItems(::GetMenu(_win));
    ASSERT_EQ(bar.size(), 3u);
    EXPECT_EQ(bar[0].text, "&Program");
    EXPECT_EQ(bar[1].text, "&Study List");
    EXPECT_EQ(bar[2].text, "&Item");

    std::vector<std::string> texts;
    for (const Gui::MenuItem& item : Gui::menuItems(bar[1].popup))
        texts.push_back(item.separator ? "-" : item.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"&New...\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S",
                                               "Save &As...", "-", "Open Recent", "-", "&Import...", "&Export...",
                                               "-", "C&ustomize...\tCtrl+L", "-", "S&tudy", "-", "&Reset scores"}));
}

TEST_F(MainWindow, ChildrenFillTheClientAreaAfterAResize)
{
    for (const SIZE size : {SIZE{500, 300}, SIZE{900, 700}})
    {
        ::SetWindowPos(_win, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        Gui::pumpPending();
        RECT client;
        ::GetClientRect(_win, &client);
        const RECT tb = clientRectOf(toolbar(), _win);
        const RECT lv = clientRectOf(listView(), _win);
        const RECT sb = clientRectOf(statusBar(), _win);
        EXPECT_EQ(tb.top, 0);
        EXPECT_EQ(lv.top, tb.bottom);
        // The status bar's height is its text part's; the list view ends under its frame.
        EXPECT_GE(lv.bottom, sb.top);
        EXPECT_LE(lv.bottom, sb.bottom);
        EXPECT_EQ(sb.bottom, client.bottom);
        EXPECT_EQ(lv.right - lv.left, client.right);
    }
}

TEST_F(MainWindow, AMoveToAMonitorOfAnotherDpiTakesTheSuggestedPlaceAndRedrawsTheToolbar)
{
    const int buttons = Gui::toolbarButtonCount(toolbar());
    const int fontHeight = fontHeightOf(listView());
    const RECT suggested{40, 30, 1040, 830};
    changeDpi(_win, 192, suggested);
    EXPECT_NEAR(fontHeightOf(listView()), 2 * fontHeight, 2);
    EXPECT_NEAR(fontHeightOf(statusBar()), 2 * fontHeight, 2);
    EXPECT_NEAR(fontHeightOf(toolbar()), 2 * fontHeight, 2);
    RECT place{};
    ::GetWindowRect(_win, &place);
    EXPECT_EQ(place.left, suggested.left);
    EXPECT_EQ(place.bottom, suggested.bottom);
    int width = 0;
    int height = 0;
    ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageA(toolbar(), TB_GETIMAGELIST, 0, 0)), &width,
                            &height);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(Gui::toolbarButtonCount(toolbar()), buttons);
    // With nothing selected Remove stays greyed on the new toolbar.
    EXPECT_EQ(Gui::toolbarState(toolbar(), cmdId("Term_Remove")), TBSTATE_INDETERMINATE);
    RECT client;
    ::GetClientRect(_win, &client);
    const RECT tb = clientRectOf(toolbar(), _win);
    const RECT lv = clientRectOf(listView(), _win);
    EXPECT_EQ(lv.top, tb.bottom);
    EXPECT_LE(lv.bottom, clientRectOf(statusBar(), _win).bottom);
    EXPECT_EQ(lv.right - lv.left, client.right);

    changeDpi(_win, 96, suggested);
    ::ImageList_GetIconSize(reinterpret_cast<HIMAGELIST>(::SendMessageA(toolbar(), TB_GETIMAGELIST, 0, 0)), &width,
                            &height);
    EXPECT_EQ(width, 16);
    EXPECT_EQ(fontHeightOf(listView()), fontHeight);
    EXPECT_EQ(clientRectOf(listView(), _win).top, clientRectOf(toolbar(), _win).bottom);
}

TEST_F(MainWindow, StatusFollowsTheSelection)
{
    addItems(5);
    EXPECT_EQ(status(), "5 item(s), 0 selected");
    selectRows({0, 2, 4});
    EXPECT_EQ(status(), "5 item(s), 3 selected");
    EXPECT_EQ(doc().getSelection(), (std::vector<unsigned>{0, 2, 4}));
    selectRows({0, 4});
    EXPECT_EQ(status(), "5 item(s), 2 selected");
    EXPECT_EQ(doc().getSelection(), (std::vector<unsigned>{0, 4}));
}

TEST_F(MainWindow, HighlightedMenuCommandShowsItsHelpUntilTheMenuCloses)
{
    addItems(2);
    selectRows({1});
    HMENU itemMenu = Gui::openBarPopup(_win, 2);
    ::SendMessageA(_win, WM_MENUSELECT, MAKEWPARAM(cmdId("Term_Add"), MF_STRING | MF_HILITE),
                   reinterpret_cast<LPARAM>(itemMenu));
    EXPECT_EQ(status(), "Add a new item");

    // Popups and separators leave the text as it is.
    HMENU studyList = ::GetSubMenu(::GetMenu(_win), 1);
    ::SendMessageA(_win, WM_MENUSELECT, MAKEWPARAM(5, MF_POPUP | MF_HILITE), reinterpret_cast<LPARAM>(studyList));
    EXPECT_EQ(status(), "Add a new item");

    ::SendMessageA(_win, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(status(), "2 item(s), 1 selected");
}

TEST_F(MainWindow, RecentDocumentItemShowsTheReopenHelp)
{
    ::SendMessageA(_win, WM_MENUSELECT, MAKEWPARAM(cmdId("OpenRecent3"), MF_STRING | MF_HILITE), 0);
    EXPECT_EQ(status(), "Reopen recently used Study Set");
}

TEST_F(MainWindow, DelAndEnterWithoutSelectionDoNothing)
{
    addItems(3);
    Gui::Answerer answers(1000);
    Gui::postKey(_win, VK_DELETE);
    Gui::postKey(_win, VK_RETURN);
    Gui::sendAccelCommand(_win, cmdId("Term_Remove"));
    Gui::pumpPending();
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(doc().getItemCount(), 3u);
}

TEST_F(MainWindow, DelWithSelectionAsksAndRemovesOnYes)
{
    addItems(4);
    selectRows({0, 2});
    Gui::Answerer answers;
    const Gui::Seen no = answers.expectMessageBox(IDNO);
    Gui::postKey(_win, VK_DELETE);
    ASSERT_TRUE(Gui::pumpUntil([&] { return no.seen(); }));
    EXPECT_EQ(no.text(), "Are you sure you want to delete the selected items?");
    EXPECT_EQ(no.caption(), "Please confirm");
    EXPECT_EQ(doc().getItemCount(), 4u);

    const Gui::Seen yes = answers.expectMessageBox(IDYES);
    Gui::postKey(_win, VK_DELETE);
    ASSERT_TRUE(Gui::pumpUntil([&] { return yes.seen(); }));
    Gui::pumpPending();
    EXPECT_EQ(columnTexts(1), (std::vector<std::string>{"term2", "term4"}));
    EXPECT_EQ(columnTexts(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(status(), "2 item(s), 0 selected");
    EXPECT_FALSE(doc().isSaved());
}

TEST_F(MainWindow, CtrlASelectsAllRowsOnlyWhenThereAreItems)
{
    Gui::postKey(_win, 'A', Gui::Ctrl);
    EXPECT_EQ(status(), "0 item(s), 0 selected");

    addItems(3);
    Gui::postKey(_win, 'A', Gui::Ctrl);
    Gui::pumpPending();
    EXPECT_EQ(status(), "3 item(s), 3 selected");
    EXPECT_EQ(Gui::listViewSelection(listView()), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Gui::toolbarState(toolbar(), cmdId("Term_Remove")) & TBSTATE_ENABLED, TBSTATE_ENABLED);
}

TEST_F(MainWindow, ResetScoresAsksThenZeroesEveryScore)
{
    addItem("a", "x", 3, 2);
    addItem("b", "y", 1, 1);
    refreshAll();
    EXPECT_EQ(columnTexts(6), (std::vector<std::string>{"66 %", "100 %"}));

    Gui::Answerer answers;
    const Gui::Seen box = answers.expectMessageBox(IDYES);
    Gui::sendMenuCommand(_win, cmdId("StudySet_ResetScores"));
    EXPECT_EQ(box.text(), "Are you sure you want to reset scores of all items?");
    EXPECT_EQ(box.caption(), "Please confirm");
    EXPECT_EQ(columnTexts(4), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(columnTexts(5), (std::vector<std::string>{"0", "0"}));
    EXPECT_EQ(columnTexts(6), (std::vector<std::string>{"0 %", "0 %"}));
    EXPECT_FALSE(doc().isSaved());
}

TEST_F(MainWindow, NewWithUnsavedChangesAsksAboutTheNewStudyList)
{
    addItems(2);
    Gui::Answerer answers;
    const Gui::Seen cancel = answers.expectMessageBox(IDCANCEL);
    Gui::postKey(_win, 'N', Gui::Ctrl);
    ASSERT_TRUE(cancel.seen());
    EXPECT_EQ(cancel.text(), "Save changes to new Study List ?");
    EXPECT_EQ(cancel.caption(), "Quillory");
    EXPECT_EQ(doc().getItemCount(), 2u);
    EXPECT_EQ(title(), "Quillory");

    const Gui::Seen no = answers.expectMessageBox(IDNO);
    Gui::sendMenuCommand(_win, cmdId("StudySet_New"));
    ASSERT_TRUE(no.seen());
    EXPECT_EQ(doc().getItemCount(), 0u);
    EXPECT_EQ(Gui::listViewRowCount(listView()), 0);
    EXPECT_EQ(title(), "Quillory - ");
    EXPECT_EQ(status(), "0 item(s), 0 selected");
}

TEST_F(MainWindow, ContextMenuOnTheListViewIsTheItemMenu)
{
    addItems(2);
    RECT lv;
    ::GetWindowRect(listView(), &lv);
    // The menu runs its own loop; end it as soon as it has opened.
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, endMenu);
    const LRESULT shown = ::SendMessageA(_win, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(listView()),
                                         MAKELPARAM(lv.left + 40, lv.top + 40));
    ::KillTimer(nullptr, timer);
    EXPECT_TRUE(shown);
    HMENU itemMenu = ::GetSubMenu(::GetMenu(_win), 2);
    EXPECT_TRUE(::GetMenuState(itemMenu, cmdId("Term_Remove"), MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(::GetMenuState(itemMenu, cmdId("Term_Edit"), MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(::GetMenuState(itemMenu, cmdId("Term_SelectAll"), MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(MainWindow, ContextMenuElsewhereIsLeftToTheSystem)
{
    RECT tb;
    ::GetWindowRect(toolbar(), &tb);
    LRESULT result = 0;
    EXPECT_FALSE(_ctrl->OnUserMessage(WM_USER + 99, 0, 0, result));
    EXPECT_FALSE(_ctrl->OnContextMenu(toolbar(), tb.right - 5, tb.bottom - 5));
}

TEST_F(MainWindow, RecentSubmenuListsTheDocumentsMostRecentFirst)
{
    HMENU studyList = Gui::openBarPopup(_win, 1);
    HMENU recent = Gui::menuItem(studyList, 5).popup;
    ASSERT_NE(recent, nullptr);
    ::SendMessageA(_win, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(5, 0));
    auto items = Gui::menuItems(recent);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].text, "Clear Recent");
    EXPECT_EQ(items[0].id, static_cast<UINT>(cmdId("StudySet_ClearRecent")));
    EXPECT_FALSE(items[0].grayed);
    EXPECT_TRUE(items[1].separator);

    doc().addRecentDoc("C:\\lists\\one.qlx");
    doc().addRecentDoc("C:\\lists\\two.qlx");
    doc().addRecentDoc("C:\\lists\\R&D.qlx");
    ::SendMessageA(_win, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(5, 0));
    items = Gui::menuItems(recent);
    ASSERT_EQ(items.size(), 5u);
    EXPECT_EQ(items[2].text, "C:\\lists\\R&D.qlx");
    EXPECT_EQ(items[2].id, static_cast<UINT>(cmdId("OpenRecent1")));
    EXPECT_EQ(items[3].text, "C:\\lists\\two.qlx");
    EXPECT_EQ(items[4].text, "C:\\lists\\one.qlx");
    EXPECT_EQ(items[4].id, static_cast<UINT>(cmdId("OpenRecent3")));

    Gui::sendMenuCommand(_win, cmdId("StudySet_ClearRecent"));
    ::SendMessageA(_win, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(recent), MAKELPARAM(5, 0));
    EXPECT_EQ(Gui::menuItems(recent).size(), 2u);
    // The same popup stays in the bar across refills.
    EXPECT_EQ(Gui::menuItem(::GetSubMenu(::GetMenu(_win), 1), 5).popup, recent);
}

TEST_F(MainWindow, FailureDuringCreationIsReportedAndTheWindowStillOpens)
{
    destroyWindow();
    _store.failLoad = true;
    Gui::Answerer answers;
    const Gui::Seen box = answers.expectMessageBox(IDOK);
    createWindow();
    ASSERT_TRUE(box.seen());
    EXPECT_EQ(box.text(), "Internal error:\nFailure to initialize");
    EXPECT_EQ(box.caption(), "Exception");
    EXPECT_TRUE(::IsWindow(_win));
    // Everything built before the failure works.
    EXPECT_EQ(status(), "0 item(s), 0 selected");
    EXPECT_NE(::GetMenu(_win), nullptr);
}

TEST_F(MainWindow, IdsThatNameNoCommandAreIgnored)
{
    addItems(1);
    Gui::Answerer answers(1000);
    Gui::sendMenuCommand(_win, 33);
    Gui::sendAccelCommand(_win, 4000);
    ::SendMessageA(_win, WM_MENUSELECT, MAKEWPARAM(4000, MF_STRING | MF_HILITE), 0);
    EXPECT_EQ(status(), "1 item(s), 0 selected");

    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = toolbar();
    info.hdr.idFrom = 4000;
    info.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(_win, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.szText, "");
    Gui::pumpPending();
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(doc().getItemCount(), 1u);
}
