// Loading and saving Study Lists of 10,000 and 100,000 items through the
// Filer (scratch document and take-over; backup copy, write, close), against
// reading and writing the same number of bytes raw. The ratios show what the
// record format and the document cost on top of the file system.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "model/Quillory.h"
#include "persist/Filer.h"

namespace
{
    using Clock = std::chrono::steady_clock;

    // Item type and three definition fields with texts of everyday length;
    // a comment on every fifth item.
    void fillList(Quillory& doc, unsigned count)
    {
        Outline outline;
        outline.addDef("Example");
        outline.addDef("Note");
        doc.setOutline(outline);
        for (unsigned i = 0; i < count; ++i)
        {
            TermSet item(static_cast<std::int32_t>(i + 1), doc.getOutline());
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
            doc.getTermSets().push_back(item);
        }
    }

    // Median of several runs, in milliseconds.
    double medianMs(const std::function<void()>& run, int runs = 7)
    {
        std::vector<double> times;
        for (int i = 0; i < runs; ++i)
        {
            const auto start = Clock::now();
            run();
            times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        }
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }

    std::string readRaw(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    void writeRaw(const std::string& path, const std::string& bytes)
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    void measure(const std::filesystem::path& dir, unsigned count)
    {
        WinFile::SilentFilerHost host;
        const std::string path = (dir / "list.qlx").string();
        const std::string rawPath = (dir / "raw.bin").string();

        Quillory doc;
        fillList(doc, count);
        if (!WinFile::Filer(doc, path, host).save())
            std::fprintf(stderr, "first save failed\n");

        const double saveMs = medianMs([&] { WinFile::Filer(doc, path, host).save(); });
        const double loadMs = medianMs([&] {
            Quillory loaded;
            if (!WinFile::Filer(loaded, path, host).load())
                std::fprintf(stderr, "load failed\n");
        });
        const std::string bytes = readRaw(path);
        const double readMs = medianMs([&] { readRaw(path); });
        const double writeMs = medianMs([&] { writeRaw(rawPath, bytes); });

        std::printf("%7u items %10zu bytes | load %8.2f ms  raw read %7.2f ms  x%5.1f | "
                    "save %8.2f ms  raw write %7.2f ms  x%5.1f\n",
                    count, bytes.size(), loadMs, readMs, loadMs / readMs, saveMs, writeMs, saveMs / writeMs);
    }
}

int main()
{
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "quillory-file-bench";
    std::filesystem::create_directories(dir);
    std::printf("Study List files: Filer load/save (median of 7) against raw reads and writes of the same bytes\n");
    for (unsigned count : {10000u, 100000u})
        measure(dir, count);
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
