// libFuzzer target for the text readers (TSV, CSV, Anki, Quizlet, Anki's
// HTML): any input is read or refused with a Failure, CSV rows written back
// read as the same cells, the program's Import gives numbered items or says
// why not, and a whole qlx import either writes a list that loads or fails
// with a message naming the input and writes nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "model/Quillory.h"
#include "exchange/AnkiFormat.h"
#include "tools/qlx/Command.h"
#include "exchange/DelimitedText.h"
#include "exchange/Failure.h"
#include "exchange/HtmlText.h"
#include "exchange/ImportAttempt.h"
#include "tools/qlx/ListFiles.h"
#include "exchange/QuizletFormat.h"

namespace
{
    // A refusal must say something; any other exception escapes and is a crash.
    template<class Read>
    bool readOrRefuse(Read read)
    {
        try
        {
            read();
            return true;
        }
        catch (const Qlx::Failure& failure)
        {
            if (std::string_view(failure.what()).empty())
                __builtin_trap();
            return false;
        }
    }

    void checkCsvRoundTrip(std::string_view text)
    {
        std::vector<Qlx::TextRow> rows;
        if (!readOrRefuse([&] { rows = Qlx::readRows(text, Qlx::TableSyntax::CSV); }))
            return;
        std::string written;
        for (const auto& row : rows)
            written += Qlx::writeRow(row.cells, Qlx::TableSyntax::CSV);
        const auto again = Qlx::readRows(written, Qlx::TableSyntax::CSV);
        if (again.size() != rows.size())
            __builtin_trap();
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            if (again[i].cells != rows[i].cells)
                __builtin_trap();
        }
    }

    void readEveryWay(std::string_view text)
    {
        readOrRefuse([&] { Qlx::readRows(text, Qlx::TableSyntax::TSV); });
        checkCsvRoundTrip(text);
        readOrRefuse([&] { Qlx::readAnki(text, std::nullopt).table.errors.throwIfAny(); });
        readOrRefuse([&] { Qlx::readAnki(text, std::string("Basic")); });
        readOrRefuse([&] { Qlx::readQuizlet(text, {}, {"Term", {"Definition"}}).errors.throwIfAny(); });
        readOrRefuse([&] { Qlx::readQuizlet(text, {" - ", ";"}, {"Term", {"Definition"}}); });
        unsigned media = 0;
        const std::string plain = Qlx::plainTextOfHtml(text, media);
        if (plain.size() > text.size() * 2 || media > text.size())
            __builtin_trap();
    }

    // The program's Import as the dialog first shows it: a list of items
    // numbered 1 to N, as many as the report says, or a failure.
    void importInProgram(std::string_view text)
    {
        Quillory doc;
        const Qlx::ImportAttempt attempt = Qlx::attemptImport(text, Qlx::guessChoice(text, "txt"), doc);
        if (!attempt.ok())
            return;
        if (doc.getItemCount() == 0 || doc.getItemCount() != attempt.report.items)
            __builtin_trap();
        for (unsigned i = 0; i < doc.getItemCount(); ++i)
        {
            if (doc.getItem(i).getItemNo() != static_cast<std::int32_t>(i + 1))
                __builtin_trap();
        }
    }

    const std::filesystem::path& workDir()
    {
        static const std::filesystem::path dir = [] {
            std::string name = (std::filesystem::temp_directory_path() / "qlx-fuzz-XXXXXX").string();
            if (!mkdtemp(name.data()))
                std::abort();
            return std::filesystem::path(name);
        }();
        return dir;
    }

    // Every line of a failure names the input or the output it is about.
    bool namesTheFile(const std::string& err, const std::string& in, const std::string& out)
    {
        std::istringstream lines(err);
        std::string line;
        bool any = false;
        while (std::getline(lines, line))
        {
            any = true;
            if (line.rfind(in + ": ", 0) != 0 && line.rfind(out + ": ", 0) != 0)
                return false;
        }
        return any;
    }

    void importAs(const char* format, std::string_view text)
    {
        const std::string in = (workDir() / "in.txt").string();
        const std::string out = (workDir() / "out.qlx").string();
        std::ofstream(in, std::ios::binary).write(text.data(), static_cast<std::streamsize>(text.size()));
        const char* const argv[] = {"qlx", "import", in.c_str(), "--format", format, "-o", out.c_str(), "--quiet"};
        std::ostringstream output, err;
        const int status = Qlx::run(8, argv, output, err);
        const bool written = std::filesystem::exists(out);
        if (status == 0)
        {
            Quillory doc;
            Qlx::loadStudyList(out, doc, Qlx::toolCodePages(1252));   // one that does not load escapes as a Failure
            std::filesystem::remove(out);
        }
        else if (status != 1 || written || !namesTheFile(err.str(), in, out))
            __builtin_trap();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    readEveryWay(text);
    importInProgram(text);
    // A whole import writes files and costs far more than reading: one per input.
    static const char* const Formats[] = {"tsv", "csv", "anki", "quizlet"};
    importAs(Formats[size == 0 ? 0 : data[size - 1] % 4], text);
    return 0;
}
