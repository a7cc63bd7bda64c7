// rowcard-prep's command line: options with their values, the encodings and
// separators they name, and the help that lists them.
#include "prep/options.hpp"

#include <optional>

#include "prep/columns.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

constexpr std::string_view USAGE =
    "usage: rowcard-prep [--force] [--new-starter] [--cards | --no-cards] [--encoding E] [--separator C]\n"
    "                    [--column HEADER=FIELD]... [--columns] [--vcard 2.1|3.0|4.0] EXPORT [FOLDER]";

constexpr std::string_view HELP =
    "Turns a contacts export (Google Contacts, Outlook, Thunderbird, Excel) into the\n"
    "table that rowcard reads, in FOLDER (by default the folder that holds EXPORT;\n"
    "one that does not exist yet is made, in a folder that does).\n"
    "When FOLDER has neither rowcard.ini nor master.vcf, it also writes both, and\n"
    "then the cards, as rowcard does there, and sums up what rowcard-check finds.\n"
    "A rowcard.ini and master.vcf already there are kept when they fit the table's\n"
    "columns, and refused when they do not. It writes all its files or none, and\n"
    "one run at a time in a folder; a run cut short is undone by the next one.\n"
    "It never writes over EXPORT, and every file it replaces is kept as .old.\n"
    "\n"
    "  --force          replace a table or cards that are already there (the old\n"
    "                   ones are kept as .old), and take an export with no name,\n"
    "                   organisation or e-mail column\n"
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
    "  --columns        show what each column of EXPORT is taken for, and why,\n"
    "                   and write nothing\n"
    "  --column H=F     take the column headed H as the card field F (company,\n"
    "                   given, family, phone:work, email, street:home, ...), or\n"
    "                   leave it off with F 'skip'; give it once per column\n"
    "  --vcard V        write the starter card as vCard V: 2.1 (older phones and\n"
    "                   car kits), 3.0 (the default) or 4.0\n"
    "  --help           show this help\n"
    "  --version        show the version\n"
    "\n";

// Arguments that are no options: EXPORT and FOLDER.
constexpr std::size_t ARGUMENTS_TAKEN = 2;

// An option that takes no value sets one of these.
using option_switch = bool prep_options::*;

// The options that take no value, and what each sets.
struct option_flag {
    std::string_view name;
    option_switch flag;
};
constexpr option_flag FLAGS[] = {
    {"--force", &prep_options::force},       {"--new-starter", &prep_options::new_starter},
    {"--cards", &prep_options::cards},       {"--no-cards", &prep_options::no_cards},
    {"--help", &prep_options::help},         {"-h", &prep_options::help},
    {"--version", &prep_options::version},   {"--columns", &prep_options::show_columns},
};

// Returns `text` with its ASCII letters made small.
std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = lower_byte(c);
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
    } else if (key == "cp1251" || key == "windows-1251") {
        encoding = export_encoding::cp1251;
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

// Applies the option `name` with its value, `value` (unset when none was
// given), to `options`. Returns an empty string, or what is wrong with it.
std::string apply_option(std::string_view name, const std::optional<std::string>& value, prep_options& options) {
    if (name == "--encoding") {
        if (!value) return "--encoding needs a value: utf-8, utf-16le, utf-16be, cp1250, cp1252 or cp1251";
        export_encoding encoding;
        if (!parse_encoding(*value, encoding)) {
            return "unknown encoding '" + *value + "': use utf-8, utf-16le, utf-16be, cp1250, cp1252 or cp1251";
        }
        options.reading.encoding = encoding;
        return "";
    }
    if (name == "--column") {
        const std::size_t equals = value ? value->rfind('=') : std::string::npos;
        if (equals == std::string::npos || equals == 0) {
            return "--column needs a column's header and a field, as in --column 'Firma=company'";
        }
        const std::string field = value->substr(equals + 1);
        column_role role;
        if (!field_by_name(field, role)) return "unknown field '" + field + "' in --column: use " + field_choices();
        options.overrides.push_back({value->substr(0, equals), field});
        return "";
    }
    if (name == "--vcard") {
        if (!value || !version_by_name(*value, options.vcard)) return "--vcard needs a version: 2.1, 3.0 or 4.0";
        return "";
    }
    if (!value) return "--separator needs a value: one character, or 'tab'";
    char separator;
    if (!parse_separator(*value, separator)) {
        return "cannot split fields at '" + *value + "': give one sign such as ',' or ';', or 'tab'";
    }
    options.reading.separator = separator;
    return "";
}

// Returns the flag that the option `name`, given without a value, sets; null for none.
option_switch flag_of(std::string_view name) {
    for (const option_flag& known : FLAGS) {
        if (known.name == name) return known.flag;
    }
    return nullptr;
}

// Returns what is wrong with the options and the arguments that are no
// options, `positional`, taken together; empty when nothing is. Sets the export and folder.
std::string check_positional(const std::vector<std::string>& positional, prep_options& options) {
    if (options.help || options.version) return "";
    if (options.cards && options.no_cards) return "give --cards or --no-cards, not both";
    if (positional.empty()) return "name the export to read";
    if (positional.size() > ARGUMENTS_TAKEN) return "too many arguments: give EXPORT and at most one FOLDER";
    options.export_path = positional[0];
    if (positional.size() == ARGUMENTS_TAKEN) options.folder = positional[1];
    return "";
}

}  // namespace

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
        if (name == "--") {
            only_positional = true;
        } else if (const option_switch flag = flag_of(name); flag != nullptr && !value) {
            options.*flag = true;
        } else if (name == "--encoding" || name == "--separator" || name == "--column" || name == "--vcard") {
            if (!value && k + 1 < arguments.size()) value = arguments[++k];
            if (std::string wrong = apply_option(name, value, options); !wrong.empty()) return wrong;
        } else {
            return "unknown option '" + argument + "'";
        }
    }
    return check_positional(positional, options);
}

std::string prep_help() {
    const auto status = [](int code) { return std::to_string(code); };
    return std::string(USAGE) + "\n\n" + std::string(HELP) + "Exit status: " + status(PREP_DONE) + " written, " +
           status(PREP_REFUSED) + " refused or not written (FOLDER left as it was),\n" + status(PREP_NO_EXPORT) +
           " EXPORT missing or unreadable, " + status(PREP_PROBLEMS) + " cards written but rowcard-check sees\n" +
           "problems, " + status(PREP_NO_CARDS) + " the cards could not be written (the table is in place),\n" +
           status(PREP_USAGE) + " wrong usage, " + status(PREP_UNWRITTEN) + " what it printed did not reach standard output.\n";
}

}  // namespace rowcard
