#pragma once
#include "WinLib/Menu.h"

namespace Cmd { class Vector; }
class Quillory;

// The "Open Recent" submenu: refilled from the document's recent documents
// each time it opens.
class RecentMenu : public Menu::DynamicMaker
{
public:
    RecentMenu(Menu::DropDown& menus, const Quillory& doc, const Cmd::Vector& cmdVector);
    void Refill(HMENU popup) override;

private:
    void fill();

    const Quillory* _doc;
    const Cmd::Vector* _cmdVector;
};
