#include "WinLib/HtmlHelp.h"

#include "base/Exception.h"
#include "WinLib/LastError.h"

namespace
{
    // The commands of HtmlHelpA that are used here.
    const UINT DisplayTopic = 0x0000;   // HH_DISPLAY_TOPIC
    const UINT DisplayToc = 0x0001;     // HH_DISPLAY_TOC
    const UINT CloseAll = 0x0012;       // HH_CLOSE_ALL
}

Win::HtmlHelpBackend::~HtmlHelpBackend()
{
    // The library must not go while its windows are still open.
    closeAll();
}

Win::HtmlHelpBackend::Function Win::HtmlHelpBackend::viewer()
{
    if (_htmlHelp != nullptr)
        return _htmlHelp;
    auto hhctrl = std::make_unique<Module>(_library.c_str());
    if (!hhctrl->isLoaded())
        throw Win::Exception("Can't show the help: HTML Help (" + _library + ") cannot be loaded on this system.",
                             Win::lastError());
    const FARPROC found = hhctrl->function("HtmlHelpA");
    if (found == nullptr)
        throw Win::Exception("Can't show the help: HTML Help (" + _library + ") has no HtmlHelpA.", Win::lastError());
    // Through the one function type that converts to any other without a warning.
    _htmlHelp = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
    _hhctrl = std::move(hhctrl);
    return _htmlHelp;
}

void Win::HtmlHelpBackend::show(HWND owner, const std::string& file, const std::string& location, UINT command)
{
    // The help window belongs to its caller and would close with a dialog:
    // the dialog's top-level owner keeps it open for reading afterwards.
    HWND caller = owner != nullptr ? ::GetAncestor(owner, GA_ROOTOWNER) : nullptr;
    if (viewer()(caller, location.c_str(), command, 0) == nullptr)
        throw Win::Exception("Can't open the help file\n" + file, Win::lastError());
}

void Win::HtmlHelpBackend::showContents(HWND owner, const std::string& file)
{
    show(owner, file, file, DisplayToc);
}

void Win::HtmlHelpBackend::showTopic(HWND owner, const std::string& file, const std::string& page)
{
    show(owner, file, file + "::/" + page, DisplayTopic);
}

void Win::HtmlHelpBackend::close(HWND /*owner*/, const std::string& /*file*/)
{
    closeAll();
}

// Without the library loaded no help window can be open: nothing to load for.
void Win::HtmlHelpBackend::closeAll()
{
    if (_htmlHelp != nullptr)
        _htmlHelp(nullptr, nullptr, CloseAll, 0);
}
