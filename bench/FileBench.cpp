// Loading Study Lists of 10,000 and 100,000 items through the Filer, against
// one raw read of the same bytes (saving is bench_save's).
//
// Load is measured twice: in this process (a new document each time; its
// destruction is timed apart), and in a fresh process, where every page the
// load touches is new to the process as it is when the program opens a list.
// In this process the raw read reuses its warm buffer, while the allocator
// may have handed the previous list's memory back: on machines where a new
// page costs microseconds (virtual machines) the in-process ratio is then
// far above the fresh one, which is the figure that counts.
// The fresh process also reports its peak memory. With the path of qlx, the
// wall time of `qlx check` is set against `cat` of the same file.
//   bench_file [--qlx PATH]
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bench/BenchList.h"
#include "bench/ChildProcess.h"
#include "model/Quillory.h"
#include "persist/Filer.h"

namespace
{
    using Bench::Clock;
    using Bench::median;
    using Bench::medianMs;
    using Bench::medianWallMs;
    using Bench::msSince;
    using Bench::runProgram;

    // One open, one read of the file's size into a new buffer, one close.
    std::vector<char> readOnce(const std::string& path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY);
        std::vector<char> bytes(static_cast<std::size_t>(std::filesystem::file_size(path)));
        const ssize_t got = fd < 0 ? -1 : ::read(fd, bytes.data(), bytes.size());
        if (fd >= 0)
            ::close(fd);
        if (got != static_cast<ssize_t>(bytes.size()))
            std::fprintf(stderr, "raw read failed\n");
        return bytes;
    }

    // Peak resident memory of this process image. Not getrusage's maxrss:
    // that keeps the parent's peak across the spawn.
    long peakKiB()
    {
        std::FILE* status = std::fopen("/proc/self/status", "r");
        if (!status)
            return 0;
        char line[256];
        long kib = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
                break;
        std::fclose(status);
        return kib;
    }

    // The child's part: one load or one raw read, then the time and the peak.
    int childMain(const std::string& mode, const std::string& path)
    {
        const auto start = Clock::now();
        if (mode == "--child-load")
        {
            static Quillory doc;   // left to the exit: only the load is timed
            WinFile::SilentFilerHost host;
            if (!WinFile::Filer(doc, path, host).load())
                return 1;
        }
        else
        {
            static std::vector<char> bytes;
            bytes = readOnce(path);
        }
        std::printf("%f %ld\n", msSince(start), peakKiB());
        std::fflush(stdout);
        std::_Exit(0);
    }

    struct Fresh
    {
        double ms;
        double peakMiB;
    };

    // Median time and largest peak of several fresh processes.
    Fresh freshProcess(const std::string& self, const std::string& mode, const std::string& path)
    {
        std::vector<double> times;
        long peak = 0;
        for (int i = 0; i < 7; ++i)
        {
            std::string output;
            if (runProgram({self, mode, path}, &output) < 0)
            {
                std::fprintf(stderr, "%s failed\n", mode.c_str());
                return {0, 0};
            }
            double ms = 0;
            long kib = 0;
            if (std::sscanf(output.c_str(), "%lf %ld", &ms, &kib) == 2)
            {
                times.push_back(ms);
                peak = std::max(peak, kib);
            }
        }
        return {times.empty() ? 0 : median(times), static_cast<double>(peak) / 1024};
    }

    void measure(const std::string& self, const std::string& qlx, const std::filesystem::path& dir, unsigned count)
    {
        WinFile::SilentFilerHost host;
        const std::string path = (dir / "list.qlx").string();

        Quillory doc;
        Bench::fillList(doc, count);
        if (!WinFile::Filer(doc, path, host).save())
            std::fprintf(stderr, "save failed\n");
        const double fileMiB = static_cast<double>(readOnce(path).size()) / (1024 * 1024);

        std::vector<double> loads, destructions;
        for (int i = 0; i < 7; ++i)
        {
            auto loaded = std::make_unique<Quillory>();
            auto start = Clock::now();
            if (!WinFile::Filer(*loaded, path, host).load())
                std::fprintf(stderr, "load failed\n");
            loads.push_back(msSince(start));
            start = Clock::now();
            loaded.reset();
            destructions.push_back(msSince(start));
        }
        const double loadMs = median(loads);
        const double readMs = medianMs([&] { readOnce(path); });

        const Fresh freshLoad = freshProcess(self, "--child-load", path);
        const Fresh freshRead = freshProcess(self, "--child-read", path);

        std::printf("%u items, %.2f MiB\n", count, fileMiB);
        std::printf("  load  in process %8.2f ms  raw read %7.2f ms  x%5.2f   destruction %6.2f ms\n", loadMs, readMs,
                    loadMs / readMs, median(destructions));
        std::printf("  load  fresh      %8.2f ms  raw read %7.2f ms  x%5.2f   (goal x3)\n", freshLoad.ms, freshRead.ms,
                    freshLoad.ms / freshRead.ms);
        std::printf("  peak  load %7.2f MiB  raw read %7.2f MiB  load/file x%4.2f   (goal 3 x file + a few MiB: %.1f MiB)\n",
                    freshLoad.peakMiB, freshRead.peakMiB, freshLoad.peakMiB / fileMiB, 3 * fileMiB + 4);
        if (!qlx.empty())
        {
            const double checkMs = medianWallMs({qlx, "check", path});
            const double catMs = medianWallMs({"/bin/cat", path});
            std::printf("  qlx check        %8.2f ms  cat      %7.2f ms  x%5.2f   (goal x5, wall time of the processes)\n",
                        checkMs, catMs, checkMs / catMs);
        }
    }
}

int main(int argc, char** argv)
{
    if (argc == 3 && (std::strcmp(argv[1], "--child-load") == 0 || std::strcmp(argv[1], "--child-read") == 0))
        return childMain(argv[1], argv[2]);
    std::string qlx;
    if (argc == 3 && std::strcmp(argv[1], "--qlx") == 0)
        qlx = std::filesystem::absolute(argv[2]).string();
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();

    const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("quillory-file-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::printf("Study List files: Filer load (median of 7) against one raw read of the same bytes\n");
    for (unsigned count : {10000u, 100000u})
        measure(self, qlx, dir, count);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
