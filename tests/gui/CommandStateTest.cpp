#include "tests/gui/MainWindowFixture.h"

#include "tests/support/gui/Answerer.h"
#include "tests/support/gui/Harness.h"

#include <commctrl.h>

#include <map>
#include <string>
#include <vector>

namespace
{
    enum class ListState { EMPTY, ITEMS, SELECTION };
    enum class Needs { NOTHING, ITEMS, SELECTION };

    // Every command that a menu item shows, with what it needs to be available.
    const std::map<std::string, Needs> MenuCommands = {
        {"Program_Help", Needs::NOTHING},        {"Program_About", Needs::NOTHING},
        {"Program_Exit", Needs::NOTHING},        {"StudySet_New", Needs::NOTHING},
        {"StudySet_Open", Needs::NOTHING},       {"StudySet_Save", Needs::NOTHING},
        {"StudySet_SaveAs", Needs::NOTHING},     {"StudySet_Outline", Needs::NOTHING},
        {"Study_Presentation", Needs::ITEMS},    {"Study_MC", Needs::ITEMS},
        {"Study_QA", Needs::ITEMS},              {"StudySet_Settings", Needs::NOTHING},
        {"StudySet_ResetScores", Needs::ITEMS},  {"Term_Add", Needs::NOTHING},
        {"Term_Remove", Needs::SELECTION},       {"Term_Edit", Needs::SELECTION},
        {"Term_SelectAll", Needs::ITEMS},        {"StudySet_Import", Needs::NOTHING},
        {"StudySet_Export", Needs::NOTHING},     {"Term_Find", Needs::ITEMS},
        {"Term_FindNext", Needs::ITEMS},         {"Term_FindPrevious", Needs::ITEMS},
    };

    // The toolbar's buttons in order, with what they need.
    const std::vector<std::pair<std::string, Needs>> ToolbarCommands = {
        {"StudySet_New", Needs::NOTHING}, {"StudySet_Open", Needs::NOTHING},   {"StudySet_Save", Needs::NOTHING},
        {"Term_Add", Needs::NOTHING},     {"Term_Edit", Needs::SELECTION},     {"Term_Remove", Needs::SELECTION},
        {"StudySet_Outline", Needs::NOTHING}, {"Program_Help", Needs::NOTHING},
    };

    bool available(Needs needs, ListState state)
    {
        switch (needs)
        {
        case Needs::NOTHING:
            return true;
        case Needs::ITEMS:
            return state != ListState::EMPTY;
        case Needs::SELECTION:
            return state == ListState::SELECTION;
        }
        return false;
    }

    const char* name(ListState state)
    {
        return state == ListState::EMPTY ? "empty" : state == ListState::ITEMS ? "items" : "selection";
    }

    class CommandStates : public MainWindowFixture, public ::testing::WithParamInterface<ListState>
    {
    protected:
        void SetUp() override
        {
            MainWindowFixture::SetUp();
            if (GetParam() != ListState::EMPTY)
                addItems(3);
            if (GetParam() == ListState::SELECTION)
                selectRows({1});
        }

        // Every command item of the bar, its popups and the Study submenu,
        // each initialised as when it opens.
        std::map<UINT, bool> menuGreying()
        {
            std::map<UINT, bool> grayed;
            for (int pos = 0; pos < 3; ++pos)
            {
                HMENU popup = Gui::openBarPopup(_win, pos);
                collect(popup, grayed);
            }
            return grayed;
        }

        void collect(HMENU popup, std::map<UINT, bool>& grayed)
        {
            const auto items = Gui::menuItems(popup);
            for (size_t i = 0; i < items.size(); ++i)
            {
                if (items[i].popup != nullptr)
                {
                    ::SendMessageA(_win, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(items[i].popup),
                                   MAKELPARAM(i, 0));
                    collect(items[i].popup, grayed);
                }
                else if (!items[i].separator)
                {
                    grayed[items[i].id] = Gui::menuItem(popup, static_cast<int>(i)).grayed;
                }
            }
        }
    };
}

TEST_P(CommandStates, MenuItemsAreGreyedExactlyWhenTheirCommandIsUnavailable)
{
    const std::map<UINT, bool> grayed = menuGreying();
    for (const auto& [cmd, needs] : MenuCommands)
    {
        const auto it = grayed.find(static_cast<UINT>(cmdId(cmd.c_str())));
        ASSERT_NE(it, grayed.end()) << cmd << " has no menu item";
        EXPECT_EQ(it->second, !available(needs, GetParam())) << cmd << " in state " << name(GetParam());
    }
}

TEST_P(CommandStates, ToolbarButtonsAreGreyedExactlyWhenTheirCommandIsUnavailable)
{
    for (const auto& [cmd, needs] : ToolbarCommands)
    {
        const int state = Gui::toolbarState(toolbar(), cmdId(cmd.c_str()));
        ASSERT_NE(state, -1) << cmd << " has no button";
        if (available(needs, GetParam()))
            EXPECT_EQ(state & (TBSTATE_ENABLED | TBSTATE_INDETERMINATE), TBSTATE_ENABLED) << cmd;
        else
            EXPECT_EQ(state & (TBSTATE_ENABLED | TBSTATE_INDETERMINATE), TBSTATE_INDETERMINATE) << cmd;
    }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, CommandStates,
                         ::testing::Values(ListState::EMPTY, ListState::ITEMS, ListState::SELECTION),
                         [](const ::testing::TestParamInfo<ListState>& info) { return std::string(name(info.param)); });

using Toolbar = MainWindowFixture;

TEST_F(Toolbar, HasItsButtonsAndSeparatorsInOrder)
{
    const std::vector<std::string> expected = {"StudySet_New", "StudySet_Open", "StudySet_Save", "",
                                               "Term_Add",     "Term_Edit",     "Term_Remove",   "",
                                               "StudySet_Outline", "",          "Program_Help"};
    ASSERT_EQ(Gui::toolbarButtonCount(toolbar()), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i)
    {
        const Gui::ToolbarButtonInfo button = Gui::toolbarButton(toolbar(), static_cast<int>(i));
        if (expected[i].empty())
            EXPECT_TRUE(button.style & TBSTYLE_SEP) << i;
        else
            EXPECT_EQ(button.id, cmdId(expected[i].c_str())) << i;
    }
}

TEST_F(Toolbar, TooltipShowsTheCommandsHelpText)
{
    NMTTDISPINFOA info = {};
    info.hdr.hwndFrom = toolbar();
    info.hdr.idFrom = static_cast<UINT_PTR>(cmdId("StudySet_SaveAs"));
    info.hdr.code = TTN_NEEDTEXTA;
    ::SendMessageA(_win, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
    EXPECT_STREQ(info.szText, "Save current Study List to disk under different filename");
}

TEST_F(Toolbar, ButtonClickRunsTheCommandWithoutTest)
{
    addItems(2);
    selectRows({0});
    Gui::Answerer answers;
    const Gui::Seen box = answers.expectMessageBox(IDYES);
    Gui::clickToolbarButton(toolbar(), cmdId("Term_Remove"));
    Gui::pumpUntil([&] { return box.seen(); });
    EXPECT_EQ(box.text(), "Are you sure you want to delete the selected items?");
    EXPECT_EQ(box.caption(), "Please confirm");
    EXPECT_EQ(doc().getItemCount(), 1u);
    EXPECT_EQ(status(), "1 item(s), 0 selected");
}

TEST_F(Toolbar, GreyedButtonClickDoesNothing)
{
    addItems(2);
    Gui::Answerer answers(1000);
    Gui::clickToolbarButton(toolbar(), cmdId("Term_Remove"));
    Gui::pumpPending();
    EXPECT_TRUE(answers.unexpected().empty());
    EXPECT_EQ(doc().getItemCount(), 2u);
}
