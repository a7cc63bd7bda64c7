// The starter files: a rowcard.ini naming every column of the table, and a
// master.vcf card built from the columns whose headers are known.
#include <algorithm>
#include <array>

#include "config/config.hpp"
#include "prep/prep.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// The braces around every placeholder name: they keep one name from matching
// inside another ({TEL} inside {TEL 2}) and from matching card text.
constexpr char OPEN = '{';
constexpr char CLOSE = '}';
// The starter table's separator: ';' rarely stands inside a contact's values.
constexpr char STARTER_SEPARATOR = ';';

// What a recognised column holds.
enum class role {
    given, middle, family, prefix, suffix, full, org, department, job, cell, work_phone, home_phone, fax,
    phone, email, street, city, region, postal, country, address, note
};

// Digits of a Google field number read: more would only overflow, and no export has them.
constexpr std::size_t NUMBER_DIGITS = 6;

// Which address a column belongs to; a Google export numbers its addresses.
enum : int { ANY_PLACE = 0, HOME = 1, WORK = 2, OTHER = 3, NUMBERED = 10 };

// A header, as compared: folded to ASCII, upper case, every run of other bytes one space.
struct known_header {
    std::string_view key;
    role what;
    int place;
};

// The headers of Google Contacts (old and new), Outlook (English and Czech),
// Thunderbird, and common Czech, Slovak, Polish and Hungarian tables.
// Google's numbered fields ('E-mail 1 - Value', 'Address 2 - City') are
// recognised by their pattern in `recognise`.
constexpr known_header KNOWN[] = {
    {"FIRST NAME", role::given, 0}, {"GIVEN NAME", role::given, 0}, {"JMENO", role::given, 0},
    {"KRESTNI JMENO", role::given, 0}, {"MENO", role::given, 0}, {"KRSTNE MENO", role::given, 0},
    {"IMIE", role::given, 0}, {"KERESZTNEV", role::given, 0}, {"UTONEV", role::given, 0},
    {"MIDDLE NAME", role::middle, 0}, {"ADDITIONAL NAME", role::middle, 0}, {"DRUHE JMENO", role::middle, 0},
    {"DRUHE MENO", role::middle, 0}, {"DRUGIE IMIE", role::middle, 0},
    {"LAST NAME", role::family, 0}, {"FAMILY NAME", role::family, 0}, {"SURNAME", role::family, 0},
    {"PRIJMENI", role::family, 0}, {"PRIEZVISKO", role::family, 0}, {"NAZWISKO", role::family, 0},
    {"VEZETEKNEV", role::family, 0}, {"CSALADNEV", role::family, 0},
    {"TITLE", role::prefix, 0}, {"NAME PREFIX", role::prefix, 0}, {"TITUL", role::prefix, 0},
    {"TITUL PRED JMENEM", role::prefix, 0}, {"TITUL PRED MENOM", role::prefix, 0}, {"TYTUL", role::prefix, 0},
    {"ELOTAG", role::prefix, 0},
    {"SUFFIX", role::suffix, 0}, {"NAME SUFFIX", role::suffix, 0}, {"PRIPONA", role::suffix, 0},
    {"TITUL ZA JMENEM", role::suffix, 0}, {"TITUL ZA MENOM", role::suffix, 0},
    {"NAME", role::full, 0}, {"DISPLAY NAME", role::full, 0}, {"FULL NAME", role::full, 0},
    {"CELE JMENO", role::full, 0}, {"ZOBRAZOVANE JMENO", role::full, 0}, {"JMENO A PRIJMENI", role::full, 0},
    {"CELE MENO", role::full, 0}, {"MENO A PRIEZVISKO", role::full, 0}, {"IMIE I NAZWISKO", role::full, 0},
    {"NEV", role::full, 0}, {"TELJES NEV", role::full, 0},
    {"COMPANY", role::org, 0}, {"ORGANIZATION", role::org, 0}, {"ORGANIZATION NAME", role::org, 0},
    {"ORGANIZATION 1 NAME", role::org, 0}, {"FIRMA", role::org, 0}, {"SPOLECNOST", role::org, 0},
    {"ORGANIZACE", role::org, 0}, {"SPOLOCNOST", role::org, 0}, {"ORGANIZACIA", role::org, 0},
    {"NAZWA FIRMY", role::org, 0}, {"ORGANIZACJA", role::org, 0}, {"CEG", role::org, 0},
    {"CEGNEV", role::org, 0},
    {"DEPARTMENT", role::department, 0}, {"ORGANIZATION DEPARTMENT", role::department, 0},
    {"ORGANIZATION 1 DEPARTMENT", role::department, 0}, {"ODDELENI", role::department, 0},
    {"ODDELENIE", role::department, 0}, {"DZIAL", role::department, 0}, {"OSZTALY", role::department, 0},
    {"JOB TITLE", role::job, 0}, {"ORGANIZATION TITLE", role::job, 0}, {"ORGANIZATION 1 TITLE", role::job, 0},
    {"FUNKCE", role::job, 0}, {"POZICE", role::job, 0}, {"PRACOVNI POZICE", role::job, 0},
    {"FUNKCIA", role::job, 0}, {"POZICIA", role::job, 0}, {"STANOWISKO", role::job, 0},
    {"BEOSZTAS", role::job, 0}, {"MUNKAKOR", role::job, 0},
    {"MOBILE PHONE", role::cell, 0}, {"MOBILE NUMBER", role::cell, 0}, {"MOBILE", role::cell, 0},
    {"CELL PHONE", role::cell, 0}, {"MOBIL", role::cell, 0}, {"MOBILNI TELEFON", role::cell, 0},
    {"MOBILNY TELEFON", role::cell, 0}, {"TELEFON KOMORKOWY", role::cell, 0}, {"KOMORKA", role::cell, 0},
    {"MOBILTELEFON", role::cell, 0}, {"MOBILSZAM", role::cell, 0},
    {"BUSINESS PHONE", role::work_phone, 0}, {"BUSINESS PHONE 2", role::work_phone, 0},
    {"WORK PHONE", role::work_phone, 0}, {"TELEFON DO PRACE", role::work_phone, 0},
    {"TELEFON DO ZAMESTNANI", role::work_phone, 0}, {"TELEFON V ZAMESTNANI", role::work_phone, 0},
    {"PRACOVNI TELEFON", role::work_phone, 0}, {"TELEFON DO PRACE 2", role::work_phone, 0},
    {"PRACOVNY TELEFON", role::work_phone, 0}, {"TELEFON SLUZBOWY", role::work_phone, 0},
    {"MUNKAHELYI TELEFON", role::work_phone, 0},
    {"HOME PHONE", role::home_phone, 0}, {"HOME PHONE 2", role::home_phone, 0},
    {"TELEFON DOMU", role::home_phone, 0}, {"TELEFON DOMU 2", role::home_phone, 0},
    {"DOMACI TELEFON", role::home_phone, 0}, {"TELEFON DOMOV", role::home_phone, 0},
    {"TELEFON DOMOWY", role::home_phone, 0}, {"OTTHONI TELEFON", role::home_phone, 0},
    {"BUSINESS FAX", role::fax, 0}, {"HOME FAX", role::fax, 0}, {"FAX NUMBER", role::fax, 0},
    {"FAX", role::fax, 0}, {"FAX DO PRACE", role::fax, 0}, {"FAX DOMU", role::fax, 0},
    {"PHONE", role::phone, 0}, {"TELEPHONE", role::phone, 0}, {"PRIMARY PHONE", role::phone, 0},
    {"OTHER PHONE", role::phone, 0}, {"TELEFON", role::phone, 0}, {"TEL", role::phone, 0},
    {"TELEFONNI CISLO", role::phone, 0}, {"TELEFONNE CISLO", role::phone, 0}, {"HLAVNI TELEFON", role::phone, 0},
    {"JINY TELEFON", role::phone, 0}, {"NUMER TELEFONU", role::phone, 0}, {"TELEFONSZAM", role::phone, 0},
    {"E MAIL", role::email, 0}, {"EMAIL", role::email, 0}, {"E MAIL ADDRESS", role::email, 0},
    {"E MAIL 2 ADDRESS", role::email, 0}, {"E MAIL 3 ADDRESS", role::email, 0},
    {"PRIMARY EMAIL", role::email, 0}, {"SECONDARY EMAIL", role::email, 0}, {"E MAILOVA ADRESA", role::email, 0},
    {"E MAIL ADRESA", role::email, 0}, {"E MAIL 2 ADRESA", role::email, 0}, {"E MAIL 3 ADRESA", role::email, 0},
    {"EMAILOVA ADRESA", role::email, 0}, {"ADRES E MAIL", role::email, 0}, {"E MAIL CIM", role::email, 0},
    {"EMAIL CIM", role::email, 0}, {"MAIL", role::email, 0},
    {"BUSINESS STREET", role::street, WORK}, {"BUSINESS CITY", role::city, WORK},
    {"BUSINESS STATE", role::region, WORK}, {"BUSINESS POSTAL CODE", role::postal, WORK},
    {"BUSINESS COUNTRY REGION", role::country, WORK},
    {"HOME STREET", role::street, HOME}, {"HOME CITY", role::city, HOME}, {"HOME STATE", role::region, HOME},
    {"HOME POSTAL CODE", role::postal, HOME}, {"HOME COUNTRY REGION", role::country, HOME},
    {"OTHER STREET", role::street, OTHER}, {"OTHER CITY", role::city, OTHER}, {"OTHER STATE", role::region, OTHER},
    {"OTHER POSTAL CODE", role::postal, OTHER}, {"OTHER COUNTRY REGION", role::country, OTHER},
    {"WORK ADDRESS", role::street, WORK}, {"WORK CITY", role::city, WORK}, {"WORK STATE", role::region, WORK},
    {"WORK ZIPCODE", role::postal, WORK}, {"WORK COUNTRY", role::country, WORK},
    {"HOME ADDRESS", role::street, HOME}, {"HOME ZIPCODE", role::postal, HOME}, {"HOME COUNTRY", role::country, HOME},
    {"ULICE V ZAMESTNANI", role::street, WORK}, {"MESTO V ZAMESTNANI", role::city, WORK},
    {"KRAJ V ZAMESTNANI", role::region, WORK}, {"PSC V ZAMESTNANI", role::postal, WORK},
    {"ZEME V ZAMESTNANI", role::country, WORK}, {"ZEME OBLAST V ZAMESTNANI", role::country, WORK},
    {"ULICE DOMU", role::street, HOME}, {"MESTO DOMU", role::city, HOME}, {"KRAJ DOMU", role::region, HOME},
    {"PSC DOMU", role::postal, HOME}, {"ZEME DOMU", role::country, HOME}, {"ZEME OBLAST DOMU", role::country, HOME},
    {"ULICE", role::street, 0}, {"ULICA", role::street, 0}, {"UTCA", role::street, 0},
    {"MESTO", role::city, 0}, {"OBEC", role::city, 0}, {"MIASTO", role::city, 0},
    {"MIEJSCOWOSC", role::city, 0}, {"VAROS", role::city, 0}, {"TELEPULES", role::city, 0},
    {"KRAJ", role::region, 0}, {"WOJEWODZTWO", role::region, 0}, {"MEGYE", role::region, 0},
    {"PSC", role::postal, 0}, {"KOD POCZTOWY", role::postal, 0}, {"IRANYITOSZAM", role::postal, 0},
    {"ZEME", role::country, 0}, {"STAT", role::country, 0}, {"KRAJINA", role::country, 0},
    {"ORSZAG", role::country, 0}, {"COUNTRY", role::country, 0},
    {"ADRESA", role::address, 0}, {"ADRES", role::address, 0}, {"CIM", role::address, 0},
    {"ADDRESS", role::address, 0},
    {"NOTES", role::note, 0}, {"NOTE", role::note, 0}, {"POZNAMKA", role::note, 0},
    {"POZNAMKY", role::note, 0}, {"UWAGI", role::note, 0}, {"NOTATKI", role::note, 0},
    {"MEGJEGYZES", role::note, 0},
};

// Google's numbered fields: 'ADDRESS 2 CITY' and the like, the number left out.
constexpr known_header NUMBERED_KNOWN[] = {
    {"E MAIL # VALUE", role::email, 0},        {"PHONE # VALUE", role::phone, 0},
    {"ADDRESS # STREET", role::street, 0},     {"ADDRESS # CITY", role::city, 0},
    {"ADDRESS # REGION", role::region, 0},     {"ADDRESS # POSTAL CODE", role::postal, 0},
    {"ADDRESS # COUNTRY", role::country, 0},   {"ADDRESS # FORMATTED", role::address, 0},
};

// Returns the header `cleaned` as compared: bytes that rowcard folds become
// their ASCII letters, letters are upper-cased, and every run of other bytes
// is one space; no space leads or trails. Empty input gives an empty key.
std::string header_key(std::string_view cleaned, bool keep_hyphen) {
    std::string key;
    for (const char c : cleaned) {
        const auto b = static_cast<unsigned char>(c);
        const char plain = upper_byte(b >= 0x80 ? clean_byte(b) : c);
        const bool word = (plain >= 'A' && plain <= 'Z') || (plain >= '0' && plain <= '9') ||
                          (keep_hyphen && plain == '-');
        if (word) {
            key.push_back(plain);
        } else if (!key.empty() && key.back() != ' ') {
            key.push_back(' ');
        }
    }
    if (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
}

// What a column holds, when its header is known.
struct recognised_column {
    bool known = false;
    role what = role::note;
    int place = ANY_PLACE;
};

// Recognises the header key `key`; a Google number becomes the address's place.
recognised_column recognise(std::string_view key) {
    for (const known_header& known : KNOWN) {
        if (known.key == key) return {true, known.what, known.place};
    }
    // 'ADDRESS 12 CITY': the first number in the key stands for '#'.
    const std::size_t digit = key.find_first_of("0123456789");
    if (digit == std::string_view::npos) return {};
    const std::size_t after = key.find_first_not_of("0123456789", digit);
    const std::string pattern =
        std::string(key.substr(0, digit)) + "#" + std::string(after == std::string_view::npos ? "" : key.substr(after));
    for (const known_header& known : NUMBERED_KNOWN) {
        if (known.key == pattern) {
            const int number = std::stoi(std::string(key.substr(digit, std::min(after - digit, NUMBER_DIGITS))));
            return {true, known.what, NUMBERED + number};
        }
    }
    return {};
}

}  // namespace

// Returns unique placeholder names for the columns: each header in braces,
// upper case and folded, cut to fit NAME_LEN with its braces; an empty header
// is named by its column's number, and a name met before gets a number.
std::vector<std::string> placeholder_names(const std::vector<std::string>& header) {
    const std::size_t room = NAME_LEN - 2;  // the two braces
    std::vector<std::string> names;
    for (std::size_t column = 0; column < header.size(); ++column) {
        std::string inner = header_key(header[column], true);
        if (inner.empty()) inner.assign("COLUMN ").append(std::to_string(column + 1));
        std::string name;
        for (std::size_t copy = 1;; ++copy) {
            std::string number;
            if (copy > 1) number.append(1, ' ').append(std::to_string(copy));
            name.clear();
            name.push_back(OPEN);
            name.append(trim_right(copy_left(inner, room - number.size())));
            name.append(number);
            name.push_back(CLOSE);
            if (std::find(names.begin(), names.end(), name) == names.end()) break;
        }
        names.push_back(name);
    }
    return names;
}

namespace {

// The parts of one address, by column; -1 where the export has none.
struct address_columns {
    int place = ANY_PLACE;
    std::array<int, 6> part{-1, -1, -1, -1, -1, -1};  // street, city, region, postal, country, whole
};

// Returns the vCard TYPE parameter for an address place, with its ';'.
std::string_view place_type(int place) {
    if (place == HOME) return ";TYPE=HOME";
    if (place == WORK) return ";TYPE=WORK";
    return "";
}

}  // namespace

std::vector<bool> columns_to_keep(const export_result& read) {
    const std::size_t columns = read.header.size();
    std::vector<bool> keep(columns, true);
    if (columns <= MAX_COLUMNS) return keep;
    std::size_t kept = 0;
    for (std::size_t column = 0; column < columns; ++column) {
        const bool used = recognise(header_key(read.header[column], false)).known;
        keep[column] = used || (column < read.filled.size() && read.filled[column]);
        kept += keep[column];
    }
    // Still too many: the unrecognised columns go from the end first.
    for (std::size_t column = columns; column-- > 0 && kept > MAX_COLUMNS;) {
        if (keep[column] && !recognise(header_key(read.header[column], false)).known) {
            keep[column] = false;
            --kept;
        }
    }
    for (std::size_t column = columns; column-- > 0 && kept > MAX_COLUMNS;) {
        if (keep[column]) {
            keep[column] = false;
            --kept;
        }
    }
    return keep;
}

starter_files make_starter(const std::vector<std::string>& header, std::string_view table_name) {
    starter_files files;
    const std::vector<std::string> names = placeholder_names(header);
    files.settings = std::string(table_name) + "\n" + STARTER_SEPARATOR + "\n";
    for (const std::string& name : names) files.settings += name + "\n";

    // The first column of each single role, and every column of the repeated ones.
    constexpr std::size_t ROLES = static_cast<std::size_t>(role::note) + 1;
    std::array<int, ROLES> first{};
    first.fill(-1);
    std::vector<std::string> phones;
    std::vector<std::string> emails;
    std::vector<address_columns> addresses;
    for (std::size_t column = 0; column < header.size(); ++column) {
        const recognised_column found = recognise(header_key(header[column], false));
        if (!found.known) continue;
        const auto index = static_cast<std::size_t>(found.what);
        const int at = static_cast<int>(column);
        switch (found.what) {
        case role::cell:
            phones.push_back("TEL;TYPE=CELL:" + names[column]);
            break;
        case role::work_phone:
            phones.push_back("TEL;TYPE=WORK:" + names[column]);
            break;
        case role::home_phone:
            phones.push_back("TEL;TYPE=HOME:" + names[column]);
            break;
        case role::fax:
            phones.push_back("TEL;TYPE=FAX:" + names[column]);
            break;
        case role::phone:
            phones.push_back("TEL;TYPE=VOICE:" + names[column]);
            break;
        case role::email:
            emails.push_back("EMAIL;TYPE=INTERNET:" + names[column]);
            break;
        case role::street:
        case role::city:
        case role::region:
        case role::postal:
        case role::country:
        case role::address: {
            auto group = std::find_if(addresses.begin(), addresses.end(),
                                      [&](const address_columns& a) { return a.place == found.place; });
            if (group == addresses.end()) group = addresses.insert(addresses.end(), {found.place, {-1, -1, -1, -1, -1, -1}});
            int& part = group->part[index - static_cast<std::size_t>(role::street)];
            if (part < 0) part = at;
            break;
        }
        default:
            if (first[index] < 0) first[index] = at;
        }
        files.recognised.push_back(names[column]);
    }
    const auto name_of = [&](role what) {
        const int column = first[static_cast<std::size_t>(what)];
        return column < 0 ? std::string() : names[static_cast<std::size_t>(column)];
    };

    std::string& card = files.master;
    card = "BEGIN:VCARD\nVERSION:3.0\n";
    const std::string given = name_of(role::given);
    const std::string family = name_of(role::family);
    std::string full = name_of(role::full);
    if (given.empty() && family.empty() && full.empty() && !names.empty()) {
        full = names.front();
        files.recognised.insert(files.recognised.begin(), full);
    }
    if (!given.empty() || !family.empty()) {
        card += "N:" + family + ";" + given + ";" + name_of(role::middle) + ";" + name_of(role::prefix) + ";" +
                name_of(role::suffix) + "\n";
        card += "FN:" + (full.empty() ? given + (given.empty() || family.empty() ? "" : " ") + family : full) + "\n";
    } else {
        // One name column: its last word is taken as the family name, its first as the given name.
        card += "N:" + (full.empty() ? "" : "2" + full + ";1" + full) + ";" + name_of(role::middle) + ";" +
                name_of(role::prefix) + ";" + name_of(role::suffix) + "\n";
        card += "FN:" + full + "\n";
    }
    const std::string org = name_of(role::org);
    const std::string department = name_of(role::department);
    if (!org.empty() || !department.empty()) card += "ORG:" + org + (department.empty() ? "" : ";" + department) + "\n";
    if (const std::string job = name_of(role::job); !job.empty()) card += "TITLE:" + job + "\n";
    for (const std::string& line : phones) card += line + "\n";
    for (const std::string& line : emails) card += line + "\n";
    for (const address_columns& address : addresses) {
        const auto part = [&](std::size_t k) {
            return address.part[k] < 0 ? std::string() : names[static_cast<std::size_t>(address.part[k])];
        };
        const bool has_parts = std::any_of(address.part.begin(), address.part.begin() + 5, [](int c) { return c >= 0; });
        card += "ADR" + std::string(place_type(address.place)) + ":;;" + (has_parts ? part(0) : part(5)) + ";" +
                part(1) + ";" + part(2) + ";" + part(3) + ";" + part(4) + "\n";
    }
    if (const std::string note = name_of(role::note); !note.empty()) card += "NOTE:" + note + "\n";
    card += "END:VCARD\n";
    return files;
}

}  // namespace rowcard
