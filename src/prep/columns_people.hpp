// Inside rowcard-prep: whose a column is, once each has been read alone; the
// first step of read_columns' reading of the columns together.
#pragma once

#include <vector>

#include "prep/columns.hpp"

namespace rowcard {

// Leaves off the columns of `columns` that name another person (a pupil's
// guardian, 'e-mail opiekuna prawnego') where a column of the contact's own of
// the same kind (names, e-mails, phones, address parts) stands beside them, or
// where the contact is named (a pupil's parents' numbers); a list of the
// guardians themselves keeps them; so do initials beside a given name and an
// addressee's line beside the name's parts. Corrections the user gave stand.
void settle_other_people(std::vector<column_reading>& columns);

// Types the plain phones of `columns` ('Telefon', 'Telefon2') as work phones
// where the export names a firm and another phone of the contact's is a home
// one ('Telefon privat') and none a work one: beside the private number, the
// plain one is the office's. Mobiles and faxes keep their type; corrections
// the user gave stand.
void settle_office_phones(std::vector<column_reading>& columns);

// Leaves off a column of `columns` that another stands beside with the same
// field of the card (a name part, the firm, the job; a postal code of the
// same address): an empty one beside a filled one ('Occupation' with no value
// beside 'Organization 1 - Title'), and one its values alone gave the field
// beside one its header names so (a town's official code 'code_ville' beside
// 'code_postal_ville', a school's name beside 'Company'). The card's field
// takes its first column, which must be the right one.
void settle_twins(std::vector<column_reading>& columns);

// Settles the names of `columns` read beside each other: a whole-name column
// of single words beside a lone given or family name is the other part; a
// whole-name column of companies beside persons' names is the company; and a
// contact person's column is the name where no other names a person or a
// firm. Corrections the user gave stand.
void settle_names_beside(std::vector<column_reading>& columns);

}  // namespace rowcard
