// Inside rowcard-prep: where each card property of a row comes from in the
// export, and the card worked out for one row.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "prep/dates.hpp"
#include "prep/layouts.hpp"

namespace rowcard {

// The parts of an address, in the order of vCard's ADR after its extended part.
enum address_part : std::size_t { POBOX, STREET, CITY, REGION, POSTAL, COUNTRY, PARTS };
inline constexpr std::array<std::string_view, PARTS> PART_NAMES = {"POBOX", "STREET", "CITY", "REGION", "CODE", "COUNTRY"};

// The single properties, in the order of their columns.
enum single : std::size_t { FN, GIVEN, MIDDLE, FAMILY, PREFIX, SUFFIX, ORG, DEPT, JOB, NOTE, NICK, BDAY, URL, CATS, SINGLES };
inline constexpr std::array<std::string_view, SINGLES> SINGLE_NAMES = {
    "FN", "GIVEN", "MIDDLE", "FAMILY", "PREFIX", "SUFFIX", "ORG", "DEPT", "ORG TITLE", "NOTE", "NICKNAME", "BDAY",
    "URL", "CATEGORIES"};

// Where one address of the export is: its columns by part, -1 where it has none.
struct address_source {
    int group = 0;
    std::string_view type;  // from the header; empty: from the label, or POSTAL
    std::array<int, PARTS> part{-1, -1, -1, -1, -1, -1};
    // 'Street 2', 'Street 3', 'Extended Address', each with the mark written before its value ("bl.").
    std::vector<std::pair<int, std::string_view>> more_streets;
    std::vector<int> numbers;       // the street's house number, or its numbers, apart from it
    int formatted = -1;
    int postal_city = -1;  // a postal code and town in one column
    int label = -1;
    // A part's second column, read in a row where the first is empty (a US
    // 'StateCode' beside an 'InternationalProvinceName').
    std::array<int, PARTS> second{-1, -1, -1, -1, -1, -1};
};

// Where each property of the card comes from.
struct export_plan {
    std::array<int, SINGLES> single{};  // column of each single property, -1 where none; FN: a full name
    // Its lines after the first, numbered on in the columns beside it
    // ('Name1' 'Name2' 'Name3', 'Firmenname1' 'Firmenname2'): one name, joined with spaces.
    std::array<std::vector<int>, SINGLES> more_lines;
    bool given_is_full = false;         // one name column holds whole names
    bool family_first = false;          // Hungarian order
    bool one_given = false;             // the western languages' order: one given name, then the family names
    bool number_first = false;          // English writes the house number before the street ("14 Acacia Avenue")
    int contact = -1;                   // a firm's contact person: the name of a row with none of its own
    int kind = -1;                      // column saying whether a row is a person or an organisation
    std::vector<int> company_facts;     // columns of what only a company has: its trade, revenue, tax number
    std::vector<int> record_ids;        // columns of the record's own keys: a row with one is a record of its own
    int dial_code = -1;                 // a calling or area code for the row's numbers, -1 where none
    bool dial_area = false;             // it is an area code, written without a '+'
    int birthday = -1;                  // a birthday's column, -1 where none
    std::array<int, 3> birth_parts{-1, -1, -1};  // its year, month and day columns, where apart
    day_order birthday_order = day_order::day_first;  // how its dates day and month first are written
    struct phone_source {
        int column;
        int label;
        std::string_view type;
        std::string_view flag_type;  // the type a label of yes and no flags gives where it says yes
        int dial = -1;               // its calling or area code's column: of its own place, or the export's first
        bool area = false;           // that column holds area codes, dialled without a '+' ('Area Code': 610)
        int extension = -1;          // the column of its extension, right after it ('Phone1 Extension'), -1 where none
    };
    std::vector<phone_source> phones;
    std::vector<int> emails;
    std::vector<int> reaches;  // columns of e-mails and phones mixed
    std::vector<address_source> addresses;
    std::vector<bool> consumed;  // per export column: the card takes it
};

// One row's card, worked out.
struct card_row {
    std::array<std::string, SINGLES> single;
    std::vector<std::pair<std::string, std::string_view>> phones;  // number, vCard type
    std::vector<std::string> emails;
    std::vector<std::pair<std::string_view, std::array<std::string, PARTS>>> addresses;  // type, parts
    std::size_t lost_numbers = 0;  // phone numbers in a spreadsheet's exponent form, left off
    bool yearless = false;         // the birthday in single[BDAY] has no year ("0412")
    std::string_view birthday_written;  // the birthday as the export writes it
    std::string_view unread_birthday;  // a birthday no form of which could be read, left off
    std::string_view web_cut;          // a web address cut to its host ("firma.cz/kontakt")
    std::string_view web_lost;         // a web address whose host rowcard would damage, left off
    std::string_view groups_cut;       // groups beyond the first, left off (the whole cell)
};

// Returns the plan for an export of layout `layout`: the columns of each
// property; columns the card has no use for are not consumed.
export_plan make_plan(const layout_guess& layout);

// Returns the card of the row `v` (one value per export column, as cleaned);
// `joiner` goes between two street lines. A row of empty values gives an empty card.
card_row derive_row(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view joiner);

// True when `row`, the card of the row `v`, holds an address and nothing else
// of a contact's own: no name, company, contact person, phone or e-mail (a
// register's further address of the customer in the row above).
bool only_an_address(const export_plan& plan, const std::vector<std::string_view>& v, const card_row& row);

// Adds the addresses of `more` that `row` does not hold yet to `row`.
void take_addresses(card_row& row, const card_row& more);

// Fills the name parts and the display name of `row` from the row `v`, whose
// phones and e-mails `row` holds already: a person's, a firm's, or a firm's
// contact person's. A row of empty values leaves them empty.
void derive_names(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row);

// Fills the addresses of `row` from the row `v`, `joiner` between two street
// lines: each address's parts as vCard's ADR keeps them apart, an address
// written twice once. A row with no address part gives none.
void derive_addresses(const export_plan& plan, const std::vector<std::string_view>& v, std::string_view joiner,
                      card_row& row);

// Returns the first item of `value`, a ' ::: ' list's, or the whole of it when
// it is no list; without the spaces around it.
std::string_view first_item(std::string_view value);

// Appends `word` to `out`, after `joiner` when `out` holds something; an
// empty word appends nothing.
void join_words(std::string& out, std::string_view word, std::string_view joiner);

// Fills the birthday, the web page and the groups of `row` from the row `v`:
// each in the form rowcard carries whole, or left off and noted in `row`.
void derive_extras(const export_plan& plan, const std::vector<std::string_view>& v, card_row& row);

}  // namespace rowcard
