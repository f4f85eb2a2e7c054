// What the shipped program asks of Windows, read from its own file: GDI's
// "A" text functions draw in the system code page whatever the process code
// page is, so the program must not import any of them.
#include <gtest/gtest.h>
#include <windows.h>

#include "WinLib/ProgramDir.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace
{
    class PeFile
    {
    public:
        explicit PeFile(const std::string& path)
        {
            std::ifstream in(path, std::ios::binary);
            _bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            const std::size_t nt = static_cast<std::size_t>(at<IMAGE_DOS_HEADER>(0).e_lfanew);
            const auto file = at<IMAGE_FILE_HEADER>(nt + 4);
            const std::size_t optional = nt + 4 + sizeof(IMAGE_FILE_HEADER);
            _pe64 = at<WORD>(optional) == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
            _imports = _pe64 ? at<IMAGE_OPTIONAL_HEADER64>(optional).DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress
                             : at<IMAGE_OPTIONAL_HEADER32>(optional).DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
            _sections = optional + file.SizeOfOptionalHeader;
            _sectionCount = file.NumberOfSections;
        }

        // The names of every function imported by name, from every DLL.
        std::set<std::string> importedNames() const
        {
            std::set<std::string> names;
            for (std::size_t d = offsetOf(_imports);; d += sizeof(IMAGE_IMPORT_DESCRIPTOR))
            {
                const auto descriptor = at<IMAGE_IMPORT_DESCRIPTOR>(d);
                if (descriptor.Name == 0)
                    break;
                const DWORD thunks = descriptor.OriginalFirstThunk ? descriptor.OriginalFirstThunk : descriptor.FirstThunk;
                const std::size_t width = _pe64 ? 8 : 4;
                for (std::size_t t = offsetOf(thunks);; t += width)
                {
                    const ULONGLONG thunk = _pe64 ? at<ULONGLONG>(t) : at<DWORD>(t);
                    if (thunk == 0)
                        break;
                    const ULONGLONG byOrdinal = _pe64 ? IMAGE_ORDINAL_FLAG64 : IMAGE_ORDINAL_FLAG32;
                    if ((thunk & byOrdinal) == 0)
                        names.insert(textAt(offsetOf(static_cast<DWORD>(thunk)) + 2));
                }
            }
            return names;
        }

        bool empty() const { return _bytes.empty(); }

    private:
        template<class T>
        T at(std::size_t offset) const
        {
            T value{};
            if (offset + sizeof(T) <= _bytes.size())
                std::memcpy(&value, _bytes.data() + offset, sizeof(T));
            return value;
        }

        std::string textAt(std::size_t offset) const
        {
            std::string text;
            while (offset < _bytes.size() && _bytes[offset] != '\0')
                text += _bytes[offset++];
            return text;
        }

        std::size_t offsetOf(DWORD rva) const
        {
            for (std::size_t s = 0; s < _sectionCount; ++s)
            {
                const auto section = at<IMAGE_SECTION_HEADER>(_sections + s * sizeof(IMAGE_SECTION_HEADER));
                if (rva >= section.VirtualAddress && rva < section.VirtualAddress + section.Misc.VirtualSize)
                    return rva - section.VirtualAddress + section.PointerToRawData;
            }
            return _bytes.size();
        }

        std::vector<char> _bytes;
        bool _pe64 = false;
        DWORD _imports = 0;
        std::size_t _sections = 0;
        std::size_t _sectionCount = 0;
    };
}

TEST(ProgramImports, NoGdiTextFunctionThatTakesTheSystemCodePage)
{
    const PeFile program(Win::programDirectory() + "Quillory.exe");
    ASSERT_FALSE(program.empty());
    const std::set<std::string> names = program.importedNames();
    // The file is read right: it imports what every window needs.
    ASSERT_EQ(names.count("DrawTextW"), 1u);
    ASSERT_EQ(names.count("CreateWindowExA"), 1u);
    for (const char* narrow : {"DrawTextA", "DrawTextExA", "TextOutA", "ExtTextOutA", "TabbedTextOutA",
                               "GetTextExtentPoint32A"})
        EXPECT_EQ(names.count(narrow), 0u) << narrow;
}
