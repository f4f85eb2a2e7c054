#include "tests/WinLib/TestWindow.h"

#include "WinLib/Accel.h"
#include "base/Exception.h"
#include "WinLib/MsgLoop.h"
#include "WinLib/PendingException.h"
#include "WinLib/Command.h"
#include "tests/support/gui/Harness.h"

#include <algorithm>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
    // The system procedure's answer, to compare against ours.
    LRESULT defaultAnswer(HWND h, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        return ::DefWindowProcA(h, msg, wParam, lParam);
    }

    class ControllerTest : public ::testing::Test
    {
    protected:
        WinTest::RecordingController ctrl;
        WinTest::Window window{ctrl};
        HWND h() const { return window.get(); }
    };
}

TEST_F(ControllerTest, ControllerIsBoundBeforeCreateArrives)
{
    EXPECT_EQ(ctrl.windowAtCreate, h());
    ASSERT_FALSE(ctrl.calls.empty());
    EXPECT_EQ(ctrl.calls.front(), "create");
}

TEST(ControllerBinding, MessagesBeforeBindingGoToTheDefaultProcedure)
{
    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl);
    // A window of the class without a controller: as before WM_NCCREATE.
    Win::Maker maker(WinTest::windowClassName(), ::GetModuleHandleA(nullptr));
    HWND bare = maker.Create("bare");
    MINMAXINFO info{};
    EXPECT_EQ(Win::Procedure(bare, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)),
              defaultAnswer(bare, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(::SendMessageA(bare, WM_USER + 3, 0, 0), 0);
    EXPECT_EQ(::SendMessageA(bare, WM_COMMAND, 5, 0), 0);
    ::DestroyWindow(bare);
    // The other window's controller saw none of it.
    EXPECT_FALSE(ctrl.received("user 3 0"));
    EXPECT_FALSE(ctrl.received("command 5 menu"));
}

TEST_F(ControllerTest, MenuAcceleratorAndControlCommandsReachTheirHooks)
{
    Gui::sendMenuCommand(h(), 12);
    Gui::sendAccelCommand(h(), 13);
    HWND button = ::CreateWindowExA(0, "BUTTON", "Go", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, h(),
                                    reinterpret_cast<HMENU>(77), ::GetModuleHandleA(nullptr), nullptr);
    ::SendMessageA(button, BM_CLICK, 0, 0);
    std::vector<std::string> commands;
    for (const auto& call : ctrl.calls)
        if (call.rfind("command", 0) == 0 || call.rfind("control", 0) == 0)
            commands.push_back(call);
    EXPECT_EQ(commands, (std::vector<std::string>{"command 12 menu", "command 13 accel", "control 77 0"}));
}

TEST(ControllerAccelerator, KeyThroughTheMessageLoopArrivesWithTheAcceleratorFlag)
{
    struct Exec
    {
        void run() {}
        int on() const { return 1; }
    };
    static const Cmd::Item<Exec> commands[] = {{"First", &Exec::run, &Exec::on, "first"},
                                               {"Term_Add", &Exec::run, &Exec::on, "add"},
                                               {nullptr, nullptr, nullptr, nullptr}};
    static const Accel::Item keys[] = {{0, VK_INSERT, "Term_Add"}, {FCONTROL, 'A', "First"}, {0, 0, nullptr}};
    Exec exec;
    Cmd::VectorExec<Exec> table(commands, &exec);
    Accel::Table accel(keys, table);

    WinTest::RecordingController ctrl;
    WinTest::Window window(ctrl);
    ::ShowWindow(window.get(), SW_SHOW);
    Gui::setAccelerators(window.get(), accel.getHandle());
    Gui::postKey(window.get(), VK_INSERT);
    EXPECT_TRUE(Gui::pumpUntil([&] { return ctrl.received("command 1 accel"); }));
    // 'A' alone is no accelerator; Ctrl+A is, for command 0, whose id also
    // names every separator of the window's system menu.
    Gui::postKey(window.get(), 'A');
    EXPECT_FALSE(ctrl.received("command 0 accel"));
    Gui::postKey(window.get(), 'A', Gui::Ctrl);
    EXPECT_TRUE(Gui::pumpUntil([&] { return ctrl.received("command 0 accel"); }))
        << ::testing::PrintToString(ctrl.calls);
    Gui::setAccelerators(nullptr, nullptr);
}

TEST_F(ControllerTest, DestroyAnswersZeroWhetherHandledOrNot)
{
    for (bool handled : {true, false})
    {
        ctrl.handle = handled;
        EXPECT_EQ(Win::Procedure(h(), WM_DESTROY, 0, 0), 0);
    }
    EXPECT_EQ(std::count(ctrl.calls.begin(), ctrl.calls.end(), "destroy"), 2);
}

TEST_F(ControllerTest, UserMessageReturnsTheHooksResultOnlyWhenHandled)
{
    ctrl.userResult = 42;
    EXPECT_EQ(::SendMessageA(h(), WM_USER + 5, 9, 0), 42);
    ctrl.handle = false;
    EXPECT_EQ(::SendMessageA(h(), WM_USER + 5, 9, 0), 0);
    EXPECT_TRUE(ctrl.received("user 5 9"));
}

TEST_F(ControllerTest, HandledContextMenuAnswersOne)
{
    EXPECT_EQ(::SendMessageA(h(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h()), MAKELPARAM(30, 10)), 1);
    EXPECT_TRUE(ctrl.received("contextmenu 30 10"));
}

// A monitor left of or above the primary one has negative coordinates, and
// the keyboard's menu comes as (-1, -1).
TEST_F(ControllerTest, MouseCoordinatesAreSignExtended)
{
    ::SendMessageA(h(), WM_MOUSEMOVE, 0, MAKELPARAM(-5, -7));
    ::SendMessageA(h(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h()), MAKELPARAM(-1280, 10));
    ::SendMessageA(h(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(h()), MAKELPARAM(-1, -1));
    EXPECT_TRUE(ctrl.received("mousemove -5 -7"));
    EXPECT_TRUE(ctrl.received("contextmenu -1280 10"));
    EXPECT_TRUE(ctrl.received("contextmenu -1 -1"));
    EXPECT_TRUE(Win::isKeyboardMenu(-1, -1));
    EXPECT_FALSE(Win::isKeyboardMenu(-1, 10));
}

TEST_F(ControllerTest, CloseNotHandledDestroysTheWindow)
{
    ::SendMessageA(h(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(::IsWindow(h()));
    ctrl.handle = false;
    ::SendMessageA(h(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(h()));
    EXPECT_TRUE(ctrl.received("destroy"));
}

TEST_F(ControllerTest, InitMenuPopupSeparatesTheSystemMenu)
{
    HMENU menu = ::CreatePopupMenu();
    ::SendMessageA(h(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(2, 0));
    ::SendMessageA(h(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(0, 1));
    ::SendMessageA(h(), WM_MENUSELECT, MAKEWPARAM(7, 0xFFFF), 0);
    ::DestroyMenu(menu);
    EXPECT_TRUE(ctrl.received("initpopup 2"));
    EXPECT_TRUE(ctrl.received("initsysmenu 0"));
    EXPECT_TRUE(ctrl.received("menuselect 7 65535"));
}

TEST_F(ControllerTest, NotificationsAreSortedByCode)
{
    NMTTDISPINFOA tip{};
    tip.hdr.hwndFrom = h();
    tip.hdr.idFrom = 24;
    tip.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(h(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&tip));
    EXPECT_STREQ(tip.szText, "tip 24");

    NMLISTVIEW click{};
    click.hdr.idFrom = 2;
    click.hdr.code = LVN_COLUMNCLICK;
    click.iSubItem = 3;
    ::SendMessageA(h(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&click));

    NMLVDISPINFOA disp{};
    disp.hdr.idFrom = 2;
    disp.hdr.code = LVN_GETDISPINFOA;
    disp.item.iItem = 8;
    ::SendMessageA(h(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&disp));

    NMHDR other{};
    other.code = NM_DBLCLK;
    ::SendMessageA(h(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&other));

    EXPECT_TRUE(ctrl.received("tooltip 24"));
    EXPECT_TRUE(ctrl.received("columnclick 2 3"));
    EXPECT_TRUE(ctrl.received("dispinfo 2 8"));
    EXPECT_TRUE(ctrl.received("notify " + std::to_string(static_cast<int>(NM_DBLCLK))));
}

namespace
{
    class EnterCatcher : public Win::SubController
    {
    public:
        int enters = 0;
        int focus = 0;
        bool OnKeyDown(WPARAM key, LPARAM) override
        {
            if (key != VK_RETURN)
                return false;
            ++enters;
            return true;
        }
        bool OnFocus(HWND) override
        {
            ++focus;
            return false;
        }
    };
}

TEST_F(ControllerTest, SubControllerTakesItsKeysAndLeavesTheRestToTheControl)
{
    HWND edit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, h(), nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    EnterCatcher catcher;
    catcher.Attach(edit);
    ::ShowWindow(h(), SW_SHOW);
    ::SetFocus(edit);
    EXPECT_EQ(::SendMessageA(edit, WM_KEYDOWN, VK_RETURN, 0), 0);
    ::SendMessageA(edit, WM_CHAR, 'q', 1);
    EXPECT_EQ(catcher.enters, 1);
    EXPECT_GE(catcher.focus, 1);
    // Typing still reaches the edit control's own procedure.
    EXPECT_EQ(Gui::windowText(edit), "q");
}

namespace
{
    class Thrower : public WinTest::RecordingController
    {
    public:
        bool OnUserMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override
        {
            if (msg == WM_USER + 9)
                throw Win::Exception("handler failed", 5);
            return false;
        }
    };
}

TEST(MessageLoop, PumpReturnsTheQuitCode)
{
    Win::MsgPrepro loop(nullptr, nullptr);
    ::PostQuitMessage(7);
    EXPECT_EQ(loop.Pump(), 7);
}

TEST(MessageLoop, ExceptionFromAHandlerReachesTheCallerOfPump)
{
    Thrower ctrl;
    WinTest::Window window(ctrl);
    ::PostMessageA(window.get(), WM_USER + 9, 0, 0);
    Win::MsgPrepro loop(nullptr, nullptr);
    try
    {
        loop.Pump();
        ADD_FAILURE() << "no exception";
    }
    catch (const Win::Exception& e)
    {
        EXPECT_EQ(e.getMessage(), "handler failed");
        EXPECT_EQ(e.getError(), 5u);
    }
}

namespace
{
    class FailingCreate : public WinTest::RecordingController
    {
    public:
        bool OnCreate(CREATESTRUCTA*) override { throw std::runtime_error("no view"); }
    };
}

TEST(ControllerFailure, ExceptionInOnCreateComesOutOfCreateItself)
{
    FailingCreate ctrl;
    Win::Maker maker(WinTest::windowClassName(), ::GetModuleHandleA(nullptr));
    EXPECT_THROW(
        {
            try
            {
                maker.Create(ctrl, "failing");
            }
            catch (const std::runtime_error& e)
            {
                EXPECT_STREQ(e.what(), "no view");
                throw;
            }
        },
        std::runtime_error);
    EXPECT_FALSE(Win::hasPendingException());
}

TEST(ControllerFailure, ExceptionFromASentMessageIsKeptUntilTheLoopRuns)
{
    Thrower ctrl;
    WinTest::Window window(ctrl);
    EXPECT_EQ(::SendMessageA(window.get(), WM_USER + 9, 0, 0), 0);
    EXPECT_TRUE(Win::hasPendingException());
    Win::MsgPrepro loop(nullptr, nullptr);
    ::PostQuitMessage(0);
    EXPECT_THROW(loop.Pump(), Win::Exception);
    EXPECT_FALSE(Win::hasPendingException());
}
