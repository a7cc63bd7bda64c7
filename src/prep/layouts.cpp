// What an export's columns mean: each header read by its words, in English,
// German, Czech, Slovak, Polish and Hungarian, and the layout they make.
#include <algorithm>
#include <array>

#include "prep/layouts.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Outlook's export alone names a work and a home address part by part (at
// least this many parts of them) among this many headers or more.
constexpr std::size_t OUTLOOK_ADDRESS_PARTS = 6;
constexpr std::size_t OUTLOOK_HEADERS = 20;

using words = std::vector<std::string_view>;

// Returns the words of a key, split at its single spaces. Empty input gives none.
words split_words(std::string_view key) {
    words out;
    while (!key.empty()) {
        const std::size_t space = key.find(' ');
        out.push_back(key.substr(0, space));
        key = space == std::string_view::npos ? std::string_view() : key.substr(space + 1);
    }
    return out;
}

// True when one of `list` is one of the words `w`.
bool any_of_words(const words& w, std::initializer_list<std::string_view> list) {
    return std::any_of(w.begin(), w.end(), [&](std::string_view x) {
        return std::find(list.begin(), list.end(), x) != list.end();
    });
}

// True when some word of `w` starts with `prefix`.
bool word_starts(const words& w, std::string_view prefix) {
    return std::any_of(w.begin(), w.end(), [&](std::string_view x) { return x.starts_with(prefix); });
}

// Returns the first number among the words, 0 when there is none; more than
// two digits are no field number of any export.
int first_number(const words& w) {
    for (const std::string_view x : w) {
        if (!x.empty() && x.size() <= 2 && std::all_of(x.begin(), x.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return std::stoi(std::string(x));
        }
    }
    return 0;
}

// Words each language's headers use and the others' do not.
struct language_words {
    export_language language;
    std::initializer_list<std::string_view> list;
};
const language_words MARKERS[] = {
    {export_language::english, {"FIRST", "LAST", "NAME", "COMPANY", "BUSINESS", "HOME", "STREET", "CITY", "PHONE",
                                "MOBILE", "ADDRESS", "NOTES", "COUNTRY", "POSTAL", "ORGANIZATION", "GIVEN", "FAMILY"}},
    {export_language::german, {"VORNAME", "NACHNAME", "ANREDE", "STRASSE", "GESCHAFTLICH", "PRIVAT", "POSTLEITZAHL",
                               "ORT", "ABTEILUNG", "NOTIZEN", "WEITERE", "MOBILTELEFON", "BUNDESLAND", "ANGEZEIGTER"}},
    {export_language::czech, {"JMENO", "PRIJMENI", "KRESTNI", "ULICE", "PSC", "ZEME", "SPOLECNOST", "ODDELENI",
                              "FUNKCE", "ZAMESTNANI", "DOMU", "OSLOVENI", "MOBILNI", "POZNAMKA"}},
    {export_language::slovak, {"MENO", "PRIEZVISKO", "KRAJINA", "SPOLOCNOST", "ODDELENIE", "FUNKCIA", "MOBILNY",
                               "PRACA", "DOMOV", "OSLOVENIE", "STREDNE"}},
    {export_language::polish, {"IMIE", "NAZWISKO", "MIASTO", "POCZTOWY", "STANOWISKO", "DZIAL", "KOMORKOWY",
                               "SLUZBOWY", "DOMOWY", "MIEJSCOWOSC", "WOJEWODZTWO", "ADRES", "NOTATKI", "TYTUL"}},
    {export_language::hungarian, {"NEV", "VEZETEKNEV", "UTONEV", "KERESZTNEV", "CIM", "VAROS", "ORSZAG", "CEG",
                                  "IRANYITOSZAM", "BEOSZTAS", "MUNKAHELYI", "OTTHONI", "MEGYE", "UTCA", "LEVELCIM"}},
};

// Exact headers of the name, organisation and note columns.
struct exact_header {
    std::string_view key;
    field_role what;
};
constexpr exact_header EXACT[] = {
    {"FIRST NAME", field_role::given}, {"FIRST", field_role::given}, {"GIVEN NAME", field_role::given},
    {"VORNAME", field_role::given}, {"JMENO", field_role::given}, {"KRESTNI JMENO", field_role::given},
    {"MENO", field_role::given}, {"KRSTNE MENO", field_role::given}, {"IMIE", field_role::given},
    {"UTONEV", field_role::given}, {"KERESZTNEV", field_role::given},
    {"MIDDLE NAME", field_role::middle}, {"MIDDLE", field_role::middle}, {"ADDITIONAL NAME", field_role::middle},
    {"WEITERE VORNAMEN", field_role::middle}, {"DRUHE JMENO", field_role::middle},
    {"DRUHE MENO", field_role::middle}, {"STREDNE MENO", field_role::middle}, {"DRUGIE IMIE", field_role::middle},
    {"TOVABBI UTONEVEK", field_role::middle},
    {"LAST NAME", field_role::family}, {"LAST", field_role::family}, {"FAMILY NAME", field_role::family},
    {"SURNAME", field_role::family}, {"NACHNAME", field_role::family}, {"PRIJMENI", field_role::family},
    {"PRIEZVISKO", field_role::family}, {"NAZWISKO", field_role::family}, {"VEZETEKNEV", field_role::family},
    {"CSALADNEV", field_role::family},
    {"TITLE", field_role::prefix}, {"NAME PREFIX", field_role::prefix}, {"PREFIX", field_role::prefix},
    {"ANREDE", field_role::prefix}, {"OSLOVENI", field_role::prefix}, {"OSLOVENIE", field_role::prefix},
    {"TITUL", field_role::prefix}, {"TYTUL", field_role::prefix}, {"MEGSZOLITAS", field_role::prefix},
    {"TITUL PRED JMENEM", field_role::prefix}, {"TITUL PRED MENOM", field_role::prefix},
    {"SUFFIX", field_role::suffix}, {"NAME SUFFIX", field_role::suffix}, {"PRIPONA", field_role::suffix},
    {"SUFIKS", field_role::suffix}, {"UTOTAG", field_role::suffix}, {"TITUL ZA JMENEM", field_role::suffix},
    {"TITUL ZA MENOM", field_role::suffix},
    {"NAME", field_role::full}, {"DISPLAY NAME", field_role::full}, {"FULL NAME", field_role::full},
    {"NEV", field_role::full}, {"TELJES NEV", field_role::full}, {"CELE JMENO", field_role::full},
    {"JMENO A PRIJMENI", field_role::full}, {"MENO A PRIEZVISKO", field_role::full},
    {"CELE MENO", field_role::full}, {"IMIE I NAZWISKO", field_role::full},
    {"COMPANY", field_role::org}, {"ORGANIZATION", field_role::org}, {"ORGANIZATION NAME", field_role::org},
    {"ORGANIZATION 1 NAME", field_role::org}, {"FIRMA", field_role::org}, {"SPOLECNOST", field_role::org},
    {"SPOLOCNOST", field_role::org}, {"CEG", field_role::org}, {"CEGNEV", field_role::org},
    {"ORGANIZACE", field_role::org}, {"ORGANIZACIA", field_role::org}, {"ORGANIZACJA", field_role::org},
    {"NAZWA FIRMY", field_role::org}, {"UNTERNEHMEN", field_role::org},
    {"DEPARTMENT", field_role::department}, {"ORGANIZATION DEPARTMENT", field_role::department},
    {"ORGANIZATION 1 DEPARTMENT", field_role::department}, {"ABTEILUNG", field_role::department},
    {"ODDELENI", field_role::department}, {"ODDELENIE", field_role::department}, {"DZIAL", field_role::department},
    {"RESZLEG", field_role::department}, {"OSZTALY", field_role::department},
    {"JOB TITLE", field_role::job}, {"ORGANIZATION TITLE", field_role::job}, {"ORGANIZATION 1 TITLE", field_role::job},
    {"POSITION", field_role::job}, {"FUNKCE", field_role::job}, {"FUNKCIA", field_role::job},
    {"STANOWISKO", field_role::job}, {"BEOSZTAS", field_role::job}, {"POZICE", field_role::job},
    {"POZICIA", field_role::job},
    {"NOTES", field_role::note}, {"NOTE", field_role::note}, {"NOTIZEN", field_role::note},
    {"POZNAMKY", field_role::note}, {"POZNAMKA", field_role::note}, {"NOTATKI", field_role::note},
    {"UWAGI", field_role::note}, {"JEGYZETEK", field_role::note}, {"MEGJEGYZES", field_role::note},
    {"COMMENTS", field_role::note},
};

// Words that say which address or phone a column belongs to.
const std::initializer_list<std::string_view> WORK_WORDS = {
    "BUSINESS", "WORK", "GESCHAFTLICH", "ZAMESTNANI", "PRACE", "PRACA", "SLUZBOWY", "SLUZBOWA", "MUNKAHELYI",
    "FIRMA", "COMPANY", "ARBEIT"};
const std::initializer_list<std::string_view> HOME_WORDS = {
    "HOME", "PRIVAT", "DOMU", "DOMOV", "DOMOWY", "DOMOWA", "OTTHONI", "DOM"};

// Returns the role of an e-mail column: the address, or none for its type and
// display name (Outlook) or label (Google).
column_role email_role(const words& w) {
    if (any_of_words(w, {"TYPE", "TYP", "TYPU", "TIPUSA", "DISPLAY", "ANGEZEIGTER", "ZOBRAZOVANE", "ZOBRAZOVANY",
                         "WYSWIETLANA", "MEGJELENITENDO", "LABEL", "NAZWA", "NEVE"})) {
        return {field_role::ignored, 0, {}};
    }
    return {field_role::email, first_number(w), {}};
}

// Returns the role of a phone column and the type its header gives.
column_role phone_role(const words& w) {
    const int group = first_number(w);
    if (any_of_words(w, {"LABEL", "TYPE"})) return {field_role::phone_label, group, {}};
    std::string_view type = "VOICE";
    if (any_of_words(w, {"FAX", "FAKS"})) {
        type = "FAX";
    } else if (word_starts(w, "MOBIL") || any_of_words(w, {"CELL", "HANDY", "KOMORKA", "KOMORKOWY"})) {
        type = "CELL";
    } else if (any_of_words(w, {"PAGER", "SZEMELYHIVO"})) {
        type = "PAGER";
    } else if (any_of_words(w, {"CAR", "AUTOTELEFON"})) {
        type = "CAR";
    } else if (any_of_words(w, {"ISDN"})) {
        type = "ISDN";
    } else if (any_of_words(w, WORK_WORDS)) {
        type = "WORK";
    } else if (any_of_words(w, HOME_WORDS)) {
        type = "HOME";
    }
    return {field_role::phone, group, type};
}

// Returns the role of an address column, or none when `w` names no part of
// an address. The group is the address's number, or its place's.
column_role address_role(const words& w, export_language language) {
    field_role what = field_role::none;
    const bool polish = language == export_language::polish;
    if (any_of_words(w, {"POSTFACH"}) || (any_of_words(w, {"PO"}) && any_of_words(w, {"BOX"}))) {
        what = field_role::pobox;
    } else if (any_of_words(w, {"FORMATTED"})) {
        what = field_role::formatted;
    } else if (any_of_words(w, {"COUNTRY", "LAND", "ZEME", "KRAJINA", "ORSZAG", "STAT"}) ||
               (polish && any_of_words(w, {"KRAJ"}))) {
        what = field_role::country;
    } else if (any_of_words(w, {"POSTAL", "ZIP", "ZIPCODE", "POSTLEITZAHL", "PLZ", "PSC", "POCZTOWY", "IRANYITOSZAM"})) {
        what = field_role::postal;
    } else if (any_of_words(w, {"CITY", "ORT", "MESTO", "MIASTO", "MIEJSCOWOSC", "VAROS", "TELEPULES", "OBEC", "STADT"})) {
        what = field_role::city;
    } else if (any_of_words(w, {"STATE", "REGION", "BUNDESLAND", "KANTON", "KRAJ", "WOJEWODZTWO", "MEGYE", "OBLAST"})) {
        what = field_role::region;
    } else if (any_of_words(w, {"LABEL", "TYPE"}) && !w.empty() && w[0] == "ADDRESS") {
        what = field_role::address_label;
    } else if (any_of_words(w, {"EXTENDED"})) {
        what = field_role::street2;
    } else if (any_of_words(w, {"STREET", "STRASSE", "ULICE", "ULICA", "UTCA", "ADDRESS", "ADRESA", "ADRES", "ADRESSE", "CIM"})) {
        const bool google = any_of_words(w, {"ADDRESS"}) && w.size() > 2 && w[0] == "ADDRESS";
        what = !google && first_number(w) >= 2 ? field_role::street2 : field_role::street;
    }
    if (what == field_role::none) return {};
    // Google numbers its addresses ('Address 2 - City'); the others name the place.
    if (!w.empty() && w[0] == "ADDRESS" && first_number(w) > 0) return {what, first_number(w), {}};
    if (any_of_words(w, WORK_WORDS)) return {what, -1, "WORK"};
    if (any_of_words(w, HOME_WORDS)) return {what, -2, "HOME"};
    if (any_of_words(w, {"OTHER", "WEITERE", "WEITERER", "WEITERES", "JINA", "DALSI", "INNY", "INNA", "EGYEB"})) {
        return {what, -3, "POSTAL"};
    }
    return {what, -4, {}};
}

// Returns the role of the column whose header key is `key`, in an export of
// `language`; `yahoo` turns bare 'Title', 'Home' and 'Work' into a job and phones.
column_role role_of(std::string_view key, export_language language, bool yahoo) {
    const words w = split_words(key);
    if (yahoo) {
        if (key == "TITLE") return {field_role::job, 0, {}};
        if (key == "HOME" || key == "WORK" || key == "MOBILE" || key == "OTHER" || key == "PRIMARY" ||
            key == "YAHOO PHONE") {
            return phone_role(w);
        }
    }
    for (const exact_header& known : EXACT) {
        if (known.key == key) return {known.what, 0, {}};
    }
    if (any_of_words(w, {"PHONETIC", "YOMI"})) return {field_role::ignored, 0, {}};
    if (any_of_words(w, {"WEBSITE", "WEB", "URL", "IM", "MESSENGER"})) return {};
    const bool mail = word_starts(w, "MAIL") || word_starts(w, "EMAIL") || any_of_words(w, {"LEVELCIM", "ELEKTRONIKUS"});
    if (mail) return email_role(w);
    const bool phone = word_starts(w, "TELEF") || word_starts(w, "MOBIL") || word_starts(w, "TELEPHON") ||
                       any_of_words(w, {"PHONE", "TEL", "FAX", "FAKS", "PAGER", "SZEMELYHIVO", "ISDN", "CELL",
                                        "AUTOTELEFON", "HAUPTTELEFON", "KOMORKA", "CALLBACK", "HANDY"});
    if (phone) return phone_role(w);
    return address_role(w, language);
}

// Returns the language's name in English ("German"); empty for unknown.
std::string_view language_name(export_language language) {
    switch (language) {
    case export_language::english: return "English";
    case export_language::german: return "German";
    case export_language::czech: return "Czech";
    case export_language::slovak: return "Slovak";
    case export_language::polish: return "Polish";
    case export_language::hungarian: return "Hungarian";
    case export_language::unknown: break;
    }
    return "";
}

// Returns the layout's name from the roles and keys it has.
std::string layout_name(const std::vector<std::string>& keys, const std::vector<column_role>& roles,
                        export_language language) {
    const auto has = [&](std::string_view k) { return std::find(keys.begin(), keys.end(), k) != keys.end(); };
    const std::string_view tongue = language_name(language);
    if (has("CONNECTED ON")) return "LinkedIn Connections";
    if (has("PRIMARY EMAIL") || has("SCREEN NAME")) return "Thunderbird";
    if (has("FIRST") && has("LAST")) return "Yahoo";
    if (has("GIVEN NAME") && (has("FAMILY NAME") || has("GROUP MEMBERSHIP"))) return "Google Contacts (legacy)";
    if (has("FILE AS") || has("E MAIL 1 LABEL") || has("PHONE 1 LABEL") || has("ORGANIZATION NAME")) {
        return "Google Contacts";
    }
    std::size_t placed = 0;  // address parts of a work or home address
    for (const column_role& r : roles) placed += r.what >= field_role::pobox && (r.group == -1 || r.group == -2);
    if (placed >= OUTLOOK_ADDRESS_PARTS && keys.size() >= OUTLOOK_HEADERS) return "Outlook (" + std::string(tongue.empty() ? "English" : tongue) + ")";
    return tongue.empty() ? "a table" : "a table with " + std::string(tongue) + " headers";
}

}  // namespace

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

export_language guess_language(const std::vector<std::string>& keys) {
    export_language best = export_language::unknown;
    std::size_t best_count = 0;
    bool tie = false;
    for (const language_words& marker : MARKERS) {
        std::size_t count = 0;
        for (const std::string& key : keys) {
            for (const std::string_view word : split_words(key)) {
                count += std::find(marker.list.begin(), marker.list.end(), word) != marker.list.end();
            }
        }
        if (count > best_count) {
            best = marker.language, best_count = count, tie = false;
        } else if (count == best_count && count > 0) {
            tie = true;
        }
    }
    return tie ? export_language::unknown : best;
}

layout_guess recognise_layout(const std::vector<std::string>& header) {
    layout_guess guess;
    std::vector<std::string> keys;
    for (const std::string& cell : header) keys.push_back(header_key(cell));
    guess.language = guess_language(keys);
    const bool yahoo = std::find(keys.begin(), keys.end(), "FIRST") != keys.end() &&
                       std::find(keys.begin(), keys.end(), "LAST") != keys.end();
    for (const std::string& key : keys) guess.roles.push_back(role_of(key, guess.language, yahoo));
    guess.name = layout_name(keys, guess.roles, guess.language);
    return guess;
}

std::string_view type_from_label(std::string_view cleaned_label, bool address) {
    const std::string key = header_key(cleaned_label);
    const words w = split_words(key);
    if (address) {
        if (any_of_words(w, WORK_WORDS)) return "WORK";
        if (any_of_words(w, HOME_WORDS)) return "HOME";
        return "POSTAL";
    }
    if (any_of_words(w, {"FAX", "FAKS"})) return "FAX";
    if (word_starts(w, "MOBIL") || any_of_words(w, {"CELL", "HANDY", "KOMORKA", "KOMORKOWY"})) return "CELL";
    if (any_of_words(w, {"PAGER", "SZEMELYHIVO"})) return "PAGER";
    if (any_of_words(w, WORK_WORDS)) return "WORK";
    if (any_of_words(w, HOME_WORDS)) return "HOME";
    return "VOICE";
}

}  // namespace rowcard
