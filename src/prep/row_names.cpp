// A row's names worked out: whose card it is (a person's, a firm's, a
// contact person's at a firm), its name's parts, and the name it shows.
#include <algorithm>
#include <utility>

#include "config/config.hpp"
#include "prep/derive.hpp"
#include "prep/value_text.hpp"
#include "prep/vocabulary.hpp"
#include "record/record.hpp"

namespace rowcard {
namespace {

// Columns of what only a company has (its trade, revenue, tax number) that
// make a table of no given or family names one of companies: one may stand
// in a list of people, as the trade of each one's employer.
constexpr std::size_t COMPANY_FACTS = 2;

// True when the row `v` of a table with no given or family name column, but
// columns of what only a company has, fills one of them: a CRM's account or
// an invoicing tool's business partner, whose name is a company's even
// without a legal form. A private person among them has none filled.
bool company_row(const export_plan& plan, const std::vector<std::string_view>& v) {
    if (plan.company_facts.size() < COMPANY_FACTS || plan.single[GIVEN] >= 0 || plan.single[FAMILY] >= 0) return false;
    return std::any_of(plan.company_facts.begin(), plan.company_facts.end(),
                       [&](int c) { return !trimmed(v[static_cast<std::size_t>(c)]).empty(); });
}

// Returns `value` without the leading bytes rowcard would drop, so that a
// mandatory display name never starts blank; empty input gives empty.
std::string_view keepable_start(std::string_view value) {
    std::size_t at = 0;
    while (at < value.size() && (clean_byte(static_cast<unsigned char>(value[at])) == '\0' || value[at] == ' ')) ++at;
    return value.substr(at);
}

// Returns the words of the whole name `full` other than those of `given`,
// where all of given's are among them ("Szalai Gábor" less "Gábor" is
// "Szalai"); empty where they are not, or nothing is left.
std::string rest_of_name(const std::string& full, const std::string& given) {
    const std::string name = header_key(full);
    const std::string own = header_key(given);
    if (own.empty() || name.size() <= own.size()) return {};
    std::string_view rest;
    if (name.starts_with(own + " ")) rest = std::string_view(full).substr(full.find(' ', full.find_first_not_of(' ')));
    else if (name.ends_with(" " + own)) rest = std::string_view(full).substr(0, full.rfind(' '));
    // One word more on either side only: a name of titles or several given names is split as written.
    rest = trimmed(rest);
    return rest.empty() || rest.find(' ') != std::string_view::npos ? std::string() : std::string(rest);
}

// True when `names` holds two people's names set apart by a comma or ';'
// ("Renata Sowa, Jerzy Pawlak"): each piece of two words or more, so that
// "Nowak, Jan" stays one person written family name first.
bool two_people(std::string_view names) {
    const std::size_t mark = names.find_first_of(",;");
    if (mark == std::string_view::npos) return false;
    const auto several = [](std::string_view piece) {
        const std::string_view t = trimmed(piece);
        return !t.empty() && t.find(' ') != std::string_view::npos;
    };
    return several(names.substr(0, mark)) && several(names.substr(mark + 1));
}

// Words of a firm's name beside its owner's at least ("Biuro Rachunkowe"): one
// word more is as likely a second given name.
constexpr std::size_t FIRM_WORDS = 2;

// True when `full`, a whole name beside the row's own given and family names
// `row`, is a firm named after its owner ("Usługi Remontowe Marek Wójcik"):
// a legal form, or two words or more besides the owner's names and titles.
bool firm_of_owner(const std::string& full, const card_row& row) {
    if (full.empty() || row.single[GIVEN].empty() || row.single[FAMILY].empty()) return false;
    if (company_name(full)) return true;
    const auto words = [](const std::string& key) {
        std::vector<std::string> out;
        for (std::size_t at = 0; at < key.size();) {
            const std::size_t end = std::min(key.find(' ', at), key.size());
            if (end > at) out.push_back(key.substr(at, end - at));
            at = end + 1;
        }
        return out;
    };
    std::vector<std::string> own;
    for (const single s : {GIVEN, MIDDLE, FAMILY}) {
        for (std::string& w : words(header_key(row.single[s]))) own.push_back(std::move(w));
    }
    const name_parts parts = split_full_name(full, false);
    std::size_t other = 0;
    for (const std::string& w : words(header_key(parts.given + " " + parts.family))) {
        other += std::find(own.begin(), own.end(), w) == own.end();
    }
    return other >= FIRM_WORDS;
}

// Settles where the row `v` has its person's name before it is split: its
// contact person where it has no name of its own, no one where two people
// are named, the family name beside a given name and the whole name.
// Returns true when its salutation is a firm's ('Anrede': Firma), which is
// then no prefix; `full` is the whole name, empty where none.
bool settle_row_names(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row, std::string& full) {
    // A row with no person's name of its own is its contact person's card, at
    // the firm it names; with two people named, it stays the firm's.
    const std::string_view contact =
        plan.contact < 0 ? std::string_view() : contact_person(first_item(v[static_cast<std::size_t>(plan.contact)]));
    // A firm in the family name's place ('Co./Last Name'), named so or no part of the contact's name, is no
    // name of the row's own either.
    std::string family(1, ' ');
    family.append(header_key(row.single[FAMILY])).push_back(' ');
    std::string contact_words(1, ' ');
    contact_words.append(header_key(contact)).push_back(' ');
    // One that is part of the contact's name is the contact's own, whose whole name the contact holds.
    const bool own_family = contact_words.find(family) != std::string::npos;
    const bool firm_as_family =
        row.single[GIVEN].empty() && !row.single[FAMILY].empty() && (company_name(row.single[FAMILY]) || !own_family);
    if (!contact.empty() && row.single[GIVEN].empty() && !two_people(contact) && !company_name(contact)) {
        if (row.single[FAMILY].empty() || firm_as_family) {
            if (row.single[ORG].empty()) row.single[ORG] = firm_as_family ? row.single[FAMILY] : full;
            row.single[FAMILY].clear();
            full = contact;
        } else if (own_family && full.empty()) {
            row.single[FAMILY].clear();
            full = contact;
        }
    }
    if (two_people(full) && !row.single[ORG].empty()) full.clear();
    // 'Firma' or 'Verein' as the salutation: the firm's card; 'Familie': a household's, no one's prefix.
    const record_kind salutation = kind_of_record(row.single[PREFIX]);
    const bool firm_salutation = salutation == record_kind::organisation;
    if (firm_salutation || salutation == record_kind::household) row.single[PREFIX].clear();
    // A given name beside the whole name: the family name is the rest of it ("Szalai Gábor", "Gábor").
    if (!row.single[GIVEN].empty() && row.single[FAMILY].empty() && !full.empty()) {
        row.single[FAMILY] = rest_of_name(full, row.single[GIVEN]);
    }
    return firm_salutation;
}

// Clears the company of `row` where it is the private person's own name
// ("Jan Novak" for Jan Novak, either order, or with titles and a middle name:
// "Ing. Jan Maria Novak"). Returns that name where it holds more than the
// parts (the display name as written), else empty; a row without both names keeps it.
std::string clear_own_name_as_firm(card_row& row) {
    if (row.single[GIVEN].empty() || row.single[FAMILY].empty()) return {};
    const std::string org = header_key(row.single[ORG]);
    const name_parts written = split_full_name(row.single[ORG], false);
    const std::string given = header_key(written.given);
    const bool titled = !company_name(row.single[ORG]) && header_key(written.family) == header_key(row.single[FAMILY]) &&
                        given.substr(0, given.find(' ')) == header_key(row.single[GIVEN]);
    if (org == header_key(row.single[GIVEN] + " " + row.single[FAMILY]) ||
        org == header_key(row.single[FAMILY] + " " + row.single[GIVEN])) {
        row.single[ORG].clear();
    }
    return titled && !row.single[ORG].empty() ? std::exchange(row.single[ORG], std::string()) : std::string();
}

// Desks of a firm that an export names where a person's name stands, as header_key writes them.
constexpr std::string_view DESKS[] = {
    "ACCOUNTS PAYABLE", "ACCOUNTS RECEIVABLE", "ACCOUNTS", "ACCOUNTING", "BILLING", "INVOICES", "RECEPTION",
    "FRONT DESK", "SALES", "SUPPORT", "OFFICE", "BUCHHALTUNG", "EMPFANG", "SEKRETARIAT", "UCTARNA", "RECEPCE",
    "FAKTURACE", "KSIEGOWOSC", "RECEPCJA", "RECEPCIA", "RECEPCIO", "KONYVELES", "RACUNOVODSTVO", "RECEPCIJA"};

// Takes a desk named where a firm's person stands ('Accounts Payable',
// 'Reception') as the firm's department: the card is the firm's.
void desk_as_department(card_row& row, std::string& full) {
    std::string said = row.single[GIVEN];
    join_words(said, row.single[FAMILY], " ");
    const std::string& name = said.empty() ? full : said;
    const std::string key = header_key(name);
    if (row.single[ORG].empty() || std::find(std::begin(DESKS), std::end(DESKS), key) == std::end(DESKS)) return;
    if (row.single[DEPT].empty()) row.single[DEPT] = name;
    row.single[GIVEN].clear();
    row.single[FAMILY].clear();
    full.clear();
}

// Takes a whole name `full` beside the row's given name that does not hold
// it ('Naam' "De Smet" beside 'Voornaam' "Pieter") as the family name; moves
// the titles written in the family name ('Dr. Brandl', 'Dr. Novák, Ph.D.')
// before and after the name, and a middle name of particles alone
// ('Tussenvoegsel' "van der") to the front of the family name; a firm's desk
// in a person's place is the firm's department. Empty parts stay empty.
void tidy_name_parts(card_row& row, std::string& full) {
    desk_as_department(row, full);
    if (!full.empty() && !row.single[GIVEN].empty() && row.single[FAMILY].empty() && !company_name(full) &&
        header_key(full).find(header_key(row.single[GIVEN])) == std::string::npos) {
        row.single[FAMILY] = std::exchange(full, std::string());
    }
    if (const name_parts titled = split_full_name(row.single[FAMILY], false); !titled.prefix.empty()) {
        for (const auto& [part, slot] : {std::pair{&titled.prefix, PREFIX}, std::pair{&titled.suffix, SUFFIX}}) {
            if (header_key(row.single[slot]).find(header_key(*part)) == std::string::npos) join_words(row.single[slot], *part, " ");
        }
        row.single[FAMILY].clear();
        join_words(row.single[FAMILY], titled.given, " ");
        join_words(row.single[FAMILY], titled.family, " ");
    }
    // A title written before the given name ('Dr. Linda') is the name's prefix.
    if (const name_parts titled = split_full_name(row.single[GIVEN], false); !titled.prefix.empty()) {
        if (header_key(row.single[PREFIX]).find(header_key(titled.prefix)) == std::string::npos) {
            join_words(row.single[PREFIX], titled.prefix, " ");
        }
        row.single[GIVEN].clear();
        join_words(row.single[GIVEN], titled.given, " ");
        join_words(row.single[GIVEN], titled.family, " ");
    }
    if (only_particles(row.single[MIDDLE]) && !row.single[FAMILY].empty()) {
        row.single[FAMILY] = std::exchange(row.single[MIDDLE], std::string()) + " " + row.single[FAMILY];
    }
}

// Takes a firm written in a name part's place as the company, in a row with
// no whole name: a family name with no given name that is a company's, or in
// a row its kind calls an organisation's (`organisation`), or the row's
// company again ('Příjmení / Název'); a given name with no family name that is
// a company's ('Taller Mecànic Gràcia S.L.' under 'Nombre').
void firm_in_a_names_place(card_row& row, bool organisation) {
    const bool firm_again = !row.single[ORG].empty() && header_key(row.single[FAMILY]) == header_key(row.single[ORG]);
    if (row.single[GIVEN].empty() && (organisation || company_name(row.single[FAMILY]) || firm_again)) {
        if (row.single[ORG].empty()) row.single[ORG] = std::exchange(row.single[FAMILY], std::string());
        else if (firm_again) row.single[FAMILY].clear();
    }
    if (row.single[FAMILY].empty() && row.single[ORG].empty() && company_name(row.single[GIVEN])) {
        row.single[ORG] = std::exchange(row.single[GIVEN], std::string());
    }
}

// Takes the firm after the person's own names and " - " in the whole name
// `full` or the company ('Grzegorz Wójcik - Energoprojekt SA') as the company,
// and cuts the whole name to the person's. A name without the mark stays.
void firm_after_the_names(card_row& row, std::string& full) {
    for (std::string* shown : {&full, &row.single[ORG]}) {
        const std::size_t dash = shown->find(" - ");
        if (dash == std::string::npos || (shown == &full && !row.single[ORG].empty())) continue;
        if (header_key(shown->substr(0, dash)) != header_key(row.single[GIVEN] + " " + row.single[FAMILY])) continue;
        row.single[ORG] = shown->substr(dash + 3);
        if (shown == &full) full.resize(dash);
    }
}

// Returns the card's display name: `fn`, else the company, the first e-mail
// or phone, the address's street or town, or the first value of the row `v`
// that rowcard keeps; empty for a row of empty values.
std::string_view shown_name(std::string_view fn, const card_row& row, const std::vector<std::string_view>& v) {
    std::string_view shown = keepable_start(fn);
    if (shown.empty()) shown = keepable_start(row.single[ORG]);
    if (shown.empty() && !row.emails.empty()) shown = keepable_start(row.emails.front());
    if (shown.empty() && !row.phones.empty()) shown = keepable_start(row.phones.front().first);
    // A home with no one named in it ('null;null' beside a meter's number) is its address's, not its key's.
    for (std::size_t p = STREET; shown.empty() && !row.addresses.empty() && p <= CITY; ++p) {
        shown = keepable_start(row.addresses.front().second[p]);
    }
    // Else the first value of words in the row ('Nome fantasia' after 'Tipo' of "1"), else the first at all.
    const auto worded = [](std::string_view x) { return std::any_of(x.begin(), x.end(), values::is_letter); };
    for (std::size_t c = 0; shown.empty() && c < v.size(); ++c) {
        if (worded(v[c])) shown = keepable_start(v[c]);
    }
    for (std::size_t c = 0; shown.empty() && c < v.size(); ++c) shown = keepable_start(v[c]);
    return shown;
}

// Returns the value of the card's field `s` in the row `v`: its column's first
// item, with the lines numbered on after it ('Name1' 'Name2'); empty where the
// export has no column for it.
std::string single_value(const export_plan& plan, const std::vector<std::string_view>& v, single s) {
    std::string value(plan.single[s] < 0 ? std::string_view() : first_item(v[plan.single[s]]));
    // A name in two spellings ('Янис Берзиньш|Jānis Bērziņš') is its first: no name holds a '|'.
    if (const std::size_t bar = value.find('|'); bar != std::string::npos && s <= SUFFIX) value = trimmed(value.substr(0, bar));
    // A firm's whole name on the first line ('Virtanen Oy') leaves the next to a department or a 'c/o'.
    if (legal_form_name(value)) return value;
    for (const int c : plan.more_lines[s]) join_words(value, first_item(v[static_cast<std::size_t>(c)]), " ");
    return value;
}

}  // namespace

// Fills the name parts and the display name of `row` from the row `v`, whose
// phones and e-mails `row` holds already; a row of empty values leaves them empty.
void derive_names(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row) {
    const auto at = [&](single s) { return single_value(plan, v, s); };
    std::string full = at(FN);
    for (const single s : {GIVEN, MIDDLE, FAMILY, PREFIX, SUFFIX, ORG, DEPT, JOB, NOTE, NICK}) row.single[s] = at(s);
    if (plan.given_is_full) full = std::exchange(row.single[GIVEN], std::string());
    tidy_name_parts(row, full);
    const bool firm_salutation = settle_row_names(plan, v, row, full);
    bool full_as_written = !full.empty();
    const bool no_person = row.single[GIVEN].empty() && row.single[FAMILY].empty();
    // The firm's contact person, named where the row has no name of its own, is a person whatever the firm.
    const bool contact_named = plan.contact >= 0 && !full.empty() && full == first_item(v[static_cast<std::size_t>(plan.contact)]);
    const bool organisation = firm_salutation || (plan.kind >= 0 && kind_of_record(v[static_cast<std::size_t>(plan.kind)]) == record_kind::organisation) ||
                              company_row(plan, v);
    if (full.empty()) firm_in_a_names_place(row, organisation);
    // A whole name that is the row's company, where the export's name parts are empty, is the company's.
    const bool parts_kept = (plan.single[GIVEN] >= 0 && !plan.given_is_full) || plan.single[FAMILY] >= 0;
    const bool named_as_company = parts_kept && !full.empty() && header_key(full) == header_key(row.single[ORG]);
    if (no_person && !contact_named && (organisation || named_as_company || company_name(full))) {
        // A company in the name column: its card is the company's, with no person's name.
        if (row.single[ORG].empty()) row.single[ORG] = full;
    } else if (no_person && !full.empty()) {
        name_parts parts = split_full_name(full, plan.family_first, plan.one_given);
        // A Hungarian name in a layout of another language is written family name first too.
        if (!plan.family_first && !parts.reversed && written_family_first(parts)) parts = split_full_name(full, true);
        // A Slovak or Czech name in a Hungarian layout is written given name first.
        else if (plan.family_first && !parts.reversed && written_given_first(full, parts)) parts = split_full_name(full, false);
        // One word after a title is whom one addresses so: 'Mrs Patel', 'Ing. Novák'.
        if (parts.family.empty() && !parts.prefix.empty()) std::swap(parts.given, parts.family);
        row.single[GIVEN] = parts.given;
        row.single[FAMILY] = parts.family;
        if (row.single[PREFIX].empty()) row.single[PREFIX] = parts.prefix;
        if (row.single[SUFFIX].empty()) row.single[SUFFIX] = parts.suffix;
        full_as_written = !parts.reversed;
    }
    // The row's company again in the name column, beside the person's own names, is the firm's name.
    if (!no_person && !full.empty() && header_key(full) == header_key(row.single[ORG])) full.clear(), full_as_written = false;
    if (!no_person) firm_after_the_names(row, full);
    // A firm in the name column beside its owner's names is the company.
    if (row.single[ORG].empty() && !organisation && firm_of_owner(full, row)) {
        row.single[ORG] = std::exchange(full, std::string());
        full_as_written = false;
    }
    std::string fn;
    if (full_as_written) {
        fn = full;
    } else {
        // Hungarian puts the family name first, as its exports write it whole.
        const std::array<single, 3> order =
            plan.family_first ? std::array<single, 3>{FAMILY, GIVEN, MIDDLE} : std::array<single, 3>{GIVEN, MIDDLE, FAMILY};
        for (const single s : order) join_words(fn, row.single[s], " ");
    }
    if (std::string written = clear_own_name_as_firm(row); !written.empty() && !full_as_written) fn = std::move(written);
    row.single[FN] = shown_name(fn, row, v);
}

}  // namespace rowcard
