// Benchmark data: writes a table of made-up Czech contacts in code page 1250,
// with the "rowcard.ini" and the ten-line vCard 3.0 template that go with it.
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace {

// Every run writes the same table for the same row count, so timings compare.
constexpr std::uint64_t SEED = 0x5eed'cafe'f00d'1250ULL;
// About one row in this many lacks its mandatory mobile number (5 %).
constexpr std::uint64_t MISSING_MOBILE_ONE_IN = 20;
// Rows are written in pieces of about this size: few writes, little memory.
constexpr std::size_t FLUSH_AT = 256 * 1024;

constexpr std::string_view TABLE_NAME = "contacts.csv";
constexpr std::string_view SETTINGS =
    "contacts.csv\r\n;\r\nFIRST\r\nLAST\r\nMOBILE%\r\nMAILBOX\r\nCOMPANY\r\nREMARK\r\n";
constexpr std::string_view TEMPLATE =
    "BEGIN:VCARD\r\n"
    "VERSION:3.0\r\n"
    "N:LAST;FIRST;;;\r\n"
    "FN:FIRST LAST\r\n"
    "NICKNAME:1FIRST\r\n"
    "ORG:COMPANY\r\n"
    "TEL;TYPE=CELL:MOBILE%\r\n"
    "EMAIL;TYPE=INTERNET:MAILBOX\r\n"
    "NOTE:REMARK\r\n"
    "END:VCARD\r\n";
// The header as a Czech spreadsheet exports it; rowcard skips it.
constexpr std::string_view HEADER = "Jméno;Příjmení;Mobil;E-mail;Firma;Poznámka";

// A person: first name and surname, the surname in the form that goes with it.
struct given_name {
    std::string_view name;
    bool female;
};
constexpr std::array<given_name, 24> FIRST_NAMES = {{
    {"Jan", false},     {"Petr", false},   {"Jiří", false},    {"Tomáš", false},   {"Lukáš", false},
    {"Ondřej", false},  {"Martin", false}, {"Zdeněk", false},  {"Václav", false},  {"Radek", false},
    {"Štěpán", false},  {"Matěj", false},  {"Eva", true},      {"Jana", true},     {"Lenka", true},
    {"Kateřina", true}, {"Věra", true},    {"Zuzana", true},   {"Tereza", true},   {"Markéta", true},
    {"Hana", true},     {"Šárka", true},   {"Blanka", true},   {"Ludmila", true},
}};
// Surname pairs: the male form and the female one.
constexpr std::array<std::array<std::string_view, 2>, 20> SURNAMES = {{
    {"Novák", "Nováková"},       {"Dvořák", "Dvořáková"},   {"Černý", "Černá"},
    {"Procházka", "Procházková"}, {"Kučera", "Kučerová"},    {"Veselý", "Veselá"},
    {"Horák", "Horáková"},       {"Němec", "Němcová"},      {"Marek", "Marková"},
    {"Pospíšil", "Pospíšilová"}, {"Hájek", "Hájková"},      {"Jelínek", "Jelínková"},
    {"Král", "Králová"},         {"Růžička", "Růžičková"},  {"Beneš", "Benešová"},
    {"Fiala", "Fialová"},        {"Šťastný", "Šťastná"},    {"Doležal", "Doležalová"},
    {"Zeman", "Zemanová"},       {"Kříž", "Křížová"},
}};
// Companies with the mail domain each one uses.
constexpr std::array<std::array<std::string_view, 2>, 12> COMPANIES = {{
    {"Stavby Brno s.r.o.", "stavby-brno.cz"},
    {"Účetnictví Plzeň", "ucetnictvi-plzen.cz"},
    {"Pekárna U Mlýna", "pekarna-mlyn.cz"},
    {"Železářství Říha a syn", "zelezarstvi-riha.cz"},
    {"Česká pojišťovna, a.s.", "cpoj.cz"},
    {"Autodoprava Šimek", "autodoprava-simek.cz"},
    {"Zahradnictví Květa", "kveta-zahrady.cz"},
    {"Tiskárna Ostrava", "tisk-ostrava.cz"},
    {"Nemocnice Třebíč", "nemocnice-trebic.cz"},
    {"Město Žďár nad Sázavou", "zdar-nad-sazavou.cz"},
    {"", "seznam.cz"},
    {"", "email.cz"},
}};
constexpr std::array<std::string_view, 10> REMARKS = {
    "", "", "", "ráno", "volat po 14:00", "VIP zákazník", "nová adresa od 1. 3.",
    "faktury posílat e-mailem", "dovolená do 15. 8.", "sleva 10 % (viz smlouva)",
};
// Czech mobile prefixes.
constexpr std::array<std::string_view, 8> MOBILE_PREFIXES = {"601", "602", "603", "604",
                                                             "720", "731", "777", "776"};

// A letter of the names above: its code point, its code page 1250 byte and the
// ASCII letter a mail address uses for it.
struct letter {
    char32_t code;
    unsigned char cp1250;
    char ascii;
};
constexpr std::array<letter, 30> LETTERS = {{
    {U'Á', 0xC1, 'a'}, {U'Č', 0xC8, 'c'}, {U'Ď', 0xCF, 'd'}, {U'É', 0xC9, 'e'}, {U'Ě', 0xCC, 'e'},
    {U'Í', 0xCD, 'i'}, {U'Ň', 0xD2, 'n'}, {U'Ó', 0xD3, 'o'}, {U'Ř', 0xD8, 'r'}, {U'Š', 0x8A, 's'},
    {U'Ť', 0x8D, 't'}, {U'Ú', 0xDA, 'u'}, {U'Ů', 0xD9, 'u'}, {U'Ý', 0xDD, 'y'}, {U'Ž', 0x8E, 'z'},
    {U'á', 0xE1, 'a'}, {U'č', 0xE8, 'c'}, {U'ď', 0xEF, 'd'}, {U'é', 0xE9, 'e'}, {U'ě', 0xEC, 'e'},
    {U'í', 0xED, 'i'}, {U'ň', 0xF2, 'n'}, {U'ó', 0xF3, 'o'}, {U'ř', 0xF8, 'r'}, {U'š', 0x9A, 's'},
    {U'ť', 0x9D, 't'}, {U'ú', 0xFA, 'u'}, {U'ů', 0xF9, 'u'}, {U'ý', 0xFD, 'y'}, {U'ž', 0x9E, 'z'},
}};

// splitmix64: small, fast and the same on every system, unlike the standard
// library's distributions.
struct random_source {
    std::uint64_t state = SEED;
};

// Returns the next number of `source`.
std::uint64_t next(random_source& source) {
    std::uint64_t z = (source.state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// Returns a number below `bound` (which must not be 0).
std::size_t below(random_source& source, std::size_t bound) { return next(source) % bound; }

// Returns an element of `items` chosen at random.
template <typename T, std::size_t N>
const T& pick(random_source& source, const std::array<T, N>& items) {
    return items[below(source, N)];
}

// Returns the code point at the front of the UTF-8 text `s` and moves `s` past it.
char32_t take_code_point(std::string_view& s) {
    const auto lead = static_cast<unsigned char>(s.front());
    if (lead < 0x80) {
        s.remove_prefix(1);
        return lead;
    }
    const std::size_t length = lead >= 0xE0 ? 3 : 2;
    char32_t code = lead & (length == 3 ? 0x0F : 0x1F);
    for (std::size_t i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(s[i]) & 0x3F);
    s.remove_prefix(length);
    return code;
}

// Returns the entry of LETTERS for `code`; a letter missing from it is a fault
// of this program, so it stops.
const letter& letter_of(char32_t code) {
    for (const letter& l : LETTERS) {
        if (l.code == code) return l;
    }
    std::fprintf(stderr, "generate: no code page 1250 byte for U+%04X\n", static_cast<unsigned>(code));
    std::exit(EXIT_FAILURE);
}

// Appends the UTF-8 text `s` to `out` in code page 1250.
void append_cp1250(std::string& out, std::string_view s) {
    while (!s.empty()) {
        const char32_t code = take_code_point(s);
        out.push_back(code < 0x80 ? static_cast<char>(code) : static_cast<char>(letter_of(code).cp1250));
    }
}

// Appends the UTF-8 name `s` to `out` as a mail address writes it: lower-case
// ASCII, accents dropped.
void append_mail_part(std::string& out, std::string_view s) {
    while (!s.empty()) {
        const char32_t code = take_code_point(s);
        const char c = code < 0x80 ? static_cast<char>(code) : letter_of(code).ascii;
        out.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
}

// Appends `count` random digits to `out`.
void append_digits(std::string& out, random_source& source, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) out.push_back(static_cast<char>('0' + below(source, 10)));
}

// Appends a mobile number in one of the ways people write them; about one row
// in MISSING_MOBILE_ONE_IN gets none, or only spaces.
void append_mobile(std::string& out, random_source& source) {
    if (below(source, MISSING_MOBILE_ONE_IN) == 0) {
        if (below(source, 4) == 0) out += "  ";
        return;
    }
    // The ways people write a number: "+420 (777) 123-456", "+420 777 123 456", "777123456".
    struct layout {
        std::string_view before_prefix, after_prefix, middle;
    };
    static constexpr layout LAYOUTS[] = {{"+420 (", ") ", "-"}, {"+420 ", " ", " "}, {"", "", ""}};
    const std::string_view prefix = pick(source, MOBILE_PREFIXES);
    const layout& form = LAYOUTS[below(source, std::size(LAYOUTS))];
    out.append(form.before_prefix).append(prefix).append(form.after_prefix);
    append_digits(out, source, 3);
    out.append(form.middle);
    append_digits(out, source, 3);
}

// Appends one table row, line end included.
void append_row(std::string& out, random_source& source) {
    const given_name& first = pick(source, FIRST_NAMES);
    const std::string_view last = pick(source, SURNAMES)[first.female ? 1 : 0];
    const auto& company = pick(source, COMPANIES);
    append_cp1250(out, first.name);
    out += ';';
    append_cp1250(out, last);
    out += ';';
    append_mobile(out, source);
    out += ';';
    append_mail_part(out, first.name);
    out += below(source, 2) == 0 ? '_' : '.';
    append_mail_part(out, last);
    if (below(source, 4) == 0) {
        out += '-';
        append_digits(out, source, 1 + below(source, 2));
    }
    out.append("@").append(company[1]).append(";");
    append_cp1250(out, company[0]);
    out += ';';
    append_cp1250(out, pick(source, REMARKS));
    out += "\r\n";
}

// Writes `bytes` to the file `path`, replacing it. Returns false when it cannot.
bool write_whole(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

// Writes the table of `rows` rows, after its header, to `path`.
bool write_table(const std::filesystem::path& path, std::size_t rows) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    std::string chunk;
    append_cp1250(chunk, HEADER);
    chunk += "\r\n";
    random_source source;
    for (std::size_t row = 0; row < rows && file; ++row) {
        append_row(chunk, source);
        if (chunk.size() >= FLUSH_AT || row + 1 == rows) {
            file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            chunk.clear();
        }
    }
    if (rows == 0) file.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    return static_cast<bool>(file);
}

}  // namespace

// Usage: rowcard_bench_generate ROWS [FOLDER]. Writes rowcard.ini, contacts.csv
// and master.vcf into FOLDER (default: the working folder).
int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s ROWS [FOLDER]\n", argv[0]);
        return EXIT_FAILURE;
    }
    char* end = nullptr;
    const unsigned long long rows = std::strtoull(argv[1], &end, 10);
    if (end == argv[1] || *end != '\0') {
        std::fprintf(stderr, "generate: ROWS must be a whole number, not '%s'\n", argv[1]);
        return EXIT_FAILURE;
    }
    const std::filesystem::path folder = argc == 3 ? argv[2] : ".";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (!write_whole(folder / "rowcard.ini", SETTINGS) || !write_whole(folder / "master.vcf", TEMPLATE) ||
        !write_table(folder / TABLE_NAME, static_cast<std::size_t>(rows))) {
        std::fprintf(stderr, "generate: cannot write into %s\n", folder.string().c_str());
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
