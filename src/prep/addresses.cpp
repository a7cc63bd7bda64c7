// A row's addresses: its parts as the export writes them, a postal code and
// town in one value, a whole address in one value, a street of several lines
// and a house number apart, each made the parts vCard's ADR keeps apart.
#include <algorithm>
#include <span>

#include "prep/column_numbers.hpp"
#include "prep/derive.hpp"
#include "prep/evidence.hpp"
#include "prep/numbers.hpp"
#include "prep/postal.hpp"
#include "prep/value_text.hpp"

namespace rowcard {
namespace {

// Puts a postal code and town written in one value, `value`, into `parts`
// ("602 00 Brno"); a value that is not both goes to the town when no town is
// there yet, else is left as it stands.
void take_postal_city(std::string_view value, std::array<std::string, PARTS>& parts) {
    std::string_view code;
    std::string_view town;
    if (split_postal_city(value, code, town)) {
        parts[POSTAL] = code;
        if (parts[CITY].empty()) parts[CITY] = town;
    } else if (parts[CITY].empty() && parts[POSTAL] != value) {
        parts[CITY] = value;
    }
}

// True, with the street, town, county or state and code put into `found`,
// where the last of three `pieces` or more is a code of letters and digits,
// or a US state and ZIP or a Canadian province and code, as English writes
// an address ("1 High St, Leeds, LS1 4AB", "Apt 7, The Elms, Oranmore, Co.
// Galway, H91 P6C2", "5 Main St, Pittsburgh, PA 15213", "100 King St W,
// Toronto, ON M5X 1A9"): the town before it, or before an Irish county; a
// country's name may follow the code.
bool code_last(std::span<const std::string_view> pieces, std::array<std::string, PARTS>& found) {
    const auto capital = [](char c) { return c >= 'A' && c <= 'Z'; };
    const auto state_and_code = [&](std::string_view p) {
        return p.find(' ') == 2 && capital(p[0]) && capital(p[1]) &&
               (shape_of(p.substr(3)) == value_shape::postal_code || is_lettered_postal_code(p.substr(3)));
    };
    // A country's name after the code ("14 Manningham Lane, Bradford, BD1 3EA, United Kingdom").
    std::string_view country;
    if (pieces.size() >= 2 && std::none_of(pieces.back().begin(), pieces.back().end(), values::is_digit) &&
        (is_lettered_postal_code(pieces[pieces.size() - 2]) || state_and_code(pieces[pieces.size() - 2]))) {
        country = pieces.back();
        pieces = pieces.first(pieces.size() - 1);
    }
    if (pieces.size() < 3) return false;
    const std::string_view last = pieces.back();
    const bool state = state_and_code(last);
    if (!state && !is_lettered_postal_code(last)) return false;
    std::size_t town = pieces.size() - 2;
    const bool county = pieces[town].starts_with("Co. ") || pieces[town].starts_with("County ");
    if (county && town > 1) found[REGION] = pieces[town--];
    if (state) found[REGION] = last.substr(0, 2);
    found[POSTAL] = state ? last.substr(3) : last;
    found[CITY] = pieces[town];
    found[COUNTRY] = country;
    for (std::size_t k = 0; k < town; ++k) join_words(found[STREET], pieces[k], ", ");
    return true;
}

// True, with the street, town and region put into `found`, where the
// `pieces` of a whole address hold no postal code because a column of its own
// gives it: the street, with its house number as a piece of its own after it
// ("Rua Augusta, 120"), then the town, then maybe the region. Fewer or more
// pieces say no such thing.
bool street_town_region(const std::vector<std::string_view>& pieces, std::array<std::string, PARTS>& found) {
    const std::size_t town = pieces.size() > 2 && house_number_value(pieces[1]) ? 2 : 1;
    if (pieces.size() < town + 1 || pieces.size() > town + 2) return false;
    found[STREET] = pieces[0];
    if (town == 2) join_words(found[STREET], pieces[1], ", ");
    found[CITY] = pieces[town];
    if (town + 1 < pieces.size()) found[REGION] = pieces[town + 1];
    return true;
}

// Puts a whole address written in one value, `value`, into `parts`: where
// double spaces (or else "; " or ", ") set its parts apart and one of them is a
// postal code (alone or before its town), the street first, then the town
// and the code in either order, then the country, or the code and town first,
// then the street and the country; else the whole of it is the street.
void take_formatted(std::string_view value, std::array<std::string, PARTS>& parts) {
    // Its parts are set apart by double spaces, or else by "; " or ", " ("Hlavna 12, 040 01 Kosice").
    std::string_view mark = ", ";
    for (const std::string_view gap : {"  ", "; "}) {
        if (value.find(gap) != std::string_view::npos) {
            mark = gap;
            break;
        }
    }
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at <= value.size();) {
        const std::size_t gap = value.find(mark, at);
        const std::string_view piece = trimmed(value.substr(at, gap == std::string_view::npos ? gap : gap - at));
        if (!piece.empty()) pieces.push_back(piece);
        at = gap == std::string_view::npos ? value.size() + 1 : gap + mark.size();
    }
    // The code and town are the second piece, or the second and third in either order.
    std::array<std::string, PARTS> found;
    std::string_view code;
    std::string_view town;
    std::size_t rest = 0;  // the first piece after the code and the town
    std::size_t street = 0;
    std::string_view second_code;
    std::string_view second_town;
    // An English address ends in its code, maybe with a state before it: its first piece's
    // number is the house's ("4820 Rue Saint-Denis, Montréal, QC H2J 2L6, Canada").
    if (code_last(pieces, found)) {
        parts = std::move(found);
        return;
    }
    if (pieces.size() >= 2 && split_postal_city(pieces[0], code, town) &&
        !split_postal_city(pieces[1], second_code, second_town)) {
        // Code and town first, as Hungarians write it ("1138 Budapest, Dunavirág utca 2-6.").
        found[POSTAL] = code, found[CITY] = town, street = 1, rest = 2;
    } else if (pieces.size() >= 2 && split_postal_city(pieces[1], code, town)) {
        found[POSTAL] = code, found[CITY] = town, rest = 2;
    } else if (pieces.size() >= 3 && shape_of(pieces[1]) == value_shape::postal_code) {
        found[POSTAL] = pieces[1], found[CITY] = pieces[2], rest = 3;
    } else if (pieces.size() >= 3 && shape_of(pieces[2]) == value_shape::postal_code) {
        found[CITY] = pieces[1], found[POSTAL] = pieces[2], rest = 3;
    } else if (!parts[POSTAL].empty() && street_town_region(pieces, found)) {
        for (const std::size_t p : {STREET, CITY, REGION}) parts[p] = std::move(found[p]);
        return;
    } else {
        parts[STREET] = value;
        return;
    }
    found[STREET] = pieces[street];
    for (std::size_t k = rest; k < pieces.size(); ++k) join_words(found[COUNTRY], pieces[k], " ");
    // A part its own column gives (a country beside a whole address) stays.
    for (std::size_t p = 0; p < PARTS; ++p) {
        if (p == STREET || !found[p].empty()) parts[p] = std::move(found[p]);
    }
}

// Returns `street` without the postal code, town and country of its own
// address that a street of several lines repeats after its first ("Křenová
// 12 / 602 00 Brno / Česko", its line breaks made spaces). The code must be
// among what is cut, so that a street named after its town keeps its name;
// a street that repeats nothing, and empty input, are returned whole.
std::string_view street_without_repeats(std::string_view street, const std::array<std::string, PARTS>& parts) {
    const auto cut = [](std::string_view& s, const std::string& part) {
        if (part.empty() || s.size() <= part.size() || !s.ends_with(part) || s[s.size() - part.size() - 1] != ' ') {
            return false;
        }
        s = trimmed(s.substr(0, s.size() - part.size()));
        return true;
    };
    std::string_view s = street;
    cut(s, parts[COUNTRY]);
    cut(s, parts[REGION]);
    const bool town_last = cut(s, parts[CITY]);
    if (!cut(s, parts[POSTAL])) return street;
    if (!town_last) cut(s, parts[CITY]);
    return s.empty() ? street : s;
}

// Moves the town after the last ", " of `parts`' street to its town where the
// street before it ends in a house number and the town holds no digit; a
// street of any other shape stays whole.
void take_town_after_street(std::array<std::string, PARTS>& parts) {
    const std::size_t comma = parts[STREET].rfind(", ");
    if (comma == std::string::npos || comma == 0) return;
    const std::string_view head = trimmed(std::string_view(parts[STREET]).substr(0, comma));
    const std::string_view town = trimmed(std::string_view(parts[STREET]).substr(comma + 2));
    const std::size_t last_word = head.rfind(' ');
    const bool numbered = last_word != std::string_view::npos && values::is_digit(head[last_word + 1]);
    if (!numbered || town.empty() || std::any_of(town.begin(), town.end(), values::is_digit)) return;
    parts[CITY] = std::string(town);
    parts[STREET] = std::string(head);
}

// Letters a house number's addition has at most, written right after it ('Toevoeging' "a", "bis").
constexpr std::size_t ADDITION_LETTERS = 3;

// Returns the house number of the address `a` written apart from its street in the row `v`: two (a Czech
// house's descriptive and orientation numbers) with '/' between them, an addition of letters right after
// it ("7a"). Empty where the row has none.
std::string house_number(const address_source& a, const std::vector<std::string_view>& v) {
    std::string number;
    for (const int c : a.numbers) {
        const std::string_view n = first_item(v[static_cast<std::size_t>(c)]);
        const bool addition = !n.empty() && n.size() <= ADDITION_LETTERS &&
                              std::all_of(n.begin(), n.end(), values::is_letter);
        if (addition) number += n;
        else join_words(number, n, "/");
    }
    return number;
}

// Countries that write the house number before the street, as header_key writes their names.
constexpr std::string_view NUMBER_FIRST[] = {"UK", "GB", "UNITED KINGDOM", "ENGLAND", "SCOTLAND", "WALES", "IRELAND",
                                             "IE", "US", "USA", "UNITED STATES", "CANADA", "CA", "AUSTRALIA", "AU",
                                             "NEW ZEALAND", "NZ"};

// The states of the United States and Canada's provinces as their post writes them: with no country, an
// address in one of them writes its house number first.
constexpr std::string_view NUMBER_FIRST_STATES[] = {
    "AL", "AK", "AZ", "AR", "CA", "CO", "CT", "DE", "DC", "FL", "GA", "HI", "ID", "IL", "IN", "IA", "KS", "KY", "LA",
    "ME", "MD", "MA", "MI", "MN", "MS", "MO", "MT", "NE", "NV", "NH", "NJ", "NM", "NY", "NC", "ND", "OH", "OK", "OR",
    "PA", "RI", "SC", "SD", "TN", "TX", "UT", "VT", "VA", "WA", "WV", "WI", "WY", "PR", "AB", "BC", "MB", "NB", "NL",
    "NS", "NT", "NU", "ON", "PE", "QC", "SK", "YT"};

// True where the house number goes before the street ("14 Acacia Avenue"): an
// English export that puts its number column first, for an address in a
// country that writes it so, or with no country and a British or Canadian
// postcode ("LS6 3AB") or an American state's code ("MI"). A Polish address
// in an English export keeps the number after the street ("Długa 47"), as
// Central Europe writes it.
bool number_before_street(const export_plan& plan, const address_source& a, const std::array<std::string, PARTS>& parts) {
    if (!plan.number_first || a.numbers.empty() || a.part[STREET] < 0 || a.numbers.back() > a.part[STREET]) return false;
    const std::string country = header_key(parts[COUNTRY]);
    if (country.empty()) {
        return (is_lettered_postal_code(parts[POSTAL]) && values::is_letter(parts[POSTAL].front())) ||
               std::find(std::begin(NUMBER_FIRST_STATES), std::end(NUMBER_FIRST_STATES), parts[REGION]) != std::end(NUMBER_FIRST_STATES);
    }
    return std::find(std::begin(NUMBER_FIRST), std::end(NUMBER_FIRST), country) != std::end(NUMBER_FIRST);
}

// Joins `value` to `street` after `joiner`, with `mark` before it ("bl. A1")
// where it has one and the value does not open with it already ("bl. A1"
// under 'Bloc'). An empty value adds nothing.
void join_line(std::string& street, std::string_view mark, std::string_view value, std::string_view joiner) {
    if (value.empty()) return;
    if (mark.empty() || header_key(value).starts_with(header_key(mark))) return join_words(street, value, joiner);
    join_words(street, mark, joiner);
    street.append(" ").append(value);
}

// Returns the parts of the address `a` as the row `v` writes them in its own
// columns: each part, the house number with the street, and the numbered
// street lines after `joiner`. Empty columns give empty parts.
std::array<std::string, PARTS> parts_of(const export_plan& plan, const address_source& a, const std::vector<std::string_view>& v,
                                        std::string_view joiner) {
    std::array<std::string, PARTS> parts;
    for (std::size_t p = 0; p < PARTS; ++p) {
        if (a.part[p] >= 0) parts[p] = first_item(v[static_cast<std::size_t>(a.part[p])]);
        if (parts[p].empty() && a.second[p] >= 0) parts[p] = first_item(v[static_cast<std::size_t>(a.second[p])]);
    }
    if (number_before_street(plan, a, parts)) {
        std::string number = house_number(a, v);
        join_words(number, parts[STREET], " ");
        parts[STREET] = std::move(number);
    } else {
        join_words(parts[STREET], house_number(a, v), " ");
    }
    // Numbered lines of an address with no code or town of their own ('Adresselinje 2': "2200
    // København N"): the line of a postal code and town gives them.
    for (const auto& [c, mark] : a.more_streets) {
        const std::string_view line = first_item(v[static_cast<std::size_t>(c)]);
        std::string_view code;
        std::string_view town;
        if (parts[POSTAL].empty() && parts[CITY].empty() && split_postal_city(line, code, town)) {
            parts[POSTAL] = code;
            parts[CITY] = town;
        } else {
            join_line(parts[STREET], mark, line, joiner);
        }
    }
    return parts;
}

}  // namespace

void derive_addresses(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view joiner,
                      card_row& row) {
    for (const address_source& a : plan.addresses) {
        std::array<std::string, PARTS> parts = parts_of(plan, a, v, joiner);
        if (a.postal_city >= 0) take_postal_city(first_item(v[static_cast<std::size_t>(a.postal_city)]), parts);
        if (a.part[POSTAL] >= 0 && a.part[CITY] < 0) take_postal_city(std::string(parts[POSTAL]), parts);
        // A town's column that holds a whole address in some rows ('Ort / Adresse':
        // "Oberburgstrasse 12, 3400 Burgdorf"), where the row has no street.
        if (parts[STREET].empty() && parts[CITY].find_first_of(",;") != std::string::npos) {
            std::array<std::string, PARTS> whole = parts;
            whole[CITY].clear();
            take_formatted(parts[CITY], whole);
            if (!whole[POSTAL].empty()) parts = std::move(whole);
        }
        // A town written with its code, in a row whose code column is empty.
        std::string_view code;
        std::string_view town;
        if (parts[POSTAL].empty() && split_postal_city(parts[CITY], code, town)) {
            parts[POSTAL] = code;
            parts[CITY] = std::string(town);
        }
        parts[STREET] = std::string(street_without_repeats(parts[STREET], parts));
        // A street with its town and code after double spaces, ';' or ',' is a whole address.
        if (parts[CITY].empty() && parts[POSTAL].empty() &&
            (parts[STREET].find_first_of(",;") != std::string::npos || parts[STREET].find("  ") != std::string::npos)) {
            take_formatted(std::string(parts[STREET]), parts);
        }
        // Where the export has no town column, a street ending in its house number and then a
        // town of words after ", " is both ("Str. Fabricii 46, Cluj-Napoca").
        if (a.part[CITY] < 0 && a.postal_city < 0 && parts[CITY].empty()) take_town_after_street(parts);
        // A whole address stands in for the parts its row lacks: all of them, or the street and town
        // beside a code and a country of their own ('Endereço (Rua, Cidade, Região)', 'Código Postal').
        if (parts[STREET].empty() && parts[CITY].empty() && a.formatted >= 0) {
            take_formatted(first_item(v[static_cast<std::size_t>(a.formatted)]), parts);
        }
        // A country alone is no address, but where the row has none else: it is the country of the
        // row's address that names none ('PostCodeLand' beside an address of its own).
        const bool country_only = std::all_of(parts.begin(), parts.begin() + COUNTRY, [](const std::string& p) { return p.empty(); });
        if (country_only && parts[COUNTRY].empty()) continue;
        if (country_only && !row.addresses.empty()) {
            const auto lacking = std::find_if(row.addresses.begin(), row.addresses.end(),
                                              [](const auto& a) { return a.second[COUNTRY].empty(); });
            if (lacking != row.addresses.end()) lacking->second[COUNTRY] = std::move(parts[COUNTRY]);
            continue;
        }
        // An address written twice (a shop's billing and delivery address alike) is one address.
        if (std::any_of(row.addresses.begin(), row.addresses.end(), [&](const auto& a) { return a.second == parts; })) continue;
        const std::string_view type = a.label >= 0 ? type_from_label(first_item(v[static_cast<std::size_t>(a.label)]), true)
                                      : a.type;
        row.addresses.emplace_back(type, parts);
    }
}

}  // namespace rowcard
