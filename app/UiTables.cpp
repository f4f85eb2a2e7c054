#include "app/UiTables.h"

#include "res/resource.h"

#include <commctrl.h>

namespace
{
    using Menu::CMD;
    using Menu::END;
    using Menu::POP;
    using Menu::SEPARATOR;

    const Menu::Item ProgramMenu[] = {
        {CMD, "&Help\tF1", "Program_Help", nullptr},
        {CMD, "&About", "Program_About", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "E&xit\tAlt+F4", "Program_Exit", nullptr},
        {END, nullptr, nullptr, nullptr},
    };

    const Menu::Item StudyMenu[] = {
        {CMD, "&Presentation", "Study_Presentation", nullptr},
        {CMD, "&Multiple choice", "Study_MC", nullptr},
        {CMD, "&Questions && Answers", "Study_QA", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "&Settings...", "StudySet_Settings", nullptr},
        {END, nullptr, nullptr, nullptr},
    };

    // The two adjacent separators frame the "Open Recent" submenu inserted at run time.
    const Menu::Item StudyListMenu[] = {
        {CMD, "&New...\tCtrl+N", "StudySet_New", nullptr},
        {CMD, "&Open...\tCtrl+O", "StudySet_Open", nullptr},
        {CMD, "&Save\tCtrl+S", "StudySet_Save", nullptr},
        {CMD, "Save &As...", "StudySet_SaveAs", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "&Import...", "StudySet_Import", nullptr},
        {CMD, "&Export...", "StudySet_Export", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "C&ustomize...\tCtrl+L", "StudySet_Outline", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {POP, "S&tudy", nullptr, StudyMenu},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "&Reset scores", "StudySet_ResetScores", nullptr},
        {END, nullptr, nullptr, nullptr},
    };

    const Menu::Item ItemMenu[] = {
        {CMD, "&Add...\tIns", "Term_Add", nullptr},
        {CMD, "&Remove\tDel", "Term_Remove", nullptr},
        {CMD, "&Edit...", "Term_Edit", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "Select &All\tCtrl+A", "Term_SelectAll", nullptr},
        {SEPARATOR, nullptr, nullptr, nullptr},
        {CMD, "&Find...\tCtrl+F", "Term_Find", nullptr},
        {CMD, "Find &Next\tF3", "Term_FindNext", nullptr},
        {CMD, "Find Pre&vious\tShift+F3", "Term_FindPrevious", nullptr},
        {END, nullptr, nullptr, nullptr},
    };

    using TB = Win::ToolbarButton;
}

const Menu::Item MenuTable[] = {
    {POP, "&Program", "Program", ProgramMenu},
    {POP, "&Study List", "Study List", StudyListMenu},
    {POP, "&Item", "Item", ItemMenu},
    {END, nullptr, nullptr, nullptr},
};

const Accel::Item AccelTable[] = {
    {0, VK_F1, "Program_Help"},
    {0, VK_RETURN, "Term_Edit"},
    {0, VK_INSERT, "Term_Add"},
    {0, VK_DELETE, "Term_Remove"},
    {FCONTROL, 'A', "Term_SelectAll"},
    {FCONTROL, 'N', "StudySet_New"},
    {FCONTROL, 'O', "StudySet_Open"},
    {FCONTROL, 'S', "StudySet_Save"},
    {FCONTROL, 'L', "StudySet_Outline"},
    {FCONTROL, 'F', "Term_Find"},
    {0, VK_F3, "Term_FindNext"},
    {FSHIFT, VK_F3, "Term_FindPrevious"},
    {0, 0, nullptr},
};

const Accel::Item FindKeysTable[] = {
    {FCONTROL, 'F', "Term_Find"},
    {0, VK_F3, "Term_FindNext"},
    {FSHIFT, VK_F3, "Term_FindPrevious"},
    {0, 0, nullptr},
};

const Win::ToolbarButton ToolbarTable[] = {
    {TB::PUSH, TB::STD_IMAGES, STD_FILENEW, "New", "StudySet_New"},
    {TB::PUSH, TB::STD_IMAGES, STD_FILEOPEN, "Open", "StudySet_Open"},
    {TB::PUSH, TB::STD_IMAGES, STD_FILESAVE, "Save", "StudySet_Save"},
    {TB::SEPARATOR, 0, 6, nullptr, nullptr},
    {TB::PUSH, TB::RESOURCE, IDB_TB_ADD, "Add", "Term_Add"},
    {TB::PUSH, TB::RESOURCE, IDB_TB_EDIT, "Edit", "Term_Edit"},
    {TB::PUSH, TB::RESOURCE, IDB_TB_REMOVE, "Remove", "Term_Remove"},
    {TB::SEPARATOR, 0, 6, nullptr, nullptr},
    {TB::PUSH, TB::STD_IMAGES, STD_PROPERTIES, "Customize", "StudySet_Outline"},
    {TB::SEPARATOR, 0, 6, nullptr, nullptr},
    {TB::PUSH, TB::RESOURCE, IDB_TB_HELP, "Help", "Program_Help"},
    {TB::END, 0, 0, nullptr, nullptr},
};
