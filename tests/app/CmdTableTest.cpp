#include <gtest/gtest.h>

#include "app/CmdTable.h"
#include "app/Commander.h"
#include "WinLib/HelpFile.h"
#include "model/Quillory.h"
#include "tests/support/AssertCatcher.h"
#include "tests/support/HelpRecorder.h"

#include <cstring>
#include <string>

namespace
{
    // The commands here are only tested, never run: their help goes nowhere.
    HelpRecorder unusedHelp;
    const Win::HelpFile noHelp{"", unusedHelp, {}, [](const std::string&) {}};

    class CmdTableFixture : public ::testing::Test
    {
    protected:
        Quillory doc;
        // No window: only tests are run, and they read the document alone.
        Commander commander{nullptr, doc, noHelp};
        CmdVector cmds{CmdTable, &commander};

        void addItem()
        {
            doc.addItem(TermSet(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline()));
        }
    };

    const char* const AlwaysAvailable[] = {
        "Program_Help", "Program_About", "Program_Exit", "StudySet_New", "StudySet_Open", "OpenRecent1",
        "OpenRecent10", "StudySet_Save", "StudySet_SaveAs", "StudySet_Outline", "StudySet_ClearRecent",
        "StudySet_Settings", "Term_Add", "StudySet_Import", "StudySet_Export"};
    const char* const NeedItems[] = {"Study_Presentation", "Study_MC", "Study_QA", "StudySet_ResetScores",
                                     "Term_SelectAll", "Term_Find", "Term_FindNext", "Term_FindPrevious"};
    const char* const NeedSelection[] = {"Term_Remove", "Term_Edit"};
}

// The described commands keep their ids 0 to 27; the later ones follow them.
TEST_F(CmdTableFixture, KeepsTheTwentyEightDescribedCommandsFirstInTableOrder)
{
    int count = 0;
    while (CmdTable[count]._exec != nullptr)
        ++count;
    EXPECT_EQ(count, 33);
    for (int id = 0; id < count; ++id)
        EXPECT_EQ(cmds.cmdToId(CmdTable[id]._name), id) << CmdTable[id]._name;
    EXPECT_EQ(cmds.cmdToId("Program_Help"), 0);
    EXPECT_EQ(cmds.cmdToId("OpenRecent1"), 5);
    EXPECT_EQ(cmds.cmdToId("OpenRecent10"), 14);
    EXPECT_EQ(cmds.cmdToId("StudySet_ClearRecent"), 18);
    EXPECT_EQ(cmds.cmdToId("Term_SelectAll"), 27);
    EXPECT_EQ(cmds.cmdToId("StudySet_Import"), 28);
    EXPECT_EQ(cmds.cmdToId("Term_FindPrevious"), 32);
}

TEST_F(CmdTableFixture, NamesAreFoundWithoutRegardToCase)
{
    const int id = cmds.cmdToId("StudySet_New");
    EXPECT_EQ(id, 3);
    EXPECT_EQ(cmds.cmdToId("studyset_new"), id);
    EXPECT_EQ(cmds.cmdToId("STUDYSET_NEW"), id);
}

TEST_F(CmdTableFixture, UnknownNameHasNoId)
{
    EXPECT_EQ(cmds.cmdToId("StudySet_Print"), -1);
    EXPECT_EQ(cmds.cmdToId(""), -1);
    EXPECT_ASSERTION(cmds.test(-1), "cmdId!=-1");
    EXPECT_ASSERTION(cmds.getHelp(-1), "cmdId!=-1");
    EXPECT_ASSERTION(cmds.execute(-1), "cmdId!=-1");
}

TEST_F(CmdTableFixture, EveryHelpTextFitsTheTooltipBuffer)
{
    for (int id = 0; CmdTable[id]._exec != nullptr; ++id)
    {
        EXPECT_LT(std::strlen(cmds.getHelp(id)), 80u) << CmdTable[id]._name;
        EXPECT_NE(CmdTable[id]._test, nullptr) << CmdTable[id]._name;
    }
    EXPECT_STREQ(cmds.getHelp(cmds.cmdToId("OpenRecent7")), "Reopen recently used Study Set");
    EXPECT_STREQ(cmds.getHelp(cmds.cmdToId("Study_QA")), "Begin a Questions & Answers studying session");
}

TEST_F(CmdTableFixture, EmptyListGreysStudyResetSelectAndSelectionCommands)
{
    for (const char* name : AlwaysAvailable)
        EXPECT_EQ(cmds.test(name), 1) << name;
    for (const char* name : NeedItems)
        EXPECT_EQ(cmds.test(name), 0) << name;
    for (const char* name : NeedSelection)
        EXPECT_EQ(cmds.test(name), 0) << name;
}

TEST_F(CmdTableFixture, ItemsWithoutSelectionEnableAllButRemoveAndEdit)
{
    addItem();
    for (const char* name : NeedItems)
        EXPECT_EQ(cmds.test(name), 1) << name;
    for (const char* name : NeedSelection)
        EXPECT_EQ(cmds.test(name), 0) << name;
}

TEST_F(CmdTableFixture, SelectionEnablesEveryCommand)
{
    addItem();
    doc.select(0);
    for (int id = 0; CmdTable[id]._exec != nullptr; ++id)
        EXPECT_EQ(cmds.test(id), 1) << CmdTable[id]._name;
}

TEST(CmdVector, ChecksItsExecutorAndRows)
{
    CmdVector noCommander(CmdTable, nullptr);
    EXPECT_ASSERTION(noCommander.test(0), "_commander!=0");
    EXPECT_ASSERTION(noCommander.execute(0), "_commander!=0");
    EXPECT_ASSERTION(noCommander.getHelp(0), "_commander!=0");

    Quillory doc;
    Commander commander(nullptr, doc, noHelp);
    const Cmd::Item<Commander> rows[] = {
        {"Broken", &Commander::Program_Help, nullptr, nullptr},
        {nullptr, nullptr, nullptr, nullptr},
    };
    CmdVector broken(rows, &commander);
    EXPECT_ASSERTION(broken.test(0), "_cmd[cmdId]._test!=0");
    EXPECT_ASSERTION(broken.getHelp(0), "_cmd[cmdId]._help != 0");
    // The row past the end is the terminator, whose exec is null.
    EXPECT_ASSERTION(broken.execute(1), "_cmd [cmdId]._exec != 0");
}
