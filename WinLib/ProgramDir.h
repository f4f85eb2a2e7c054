#pragma once
#include <string>

namespace Win
{
    // The running executable's directory with its trailing backslash;
    // empty when the path has no backslash.
    std::string programDirectory();
    // The program's help file, which lives beside the executable.
    inline std::string programHelpFile() { return programDirectory() + "Quillory.hlp"; }
    // The directory part of `path`, up to and including its last backslash.
    std::string directoryOf(const std::string& path);
}
