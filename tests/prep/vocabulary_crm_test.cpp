// rowcard-prep's header vocabulary for the exports of CRMs, invoicing and
// accounting tools: the CRM's own users, codes of countries and languages,
// a company's facts, two names for one column, and the values that name a
// record's kind.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prep/vocabulary.hpp"
#include "read_header_cases.hpp"

namespace rowcard {
namespace {

using enum field_role;
using lang = export_language;

TEST(VocabNoContactValue, TheRecordsOwnersCodesAndCompanyFactsInEachLanguage) {
    // Who made, changed or owns a record is the CRM's user; never read from its values either.
    expect_read({{"Created By", ignored}, {"Assigned_User_Name", ignored}, {"Erstellt von", ignored},
                 {"Geändert von", ignored}, {"Vytvořil", ignored}, {"Vlastník", ignored}, {"Utworzone przez", ignored},
                 {"Właściciel", ignored}, {"Létrehozta", ignored}, {"Tulajdonos", ignored}, {"Lastnik", ignored},
                 {"Vlasnik", ignored}, {"Creat de", ignored}, {"Proprietar", ignored}},
                lang::unknown);
    // A trunk's code written apart ('STD'), and a number for texts, as a utility's and a county's files keep them.
    expect_read({{"Mobile STD", dial_code}, {"Phone STD", dial_code}, {"CONTACT_PHONE_NUMBER_TEXT", phone, 0, "CELL"},
                 {"CardNumber", record_id}, {"Country of Birth", ignored}, {"Country of citizenship", ignored},
                 {"Nationality", ignored}, {"Date of Birth", birthday}, {"Country of residence", country, -4},
                 {"clubs", category}, {"ZIP extension", ignored}, {"Member Number", record_id}, {"Credit Limit", count}},
                lang::unknown);
    // The contact's preferred phone and mailbox are the contact's own.
    expect_read({{"Preferred_Phone", phone, 0, "VOICE"}, {"Preferred_Email", email}, {"Phone1AsIs", phone, 1, "VOICE"},
                 {"IsPhoneValid", flag}, {"Extension number", phone, 0, "EXT"}, {"Phone Extension", phone, 0, "EXT"}},
                lang::unknown);
    // A person's name under a role the table names; words that say something keep their say.
    expect_read({{"Agency Manager First Name", given}, {"Agency Manager Last Name", family}, {"Agency Name", org},
                 {"Volunteer Coordinator Surname", family}, {"Agency Manager Name", none}, {"Card Last4", none},
                 {"Address First Name", given}, {"Address Company", org}, {"Address Zone", region, -4},
                 {"MainGuestFirstname", given}, {"MainGuestSurname", family}, {"Primary Member Last Name", family}},
                lang::unknown);
    // Names cut short, a cruise line's passenger columns, an insurer's named insured and its agency's producer.
    expect_read({{"fname", given}, {"lname", family}, {"Given", given}, {"PAX_FSTN", given}, {"PAX_MNAME", middle},
                 {"Named Insured", full}, {"Producer First Name", ignored}, {"Agency", none},
                 {"AH Phone", phone, 0, "HOME"}, {"BH Phone", phone, 0, "WORK"}},
                lang::unknown);
    // An Australian payer's 'Other name' is the name between the given and the family name.
    expect_read({{"Other name", middle}, {"Other given names", middle}}, lang::unknown);
    // Where an identity document was issued is no address of the contact's.
    expect_read({{"Country of Issue", ignored}, {"Issuing Country", ignored}}, lang::unknown);
    // A gift's fund is the giver's cause, never the giver's firm.
    expect_read({{"Fund", ignored}, {"Fund_Type", ignored}, {"Campaign", ignored}}, lang::unknown);
    // A country's code is an address part of its own, the country only where no name of it stands;
    // a dialling code or a language's code is none.
    expect_read({{"Country Code", country_code, -4}, {"Kód země", country_code, -4}, {"Kód krajiny", country_code, -4},
                 {"Kod kraju", country_code, -4}, {"Az ország hívószáma", dial_code}, {"Országkód", country_code, -4},
                 {"Ország ISO kód (pl. HU)", country_code, -4}, {"Koda države", country_code, -4},
                 {"Cod ţară", country_code, -4}, {"ISOLanguageCode", code}, {"Country", country, -4},
                 {"billing_code", postal, -6, "POSTAL"}, {"CONFIRM_IP", record_id}},
                lang::unknown);
    expect_read({{"Industry", company_fact}, {"Annual_Revenue", company_fact}, {"Branche", company_fact},
                 {"IČO", company_fact}, {"DIČ", company_fact}, {"Adószám", company_fact}, {"VAT Number", company_fact},
                 {"Number of Employees", company_fact}},
                lang::unknown);
}

TEST(VocabLanguages, TwoNamesForOneColumnAreReadOneByOne) {
    // Dolibarr's translations give a column two names set apart by '/'.
    expect_read({{"Post / Funkce", job}, {"Beosztás / Szerepkör", job}, {"Állam / Tartomány", region, -4},
                 {"Stát / Provincie", region, -4}, {"Nothing / Known", none}, {"Telefon / Fax", phone, 0, "FAX"},
                 {"Název společnosti", org}, {"Cég neve", org}},
                lang::unknown);
    // English names a field's owner after 'of': an SMS gateway's 'Name of the contact' is the contact's name.
    expect_read({{"Name of the contact", contact}, {"Name of company", org}, {"E-mail of the contact", email},
                 {"TitleOrPosition", job}, {"Xyz or Surname", family}, {"Name of the game", none}, {"Of Name", none}},
                lang::unknown);
}

TEST(VocabTypeWords, AValueNamesARecordsKind) {
    for (const std::string_view v : {"Individual", "Person", "Fyzická osoba", "Magánszemély", "Persoană fizică"}) {
        EXPECT_EQ(kind_of_record(cleaned(v)), record_kind::person) << v;
    }
    for (const std::string_view v : {"Organization", "Company", "Firma", "Právnická osoba", "Szervezet", "Tvrtka"}) {
        EXPECT_EQ(kind_of_record(cleaned(v)), record_kind::organisation) << v;
    }
    for (const std::string_view v : {"Household", "Customer", "Jan Novák", ""}) {
        EXPECT_EQ(kind_of_record(cleaned(v)), record_kind::unknown) << v;
    }
}

}  // namespace
}  // namespace rowcard

namespace rowcard {
namespace {

using enum field_role;
using lang = export_language;

TEST(VocabRegisters, AContactPersonTheRecordsNumberAndTheRecordNamedLast) {
    // A firm's contact person, whole or in parts; the parts are the card's own.
    expect_read({{"Osoba kontaktowa", contact}, {"Name der Kontaktperson", contact}, {"Ansprechpartner", contact},
                 {"Contact Person", contact}, {"Osoba kontaktowa - imię", given},
                 {"Osoba kontaktowa - nazwisko", family}},
                lang::unknown);
    // A record's number is its id, no house's; the record named after the field, or a guest's.
    expect_read({{"CONTACT_NR", record_id}, {"Kunde Nr", record_id}, {"Nr", house_number, -4},
                 {"Ime partnerja", given}, {"Priimek partnerja", family}, {"Guest Full Name", full},
                 {"Wohnungsnr", house_number, -4}, {"LINE1", street, -4}, {"ADDRESS_NAME1", ignored, 1}},
                lang::unknown);
    // Names cut short or in the plural, as accounting practices write them.
    expect_read({{"Addr Line1", street, -4}, {"Home Addr Line", street, -2, "HOME"}, {"Email Addr", email},
                 {"bill_addr1", street, -4}, {"bill_addr2", street2, -4}, {"bill_postal", postal, -4}, {"AnredeNr", none},
                 {"FirstNames", given}, {"LastNames", family}},
                lang::unknown);
    expect_read({{"Nationskennzeichen", country_code, -4}, {"Postal", postal, -4}, {"Post/Zip Code", postal, -4},
                 {"Provinz", region, -4}},
                lang::unknown);
    // A delivery's job, and two names for one column with 'or' second.
    expect_read({{"deliveryJob", job}, {"Jméno nebo firma", given}}, lang::unknown);
    // A login is no name; an occupation is the job; Lotus Notes' mailbox; a few Spanish words.
    expect_read({{"User name", ignored, 0, "LOGIN"}, {"Benutzername", ignored}, {"Beruf", job}, {"Occupation", job},
                 {"Current Title", job}, {"Zawód", job},
                 {"Internet Address", email}, {"kontakt_person", contact}, {"nombre", given}, {"apellido", family},
                 {"Razón social", full}, {"Calle", street, -4}, {"Exterior", house_number, -4},
                 {"empresa", org}, {"código país", country_code, -4}},
                lang::unknown);
}

}  // namespace
}  // namespace rowcard
