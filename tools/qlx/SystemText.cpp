#include "tools/qlx/SystemText.h"

#include "exchange/CodePage.h"
#include "exchange/Failure.h"

#ifdef _WIN32
#include <memory>

#include <windows.h>
#include <shellapi.h>
#endif

namespace Qlx
{
#ifdef _WIN32

    namespace
    {
        struct LocalFreer
        {
            void operator()(LPWSTR* args) const { ::LocalFree(args); }
        };

        std::string utf8Of(const wchar_t* wide)
        {
            const int len = ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
            if (len <= 1)
                return std::string();
            std::string text(static_cast<size_t>(len), '\0');
            ::WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), len, nullptr, nullptr);
            text.resize(static_cast<size_t>(len - 1));
            return text;
        }
    }

    std::vector<std::string> utf8Arguments(int argc, char** argv)
    {
        int count = 0;
        const std::unique_ptr<LPWSTR, LocalFreer> wide(::CommandLineToArgvW(::GetCommandLineW(), &count));
        if (!wide || count != argc)
            return std::vector<std::string>(argv, argv + argc);
        std::vector<std::string> args;
        for (int i = 0; i < count; ++i)
            args.push_back(utf8Of(wide.get()[i]));
        return args;
    }

    std::string systemPath(const std::string& utf8Path)
    {
        const auto path = CodePage(::GetACP()).fromUtf8(utf8Path);
        if (!path)
            throw Failure("the file name cannot be written in code page " + std::to_string(::GetACP()));
        return *path;
    }

#else

    std::vector<std::string> utf8Arguments(int argc, char** argv)
    {
        return std::vector<std::string>(argv, argv + argc);
    }

    std::string systemPath(const std::string& utf8Path)
    {
        return utf8Path;
    }

#endif
}
