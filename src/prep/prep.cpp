// rowcard-prep's command line: the options, the safety checks around the files
// it writes, the writing through a temporary file, and the report.
#include "prep/prep.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "config/config.hpp"
#include "text/text.hpp"

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX 1
#endif
#define WIN32_LEAN_AND_MEAN
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifndef ROWCARD_VERSION
#define ROWCARD_VERSION "unknown"
#endif

namespace rowcard {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view PROGRAM = "rowcard-prep";
const std::string TEMPLATE_FILE = "master.vcf";
// The table that a started folder reads; rowcard then writes cards.vcf beside it.
constexpr std::string_view STARTER_TABLE = "cards.csv";
// Temporary names tried beside the table before giving up.
constexpr int TEMPORARY_TRIES = 100;

constexpr std::string_view USAGE = "usage: rowcard-prep [--force] [--encoding E] [--separator C] EXPORT [FOLDER]";

constexpr std::string_view HELP =
    "Turns a contacts export (Google Contacts, Outlook, Thunderbird, Excel) into the\n"
    "table that rowcard reads, in FOLDER (by default the folder that holds EXPORT).\n"
    "When FOLDER has neither rowcard.ini nor master.vcf, it also writes both, so\n"
    "that rowcard can run there next.\n"
    "\n"
    "  --force          replace a table that is already there, and take an\n"
    "                   export with no name, organisation or e-mail column\n"
    "  --encoding E     read EXPORT as E: utf-8, utf-16le, utf-16be, cp1250\n"
    "                   or cp1252 (default: told from the file)\n"
    "  --separator C    split EXPORT's fields at C: one character, or 'tab'\n"
    "                   (default: told from the first lines)\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n"
    "Exit status: 0 written, 1 refused or not written, 2 EXPORT missing or\n"
    "unreadable, 64 wrong usage.\n";

// The command line, taken apart.
struct prep_options {
    bool force = false;
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

// True when `a` and `b` name one file: the same path written two ways, or one
// existing file reached through a link.
bool same_file(const fs::path& a, const fs::path& b) {
    std::error_code error;
    if (fs::absolute(a, error).lexically_normal() == fs::absolute(b, error).lexically_normal()) return true;
    return fs::equivalent(a, b, error) && !error;
}

// True when something, a dangling link included, stands at `path`.
bool present(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

// Writes `text` to `path` through a new temporary file beside it, renamed
// into place only once it is whole, so that an interrupted run leaves what was
// at `path` intact. Line feeds are written as CR LF. Returns an empty string,
// or what went wrong; no temporary file is left behind.
std::string write_replacing(const fs::path& path, std::string_view text) {
#ifdef _WIN32
    const int process = _getpid();
#else
    const int process = static_cast<int>(getpid());
#endif
    fs::path temporary;
    for (int k = 0; k < TEMPORARY_TRIES; ++k) {
        fs::path candidate = path;
        candidate += ".prep-" + std::to_string(process) + "-" + std::to_string(k) + ".tmp";
        if (!present(candidate)) {
            temporary = candidate;
            break;
        }
    }
    if (temporary.empty()) return "no free temporary name beside " + path.string();
    text_writer writer;
    if (!create_for_writing(writer, temporary.string())) {
        return "cannot create " + temporary.string() + ": " + std::strerror(errno);
    }
    write_text(writer, text);
    std::error_code error;
    if (!close_writer(writer)) {
        fs::remove(temporary, error);
        return "writing " + temporary.string() + " failed (is the disk full?)";
    }
    fs::rename(temporary, path, error);
    if (error) {
        const std::string why = error.message();
        fs::remove(temporary, error);
        return "cannot put " + path.string() + " in place: " + why;
    }
    return "";
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
std::string changes_report(const export_changes& changes, std::size_t dropped_columns) {
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
    if (dropped_columns != 0) {
        text += "  " + std::to_string(dropped_columns) + " columns left out: empty ones, and beyond the " +
                std::to_string(MAX_COLUMNS) + " columns rowcard takes\n";
    }
    return text.empty() ? "  nothing\n" : text;
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

    const bool has_settings = present(std::string(CONFIG_NAME));
    const bool has_master = present(TEMPLATE_FILE);
    const bool starting = !has_settings && !has_master;
    conversion_settings settings;
    if (has_settings && !read_config(settings)) {
        complain("a read error cut " + std::string(CONFIG_NAME) + " short; mend it and run again");
        return PREP_REFUSED;
    }
    if (starting) {
        // The starter rowcard.ini's own table name and separator, as rowcard will read them.
        apply_config_line(settings, STARTER_TABLE);
        apply_config_line(settings, ";");
    }
    const fs::path table = settings.input_base + ".csv";
    std::string where = (folder / table).lexically_normal().string();

    export_result read = read_export(bytes, options.reading, settings.separator);
    if (read.header.empty()) {
        complain("the export " + options.export_path + " is empty: there is no header line to start from");
        return PREP_REFUSED;
    }
    const std::size_t export_columns = read.header.size();
    contact_table made = make_contact_table(read, settings.separator);
    if (!made.recognised && !options.force) {
        complain(options.export_path + ": " + made.refusal);
        return PREP_REFUSED;
    }
    read.table = std::move(made.table);
    read.header = made.header;
    const std::size_t dropped_columns = made.dropped_columns;

    if (same_file(table, export_path)) {
        complain("the table " + where + " would be the export itself; name another table in " +
                 std::string(CONFIG_NAME) + ", or give another FOLDER");
        return PREP_REFUSED;
    }
    if ((has_settings && same_file(table, CONFIG_NAME)) || (has_master && same_file(table, TEMPLATE_FILE))) {
        complain("the table " + where + " would be " + std::string(has_settings ? CONFIG_NAME : "") +
                 " or master.vcf; name another table in " + std::string(CONFIG_NAME));
        return PREP_REFUSED;
    }
    if (present(table) && !options.force) {
        complain("the table " + where + " is already there; run again with --force to replace it");
        return PREP_REFUSED;
    }
    if (const std::string why = write_replacing(table, read.table); !why.empty()) {
        complain(why);
        return PREP_REFUSED;
    }

    std::string report = "Read " + options.export_path + ": " + encoding_name(read.encoding) + ", separator " +
                         separator_name(read.separator) + ", " + std::to_string(read.records) + " rows, " +
                         std::to_string(export_columns) + " columns.\n";
    report += "  Encoding " + encoding_name(read.encoding) + ": " + read.encoding_reason + ".\n";
    report += layout_report(read, made);
    report += "Changed:\n" + changes_report(read.changes, dropped_columns);
    report += "Wrote " + where + ": " + std::to_string(read.records) + " rows and a header, " +
              std::to_string(read.header.size()) + " columns, separator " + separator_name(settings.separator) +
              ".\n";
    int status = PREP_DONE;
    if (starting) {
        const starter_files starter = make_starter(read.header, STARTER_TABLE);
        std::string why = write_replacing(std::string(CONFIG_NAME), starter.settings);
        if (why.empty()) why = write_replacing(TEMPLATE_FILE, starter.master);
        if (!why.empty()) {
            complain(why);
            status = PREP_REFUSED;
        } else {
            report += "Wrote rowcard.ini (the table's name, ';' and one line per column) and master.vcf, a vCard 3.0 card using " +
                      std::to_string(starter.recognised.size()) + " recognised columns:";
            for (const std::string& name : starter.recognised) report += " " + name;
            report += ".\n";
            report += "  A row with nothing in it makes no card: {FN}% is mandatory. To skip rows with\n"
                      "  another value empty, end its line in rowcard.ini with '%' ({EMAIL1}%) and\n"
                      "  write the placeholder with '%' in master.vcf too.\n";
        }
    } else if (has_settings != has_master) {
        report += std::string("Wrote no rowcard.ini or master.vcf: ") + (has_settings ? "rowcard.ini" : "master.vcf") +
                  " is there already and the other is not, so the folder is yours to finish.\n";
    }
    report += "Next: run rowcard in " + folder.string() + " (or rowcard-check there first).\n";
    say(report);
    return status;
}

}  // namespace

int run_prep(const std::vector<std::string>& arguments) {
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
