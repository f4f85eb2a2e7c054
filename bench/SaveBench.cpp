// Saving Study Lists of 10,000 and 100,000 items through the Filer against
// one raw write of the same bytes flushed to the disk, the least any save
// that survives a power cut must do. Built natively and for Windows, where
// scripts/run-bench.sh runs it under Wine.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "bench/BenchList.h"
#include "bench/Timing.h"
#include "model/Quillory.h"
#include "persist/Filer.h"

namespace
{
    using Bench::medianMs;

    // One create, one write, optionally one flush to the disk, one close.
    void writeOnce(const std::string& path, const std::string& bytes, bool flush)
    {
#ifdef _WIN32
        const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD put = 0;
        const bool ok = file != INVALID_HANDLE_VALUE &&
                        ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr) &&
                        put == bytes.size() && (!flush || ::FlushFileBuffers(file));
        if (file != INVALID_HANDLE_VALUE)
            ::CloseHandle(file);
#else
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const bool ok = fd >= 0 && ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
                        (!flush || ::fsync(fd) == 0);
        if (fd >= 0)
            ::close(fd);
#endif
        if (!ok)
            std::fprintf(stderr, "raw write failed\n");
    }

    std::string readFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void measure(const std::filesystem::path& dir, unsigned count)
    {
        WinFile::SilentFilerHost host;
        const std::string path = (dir / "list.qlx").string();
        const std::string rawPath = (dir / "raw.bin").string();
        Quillory doc;
        Bench::fillList(doc, count);
        if (!WinFile::Filer(doc, path, host).save())
            std::fprintf(stderr, "first save failed\n");
        const std::string bytes = readFile(path);

        const double saveMs = medianMs([&] { WinFile::Filer(doc, path, host).save(); });
        const double flushedMs = medianMs([&] { writeOnce(rawPath, bytes, true); });
        const double writeMs = medianMs([&] { writeOnce(rawPath, bytes, false); });
        std::printf("%u items, %.2f MiB\n", count, static_cast<double>(bytes.size()) / (1024 * 1024));
        std::printf("  save %8.2f ms  raw write + flush %8.2f ms  x%5.2f   (goal x1.5)   raw write without flush %.2f ms\n",
                    saveMs, flushedMs, saveMs / flushedMs, writeMs);
    }
}

int main()
{
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("quillory-save-bench-" + std::to_string(std::random_device()()));
    std::filesystem::create_directories(dir);
    std::printf("Study List saves (median of 7) against one raw write of the same bytes flushed to the disk\n");
    for (unsigned count : {10000u, 100000u})
        measure(dir, count);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
