#pragma once
#include <string>

namespace WinFile
{
    // Where Filer reports: the main window shows the error box and updates
    // its title; tools and tests record instead.
    class FilerHost
    {
    public:
        virtual ~FilerHost() = default;
        virtual void showError(const std::string& text) = 0;
        virtual void titleChanged() = 0;
    };

    // Reports nothing: for callers that read Filer's result themselves.
    class SilentFilerHost : public FilerHost
    {
    public:
        void showError(const std::string&) override {}
        void titleChanged() override {}
    };
}
