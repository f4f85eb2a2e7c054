#pragma once
#include <string>
#include <vector>

#include "persist/FilerHost.h"
#include "tests/support/TempDir.h"

namespace TestData
{
    // Records what the Filer reports instead of showing it.
    class RecordingHost : public WinFile::FilerHost
    {
    public:
        void showError(const std::string& text) override { errors.push_back(text); }
        void titleChanged() override { ++titleChanges; }

        std::vector<std::string> errors;
        int titleChanges = 0;
    };
}
