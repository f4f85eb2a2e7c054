#pragma once
#include "WinLib/Accel.h"
#include "WinLib/Menu.h"
#include "WinLib/Toolbar.h"

// The main window's menu bar, accelerators and toolbar, naming commands of CmdTable.
extern const Menu::Item MenuTable[];
extern const Accel::Item AccelTable[];
// The find keys, which also work while the Find window has the keyboard.
extern const Accel::Item FindKeysTable[];
extern const Win::ToolbarButton ToolbarTable[];

// Where the "Open Recent" submenu goes: bar popup 1 ("&Study List"), between its two separators.
const unsigned RecentMenuBarIdx = 1;
const unsigned RecentMenuPosition = 5;
// The "&Item" popup doubles as the list view's context menu.
const unsigned ItemMenuBarIdx = 2;
