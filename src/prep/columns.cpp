// The reading of an export's columns: the header's word and the values'
// evidence weighed together, each column's field decided, type columns tied
// to the phone or address beside them, and the user's corrections applied.
#include "prep/columns.hpp"

#include <algorithm>

#include "check/findings.hpp"
#include "prep/column_numbers.hpp"
#include "prep/columns_people.hpp"
#include "prep/columns_together.hpp"
#include "prep/numbers.hpp"
#include "prep/postal.hpp"
#include "prep/value_text.hpp"
#include "prep/vocabulary.hpp"

namespace rowcard {
namespace {

// Values that are no contact value, and how a report names them.
struct named_shape {
    value_shape shape;
    std::string_view why;
};
constexpr named_shape NO_CONTACT_VALUE[] = {{value_shape::flag, "a flag"}, {value_shape::date, "a date"},
    {value_shape::count, "a count"}, {value_shape::id, "an id"}, {value_shape::url, "a web address"},
    {value_shape::exponent_number, "numbers a spreadsheet damaged"}};

// Why a column the vocabulary knows stays off the card.
struct named_role {
    field_role what;
    std::string_view why;
};
constexpr named_role NOT_ON_THE_CARD[] = {
    {field_role::ignored, "not for the card"}, {field_role::record_id, "an id"},
    {field_role::date, "a date"},              {field_role::flag, "a flag"},
    {field_role::count, "a count"},            {field_role::email_label, "an e-mail's type"},
    {field_role::code, "a code"},              {field_role::company_fact, "about a company"},
    {field_role::dial_code, "a dialling code, put before the row's numbers"},
    {field_role::record_kind, "whether a row is a person's or a firm's"},
};

// Returns why a column taken as `what` is off the card; empty for a role the card takes.
std::string_view off_the_card(field_role what) {
    for (const named_role& r : NOT_ON_THE_CARD) {
        if (r.what == what) return r.why;
    }
    return {};
}

// Shapes of values that are no date of any form.
constexpr std::initializer_list<value_shape> NO_DATES = {value_shape::email, value_shape::phone, value_shape::url,
    value_shape::word, value_shape::words, value_shape::flag, value_shape::honorific};

// Different values a column of type words holds at most: every language's
// words for home, work, mobile, fax and the like, with their spellings.
constexpr std::size_t TYPE_WORDS_DISTINCT = 40;

// True when a role holds words of a person or an organisation: values that
// are flags, dates, counts, ids, e-mails or phones cannot be one.
bool wordy(field_role what) {
    return what == field_role::full || what == field_role::contact || what == field_role::given || what == field_role::middle ||
           what == field_role::family || what == field_role::prefix || what == field_role::suffix ||
           what == field_role::org || what == field_role::department || what == field_role::job ||
           what == field_role::title || what == field_role::nickname || what == field_role::category ||
           (address_field(what) && what != field_role::postal && what != field_role::house_number);
}

// The least share of each kind in a column of e-mails and phones mixed: about
// one in seven (two of a dozen), one in ten being a stray value in a column of the other kind.
constexpr std::size_t MIXED_SHARE = 15;
// Percent of a login column's values that must be e-mail addresses for the others to be bare user names.
constexpr std::size_t LOGIN_MAIL_SHARE = 50;

// True when most filled values of `values` are type words ("mobil", "Home").
bool mostly_type_words(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    // Type words are words, and few: a column of many different values, or of
    // numbers and addresses, is read no further.
    if (evidence.distinct > TYPE_WORDS_DISTINCT || !mostly(evidence, {value_shape::word, value_shape::words})) {
        return false;
    }
    std::size_t typed = 0;
    for (const std::string_view v : values) typed += !v.empty() && !item_type_word(v).empty();
    return share_at_least(typed, evidence, MOST_SHARE);
}

// True when most filled values of `values` name a kind of record ("Individual", "Organization").
bool mostly_record_kinds(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    if (evidence.distinct > TYPE_WORDS_DISTINCT) return false;
    std::size_t kinds = 0;
    for (const std::string_view v : values) kinds += !v.empty() && kind_of_record(v) != record_kind::unknown;
    return share_at_least(kinds, evidence, MOST_SHARE);
}

// True when at least half the filled values of `values` end in a company's
// legal form: a column of companies, though some have none written.
bool mostly_companies(const std::vector<std::string_view>& values, const column_evidence& evidence) {
    std::size_t companies = 0;
    for (const std::string_view v : values) companies += company_name(v);
    return share_at_least(companies, evidence, HALF_SHARE);
}

// Returns why values of the shapes that are no contact value fill the column;
// empty when they do not.
std::string_view no_contact_value(const column_evidence& evidence) {
    for (const named_shape& s : NO_CONTACT_VALUE) {
        if (mostly(evidence, {s.shape})) return s.why;
    }
    return "";
}

// True when most filled values of a column its header calls the postal code
// are codes: of digits, with their town, of letters and digits ("SW1A 1AA"),
// or of three digits, as Iceland's are ("101") and Norway's whose leading zero
// a spreadsheet dropped ("465"), of seven (Israel's "9434007", Chile's), or
// Japan's ("701-0192"); of several countries mixed ("H3T 1J4", "110 00").
bool postal_values(const std::vector<std::string_view>& values, const column_evidence& e) {
    const auto code = [](std::string_view v) {
        const value_shape shape = shape_of(v);
        return shape == value_shape::postal_code || shape == value_shape::postal_city || is_lettered_postal_code(v) ||
               is_headed_postal_code(v);
    };
    const auto codes = static_cast<std::size_t>(std::count_if(values.begin(), values.end(), code));
    return mostly(e, {value_shape::postal_code, value_shape::postal_city}) || share_at_least(codes, e, MOST_SHARE);
}

// Decides the column of words of a person, an organisation or an address
// whose header says `reading.header_role`, from its values `values`: a
// column of record kinds or of type words is those, one of no contact value
// or of e-mails or phones disagrees, a bare 'Title' is what its values say.
void decide_words(column_reading& reading, const std::vector<std::string_view>& values, bool type_words,
                  std::string_view odd) {
    const column_role h = reading.header_role;
    const column_evidence& e = reading.evidence;
    if (mostly_record_kinds(values, e)) {
        reading.role = {field_role::record_kind, 0, {}};  // 'Firma': Firma or Osoba, a row's kind
    } else if (address_field(h.what) && type_words) {
        reading.role = {field_role::address_label, h.group, {}};
    } else if (!odd.empty() || mostly(e, {value_shape::email, value_shape::phone})) {
        const std::string said = h.what == field_role::title ? "title" : field_label(h);
        reading.why = "its header says " + said + ", but its values are " +
                      std::string(odd.empty() ? "e-mails or phones" : odd);
        reading.disagrees = true;
    } else if (e.max_length <= 1 && (h.what == field_role::title || h.what == field_role::prefix || h.what == field_role::job ||
                                     h.what == field_role::department || h.what == field_role::org)) {
        reading.why = "single letters: a code, such as a sex's";  // a shop's 'Titel' of M and V
    } else if ((h.what == field_role::prefix || h.what == field_role::title) && mostly_letter_openings(values, e)) {
        reading.why = "a letter's salutation";  // 'Salutation': "Dear Margaret"
    } else if (h.what == field_role::title) {
        // 'Title' is an honorific, a job, or in some languages a company's name ("Naziv").
        // Half of it honorifics is a prefix: the rest are a register's own words ("UNDEFINED").
        const bool honorifics = share_at_least(e.shapes[static_cast<std::size_t>(value_shape::honorific)], e, HALF_SHARE);
        const field_role what = honorifics ? field_role::prefix
                                : mostly_companies(values, e)       ? field_role::org
                                                                    : field_role::job;
        reading.role = {what, 0, {}};
    } else {
        reading.role = h;
    }
}

// Decides the column whose header says nothing from its values `values`
// alone: e-mails, phones written for dialling, type words, record kinds,
// companies' names; the same few e-mails or phones in every row are no
// contact's. Leaves it off, with `odd` or "unknown" as the reason, otherwise.
void decide_from_values(column_reading& reading, const std::vector<std::string_view>& values, bool type_words,
                        std::string_view odd) {
    const column_evidence& e = reading.evidence;
    if (mostly(e, {value_shape::email, value_shape::phone}) && e.distinct * SAME_FOR_ALL < e.filled) {
        reading.why = "the same few values in every row";  // a CRM's own address or number, no contact's
    } else if (mostly(e, {value_shape::email, value_shape::phone}) &&
               share_at_least(e.shapes[static_cast<std::size_t>(value_shape::email)], e, MIXED_SHARE) &&
               share_at_least(e.shapes[static_cast<std::size_t>(value_shape::phone)], e, MIXED_SHARE)) {
        reading.role = {field_role::reach, 0, {}};  // 'Kontakt': an e-mail here, a number there
    } else if (mostly(e, {value_shape::email})) {
        reading.role = {field_role::email, 0, {}};
    } else if (mostly(e, {value_shape::phone}) && mostly_dialled(values, e)) {
        const std::string_view own = reading.header_role.type;
        reading.role = {field_role::phone, 0, own == "HOME" || own == "WORK" ? own : "VOICE"};
    } else if (share_at_least(e.shapes[static_cast<std::size_t>(value_shape::email)], e, LOGIN_MAIL_SHARE) &&
               e.shapes[static_cast<std::size_t>(value_shape::phone)] == 0 && e.distinct == e.filled) {
        reading.role = {field_role::reach, 0, {}};  // logins, one per person: an e-mail address, or a bare user name
    } else if (type_words) {
        reading.role = {field_role::phone_label, 0, {}};  // tied to its neighbour below, or dropped
    } else if (mostly_record_kinds(values, e)) {
        reading.role = {field_role::record_kind, 0, {}};
    } else if (mostly_companies(values, e) && !same_few(e)) {
        reading.role = {field_role::org, 0, {}};
    } else if (mostly_companies(values, e)) {
        reading.why = "the same few values in every row";  // the club or register itself ('Main Club')
    } else {
        reading.why = odd.empty() ? "unknown" : odd;
    }
}

// Decides the column whose header says `reading.header_role` from its values,
// `values`. Leaves the role none, with the reason, where it stays off; a
// column with no value is as its header says.
void decide(column_reading& reading, const std::vector<std::string_view>& values) {
    const column_role h = reading.header_role;
    const column_evidence& e = reading.evidence;
    reading.role = e.filled == 0 ? h : column_role{};  // a column with no value is as its header says
    if (e.filled == 0) return;
    const bool type_words = mostly_type_words(values, e);
    const std::string_view odd = no_contact_value(e);
    // A login that is an e-mail address (an office suite's 'User Name') is the person's own.
    if (h.what == field_role::email || (h.type == "LOGIN" && mostly(e, {value_shape::email}))) {
        if (mostly(e, {value_shape::email})) reading.role = h.what == field_role::email ? h : column_role{field_role::email, 0, {}};
        else if (h.what == field_role::email && mostly_streets_with_numbers(values, e)) reading.role = {field_role::street, MAILING_GROUP, "POSTAL"};
        else reading.why = "its header says e-mail, but its values are no addresses", reading.disagrees = true;
    } else if (h.what == field_role::phone) {
        // Digits among a phone's signs are a number, however short; words, addresses, flags or dates are not.
        if (type_words) reading.role = {field_role::phone_label, h.group, {}};
        else if (calling_codes(values, e)) reading.role = {field_role::dial_code, 0, {}};
        else if (mostly(e, {value_shape::email})) reading.role = {field_role::email, 0, {}};  // a slot of mailboxes
        else if (!mostly_no_numbers(values, e)) reading.role = h;
        else reading.why = "its header says phone, but its values are no numbers", reading.disagrees = true;
    } else if (h.what == field_role::city && mostly(e, {value_shape::postal_code})) {
        reading.role = {field_role::postal, h.group, h.type};  // a 'Pošta' of numbers is the postal code
    } else if (h.what == field_role::postal) {
        if (postal_values(values, e)) reading.role = h;
        else reading.why = "its header says postal code, but its values are none", reading.disagrees = true;
    } else if ((h.what == field_role::country_code || h.what == field_role::country) && calling_codes(values, e)) {
        reading.role = {field_role::dial_code, 0, {}};  // 'código país' of "+48": the numbers' country
    } else if (h.what == field_role::contact && mostly(e, {value_shape::email, value_shape::phone})) {
        decide_from_values(reading, values, type_words, odd);  // a 'Contact' of addresses or numbers: how to reach one
    } else if ((wordy(h.what) || h.what == field_role::formatted) && h.mark.empty()) {  // a block's "A1", a floor's "3"
        decide_words(reading, values, type_words, odd);
    } else if ((h.what == field_role::birth_month || h.what == field_role::birth_day) && mostly(e, {value_shape::date})) {
        reading.role = {field_role::birthday, 0, {}};  // 'birthDay' of whole dates is the birthday
    } else if (h.what == field_role::birthday) {  // a date, or a spreadsheet's date number
        if (!mostly(e, NO_DATES)) reading.role = h;
        else reading.why = "its header says birthday, but its values are no dates", reading.disagrees = true;
    } else if (h.what == field_role::web) {
        if (mostly(e, {value_shape::url})) reading.role = h;
        else reading.why = "its header says web page, but its values are no web addresses", reading.disagrees = true;
    } else if (h.what == field_role::flag && h.type == PARTY && mostly(e, {value_shape::words}) &&
               e.distinct * SAME_FOR_ALL >= e.filled) {
        reading.role = {field_role::org, 0, {}};  // a help desk's 'Customer' of firms' names, no yes or no
    } else if (h.what == field_role::house_number && mostly_numbered_streets(values, e)) {
        reading.role = {field_role::street, h.group, h.type};  // 'Straße und Hausnummer': the street with its number
    } else if (h.what == field_role::house_number && running_numbers(values, e)) {
        reading.role = {field_role::record_id, 0, {}};  // 'Nr.' counting the rows
        reading.why = "a running number";
    } else if (h.what != field_role::none) {
        reading.why = off_the_card(h.what);
        // Labels and notes go as the header says; an e-mail's own label and what the card never uses are taken,
        // so that no raw column repeats them; a company's facts, a calling code and a record's key stay off the
        // card but tell, row by row, a company from a person, a number's country and a record of its own.
        reading.role = reading.why.empty() || h.what == field_role::ignored || h.what == field_role::email_label ||
                               h.what == field_role::company_fact || h.what == field_role::dial_code ||
                               h.what == field_role::record_id
                           ? h
                           : column_role{};
    } else {
        decide_from_values(reading, values, type_words, odd);
    }
}

}  // namespace

columns_reading read_columns(const std::vector<std::string>& header,
                             const std::vector<std::vector<std::string_view>>& values,
                             const std::vector<column_override>& overrides, bool headerless) {
    columns_reading reading;
    reading.layout = recognise_layout(header);
    reading.columns.resize(header.size());
    for (std::size_t c = 0; c < header.size(); ++c) {
        column_reading& column = reading.columns[c];
        column.header_role = reading.layout.roles[c];
        column.evidence = weigh_column(values[c]);
        for (const column_override& o : overrides) {
            if (names_column(o.header, header[c])) column.overridden = field_by_name(o.field, column.role);
        }
        if (column.overridden) {
            if (column.role.what == field_role::none) column.role.what = field_role::ignored, column.why = "left off as asked";
            continue;
        }
        decide(column, values[c]);
        if (column.why.empty()) column.why = off_the_card(column.role.what);  // a 'Country Code' of "+44"
        column.companies = mostly_companies(values[c], column.evidence);
        column.house_numbers = mostly_house_numbers(values[c], column.evidence);
        column.postal_codes = unordered_postal_codes(values[c], column.evidence);
        column.country_codes = mostly_country_codes(values[c], column.evidence);
    }
    settle_other_people(reading.columns);
    read_together(reading.columns, headerless);
    read_rows_together(reading.columns, values);
    settle_office_phones(reading.columns);
    settle_twins(reading.columns);
    repeated_addresses(reading.columns, header, values);
    for (std::size_t c = 0; c < header.size(); ++c) reading.layout.roles[c] = reading.columns[c].role;
    return reading;
}

std::string reading_report(const std::vector<std::string>& header, const columns_reading& reading) {
    std::string text = "Columns of this export (" + reading.layout.name + "):\n";
    for (std::size_t c = 0; c < header.size(); ++c) {
        const column_reading& r = reading.columns[c];
        const std::string field = field_label(r.role);
        text += "  " + std::to_string(c + 1) + ". '" + checking::readable(header[c]) + "': ";
        text += !field.empty() ? field : r.evidence.filled == 0 ? "left off (empty)" : "left off (" + r.why + ")";
        if (r.overridden) text += ", as asked";
        text += "; " + std::to_string(r.evidence.filled) + " filled";
        const std::string said = field_label(r.header_role);
        if (!said.empty() && said != field) text += ", the header says " + said;
        text += "\n";
    }
    return text;
}

}  // namespace rowcard
