#include "app/ProgramHelp.h"

#include "app/MainWindow.h"
#include "persist/FileOps.h"

namespace
{
    const char* const WinHelpFile = "Quillory.hlp";
    const char* const HtmlHelpFile = "Quillory.chm";

    // HTML Help finds no window by keyword under Wine, so each keyword is
    // opened as its page; the keyword index stays for the user's Index tab.
    Win::HelpFile::Topics htmlHelpPages()
    {
        return {
            {"Adding/Editing Items", "items.html"},
            {"Customizing Study List Structure", "customizing.html"},
            {"Specifying Study Session Settings", "settings.html"},
        };
    }
}

Win::HelpFile programHelp(const std::string& directory, Win::HelpBackend& winHelp, Win::HelpBackend& htmlHelp)
{
    const std::string hlp = directory + WinHelpFile;
    if (FileOps::isFile(hlp))
        return Win::HelpFile(hlp, winHelp, {}, showError);
    return Win::HelpFile(directory + HtmlHelpFile, htmlHelp, htmlHelpPages(), showError);
}
