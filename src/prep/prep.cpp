// rowcard-prep's command line: the options, the safety checks around the files
// it writes, and the report.
#include "prep/prep.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "config/config.hpp"
#include "prep/cards.hpp"
#include "prep/folder.hpp"
#include "prep/os.hpp"
#include "text/text.hpp"
#include "text/text_file.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#endif

#ifndef ROWCARD_VERSION
#define ROWCARD_VERSION "unknown"
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view PROGRAM = "rowcard-prep";
// The table that a started folder reads; rowcard then writes cards.vcf beside it.
constexpr std::string_view STARTER_TABLE = "cards.csv";
// The starter rowcard.ini's separator, which the export is first read with.
constexpr char STARTER_SEPARATOR = ';';

constexpr std::string_view USAGE =
    "usage: rowcard-prep [--force] [--new-starter] [--cards | --no-cards] [--encoding E] [--separator C]\n"
    "                    EXPORT [FOLDER]";

constexpr std::string_view HELP =
    "Turns a contacts export (Google Contacts, Outlook, Thunderbird, Excel) into the\n"
    "table that rowcard reads, in FOLDER (by default the folder that holds EXPORT).\n"
    "When FOLDER has neither rowcard.ini nor master.vcf, it also writes both, and\n"
    "then the cards, as rowcard does there, and sums up what rowcard-check finds.\n"
    "A rowcard.ini and master.vcf already there are kept when they fit the table's\n"
    "columns, and refused when they do not. It writes all its files or none, and\n"
    "one run at a time in a folder.\n"
    "\n"
    "  --force          replace a table that is already there, and take an\n"
    "                   export with no name, organisation or e-mail column\n"
    "  --new-starter    write a new rowcard.ini and master.vcf even where they are\n"
    "                   already; the old ones are kept as rowcard.ini.old and\n"
    "                   master.vcf.old\n"
    "  --cards          write the cards through the rowcard.ini and master.vcf\n"
    "                   already in FOLDER too\n"
    "  --no-cards       write the table and starter files only, no cards\n"
    "  --encoding E     read EXPORT as E: utf-8, utf-16le, utf-16be, cp1250\n"
    "                   or cp1252 (default: told from the file)\n"
    "  --separator C    split EXPORT's fields at C: one character, or 'tab'\n"
    "                   (default: told from the first lines)\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 written, 1 refused or not written (FOLDER left as it was),\n"
    "2 EXPORT missing or unreadable, 3 cards written but rowcard-check sees\n"
    "problems, 4 the cards could not be written (the table is in place),\n"
    "64 wrong usage.\n";

// The command line, taken apart.
struct prep_options {
    bool force = false;
    bool new_starter = false;
    bool cards = false;     // convert through the user's own starter files too
    bool no_cards = false;  // stop once the files are in place
    bool help = false;
    bool version = false;
    export_reading reading;
    std::string export_path;
    std::string folder;
};

// Prints `message` on stderr after the program's name.
void complain(const std::string& message) {
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(PROGRAM.size()), PROGRAM.data(), message.c_str());
}

// Prints `text` on stdout.
void say(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

// Returns `text` with its ASCII letters made small.
std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return out;
}

// Reads the encoding named `name`; false when it names none.
bool parse_encoding(std::string_view name, export_encoding& encoding) {
    const std::string key = lower(name);
    if (key == "utf-8" || key == "utf8") {
        encoding = export_encoding::utf8;
    } else if (key == "utf-16le" || key == "utf16le") {
        encoding = export_encoding::utf16le;
    } else if (key == "utf-16be" || key == "utf16be") {
        encoding = export_encoding::utf16be;
    } else if (key == "cp1250" || key == "windows-1250") {
        encoding = export_encoding::cp1250;
    } else if (key == "cp1252" || key == "windows-1252") {
        encoding = export_encoding::cp1252;
    } else {
        return false;
    }
    return true;
}

// Reads the separator `text`; false unless it is one character that can split
// fields (not a quote, a line break or a letter or digit) or the word 'tab'.
bool parse_separator(std::string_view text, char& separator) {
    if (lower(text) == "tab" || text == "\\t") {
        separator = '\t';
        return true;
    }
    if (text.size() != 1) return false;
    const auto c = static_cast<unsigned char>(text[0]);
    const bool word = (c >= '0' && c <= '9') || (upper_byte(static_cast<char>(c)) >= 'A' && upper_byte(static_cast<char>(c)) <= 'Z');
    if (c == '"' || c == '\n' || c == '\r' || c >= 0x80 || c == ' ' || word) return false;
    separator = static_cast<char>(c);
    return true;
}

// Takes the command line apart into `options`. Returns an empty string, or the
// one line that says what is wrong with it.
std::string parse_arguments(const std::vector<std::string>& arguments, prep_options& options) {
    std::vector<std::string> positional;
    bool only_positional = false;
    for (std::size_t k = 0; k < arguments.size(); ++k) {
        const std::string& argument = arguments[k];
        if (only_positional || argument.empty() || argument[0] != '-' || argument == "-") {
            positional.push_back(argument);
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        const auto take_value = [&]() -> std::optional<std::string> {
            if (value) return value;
            if (k + 1 < arguments.size()) return arguments[++k];
            return std::nullopt;
        };
        if (name == "--") {
            only_positional = true;
        } else if (name == "--force" && !value) {
            options.force = true;
        } else if (name == "--new-starter" && !value) {
            options.new_starter = true;
        } else if (name == "--cards" && !value) {
            options.cards = true;
        } else if (name == "--no-cards" && !value) {
            options.no_cards = true;
        } else if ((name == "--help" || name == "-h") && !value) {
            options.help = true;
        } else if (name == "--version" && !value) {
            options.version = true;
        } else if (name == "--encoding") {
            const std::optional<std::string> given = take_value();
            if (!given) return "--encoding needs a value: utf-8, utf-16le, utf-16be, cp1250 or cp1252";
            export_encoding encoding;
            if (!parse_encoding(*given, encoding)) {
                return "unknown encoding '" + *given + "': use utf-8, utf-16le, utf-16be, cp1250 or cp1252";
            }
            options.reading.encoding = encoding;
        } else if (name == "--separator") {
            const std::optional<std::string> given = take_value();
            if (!given) return "--separator needs a value: one character, or 'tab'";
            char separator;
            if (!parse_separator(*given, separator)) {
                return "cannot split fields at '" + *given + "': give one sign such as ',' or ';', or 'tab'";
            }
            options.reading.separator = separator;
        } else {
            return "unknown option '" + argument + "'";
        }
    }
    if (options.help || options.version) return "";
    if (options.cards && options.no_cards) return "give --cards or --no-cards, not both";
    if (positional.empty()) return "name the export to read";
    if (positional.size() > 2) return "too many arguments: give EXPORT and at most one FOLDER";
    options.export_path = positional[0];
    if (positional.size() == 2) options.folder = positional[1];
    return "";
}

// Reads all of `path` into `bytes`. Returns an empty string, or why it could not.
std::string read_whole(const std::string& path, std::string& bytes) {
    std::error_code error;
    if (fs::is_directory(path, error)) return "it is a folder, not a file";
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return std::strerror(errno);
    std::string block(READ_BLOCK, '\0');
    for (;;) {
        const std::size_t got = std::fread(block.data(), 1, block.size(), file);
        bytes.append(block, 0, got);
        if (got < block.size()) break;
    }
    const bool failed = std::ferror(file) != 0;
    const int saved = errno;
    std::fclose(file);
    return failed ? std::string("read error: ") + std::strerror(saved) : "";
}

// Returns the name of an encoding as the report gives it.
std::string encoding_name(export_encoding encoding) {
    switch (encoding) {
    case export_encoding::utf8: return "UTF-8";
    case export_encoding::utf8_signed: return "UTF-8 with signature";
    case export_encoding::utf16le: return "UTF-16 LE";
    case export_encoding::utf16be: return "UTF-16 BE";
    case export_encoding::cp1250: return "code page 1250";
    case export_encoding::cp1252: return "code page 1252";
    }
    return "";
}

// Returns a separator as the report shows it.
std::string separator_name(char separator) {
    if (separator == '\t') return "tab";
    return std::string("'") + separator + "'";
}

// Returns one report line for a kind of change, or nothing when there was none.
std::string tally_line(const change_tally& tally, std::string_view what, std::string_view unit) {
    if (tally.count == 0) return "";
    std::string line = "  " + std::string(what) + ": " + std::to_string(tally.count) + " " + std::string(unit);
    line += tally.count == 1 ? "" : "s";
    line += tally.lines.size() > 1 ? " (lines " : " (line ";
    for (std::size_t k = 0; k < tally.lines.size(); ++k) line += (k ? ", " : "") + std::to_string(tally.lines[k]);
    line += tally.more_lines ? ", ...)\n" : ")\n";
    return line;
}

// Returns the "what it changed" part of the report.
std::string changes_report(const export_changes& changes, const contact_table& made) {
    std::string text;
    if (changes.unterminated_quote != 0) {
        text += "  a quote opened on line " + std::to_string(changes.unterminated_quote) +
                " never closes: it was read as a plain character, and its field ends with that line\n";
    }
    text += tally_line(changes.invalid, "byte sequences invalid in the encoding, dropped", "sequence");
    text += tally_line(changes.spaces, "line breaks, tabs or special spaces made plain spaces", "value");
    text += tally_line(changes.separators, "the table's separator inside a value made a space", "value");
    text += tally_line(changes.list_items, "items of ' ::: ' lists given columns of their own", "item");
    text += tally_line(changes.base_letters, "letters written as their base letter (a stroke or ring dropped)", "value");
    text += tally_line(changes.dropped, "signs, emoji or letters of other scripts dropped", "value");

    text += tally_line(changes.extra_fields, "fields beyond the header's columns dropped", "row");
    text += tally_line(made.joiners, "signs such as '-' or '/' between two words made a space, which rowcard would"
                                     " drop", "table row");
    if (made.dropped_columns != 0) {
        text += "  " + std::to_string(made.dropped_columns) + " columns left out: empty ones, and beyond the " +
                std::to_string(MAX_COLUMNS) + " columns rowcard takes\n";
    }
    return text.empty() ? "  nothing\n" : text;
}

// Returns the export `bytes` read as `how` says, into `made`: rowcard's table
// with `separator` between its columns. Empty input gives no header.
export_result read_contacts(std::string_view bytes, const export_reading& how, char separator, contact_table& made) {
    export_result read = read_export(bytes, how, separator);
    made = make_contact_table(read, separator);
    return read;
}

// Returns why the table may not be written at `table` in the working folder,
// as the end of a sentence that names it; empty when it may. It must not be
// the export or a starter file, and replaces a table only with `force`.
std::string table_refusal(const fs::path& table, const fs::path& export_path, bool force) {
    if (same_file(table, export_path)) {
        return " would be the export itself; name another table in " + std::string(CONFIG_NAME) +
               ", or give another FOLDER";
    }
    if ((present(std::string(CONFIG_NAME)) && same_file(table, CONFIG_NAME)) ||
        (present(std::string(TEMPLATE_NAME)) && same_file(table, TEMPLATE_NAME))) {
        return " would be rowcard.ini or master.vcf; name another table in " + std::string(CONFIG_NAME);
    }
    if (present(table) && !force) return " is already there; run again with --force to replace it";
    return "";
}

// Converts the export `bytes` into the working folder, shown as `folder`, as
// `options` say, holding the folder's lock. Returns the exit status; prints the report.
int prepare_here(const prep_options& options, std::string_view bytes, const fs::path& export_path,
                 const fs::path& folder) {
    contact_table made;
    export_result read = read_contacts(bytes, options.reading, STARTER_SEPARATOR, made);
    if (read.header.empty()) {
        complain("the export " + options.export_path + " is empty: there is no header line to start from");
        return PREP_REFUSED;
    }
    if (!made.recognised && !options.force) {
        complain(options.export_path + ": " + made.refusal);
        return PREP_REFUSED;
    }
    const starter_files starter = make_starter(made.header, STARTER_TABLE);
    const folder_plan plan = plan_folder(starter, options.new_starter, folder);
    if (!plan.refusal.empty()) {
        const bool need_force = !options.force && present(std::string(STARTER_TABLE));
        complain(plan.refusal + (plan.stale ? std::string("; run again with ") + (need_force ? "--force " : "") +
                                                  "--new-starter to write new starter files (the old ones are kept as"
                                                  " .old), or give another FOLDER"
                                            : ""));
        return PREP_REFUSED;
    }
    if (plan.settings.separator != STARTER_SEPARATOR) {
        export_reading fixed = options.reading;
        fixed.encoding = read.encoding;
        fixed.separator = read.separator;
        read = read_contacts(bytes, fixed, plan.settings.separator, made);
    }
    const fs::path table = plan.settings.input_base + ".csv";
    const std::string where = (folder / table).lexically_normal().string();
    if (const std::string why = table_refusal(table, export_path, options.force); !why.empty()) {
        complain("the table " + where + why);
        return PREP_REFUSED;
    }
    // The table goes in last: a run cut short there leaves starter files that fit it.
    std::vector<folder_file> files;
    if (plan.write_settings) files.push_back({std::string(CONFIG_NAME), starter.settings, true});
    if (plan.write_master) files.push_back({std::string(TEMPLATE_NAME), starter.master, true});
    files.push_back({table.string(), made.table, false});
    std::vector<std::string> kept;
    if (const std::string why = write_together(files, kept); !why.empty()) {
        complain("writing into " + folder.string() + " failed, so nothing there changed: " + why);
        return PREP_REFUSED;
    }

    std::string report = "Read " + options.export_path + ": " + encoding_name(read.encoding) + ", separator " +
                         separator_name(read.separator) + ", " + std::to_string(read.records) + " rows, " +
                         std::to_string(read.header.size()) + " columns.\n";
    report += "  Encoding " + encoding_name(read.encoding) + ": " + read.encoding_reason + ".\n";
    report += layout_report(read, made);
    report += "Changed:\n" + changes_report(read.changes, made);
    report += "Wrote " + where + ": " + std::to_string(read.records) + " rows and a header, " +
              std::to_string(made.header.size()) + " columns, separator " + separator_name(plan.settings.separator) +
              ".\n";
    report += starter_report(plan, starter, kept);
    // Starter files the user made are run only when asked: they fit the table,
    // but only the user knows whether they are the card wanted now.
    const bool own_starter = plan.write_settings && plan.write_master;
    if (options.no_cards || (!own_starter && !options.cards)) {
        report += "Next: run rowcard in " + folder.string() + " (or rowcard-check there first)" +
                  (options.no_cards ? "" : "; with --cards, rowcard-prep runs it too") + ".\n";
        say(report);
        return PREP_DONE;
    }
    say(report);
    const cards_outcome cards = write_cards(folder);
    if (!cards.failure.empty()) {
        complain(cards.failure);
        return PREP_NO_CARDS;
    }
    say(cards.summary);
    return cards.problems ? PREP_PROBLEMS : PREP_DONE;
}

// Converts as `options` say. Returns the exit status; prints the report.
int prepare(const prep_options& options) {
    std::error_code error;
    const fs::path export_path = fs::absolute(options.export_path, error);
    std::string bytes;
    if (const std::string why = read_whole(options.export_path, bytes); !why.empty()) {
        complain("cannot read the export " + options.export_path + ": " + why);
        return PREP_NO_EXPORT;
    }
    if (const std::string what = not_a_table(bytes); !what.empty()) {
        complain(options.export_path + " is " + what + ", not a table of contacts; export the contacts as CSV");
        return PREP_NO_EXPORT;
    }
    const fs::path folder = options.folder.empty() ? export_path.parent_path() : fs::path(options.folder);
    if (!fs::is_directory(folder, error)) {
        complain("the folder " + folder.string() + " does not exist; create it or name another one");
        return PREP_REFUSED;
    }
    // Names in rowcard.ini are taken from the folder rowcard runs in.
    fs::current_path(folder, error);
    if (error) {
        complain("cannot enter the folder " + folder.string() + ": " + error.message());
        return PREP_REFUSED;
    }
    // One run at a time: a second one would mix its files with the first's.
    folder_lock lock;
    if (lock_folder(lock) == lock_outcome::busy) {
        complain("another rowcard-prep is writing in " + folder.string() + "; let it finish, then run again");
        return PREP_REFUSED;
    }
    const int status = prepare_here(options, bytes, export_path, folder);
    unlock_folder(lock);
    return status;
}

}  // namespace

int run_prep(const std::vector<std::string>& arguments) {
    try {
        prep_options options;
        if (const std::string wrong = parse_arguments(arguments, options); !wrong.empty()) {
            complain(wrong + "; see rowcard-prep --help");
            return PREP_USAGE;
        }
        if (options.help) {
            say(std::string(USAGE) + "\n\n" + std::string(HELP));
            return PREP_DONE;
        }
        if (options.version) {
            say(std::string(PROGRAM) + " " + ROWCARD_VERSION + "\n");
            return PREP_DONE;
        }
        return prepare(options);
    } catch (const std::bad_alloc&) {
        complain("out of memory; close other programs or split the export, and run again");
    } catch (const std::exception& failure) {
        complain(std::string("stopped by an unexpected failure: ") + failure.what());
    }
    return PREP_REFUSED;
}

void wait_if_own_console() {
#ifdef _WIN32
    // A console shared with no other process was opened for this one: it
    // closes as soon as the program ends.
    DWORD processes[2];
    if (GetConsoleProcessList(processes, 2) == 1) {
        std::fputs("Press Enter to close this window.", stdout);
        std::fflush(stdout);
        std::getchar();
    }
#endif
}

}  // namespace rowcard
