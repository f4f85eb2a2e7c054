#pragma once
#include "WinLib/Command.h"

class Commander;

using CmdVector = Cmd::VectorExec<Commander>;

// Every command of the main window, in id order; ends with a null row.
extern const Cmd::Item<Commander> CmdTable[];

// Whether `id` names a row of CmdTable; ids from elsewhere are not commands.
bool isCommandId(int id);
