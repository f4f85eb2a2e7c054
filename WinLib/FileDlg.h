#pragma once
#include <windows.h>
#include <commdlg.h>
#include <string>
#include <vector>

namespace WinFile
{
    // The part common to the open and save dialogs.
    class FileDialog
    {
    public:
        FileDialog(const FileDialog&) = delete;
        FileDialog& operator=(const FileDialog&) = delete;

        // The first filter added is shown first.
        void AddFilter(const std::string& description, const std::string& pattern);
        // Without the dot, at most 3 characters (longer texts are cut).
        void SetDefaultExtension(const std::string& ext);
        // The name the dialog offers at first (cut to the buffer's size).
        void SetFileName(const std::string& name);
        // The filter chosen, 1 for the first one added.
        int GetFilterIndex() const { return static_cast<int>(_ofn.nFilterIndex); }
        // True when the user chose a file; false when cancelled or failed.
        bool Show();
        std::string GetPath() const;
        // The filter text handed to the system, with its embedded zeros.
        const std::vector<char>& getFilterBuffer() const { return _filter; }

        // 512 characters, each up to three bytes in UTF-8.
        static constexpr unsigned FileNameSize = 3 * 512;

    protected:
        FileDialog(HWND owner, DWORD flags);
        virtual ~FileDialog() = default;
        virtual BOOL run(OPENFILENAMEA& ofn) = 0;

    private:
        void buildFilter();

        HWND _owner;
        std::vector<char> _fileName;
        std::vector<char> _defExt;
        std::vector<char> _filter;
        std::vector<std::string> _filtDescriptions;
        std::vector<std::string> _filtPatterns;
        OPENFILENAMEA _ofn;
    };

    class OpenDialog : public FileDialog
    {
    public:
        explicit OpenDialog(HWND owner);

    protected:
        BOOL run(OPENFILENAMEA& ofn) override { return ::GetOpenFileNameA(&ofn); }
    };

    class SaveDialog : public FileDialog
    {
    public:
        explicit SaveDialog(HWND owner);

    protected:
        BOOL run(OPENFILENAMEA& ofn) override { return ::GetSaveFileNameA(&ofn); }
    };
}
