#pragma once
#include <string>

namespace Win
{
    // The running executable's directory with its trailing backslash;
    // empty when the path has no backslash.
    std::string programDirectory();
    // The directory part of `path`, up to and including its last backslash.
    std::string directoryOf(const std::string& path);
}
