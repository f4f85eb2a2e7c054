// Loading and saving Study Lists of 10,000 and 100,000 items through the
// Filer, against one raw read and one raw write of the same bytes.
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

#include "bench/BenchSupport.h"
#include "model/Quillory.h"
#include "persist/FileOps.h"
#include "persist/Filer.h"

namespace
{
    using Bench::Clock;
    using Bench::median;
    using Bench::medianMs;
    using Bench::medianWallMs;
    using Bench::msSince;
    using Bench::runProgram;

    // Item type and three definition fields with texts of everyday length;
    // a comment on every fifth item. Built as the add command builds items.
    void fillList(Quillory& doc, unsigned count)
    {
        Outline outline;
        outline.addDef("Example");
        outline.addDef("Note");
        doc.setOutline(outline);
        for (unsigned i = 0; i < count; ++i)
        {
            TermSet item(static_cast<std::int32_t>(doc.getItemCount() + 1), doc.getOutline());
            const std::string n = std::to_string(i);
            item.setTerm("term " + n);
            item.setDefText(0, "the definition of term " + n);
            item.setDefText(1, "an example sentence that uses term " + n + " in context");
            if (i % 3)
                item.setDefText(2, "note " + n);
            if (i % 5 == 0)
                item.setComment("comment on " + n);
            for (unsigned k = 0; k < i % 4; ++k)
                item.answeredCorrectly();
            doc.addItem(item);
        }
    }

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

    void writeOnce(const std::string& path, const std::vector<char>& bytes)
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const ssize_t put = fd < 0 ? -1 : ::write(fd, bytes.data(), bytes.size());
        if (fd < 0 || put != static_cast<ssize_t>(bytes.size()) || ::close(fd) != 0)
            std::fprintf(stderr, "raw write failed\n");
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
        const std::string rawPath = (dir / "raw.bin").string();

        Quillory doc;
        fillList(doc, count);
        if (!WinFile::Filer(doc, path, host).save())
            std::fprintf(stderr, "first save failed\n");
        const std::vector<char> bytes = readOnce(path);
        const double fileMiB = static_cast<double>(bytes.size()) / (1024 * 1024);

        const double saveMs = medianMs([&] { WinFile::Filer(doc, path, host).save(); });
        const double writeMs = medianMs([&] { writeOnce(rawPath, bytes); });
        // The save copies the previous file aside first: a part no format can save.
        const double backupMs = medianMs([&] { FileOps::copyFile(path, rawPath); });

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
        std::printf("  save             %8.2f ms  raw write %6.2f ms  x%5.2f   (goal x1.5)   of which the backup copy %.2f ms\n",
                    saveMs, writeMs, saveMs / writeMs, backupMs);
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
    std::printf("Study List files: Filer load/save (median of 7) against one raw read or write of the same bytes\n");
    for (unsigned count : {10000u, 100000u})
        measure(self, qlx, dir, count);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
