#include "tests/gui/SourceTree.h"

#include <windows.h>

std::string sourceTreePath(const std::string& relative)
{
    std::string path = std::string(QUILLORY_SOURCE_DIR) + "/" + relative;
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path;
    for (char& c : path)
    {
        if (c == '/')
            c = '\\';
    }
    return path;
}

std::string screenshotDir(const std::string& sub)
{
    std::string dir = sourceTreePath("build");
    ::CreateDirectoryA(dir.c_str(), nullptr);
    dir += "\\screenshots";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    if (!sub.empty())
    {
        dir += "\\" + sub;
        ::CreateDirectoryA(dir.c_str(), nullptr);
    }
    return dir + "\\";
}
