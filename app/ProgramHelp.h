#pragma once
#include <string>

#include "WinLib/HelpFile.h"

// Quillory's help in `directory` (the program's own): Quillory.hlp through
// WinHelp when one lies there, otherwise Quillory.chm through HTML Help, where
// each keyword the dialogs ask for leads to its page. Failures go to the
// program's error box.
Win::HelpFile programHelp(const std::string& directory, Win::HelpBackend& winHelp, Win::HelpBackend& htmlHelp);
