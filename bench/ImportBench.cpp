// Reading a CSV of 100,000 rows as the program's Import does: the file read
// whole, its format guessed, its rows read into a new list. Timed in this
// process and in a fresh one, against `qlx import` of the same file, which
// reads it the same way and saves the list as well.
//   bench_import [--qlx PATH]
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "bench/ChildProcess.h"
#include "exchange/ImportAttempt.h"
#include "exchange/TextFile.h"
#include "model/Quillory.h"

namespace
{
    const unsigned Rows = 100000;

    // The program's import up to the new list, as its Import command runs it.
    bool importFile(const std::string& path)
    {
        const std::string text = Qlx::readWholeFile(path);
        const Qlx::ImportChoice choice = Qlx::guessChoice(text, "csv");
        Quillory doc;
        const Qlx::ImportAttempt attempt = Qlx::attemptImport(text, choice, doc);
        return attempt.ok() && doc.getItemCount() == Rows;
    }

    void writeCsv(const std::string& path)
    {
        std::ofstream out(path, std::ios::binary);
        out << "Term,Definition,Example,Comment,Times Asked,Correct Answers\r\n";
        for (unsigned i = 0; i < Rows; ++i)
        {
            const std::string n = std::to_string(i);
            out << "term " << n << ",the definition of term " << n << ",\"an example, with a comma, for " << n
                << "\"," << (i % 5 == 0 ? "comment on " + n : "") << "," << i % 4 << "," << i % 4 / 2 << "\r\n";
        }
    }
}

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--child-import") == 0)
    {
        const auto start = Bench::Clock::now();
        const bool ok = importFile(argv[2]);
        std::printf("%f\n", Bench::msSince(start));
        return ok ? 0 : 1;
    }
    std::string qlx;
    if (argc == 3 && std::strcmp(argv[1], "--qlx") == 0)
        qlx = std::filesystem::absolute(argv[2]).string();
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::filesystem::path dir
        = std::filesystem::temp_directory_path() / ("quillory-import-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string csv = (dir / "words.csv").string();
    writeCsv(csv);

    std::printf("Import of a CSV of %u rows, %.2f MiB (median of 7)\n", Rows,
                static_cast<double>(std::filesystem::file_size(csv)) / (1024 * 1024));
    bool ok = true;
    const double inProcess = Bench::medianMs([&] { ok = importFile(csv) && ok; });
    const double fresh = Bench::medianWallMs({self, "--child-import", csv});
    std::printf("  program's reading  in process %8.2f ms  fresh process %8.2f ms%s\n", inProcess, fresh,
                ok && fresh > 0 ? "" : "   FAILED");
    if (!qlx.empty())
    {
        const double qlxMs = Bench::medianWallMs({qlx, "import", csv, "-o", (dir / "words.qlx").string(), "--quiet"});
        std::printf("  qlx import                                   %8.2f ms  x%5.2f   (goal: within x2, wall time of the processes)\n",
                    qlxMs, fresh / qlxMs);
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return 0;
}
