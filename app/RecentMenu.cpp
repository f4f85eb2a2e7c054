#include "app/RecentMenu.h"

#include "base/Assert.h"
#include "base/Exception.h"
#include "WinLib/LastError.h"
#include "WinLib/Command.h"
#include "app/UiTables.h"
#include "model/Quillory.h"

#include <string>

RecentMenu::RecentMenu(Menu::DropDown& menus, const Quillory& doc, const Cmd::Vector& cmdVector)
    : _doc(&doc), _cmdVector(&cmdVector)
{
    if (getHandle() == nullptr)
        throw Win::Exception("Internal error: cannot create menu", Win::lastError());
    fill();
    menus.AddDynamic(*this, "Open Recent", RecentMenuBarIdx, RecentMenuPosition);
}

void RecentMenu::fill()
{
    Assert(getHandle()!=0);
    AddItem(_cmdVector->cmdToId("StudySet_ClearRecent"), "Clear Recent");
    AddSeparator();
    const auto recent = _doc->getRecentDocs();
    unsigned n = 1;
    for (const std::string& path : recent)
    {
        // There are only ten OpenRecent commands.
        if (n > Quillory::MaxRecentDocs)
            break;
        const std::string cmdName = "OpenRecent" + std::to_string(n++);
        AddItem(_cmdVector->cmdToId(cmdName.c_str()), path.c_str());
    }
}

void RecentMenu::Refill(HMENU popup)
{
    while (::DeleteMenu(popup, 0, MF_BYPOSITION))
        ;
    Reset(popup);
    try
    {
        fill();
    }
    catch (...)
    {
        // The menu bar owns the popup, whatever happened while filling it.
        Release();
        throw;
    }
    Release();
}
