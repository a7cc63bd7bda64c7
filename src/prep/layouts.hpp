// Inside rowcard-prep: what an export's columns mean (its layout and language),
// and how one person's name written whole is split into its parts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rowcard {

// The language of an export's headers, as far as its words tell it.
enum class export_language { unknown, english, german, czech, slovak, polish, hungarian, slovene, croatian, romanian, western, nordic };

// Returns the language's name in English ("German", "Nordic"); empty for unknown.
std::string_view language_name(export_language language);

// What one column of an export holds; `ignored` is a known column the card
// has no use for (an e-mail's display name, a phonetic name). `title` is a bare
// 'Title', an honorific or a job as its values tell; `email_label`,
// `phone_label` and `address_label` hold the type of their item; `record_id`,
// `date`, `flag` (yes/no), `count`, `code` (a country's or a language's),
// `dial_code` (a country's calling code, put before its row's phone numbers),
// `company_fact` (a company's trade, revenue or tax number) and `category`
// hold no contact value; `record_kind` says whether a row is a person or an
// organisation; `contact` is a firm's contact person, the card's name where
// the row has no person's name of its own;
// `reach` holds e-mails and phones mixed ('Kontakt'), each value going where its shape says;
// `postal_city` holds a postal code and a town in one, `house_number` a
// street's number apart from it, `country_code` a country as its code. The
// address parts come last, from `pobox` on.
enum class field_role : unsigned char {
    none, ignored, given, middle, family, prefix, suffix, full, contact, title, org, department, job, note,
    nickname, web, birthday, birth_year, birth_month, birth_day, record_id, date, flag, count, code, dial_code,
    company_fact,
    record_kind, category,
    phone, phone_label, email, email_label, reach,
    pobox, street, street2, house_number, city, region, postal, postal_city, country, country_code, formatted,
    address_label
};

// True when `what` is a part of an address (the formatted whole and the type are not).
bool address_field(field_role what);

// The type a house number's header gives where a house's name may stand in
// its place ('House name or number', as British forms ask): with no street
// beside it, it is the address's first line.
inline constexpr std::string_view HOUSE_NAMED = "HOUSE_NAMED";

// The group of an address's parts that name no place and no number ('Street', 'City').
inline constexpr int NO_PLACE_GROUP = -4;
// The group of a mailing address's parts ('Mailing City', 'MailZip').
inline constexpr int MAILING_GROUP = -5;

// One column's role; `group` ties a Google label to its value and the parts of
// one address together; `type` is the vCard type the header itself gives.
struct column_role {
    field_role what = field_role::none;
    int group = 0;
    std::string_view type;
    bool other = false;  // another person's (a guardian's or guarantor's), where the contact's own of its kind stands beside
    std::string_view mark = {};  // a street line's mark, written before its value ("bl." before a Romanian block "A1")
};

// The type a name prefix's header gives where it names academic titles
// ('Titul před jménem'), not a salutation ('Oslovení').
inline constexpr std::string_view TITLES = "TITLES";
// The type of a trading party's flag ('Customer': yes or no); where its values are words, they name that party.
inline constexpr std::string_view PARTY = "PARTY";

// The type a given name's header gives where it names the initials alone
// ('Voorletters'), which a called name beside it stands for.
inline constexpr std::string_view INITIALS = "INITIALS";

// The type a whole name's header gives where its own words put the family
// name first ('Nazwisko i imię', 'Last First Name'): its names are so written.
inline constexpr std::string_view FAMILY_FIRST = "FAMILY_FIRST";

// The type a whole name's header gives where it names how letters are
// addressed ('Addressee'): beside the name's parts, no name of its own.
inline constexpr std::string_view ADDRESSED = "ADDRESSED";

// An export's layout: its name for the report, its language, and each column's role.
struct layout_guess {
    std::string name;
    export_language language = export_language::unknown;
    std::vector<column_role> roles;
};

// Returns the cleaned text `cleaned` as compared: letters folded to ASCII and
// upper-cased, every run of other bytes (but '-' when `keep_hyphen`) one
// space, none leading or trailing. Empty input gives an empty key.
std::string header_key(std::string_view cleaned, bool keep_hyphen = false);

// Returns the language most of the words in `keys` belong to; unknown when
// none or a tie. Empty input gives unknown.
export_language guess_language(const std::vector<std::string>& keys);

// Returns the layout of the cleaned `header`: each column's role, the
// language, and a name such as "Outlook (German)". An empty header gives no roles.
layout_guess recognise_layout(const std::vector<std::string>& header);

// Returns the vCard type that an export's label (Google's "Mobile", "Work
// Fax", a Czech "Práce") gives a phone, or an address when `address`; VOICE
// (or POSTAL) for a label it does not know, and for an empty label.
std::string_view type_from_label(std::string_view cleaned_label, bool address);

// One person's name, split into the parts vCard keeps apart.
struct name_parts {
    std::string prefix;
    std::string given;
    std::string family;
    std::string suffix;
    bool reversed = false;  // written 'Family, Given'
};

// Returns `text` without the spaces around it; all spaces, and empty input, give empty.
std::string_view trimmed(std::string_view text);

// Returns the parts of the name `full` written whole: academic and courtesy
// titles before it (Ing., Mgr., Dr.) and after it (Ph.D., CSc., MBA), 'Family,
// Given', several given names, and the family name first when `family_first`
// (as Hungarian writes it); with `one_given`, the first word alone is the given
// name and the rest family names, as Spanish, Portuguese and Dutch names are
// written ('Lucía Martín Ortega', 'Jan van den Berg'). One word is a given
// name; empty input gives empty parts.
name_parts split_full_name(std::string_view full, bool family_first, bool one_given = false);

// True when the name whose parts, read in the western order, are `western`
// is a Hungarian name written family name first ("Kovács János" as given
// "Kovács" and family "János"): a common Hungarian family name first and a
// Hungarian given name last. Empty parts give false.
bool written_family_first(const name_parts& western);

// True when `words` are all a family name's particles ("van der", "de la",
// "in 't"), written apart from it as Dutch exports do ('Tussenvoegsel'); false for none.
bool only_particles(std::string_view words);

// True when the name `full`, whose parts read family name first are
// `hungarian`, is written given name first in a Hungarian layout: a letter
// Hungarian never writes ("Ján Baláž"), a Czech or Slovak woman's family name
// last ("Zuzana Nováková"), or a Hungarian given name before a family name
// ("Peter Horváth"). Empty parts give false.
bool written_given_first(std::string_view full, const name_parts& hungarian);

// The ending of a Hungarian wife's family name taken from her husband's
// ('Kovácsné'), as header_key writes it.
inline constexpr std::string_view MARRIED_MARK = "NE";

// The ending of a Czech or Slovak woman's family name ('Nováková'), as
// header_key writes it.
inline constexpr std::string_view WIFE_ENDING = "OVA";

// True when `name` ends in a company's legal form ("Stavby Brno s.r.o.",
// "Muller GmbH"), or has two words or more one of which names an institution
// or a trade ("Metzgerei Huber", "Universitatea din București"): an
// organisation's name, never a person's. Empty input is none.
bool company_name(std::string_view name);

// True when `name` holds a company's legal form, last or, as French and
// Finnish may write it, first ("SAS Dupont", "Oy Nordic Timber Ab"): a firm's
// whole name. Empty input is none.
bool legal_form_name(std::string_view name);

// Returns `contact` without the mark of an attention line before it ('t.a.v.
// J. Dvořák', 'z. Hd. Frau Berg', 'Attn: Accounts'); empty where what is left
// is one word, a department or a role ('t.a.v. penningmeester'), no person's
// name. Input without such a mark is returned as it is.
std::string_view contact_person(std::string_view contact);

}  // namespace rowcard
