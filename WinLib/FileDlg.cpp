#include "WinLib/FileDlg.h"

#include "base/Assert.h"

#include <algorithm>

WinFile::FileDialog::FileDialog(HWND owner, DWORD flags) : _owner(owner), _fileName(FileNameSize, '\0'), _ofn{}
{
    // The record without the Windows 2000 fields, which every version accepts.
    _ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    _ofn.hwndOwner = _owner;
    _ofn.lpstrFile = _fileName.data();
    _ofn.nMaxFile = FileNameSize;
    _ofn.Flags = flags;
}

void WinFile::FileDialog::AddFilter(const std::string& description, const std::string& pattern)
{
    _filtDescriptions.push_back(description);
    _filtPatterns.push_back(pattern);
}

void WinFile::FileDialog::SetDefaultExtension(const std::string& ext)
{
    _defExt.assign(4, '\0');
    std::copy_n(ext.begin(), std::min<size_t>(ext.size(), 3), _defExt.begin());
    _ofn.lpstrDefExt = _defExt.data();
}

void WinFile::FileDialog::SetFileName(const std::string& name)
{
    const size_t length = std::min<size_t>(name.size(), FileNameSize - 1);
    std::copy_n(name.begin(), length, _fileName.begin());
    _fileName[length] = '\0';
}

void WinFile::FileDialog::buildFilter()
{
    Assert(_filtDescriptions.size()==_filtPatterns.size());
    _filter.clear();
    _ofn.lpstrFilter = nullptr;
    if (_filtDescriptions.empty())
        return;
    for (size_t i = 0; i < _filtDescriptions.size(); ++i)
    {
        _filter.insert(_filter.end(), _filtDescriptions[i].begin(), _filtDescriptions[i].end());
        _filter.push_back('\0');
        _filter.insert(_filter.end(), _filtPatterns[i].begin(), _filtPatterns[i].end());
        _filter.push_back('\0');
    }
    _filter.push_back('\0');
    _ofn.lpstrFilter = _filter.data();
}

bool WinFile::FileDialog::Show()
{
    buildFilter();
    return run(_ofn) != FALSE;
}

std::string WinFile::FileDialog::GetPath() const
{
    // The buffer always keeps its last character zero (nMaxFile bounds the system).
    return std::string(_fileName.data());
}

WinFile::OpenDialog::OpenDialog(HWND owner) : FileDialog(owner, OFN_FILEMUSTEXIST | OFN_HIDEREADONLY) {}

WinFile::SaveDialog::SaveDialog(HWND owner)
    : FileDialog(owner, OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY)
{
}
