#pragma once
#include <windows.h>

#include <string>
#include <vector>

// A folder named in Japanese under the temporary directory, removed with the
// files named through it when the test ends. Paths are UTF-8, as the
// program's "A" calls take them.
class JapaneseFolder
{
public:
    JapaneseFolder()
    {
        std::vector<char> temp(MAX_PATH * 3, '\0');
        ::GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
        _path = std::string(temp.data()) + "日本語";
        ::CreateDirectoryA(_path.c_str(), nullptr);
    }
    ~JapaneseFolder()
    {
        for (const std::string& file : _files)
            ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(_path.c_str());
    }
    JapaneseFolder(const JapaneseFolder&) = delete;
    JapaneseFolder& operator=(const JapaneseFolder&) = delete;

    std::string file(const std::string& name)
    {
        _files.push_back(_path + "\\" + name);
        return _files.back();
    }

private:
    std::string _path;
    std::vector<std::string> _files;
};
