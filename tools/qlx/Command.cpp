#include "tools/qlx/Command.h"

#include <exception>
#include <new>

#include <CLI/CLI.hpp>

#include "model/Quillory.h"
#include "exchange/CodePage.h"
#include "exchange/Failure.h"
#include "exchange/ImportSummary.h"
#include "exchange/ListExport.h"
#include "tools/qlx/ListFiles.h"
#include "exchange/ListImport.h"

namespace Qlx
{
    namespace
    {
        const unsigned DefaultCodePage = 1252;

        const char* const Footer =
            "Texts in a .qlx file are in a Windows ANSI code page (--codepage, 1252 by default)\n"
            "when every text fits it, so that older programs read the file; otherwise they are\n"
            "all UTF-8 and a mark after the study settings says so. qlx reads both kinds, reads\n"
            "and writes UTF-8 text, and keeps imported texts in Unicode normalization form C.\n"
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
            "anki: Anki's notes in plain text. Header lines (#separator:, #html:, #columns:,\n"
            "#notetype column:, #deck column:, #guid column:, #tags column:, #notetype:, #tags:)\n"
            "tell the layout; the guid, note type and deck columns are dropped, the tags and a\n"
            "Comment column become the comment, the first other column is the term and the rest\n"
            "the definitions, named by #columns: (else Front, Back, Field 3, ...). With #html:true\n"
            "texts become plain text and sound and image references are dropped. A file of\n"
            "several note types needs --notetype NAME. Export writes #separator:tab, #html:false\n"
            "and #columns: with the item type, the fields and Comment, for Anki to import.\n"
            "quizlet: Quizlet's export, one card per row, no header; term and definition split at\n"
            "--separator (a tab by default), rows at --row-separator (a line break by default);\n"
            "\\t and \\n in them stand for a tab and a line break. Export writes the term, a tab and\n"
            "the definitions joined by \"; \" on each line, without the comment, for Quizlet to import.\n"
            "Every import ends with one line on standard error naming what it made (--quiet: none).\n"
            "\n"
            "Examples:\n"
            "  qlx check list.qlx\n"
            "  qlx export list.qlx --format json > list.json\n"
            "  qlx import list.json -o copy.qlx\n"
            "  qlx export list.qlx --format csv > list.csv\n"
            "  qlx import words.csv -o words.qlx\n"
            "  qlx import words.tsv --no-header --item-type English --fields German,French -o words.qlx\n"
            "  qlx import notes.txt --format anki -o notes.qlx\n"
            "  qlx import notes.txt --format anki --notetype Basic -o basic.qlx\n"
            "  qlx export list.qlx --format anki > for-anki.txt\n"
            "  qlx export list.qlx --format quizlet > for-quizlet.txt\n"
            "  qlx import cards.txt --format quizlet -o cards.qlx\n"
            "  qlx import cards.txt --format quizlet --separator , --row-separator \";\" -o cards.qlx\n"
            "\n"
            "Exit status: 0 on success, 1 on any failure.";

        struct Options
        {
            std::string file;
            std::string out;
            std::string format;
            unsigned codePage = DefaultCodePage;
            bool quiet = false;
            bool noHeader = false;
            std::string itemType;
            std::vector<std::string> fields;
            std::string noteType;
            std::string separator;
            std::string rowSeparator;
        };

        // Which options the command line named (an empty text is a value too).
        struct Given
        {
            CLI::Option* itemType = nullptr;
            CLI::Option* fields = nullptr;
            CLI::Option* noteType = nullptr;
            CLI::Option* separator = nullptr;
            CLI::Option* rowSeparator = nullptr;
        };

        TextFormat formatNamed(const std::string& name)
        {
            if (name == "tsv")
                return TextFormat::TSV;
            if (name == "csv")
                return TextFormat::CSV;
            if (name == "anki")
                return TextFormat::ANKI;
            if (name == "quizlet")
                return TextFormat::QUIZLET;
            return TextFormat::JSON;
        }

        // Import takes an unnamed format from the extension of its input.
        TextFormat formatOf(const Options& options, bool byExtension)
        {
            if (!options.format.empty() || !byExtension)
                return formatNamed(options.format);
            const auto dot = options.file.rfind('.');
            const std::string extension = dot == std::string::npos ? "" : options.file.substr(dot + 1);
            if (extension == "csv" || extension == "CSV")
                return TextFormat::CSV;
            if (extension == "tsv" || extension == "TSV")
                return TextFormat::TSV;
            return TextFormat::JSON;
        }

        // A tab or a line break is hard to type on a command line: \t, \n and \\ stand for them.
        std::string unescaped(const std::string& text)
        {
            std::string result;
            for (std::size_t i = 0; i < text.size(); ++i)
            {
                const char next = i + 1 < text.size() ? text[i + 1] : '\0';
                if (text[i] == '\\' && (next == 't' || next == 'n' || next == '\\'))
                {
                    result += next == 't' ? '\t' : next == 'n' ? '\n' : '\\';
                    ++i;
                }
                else
                    result += text[i];
            }
            return result;
        }

        QuizletSeparators separatorsOf(const Options& options, const Given& given)
        {
            QuizletSeparators separators;
            if (given.separator->count() > 0)
                separators.term = unescaped(options.separator);
            const std::string row = unescaped(options.rowSeparator);
            if (row != "\n" && row != "\r\n")
                separators.row = row;
            return separators;
        }

        ImportOptions importOptionsOf(const Options& options, const Given& given)
        {
            ImportOptions import;
            import.format = formatOf(options, true);
            import.noHeader = options.noHeader;
            if (given.itemType->count() > 0)
                import.itemType = options.itemType;
            if (given.fields->count() > 0)
                import.fields = options.fields;
            if (given.noteType->count() > 0)
                import.noteType = options.noteType;
            if (given.separator->count() > 0 || given.rowSeparator->count() > 0)
                import.separators = separatorsOf(options, given);
            return import;
        }

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

        std::string displayText(const std::string& text)
        {
            if (WinFile::CodePage::isUtf8(text))
                return text;
            // Only for the summary: show what did not convert as escaped bytes.
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

        std::string textsOf(WinFile::FileTexts texts, unsigned legacy)
        {
            return texts == WinFile::FileTexts::Utf8 ? "UTF-8 texts" : "code page " + std::to_string(legacy);
        }

        std::string summary(const Quillory& doc, WinFile::FileTexts texts, unsigned legacy)
        {
            std::string text = counted(doc.getItemCount(), "item", "items") + ", fields: ";
            const Outline& outline = doc.getOutline();
            text += displayText(outline.getItemType());
            for (unsigned i = 0; i < outline.getDefCount(); ++i)
                text += ", " + displayText(outline.getDef(i));
            return text + "; " + textsOf(texts, legacy);
        }

        void check(const Options& options, std::ostream& out)
        {
            const WinFile::CodePages pages = toolCodePages(options.codePage);
            Quillory doc;
            const WinFile::FileTexts texts = about(options.file, [&] { return loadStudyList(options.file, doc, pages); });
            out << options.file << ": " << summary(doc, texts, pages.legacy) << '\n';
        }

        void exportCommand(const Options& options, std::ostream& out)
        {
            const CodePage page(options.codePage);
            const WinFile::CodePages pages = toolCodePages(options.codePage);
            Quillory doc;
            out << about(options.file, [&] {
                loadStudyList(options.file, doc, pages);
                return exportList(doc, formatOf(options, false), page);
            });
        }

        void importCommand(const Options& options, const Given& given, std::ostream& err,
                           const WinFile::SerializerFactory& files)
        {
            const WinFile::CodePages pages = toolCodePages(options.codePage);
            Quillory doc;
            const ImportReport report = about(options.file, [&] {
                return importList(readInput(options.file), importOptionsOf(options, given), doc);
            });
            about(options.out, [&] { saveStudyList(doc, options.out, pages, files); });
            if (!options.quiet)
                err << importSummary(options.out, report) << '\n';
        }

        void addCodePage(CLI::App& command, Options& options)
        {
            command.add_option("--codepage", options.codePage, "Legacy Windows code page of the texts in the .qlx file")
                ->capture_default_str();
        }

        void addFormat(CLI::App& command, Options& options, const char* help, std::vector<std::string> names)
        {
            command.add_option("--format", options.format, help)->check(CLI::IsMember(std::move(names)));
        }

        void addImportOptions(CLI::App& command, Options& options, Given& given)
        {
            command.add_flag("-q,--quiet", options.quiet, "Print no summary line");
            command.add_flag("--no-header", options.noHeader, "The tsv or csv text has no header line");
            given.itemType = command.add_option("--item-type", options.itemType,
                                                "Item type of quizlet or of tsv/csv without header (default Term)");
            given.fields = command.add_option("--fields", options.fields,
                                              "Fields of quizlet or of tsv/csv without header, A,B,... (default Definition)")
                               ->delimiter(',');
            given.noteType = command.add_option("--notetype", options.noteType,
                                                "anki: import the notes of this note type");
            given.separator = command.add_option("--separator", options.separator,
                                                 "quizlet: the text between term and definition (default \\t, a tab)");
            given.rowSeparator = command.add_option("--row-separator", options.rowSeparator,
                                                    "quizlet: the text between cards (default \\n, a line break)");
        }

        int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
                           const WinFile::SerializerFactory& files)
        {
            CLI::App app("Checks and converts Quillory Study Lists (.qlx files).", "qlx");
            app.allow_windows_style_options(false);
            app.require_subcommand(1);
            app.footer(Footer);
            Options options;
            Given given;

            CLI::App* checkCmd = app.add_subcommand("check", "Load FILE as Quillory does and print a summary, or the failure");
            checkCmd->add_option("FILE", options.file, "Study List file")->required();
            addCodePage(*checkCmd, options);

            CLI::App* exportCmd = app.add_subcommand("export", "Write FILE to standard output as UTF-8 text");
            exportCmd->add_option("FILE", options.file, "Study List file")->required();
            addFormat(*exportCmd, options, "json (the default), tsv, csv, anki or quizlet",
                      {"json", "tsv", "csv", "anki", "quizlet"});
            addCodePage(*exportCmd, options);

            CLI::App* importCmd = app.add_subcommand("import", "Make a Study List from the UTF-8 text IN (- for standard input)");
            importCmd->add_option("IN", options.file, "Text file to read")->required();
            importCmd->add_option("-o,--output", options.out, "Study List file to write")->required();
            addFormat(*importCmd, options, "json, tsv, csv, anki or quizlet (by default from the extension of IN)",
                      {"json", "tsv", "csv", "anki", "quizlet"});
            addCodePage(*importCmd, options);
            addImportOptions(*importCmd, options, given);

            try
            {
                app.parse(argc, argv);
            }
            catch (const CLI::ParseError& e)
            {
                return app.exit(e, out, err) == 0 ? 0 : 1;
            }

            if (*checkCmd)
                check(options, out);
            else if (*exportCmd)
                exportCommand(options, out);
            else
                importCommand(options, given, err, files);
            if (!out.flush())
                throw Failure("cannot write to standard output");
            return 0;
        }
    }

    int failureStatus(std::ostream& err)
    {
        try
        {
            throw;
        }
        catch (const Failure& failure)
        {
            err << failure.what() << '\n';
        }
        catch (const std::bad_alloc&)
        {
            err << "not enough memory\n";
        }
        catch (const std::exception& e)
        {
            err << "unexpected failure: " << e.what() << '\n';
        }
        catch (...)
        {
            err << "unexpected failure\n";
        }
        return 1;
    }

    int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err,
            const WinFile::SerializerFactory& files)
    {
        try
        {
            return runCommandLine(argc, argv, out, err, files);
        }
        catch (...)
        {
            return failureStatus(err);
        }
    }
}
