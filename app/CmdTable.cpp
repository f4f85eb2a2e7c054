#include "app/CmdTable.h"

#include "app/Commander.h"

const Cmd::Item<Commander> CmdTable[] = {
    {"Program_Help", &Commander::Program_Help, &Commander::can_Always, "Help on using Quillory"},
    {"Program_About", &Commander::Program_About, &Commander::can_Always, "About Quillory"},
    {"Program_Exit", &Commander::Program_Exit, &Commander::can_Always, "Quit Quillory"},
    {"StudySet_New", &Commander::StudySet_New, &Commander::can_Always, "Reset to a new Study List"},
    {"StudySet_Open", &Commander::StudySet_Open, &Commander::can_Always, "Open an existing Study List"},
    {"OpenRecent1", &Commander::OpenRecent1, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent2", &Commander::OpenRecent2, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent3", &Commander::OpenRecent3, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent4", &Commander::OpenRecent4, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent5", &Commander::OpenRecent5, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent6", &Commander::OpenRecent6, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent7", &Commander::OpenRecent7, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent8", &Commander::OpenRecent8, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent9", &Commander::OpenRecent9, &Commander::can_Always, "Reopen recently used Study Set"},
    {"OpenRecent10", &Commander::OpenRecent10, &Commander::can_Always, "Reopen recently used Study Set"},
    {"StudySet_Save", &Commander::StudySet_Save, &Commander::can_Always, "Save current Study List to disk"},
    {"StudySet_SaveAs", &Commander::StudySet_SaveAs, &Commander::can_Always,
     "Save current Study List to disk under different filename"},
    {"StudySet_Outline", &Commander::StudySet_Outline, &Commander::can_Always,
     "Set name of items, number and names of fields"},
    {"StudySet_ClearRecent", &Commander::StudySet_ClearRecent, &Commander::can_Always,
     "Clear list of recently opened Study Sets"},
    {"Study_Presentation", &Commander::Study_Presentation, &Commander::can_IfItems,
     "Begin a Presentation studying session"},
    {"Study_MC", &Commander::Study_MC, &Commander::can_IfItems, "Begin a Multiple Choice studying session"},
    {"Study_QA", &Commander::Study_QA, &Commander::can_IfItems, "Begin a Questions & Answers studying session"},
    {"StudySet_Settings", &Commander::StudySet_Settings, &Commander::can_Always, "Adjust studying session settings"},
    {"StudySet_ResetScores", &Commander::StudySet_ResetScores, &Commander::can_IfItems,
     "Reset asked/answered scores for all items"},
    {"Term_Add", &Commander::Term_Add, &Commander::can_Always, "Add a new item"},
    {"Term_Remove", &Commander::Term_Remove, &Commander::can_IfSelection, "Remove selected item(s)"},
    {"Term_Edit", &Commander::Term_Edit, &Commander::can_IfSelection, "Edit selected item"},
    {"Term_SelectAll", &Commander::Term_SelectAll, &Commander::can_IfItems, "Select all items"},
    {"StudySet_Import", &Commander::StudySet_Import, &Commander::can_Always,
     "Make a new Study List from a CSV, TSV, Anki, Quizlet or JSON file"},
    {"StudySet_Export", &Commander::StudySet_Export, &Commander::can_Always,
     "Write the Study List to a CSV, TSV, Anki, Quizlet or JSON file"},
    {"Term_Find", &Commander::Term_Find, &Commander::can_IfItems, "Find an item by a text in any of its fields"},
    {"Term_FindNext", &Commander::Term_FindNext, &Commander::can_IfItems, "Find the next item with the text"},
    {"Term_FindPrevious", &Commander::Term_FindPrevious, &Commander::can_IfItems,
     "Find the previous item with the text"},
    {nullptr, nullptr, nullptr, nullptr},
};

bool isCommandId(int id)
{
    static const int count = [] {
        int rows = 0;
        while (CmdTable[rows]._exec != nullptr)
            ++rows;
        return rows;
    }();
    return id >= 0 && id < count;
}
