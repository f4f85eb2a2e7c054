#pragma once
#include "WinLib/HelpBackend.h"
#include "WinLib/Module.h"

#include <memory>
#include <string>

namespace Win
{
    // HTML Help, for a .chm file; topics are pages of the file. The viewer,
    // hhctrl.ocx, is loaded when help is first shown and stays loaded until
    // the object goes, which first closes the help windows.
    class HtmlHelpBackend : public HelpBackend
    {
    public:
        // `library` is the viewer's file name, the system's own by default.
        explicit HtmlHelpBackend(std::string library = "hhctrl.ocx") : _library(std::move(library)) {}
        ~HtmlHelpBackend() override;
        HtmlHelpBackend(const HtmlHelpBackend&) = delete;
        HtmlHelpBackend& operator=(const HtmlHelpBackend&) = delete;

        void showContents(HWND owner, const std::string& file) override;
        void showTopic(HWND owner, const std::string& file, const std::string& page) override;
        void close(HWND owner, const std::string& file) override;

    private:
        using Function = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

        Function viewer();
        void show(HWND owner, const std::string& file, const std::string& location, UINT command);
        void closeAll();

        std::string _library;
        std::unique_ptr<Module> _hhctrl;
        Function _htmlHelp = nullptr;
    };
}
