// What an export's columns mean: the language of its headers, each header
// read by the vocabulary, and the layout they make together.
#include <algorithm>
#include <array>

#include "prep/layouts.hpp"
#include "prep/vocabulary.hpp"
#include "record/record.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Outlook's export alone names a work and a home address part by part (at
// least this many parts of them) among this many headers or more.
constexpr std::size_t OUTLOOK_ADDRESS_PARTS = 6;
constexpr std::size_t OUTLOOK_HEADERS = 20;
// The address groups the vocabulary gives a work and a home address.
constexpr int WORK_GROUP = -1;
constexpr int HOME_GROUP = -2;


// Returns the layout's name from the roles and keys it has; `words` are the
// keys as the vocabulary splits them, where a machine's names differ.
std::string layout_name(const std::vector<std::string>& keys, const std::vector<std::string>& words,
                        const std::vector<column_role>& roles, export_language language) {
    const auto has = [&](std::string_view k) { return std::find(keys.begin(), keys.end(), k) != keys.end(); };
    const std::string_view tongue = language_name(language);
    if (has("CONNECTED ON")) return "LinkedIn Connections";
    if (has("PRIMARY EMAIL") || has("SCREEN NAME")) return "Thunderbird";
    if (has("FIRST") && has("LAST")) return "Yahoo";
    if (has("GIVEN NAME") && (has("FAMILY NAME") || has("GROUP MEMBERSHIP"))) return "Google Contacts (legacy)";
    // 'Organization - Name' alone is a CRM's too.
    const bool google_names = has("ORGANIZATION NAME") && has("NAME PREFIX");
    if (has("FILE AS") || has("E MAIL 1 LABEL") || has("PHONE 1 LABEL") || google_names) {
        return "Google Contacts";
    }
    // Address parts of a work or home address, in headers written in words
    // as Outlook writes them ('HomeCity' is a CRM's).
    std::size_t placed = 0;
    for (std::size_t k = 0; k < roles.size(); ++k) {
        const bool place = roles[k].group == WORK_GROUP || roles[k].group == HOME_GROUP;
        placed += roles[k].what >= field_role::pobox && place && keys[k] == words[k];
    }
    if (placed >= OUTLOOK_ADDRESS_PARTS && keys.size() >= OUTLOOK_HEADERS) {
        return "Outlook (" + std::string(tongue.empty() ? "English" : tongue) + ")";
    }
    return tongue.empty() ? "a table" : "a table with " + std::string(tongue) + " headers";
}

}  // namespace

std::string_view language_name(export_language language) {
    switch (language) {
    case export_language::english: return "English";
    case export_language::german: return "German";
    case export_language::czech: return "Czech";
    case export_language::slovak: return "Slovak";
    case export_language::polish: return "Polish";
    case export_language::hungarian: return "Hungarian";
    case export_language::slovene: return "Slovene";
    case export_language::croatian: return "Croatian";
    case export_language::romanian: return "Romanian";
    case export_language::western: return "western European";
    case export_language::nordic: return "Nordic";
    case export_language::unknown: break;
    }
    return "";
}

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
    for (const language_words& marker : language_markers()) {
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

namespace {

// Headers that must start or end in one unknown word for it to be the export's own name for its records.
constexpr std::size_t SUFFIX_HEADERS = 3;

// Returns the first words (`last` false) or the last words of the split
// headers `words` that at least SUFFIX_HEADERS of them share and the
// vocabulary does not know: the export's own name for its records, written
// before or after each field ("KontrNazwa", "den_par", "loc_adr").
std::vector<std::string> shared_words(const std::vector<std::string>& words, bool last) {
    std::vector<std::string> ends;
    for (const std::string& key : words) {
        const std::size_t space = last ? key.rfind(' ') : key.find(' ');
        if (space == std::string::npos) continue;
        std::string word = last ? key.substr(space + 1) : key.substr(0, space);
        // A number ends 'Street 2' as an item's number, not as a name.
        if (word[0] < '0' || word[0] > '9') ends.push_back(std::move(word));
    }
    std::sort(ends.begin(), ends.end());
    std::vector<std::string> shared;
    for (auto at = ends.begin(); at != ends.end();) {
        const auto end = std::upper_bound(at, ends.end(), *at);
        if (static_cast<std::size_t>(end - at) >= SUFFIX_HEADERS && !known_word(*at)) shared.push_back(*at);
        at = end;
    }
    return shared;
}

}  // namespace

layout_guess recognise_layout(const std::vector<std::string>& header) {
    layout_guess guess;
    std::vector<std::string> keys;
    std::vector<std::string> words;
    for (const std::string& cell : header) {
        keys.push_back(header_key(cell));
        words.push_back(split_header(cell));
    }
    guess.language = guess_language(words);
    const std::vector<std::string> suffixes = shared_words(words, true);
    const std::vector<std::string> prefixes = shared_words(words, false);
    const std::string prefix = prefixes.size() == 1 ? prefixes.front() : std::string();
    // Yahoo's bare 'Title' is the job: its export has a column for nothing else.
    const bool yahoo = std::find(keys.begin(), keys.end(), "FIRST") != keys.end() &&
                       std::find(keys.begin(), keys.end(), "LAST") != keys.end();
    std::vector<std::size_t> records_names;
    for (const std::string& cell : header) {
        column_role role = read_header(cell, guess.language, prefix, suffixes);
        if (yahoo && role.what == field_role::title) role.what = field_role::job;
        // 'Booking Name' beside 'Booking Reference': a name only once the record's word is off.
        if (role.what == field_role::full && !prefix.empty() && read_header(cell, guess.language, "", suffixes).what == field_role::none) {
            records_names.push_back(guess.roles.size());
        }
        guess.roles.push_back(role);
    }
    // The record's own name is a person's where no other column names one; beside a contact's
    // name it names the booking or the event ('Booking Name', 'Contact - Full Name').
    const auto person = [](const column_role& r) {
        return r.what == field_role::full || r.what == field_role::given || r.what == field_role::family;
    };
    if (static_cast<std::size_t>(std::count_if(guess.roles.begin(), guess.roles.end(), person)) > records_names.size()) {
        for (const std::size_t c : records_names) guess.roles[c] = column_role{};
    }
    guess.name = layout_name(keys, words, guess.roles, guess.language);
    return guess;
}

bool address_field(field_role what) {
    return what == field_role::pobox || what == field_role::street || what == field_role::street2 ||
           what == field_role::city || what == field_role::region || what == field_role::postal ||
           what == field_role::postal_city || what == field_role::country || what == field_role::house_number ||
           what == field_role::country_code;
}

std::string_view type_from_label(std::string_view cleaned_label, bool address) {
    return type_of_key(header_key(cleaned_label), address);
}

}  // namespace rowcard
