#include "tools/qlx/Command.h"

#include <CLI/CLI.hpp>

#include "model/Quillory.h"
#include "tools/qlx/CodePage.h"
#include "tools/qlx/DocumentRecord.h"
#include "tools/qlx/Failure.h"
#include "tools/qlx/JsonFormat.h"
#include "tools/qlx/ListFiles.h"

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
            "Exit status: 0 on success, 1 on any failure.";

        struct Options
        {
            std::string file;
            std::string out;
            std::string format = "json";
            unsigned codePage = DefaultCodePage;
        };

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
            out << writeJson(list);
        }

        void importList(const Options& options)
        {
            const CodePage page(options.codePage);
            Quillory doc;
            about(options.file, [&] {
                const StudyListRecord list = readJson(readInput(options.file));
                fromRecord(list, page, doc);
            });
            about(options.out, [&] { saveStudyList(doc, options.out); });
        }

        void addCodePage(CLI::App& command, Options& options)
        {
            command.add_option("--codepage", options.codePage, "Windows code page of the texts in the .qlx file")
                ->capture_default_str();
        }

        void addFormat(CLI::App& command, Options& options)
        {
            command.add_option("--format", options.format, "Text format")
                ->check(CLI::IsMember({"json"}))
                ->capture_default_str();
        }
    }

    int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
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
        addFormat(*exportCmd, options);
        addCodePage(*exportCmd, options);

        CLI::App* importCmd = app.add_subcommand("import", "Make a Study List from the UTF-8 text IN (- for standard input)");
        importCmd->add_option("IN", options.file, "Text file to read")->required();
        importCmd->add_option("-o,--output", options.out, "Study List file to write")->required();
        addFormat(*importCmd, options);
        addCodePage(*importCmd, options);

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
                importList(options);
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
