#include "tools/qlx/Command.h"

#include <CLI/CLI.hpp>

#include "model/Quillory.h"
#include "tools/qlx/CodePage.h"
#include "tools/qlx/DocumentRecord.h"
#include "tools/qlx/Failure.h"
#include "tools/qlx/JsonFormat.h"
#include "tools/qlx/ListFiles.h"
#include "tools/qlx/TableFormat.h"

namespace Qlx
{
    namespace
    {
        const unsigned DefaultCodePage = 1252;

        const char* const Footer =
            "Texts in a .qlx file are bytes in a Windows ANSI code page (--codepage, 1252 by default);\n"
            "qlx reads and writes UTF-8 and refuses any text that does not convert exactly.\n"
            "Bytes a page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D in 1252) are the C1\n"
            "controls U+0081 ... U+009D, as in Windows.\n"
            "\n"
            "Formats: json (the whole list with its study settings), tsv and csv (a header line\n"
            "naming the item type, each field, Comment, Times Asked and Correct Answers, then one\n"
            "item per line). TSV lines end in LF and have no quoting: on export a tab or line break\n"
            "inside a text is written as a space. CSV follows RFC 4180 with CRLF line ends.\n"
            "Import of tsv or csv accepts LF or CRLF, skips a UTF-8 byte order mark and empty\n"
            "lines, takes Comment and the two scores as optional, numbers the items in file order\n"
            "and gives the study settings of a new list. --format defaults to the extension of IN.\n"
            "\n"
            "Exit status: 0 on success, 1 on any failure.";

        enum class Format
        {
            JSON,
            TSV,
            CSV
        };

        struct Options
        {
            std::string file;
            std::string out;
            std::string format;
            unsigned codePage = DefaultCodePage;
            bool noHeader = false;
            std::string itemType;
            std::vector<std::string> fields;
        };

        // Import takes an unnamed format from the extension of its input.
        Format formatOf(const Options& options, bool byExtension)
        {
            const std::string& name = options.format;
            if (name.empty() && byExtension)
            {
                const auto dot = options.file.rfind('.');
                const std::string extension = dot == std::string::npos ? "" : options.file.substr(dot + 1);
                if (extension == "csv" || extension == "CSV")
                    return Format::CSV;
                if (extension == "tsv" || extension == "TSV")
                    return Format::TSV;
                return Format::JSON;
            }
            return name == "csv" ? Format::CSV : name == "tsv" ? Format::TSV : Format::JSON;
        }

        TableSyntax syntaxOf(Format format) { return format == Format::CSV ? TableSyntax::CSV : TableSyntax::TSV; }

        // Runs `action`, putting `name` before every line of its failure.
        template<class Action>
        auto about(const std::string& name, Action action)
        {
            try
            {
                return action();
            }
            catch (const Failure& failure)
            {
                std::string text = name + ": ";
                for (const char c : std::string(failure.what()))
                {
                    text += c;
                    if (c == '\n')
                        text += name + ": ";
                }
                throw Failure(text);
            }
        }

        std::string displayText(const std::string& text, const CodePage& page)
        {
            if (const auto utf8 = page.toUtf8(text))
                return *utf8;
            // Only for the summary: show what does not convert as escaped bytes.
            static const char hex[] = "0123456789ABCDEF";
            std::string shown;
            for (const char c : text)
            {
                const auto byte = static_cast<unsigned char>(c);
                if (byte < 0x80)
                    shown += c;
                else
                    shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 0xF];
            }
            return shown;
        }

        std::string summary(const Quillory& doc, const CodePage& page)
        {
            const unsigned count = doc.getItemCount();
            std::string text = std::to_string(count) + (count == 1 ? " item" : " items") + ", fields: ";
            const Outline& outline = doc.getOutline();
            text += displayText(outline.getItemType(), page);
            for (unsigned i = 0; i < outline.getDefCount(); ++i)
                text += ", " + displayText(outline.getDef(i), page);
            return text;
        }

        void check(const Options& options, std::ostream& out)
        {
            const CodePage page(options.codePage);
            Quillory doc;
            about(options.file, [&] { loadStudyList(options.file, doc); });
            out << options.file << ": " << summary(doc, page) << '\n';
        }

        void exportList(const Options& options, std::ostream& out)
        {
            const CodePage page(options.codePage);
            Quillory doc;
            const StudyListRecord list = about(options.file, [&] {
                loadStudyList(options.file, doc);
                return toRecord(doc, page);
            });
            const Format format = formatOf(options, false);
            out << (format == Format::JSON ? writeJson(list) : writeTable(list, syntaxOf(format)));
        }

        std::optional<TableColumns> columnsOf(const Options& options)
        {
            if (!options.noHeader)
                return std::nullopt;
            // Unnamed columns are those of a new list.
            const Outline fresh;
            TableColumns columns {options.itemType.empty() ? fresh.getItemType() : options.itemType, options.fields};
            if (options.fields.empty())
            {
                for (unsigned i = 0; i < fresh.getDefCount(); ++i)
                    columns.fields.push_back(fresh.getDef(i));
            }
            return columns;
        }

        void readInto(Quillory& doc, const Options& options, const CodePage& page)
        {
            const std::string text = readInput(options.file);
            const Format format = formatOf(options, true);
            if (format == Format::JSON)
            {
                if (options.noHeader)
                    throw Failure("--no-header is for tsv and csv");
                fromRecord(readJson(text), page, doc);
                return;
            }
            TableImport table = readTable(text, syntaxOf(format), columnsOf(options));
            const auto nameItem = [&table](size_t index) { return "line " + std::to_string(table.lines[index]); };
            fromRecord(table.list, page, doc, nameItem, table.errors);
        }

        void importList(const Options& options, const WinFile::SerializerFactory& files)
        {
            const CodePage page(options.codePage);
            Quillory doc;
            about(options.file, [&] { readInto(doc, options, page); });
            about(options.out, [&] { saveStudyList(doc, options.out, files); });
        }

        void addCodePage(CLI::App& command, Options& options)
        {
            command.add_option("--codepage", options.codePage, "Windows code page of the texts in the .qlx file")
                ->capture_default_str();
        }

        void addFormat(CLI::App& command, Options& options, const char* help)
        {
            command.add_option("--format", options.format, help)->check(CLI::IsMember({"json", "tsv", "csv"}));
        }
    }

    int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
            const WinFile::SerializerFactory& files)
    {
        CLI::App app("Checks and converts Quillory Study Lists (.qlx files).", "qlx");
        app.allow_windows_style_options(false);
        app.require_subcommand(1);
        app.footer(Footer);
        Options options;

        CLI::App* checkCmd = app.add_subcommand("check", "Load FILE as Quillory does and print a summary, or the failure");
        checkCmd->add_option("FILE", options.file, "Study List file")->required();
        addCodePage(*checkCmd, options);

        CLI::App* exportCmd = app.add_subcommand("export", "Write FILE to standard output as UTF-8 text");
        exportCmd->add_option("FILE", options.file, "Study List file")->required();
        addFormat(*exportCmd, options, "json (the default), tsv or csv");
        addCodePage(*exportCmd, options);

        CLI::App* importCmd = app.add_subcommand("import", "Make a Study List from the UTF-8 text IN (- for standard input)");
        importCmd->add_option("IN", options.file, "Text file to read")->required();
        importCmd->add_option("-o,--output", options.out, "Study List file to write")->required();
        addFormat(*importCmd, options, "json, tsv or csv (by default from the extension of IN)");
        addCodePage(*importCmd, options);
        CLI::Option* noHeader
            = importCmd->add_flag("--no-header", options.noHeader, "The tsv or csv text has no header line");
        importCmd->add_option("--item-type", options.itemType, "Item type of a text without header (default Term)")
            ->needs(noHeader);
        importCmd->add_option("--fields", options.fields, "Fields of a text without header, A,B,... (default Definition)")
            ->delimiter(',')
            ->needs(noHeader);

        try
        {
            app.parse(argc, argv);
        }
        catch (const CLI::ParseError& e)
        {
            return app.exit(e, out, err) == 0 ? 0 : 1;
        }

        try
        {
            if (*checkCmd)
                check(options, out);
            else if (*exportCmd)
                exportList(options, out);
            else
                importList(options, files);
        }
        catch (const Failure& failure)
        {
            err << failure.what() << '\n';
            return 1;
        }
        if (!out.flush())
        {
            err << "cannot write to standard output\n";
            return 1;
        }
        return 0;
    }
}
