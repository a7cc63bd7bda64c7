// rowcard-prep's header vocabulary: documented export headers in nine
// languages and in machine forms, read to a role, an item number and a type;
// the places and types their words give, the roles of no contact value, and
// the values that are only a type word.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prep/layouts.hpp"
#include "prep/reading.hpp"
#include "prep/table.hpp"
#include "prep/vocabulary.hpp"
#include "made_table.hpp"
#include "read_header_cases.hpp"

namespace rowcard {
namespace {

using enum field_role;
using lang = export_language;

// ---- languages ----

TEST(VocabLanguages, EnglishGermanAndCzechOutlookAndSheets) {
    expect_read({{"First Name", given}, {"Last Name", family}, {"Title", title}, {"Job Title", job},
                 {"Company", org}, {"Business Street", street, -1, "WORK"}, {"Home City", city, -2, "HOME"},
                 {"Other Postal Code", postal, -3, "POSTAL"}, {"Business Country/Region", country, -1, "WORK"},
                 {"Mobile Phone", phone, 0, "CELL"}, {"Business Fax", phone, 0, "FAX"},
                 {"Company Main Phone", phone, 0, "WORK"}, {"Car Phone", phone, 0, "CAR"}, {"Pager", phone, 0, "PAGER"},
                 {"ISDN", phone, 0, "ISDN"}, {"E-mail Address", email}, {"E-mail 2 Address", email, 2},
                 {"E-mail Type", email_label}, {"E-mail Display Name", ignored},
                 {"Business Address PO Box", pobox, -1, "WORK"}, {"Notes", note}, {"Web Page", web},
                 {"Birthday", birthday}, {"Categories", category}, {"Nickname", nickname}, {"Private", flag},
                 {"Anniversary", date}, {"Assistant's Name", none}, {"Billing Information", none}},
                lang::english);
    expect_read({{"Anrede", prefix}, {"Titel", title}, {"Vorname", given}, {"Weitere Vornamen", middle},
                 {"Nachname", family}, {"Firma", org}, {"Abteilung", department}, {"Position", job},
                 {"Straße geschäftlich", street, -1, "WORK"}, {"Straße geschäftlich 2", street2, -1, "WORK"},
                 {"Ort privat", city, -2, "HOME"}, {"Bundesland/Kanton privat", region, -2, "HOME"},
                 {"Postleitzahl privat", postal, -2, "HOME"}, {"Land/Region geschäftlich", country, -1, "WORK"},
                 {"Weitere Straße", street, -3, "POSTAL"}, {"Telefon geschäftlich", phone, 0, "WORK"},
                 {"Mobiltelefon", phone, 0, "CELL"}, {"Autotelefon", phone, 0, "CAR"}, {"Haupttelefon", phone, 0, "VOICE"},
                 {"Fax privat", phone, 0, "FAX"}, {"Handy", phone, 0, "CELL"}, {"E-Mail-Adresse", email},
                 {"E-Mail-Typ", email_label}, {"E-Mail: Angezeigter Name", ignored}, {"E-Mail 2: Adresse", email, 2},
                 {"Geburtstag", birthday}, {"Kategorien", category}, {"Privat", flag}, {"Webseite", web},
                 {"PLZ", postal, -4}, {"Adresstyp", address_label, -4}, {"PLZ Ort", postal_city, -4}},
                lang::german);
    expect_read({{"Oslovení", prefix}, {"Titul", title}, {"Křestní jméno", given}, {"Druhé jméno", middle},
                 {"Příjmení", family}, {"Přípona", suffix}, {"Společnost", org}, {"Oddělení", department},
                 {"Funkce", job}, {"Ulice v zaměstnání", street, -1, "WORK"},
                 {"Ulice 2 v zaměstnání", street2, -1, "WORK"}, {"Město (domů)", city, -2, "HOME"},
                 {"Kraj v zaměstnání", region, -1, "WORK"}, {"PSČ (domů)", postal, -2, "HOME"},
                 {"Země nebo oblast v zaměstnání", country, -1, "WORK"}, {"Telefon do zaměstnání", phone, 0, "WORK"},
                 {"Telefon 2 do zaměstnání", phone, 2, "WORK"}, {"Mobilní telefon", phone, 0, "CELL"},
                 {"Jiný telefon", phone, 0, "VOICE"}, {"Hlavní telefon", phone, 0, "VOICE"}, {"Fax domů", phone, 0, "FAX"},
                 {"E-mailová adresa", email}, {"Typ e-mailu", email_label}, {"Zobrazované jméno e-mailu", ignored},
                 {"Narozeniny", birthday}, {"Kategorie", category}, {"Soukromé", flag}, {"Webová stránka", web},
                 {"Poznámky", note}, {"PSČ a obec", postal_city, -4}, {"Korespondenční adresa", street, -5, "POSTAL"},
                 {"Typ telefonu", phone_label}, {"Typ adresy", address_label, -4}, {"Kraj", region, -4},
                 {"Stát / Provincie", region, -4}, {"Datum poslední změny", date}, {"ID kontaktu", record_id}},
                lang::czech);
}

TEST(VocabLanguages, AnEmployerOrARegistersBodyIsTheOrganisationAndItsHeadThePerson) {
    expect_read({{"Employer", org}, {"Business Name", org}, {"Institution", org}, {"Address Line 2", street2, -4}},
                lang::english);
    expect_read({{"Arbeitgeber", org}, {"TelefonGeschaeft", phone, 0, "WORK"}, {"Ortsteil", city, -4}, {"Anschrift", street, -4}, {"Adresszeile 2", street2, -4}, {"Adresszusatz", street2, -4},
                 {"Telefonvorwahl", dial_code}, {"Kundenname", full}, {"Praxisname", org}},
                lang::german);
    expect_read({{"Zaměstnavatel", org}, {"Název školy", org}, {"LEKARNIK_PRIJMENI", family}, {"Jméno ředitele", given},
                 {"KOD_PRACOVISTE", code}, {"Kontakt v případě nouze (jméno a telefon)", ignored}},
                lang::czech);
    expect_read({{"Pracodawca", org}, {"Imię i nazwisko dyrektora", full}, {"Kod terytorialny ulica", code},
                 {"Kod pocztowy", postal, -4}},
                lang::polish);
    expect_read({{"Munkáltató", org}}, lang::hungarian);
    expect_read({{"ulična številka", house_number, -4}, {"prednaziv", prefix, 0, "TITLES"}}, lang::slovene);
    // A person answering for a firm ('Osoba za obranu', 'Odgovorna osoba') is its contact person.
    expect_read({{"Osoba za obranu", contact}, {"Odgovorna osoba", contact}}, lang::croatian);
    // French and Dutch, where no language of these is told.
    expect_read({{"Prénom", given}, {"Nom", family}, {"Courriel", email}, {"Portable", phone, 0, "CELL"},
                 {"Voornaam", given}, {"Achternaam", family}, {"Bedrijfsnaam", org}, {"Woonplaats", city, -4},
                 {"E-mailadres", email}, {"Mobiel", phone, 0, "CELL"}},
                lang::unknown);
    // Norwegian, where no language of these is told.
    expect_read({{"Navn", full}, {"E-post", email}, {"Telefon (jobb)", phone, 0, "WORK"},
                 {"Telefon (private)", phone, 0, "HOME"}, {"Phone_1_Index", code, 1}},
                lang::unknown);
}

TEST(VocabLanguages, SlovakPolishAndHungarian) {
    expect_read({{"Oslovenie", prefix}, {"Meno", given}, {"Stredné meno", middle}, {"Priezvisko", family},
                 {"Spoločnosť", org}, {"Funkcia", job}, {"Ulica (práca)", street, -1, "WORK"},
                 {"Ulica 2 (práca)", street2, -1, "WORK"}, {"Mesto (domov)", city, -2, "HOME"},
                 {"Kraj (práca)", region, -1, "WORK"}, {"Krajina (domov)", country, -2, "HOME"},
                 {"Telefón (práca)", phone, 0, "WORK"}, {"Mobilný telefón", phone, 0, "CELL"},
                 {"Iný telefón", phone, 0, "VOICE"}, {"Zobrazované meno e-mailu", ignored}, {"Súkromné", flag},
                 {"Narodeniny", birthday}, {"Titul pred menom", prefix, 0, "TITLES"}, {"Orientačné číslo", house_number, -4},
                 {"Telefón súkromný", phone, 0, "HOME"}, {"Telefón pracovný", phone, 0, "WORK"}},
                lang::slovak);
    expect_read({{"Titul před", prefix, 0, "TITLES"}, {"Titul za", suffix}, {"E-mail soukromý", email, 0, "HOME"},
                 {"E-mail pracovní", email, 0, "WORK"}, {"Webové stránky", web}, {"Komentář", note}, {"Bemerkung", note}, {"Remarks", note}},
                lang::czech);
    expect_read({{"Tytuł", title}, {"Imię", given}, {"Drugie imię", middle}, {"Nazwisko", family},
                 {"Stanowisko", job}, {"Dział", department}, {"Adres służbowy - ulica", street, -1, "WORK"},
                 {"Adres służbowy - ulica 2", street2, -1, "WORK"}, {"Adres domowy - miejscowość", city, -2, "HOME"},
                 {"Adres domowy - województwo", region, -2, "HOME"},
                 {"Adres służbowy - kod pocztowy", postal, -1, "WORK"},
                 {"Adres służbowy - kraj/region", country, -1, "WORK"}, {"Kraj", country, -4},
                 {"Telefon komórkowy", phone, 0, "CELL"}, {"Faks służbowy", phone, 0, "FAX"},
                 {"Telefon domowy", phone, 0, "HOME"}, {"Inny telefon", phone, 0, "VOICE"}, {"Adres e-mail", email},
                 {"Typ e-mail", email_label}, {"Nazwa wyświetlana e-mail", ignored}, {"Urodziny", birthday},
                 {"Prywatne", flag}, {"Notatki", note}, {"Strona internetowa", web}, {"E-mail prywatny", email, 0, "HOME"}},
                lang::polish);
    expect_read({{"Megszólítás", prefix}, {"Utónév", given}, {"További utónevek", middle}, {"Vezetéknév", family},
                 {"Utótag", suffix}, {"Cég", org}, {"Részleg", department}, {"Beosztás", job}, {"Név", full},
                 {"Munkahelyi cím utca", street, -1, "WORK"}, {"Munkahelyi cím 2. utca", street2, -1, "WORK"},
                 {"Otthoni cím város", city, -2, "HOME"}, {"Otthoni cím irányítószám", postal, -2, "HOME"},
                 {"Munkahelyi cím ország/régió", country, -1, "WORK"}, {"Munkahelyi fax", phone, 0, "FAX"},
                 {"Otthoni telefon", phone, 0, "HOME"}, {"Egyéb telefon", phone, 0, "VOICE"},
                 {"Személyhívó", phone, 0, "PAGER"}, {"Elektronikus levélcím", email},
                 {"Elektronikus levél 2 címe", email, 2}, {"Elektronikus levél típusa", email_label},
                 {"Elektronikus levél megjelenítendő neve", ignored}, {"Születésnap", birthday},
                 {"Kategóriák", category}, {"Magánjellegű", flag}, {"Jegyzetek", note},
                 {"Telefontípus", phone_label}, {"E-mail cím", email}, {"Előtag", prefix, 0, "TITLES"}},
                lang::hungarian);
}

TEST(VocabLanguages, SloveneCroatianAndRomanianExports) {
    expect_read({{"ID kontakta", record_id}, {"Vljudnostni naziv", prefix}, {"Priimek", family}, {"Ime", given},
                 {"Položaj/Funkcija", job}, {"Datum kreiranja", date}, {"Latest modification date", date},
                 {"Zasebni", flag}, {"Naslov", street, -4}, {"Poštna številka", postal, -4}, {"Mesto", city, -4},
                 {"Dežela/Provinca", region, -4}, {"Država", country, -4}, {"Koda države", country_code, -4},
                 {"Telefon", phone, 0, "VOICE"}, {"Faks", phone, 0, "FAX"}, {"E-pošta", email},
                 {"ID podjetja", record_id}, {"Ime podjetja", org}, {"Status", flag}, {"Koda kupca", none},
                 {"Kupec", flag, 0, "PARTY"}, {"Dobavitelj", flag, 0, "PARTY"}, {"Kraj", city, -4}, {"Mobilni telefon", phone, 0, "CELL"},
                 {"Telefon (služba)", phone, 0, "WORK"}, {"Ulica (doma)", street, -2, "HOME"},
                 {"Rojstni dan", birthday}, {"Spletna stran", web}, {"Opombe", note}, {"Vrsta e-pošte", email_label}},
                lang::slovene);
    expect_read({{"Id kontakta", record_id}, {"Kod uljudnosti", prefix}, {"Prezime", family}, {"Ime", given},
                 {"Radno mjesto", job}, {"Datum izrade", date}, {"Datum zadnje izmjene", date}, {"Privatno", flag},
                 {"Adresa", street, -4}, {"Poštanski broj", postal, -4}, {"Grad", city, -4},
                 {"Država/provincija", region, -4}, {"Država", country, -4}, {"Šifra države", country_code, -4},
                 {"Telefon:", phone, 0, "VOICE"}, {"Faks", phone, 0, "FAX"}, {"E-pošta", email},
                 {"ID Tvrtke", record_id}, {"Naziv tvrtke", org}, {"Stanje", flag}, {"Kod kupca", code},
                 {"Kupac", flag, 0, "PARTY"}, {"Dobavljač", flag, 0, "PARTY"}, {"Mobitel", phone, 0, "CELL"},
                 {"Telefon (posao)", phone, 0, "WORK"}, {"Kućni telefon", phone, 0, "HOME"}, {"Rođendan", birthday},
                 {"Adresa e-pošte", email}},
                lang::croatian);
    expect_read({{"Id-ul Contact", record_id}, {"Politeţe cod", prefix}, {"Nume", family}, {"Prenume", given},
                 {"Post / Funcţia", job}, {"Data creării", date}, {"Ultima modificare data", date},
                 {"Privata", flag}, {"Adresă", street, -4}, {"Cod postal", postal, -4}, {"Oraş", city, -4},
                 {"Membru / Canton", region, -4}, {"Ţară", country, -4}, {"Cod ţară", country_code, -4},
                 {"Telefon", phone, 0, "VOICE"}, {"Fax", phone, 0, "FAX"}, {"Id-ul de companie", record_id},
                 {"Denumirea companiei", org}, {"Statut", flag}, {"Cod Client", none}, {"Client", flag, 0, "PARTY"},
                 {"Furnizor", flag, 0, "PARTY"}, {"Telefon mobil", phone, 0, "CELL"}, {"Telefon serviciu", phone, 0, "WORK"},
                 {"Telefon acasă", phone, 0, "HOME"}, {"Stradă domiciliu", street, -2, "HOME"}, {"Județ", region, -4},
                 {"Zi de naștere", birthday}, {"Adresă de e-mail", email}},
                lang::romanian);
}

TEST(VocabLanguages, TheHeadersTellTheirLanguage) {
    const auto language_of = [](std::vector<std::string> header) {
        for (std::string& h : header) h = split_header(cleaned(h));
        return guess_language(header);
    };
    EXPECT_EQ(language_of({"ID kontakta", "Priimek", "Ime", "Naslov", "Poštna številka", "Mesto", "Država"}),
              lang::slovene);
    EXPECT_EQ(language_of({"Id kontakta", "Prezime", "Ime", "Adresa", "Poštanski broj", "Grad", "Država"}),
              lang::croatian);
    EXPECT_EQ(language_of({"Nume", "Prenume", "Adresă", "Cod postal", "Oraş", "Ţară"}), lang::romanian);
    EXPECT_EQ(language_of({"Meno", "Firma", "Telefón", "E-mail", "Ulica", "Mesto", "PSČ", "Krajina"}), lang::slovak);
    EXPECT_EQ(language_of({"MAILINGSTREET", "FIRSTNAME", "LASTNAME"}), lang::english);
    EXPECT_EQ(language_of({}), lang::unknown);
    // The layout reads 'Kraj' by the language the other headers tell.
    const layout_guess sl = recognise_layout({cleaned("Ime"), cleaned("Priimek"), cleaned("Naslov"), cleaned("Kraj")});
    EXPECT_EQ(sl.language, lang::slovene);
    EXPECT_EQ(sl.roles.back().what, city);
    EXPECT_EQ(sl.name, "a table with Slovene headers");
}

// ---- machine forms ----

TEST(VocabMachineForms, WordsAreSplitAtHumpsSignsDigitsAndKnownWords) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases = {
        {"MAILINGSTREET", "MAILING STREET"}, {"firstName", "FIRST NAME"}, {"first_name", "FIRST NAME"},
        {"contact.first_name", "CONTACT FIRST NAME"}, {"HomeAddress2", "HOME ADDRESS 2"},
        {"CCEmailAddress", "CC EMAIL ADDRESS"}, {"NUMBEROFEMPLOYEES", "NUMBER OF EMPLOYEES"},
        {"ISEMAILBOUNCED", "IS EMAIL BOUNCED"}, {"firstname", "FIRST NAME"}, {"Address1", "ADDRESS 1"},
        {"E-Mail-Adresse", "E MAIL ADRESSE"}, {"ISOCountryCode", "ISO COUNTRY CODE"}, {"e-mail-2", "E MAIL 2"},
        {"MASTERID", "MASTERID"}, {"Vorname", "VORNAME"}, {"Telefontípus", "TELEFON TIPUS"},
        {"Jméno", "JMENO"}, {"ADDR", "ADDR"}, {"", ""}, {" - ", ""}, {"Address10", "ADDRESS 10"}};
    for (const auto& [header, words] : cases) EXPECT_EQ(split_header(cleaned(header)), words) << header;
    // A run of up to 40 letters is split; a longer one is no header's and stays whole.
    EXPECT_EQ(split_header("BUSINESSEMAILDISPLAYNAMEMAILINGSTREETFAX"), "BUSINESS EMAIL DISPLAY NAME MAILING STREET FAX");
    EXPECT_EQ(split_header("BUSINESSEMAILDISPLAYNAMEMAILINGSTREETFAKS"), "BUSINESSEMAILDISPLAYNAMEMAILINGSTREETFAKS");
}

TEST(VocabMachineForms, SalesforceZohoCventAndMappNames) {
    expect_read({{"ACCOUNTID", record_id}, {"SALUTATION", prefix}, {"FIRSTNAME", given}, {"MIDDLENAME", middle},
                 {"LASTNAME", family}, {"TITLE", title}, {"MOBILEPHONE", phone, 0, "CELL"},
                 {"HOMEPHONE", phone, 0, "HOME"}, {"MAILINGSTREET", street, -5, "POSTAL"},
                 {"MAILINGCITY", city, -5, "POSTAL"}, {"MAILINGPOSTALCODE", postal, -5, "POSTAL"},
                 {"MAILINGCOUNTRY", country, -5, "POSTAL"}, {"BIRTHDATE", birthday}, {"ISEMAILBOUNCED", flag},
                 {"EMAILBOUNCEDREASON", flag}, {"CREATEDDATE", date}, {"LASTACTIVITYDATE", date},
                 {"BILLINGSTREET", street, -6, "POSTAL"}, {"SHIPPINGPOSTALCODE", postal, -7, "POSTAL"},
                 {"ACCOUNTNUMBER", record_id}, {"NUMBEROFEMPLOYEES", company_fact}, {"WEBSITE", web}, {"DESCRIPTION", note},
                 {"firstName", given}, {"MailingStreet", street, -5, "POSTAL"}, {"HomeAddress1", street, -2, "HOME"},
                 {"HomeAddress2", street2, -2, "HOME"}, {"BusinessZip", postal, -1, "WORK"},
                 {"CellPhone", phone, 0, "CELL"}, {"HomeEmail", email, 0, "HOME"}, {"BusinessEmail", email, 0, "WORK"},
                 {"HomeEmailDisplayName", ignored}, {"MobileDeviceEmail", email}, {"CCEmailAddress", email},
                 {"ISOCountryCode", country_code, -4}, {"LastOptOutDate", date}, {"LastOptOutBy", ignored},
                 {"ExcludedFromEmail", flag}, {"OptedIn", flag}, {"JobTitle", job}, {"SourceId", record_id},
                 {"first_name", given}, {"Mailing_Street", street, -5, "POSTAL"}, {"Other_Street", street, -3, "POSTAL"},
                 {"Email_Opt_Out", flag}, {"Date_of_Birth", birthday}, {"Asst_Phone", phone, 0, "VOICE"},
                 {"do_not_email", flag}, {"nick_name", nickname}, {"billing_code", postal, -6, "POSTAL"},
                 {"created_by_email", ignored}, {"image_URL", ignored},
                 {"external_identifier", record_id}, {"display_name", full}, {"Last_Activity_Time", date},
                 {"Unsubscribed_Time", date}, {"user.FirstName", given}, {"user.Email", email},
                 {"User.DateOfBirth", birthday}, {"user.ZipCode", postal, -4}, {"user.MobileNumber", phone, 0, "CELL"},
                 {"member.MessageCounter", count}, {"member.EmailFormat", ignored}, {"user.Title", title},
                 {"contact.first_name", given}, {"first-name", given}, {"e-mail-2", email, 2}},
                lang::english);
}

TEST(VocabMachineForms, ARecordOrTableNameBeforeTheWordsIsDropped) {
    expect_read({{"Contact First Name", given}, {"contact_email", email}, {"Person - Name", full},
                 {"Person - Email", email}, {"Person - Phone", phone, 0, "VOICE"}, {"Organization - Name", org},
                 {"Person - Note", note}, {"Contact ID", record_id}, {"Account Name", org}, {"Person - Label", none},
                 {"Lead Status", flag}, {"Kontakt Vorname", given}, {"Contact", contact}},
                lang::english);
    // The export's own name, as its caller knows it, goes the same way, but never all of a header.
    expect_read({{"Kunde Vorname", given}, {"Kunde_Telefon", phone, 0, "VOICE"}, {"Kunde", none}},
                lang::german, "Kunde");
    expect_read({{"tbl_contacts_email", email}, {"tbl_contacts_Name", full}}, lang::unknown, "tbl_contacts");
    expect_read({{"Email", email}, {"Phone", phone, 0, "VOICE"}}, lang::english, "Email");
    expect_read({{"Phone", phone, 0, "VOICE"}}, lang::english, "Phone Book");
}

// ---- places and types ----

TEST(VocabPlaces, PlacesGroupAnAddressAndTypeAPhone) {
    expect_read({{"Mailing Street", street, -5, "POSTAL"}, {"Mailing City", city, -5, "POSTAL"},
                 {"Mailing State", region, -5, "POSTAL"}, {"Mailing zip", postal, -5, "POSTAL"},
                 {"Mailing Country", country, -5, "POSTAL"}, {"Billing Address", street, -6, "POSTAL"},
                 {"Shipping Address", street, -7, "POSTAL"}, {"Home Address PO Box", pobox, -2, "HOME"},
                 {"Work Number", phone, 0, "WORK"}, {"Work Number 2", phone, 2, "WORK"}, {"Mobile 2", phone, 2, "CELL"},
                 {"Home", phone, 0, "HOME"}, {"Home 2", phone, 2, "HOME"}, {"Work", phone, 0, "WORK"},
                 {"Other", phone, 0, "VOICE"}, {"Primary", phone, 0, "VOICE"}, {"Home Fax", phone, 0, "FAX"},
                 {"Work Fax", phone, 0, "FAX"}, {"Main Phone #", phone, 0, "VOICE"}, {"Main Fax #", phone, 0, "FAX"},
                 {"Assistant's Phone", phone, 0, "VOICE"}, {"Primary Email", email}, {"Secondary email", email},
                 {"ZIP/City", postal_city, -4}, {"ZIP/Postal", postal, -4}, {"Street", street, -4}, {"Home Address", street, -2, "HOME"},
                 {"Ship City", city, -7, "POSTAL"}, {"shipaddr2", street2, -7, "POSTAL"}, {"eveningPhone", phone, 0, "HOME"},
                 {"daytimePhone", phone, 0, "VOICE"}, {"Privates Telefon", phone, 0, "HOME"}, {"Landline", phone, 0, "VOICE"}},
                lang::english);
}

// ---- items numbered ----

TEST(VocabNumbers, NumbersNumberTheItemOrTheStreetLine) {
    expect_read({{"E-mail 1 - Value", email, 1}, {"Telefon (2)", phone, 2, "VOICE"}, {"Strasse (27)", street, -4}, {"Strasse (5)", street, -4},
                 {"Hausnummer (5)", house_number, -4}, {"Ort (30)", city, -4}, {"E-mail 1 - Label", email_label, 1}, {"E-mail 3 Address", email, 3},
                 {"E-mail 2 - Type", email_label, 2}, {"Phone 2 - Value", phone, 2, "VOICE"},
                 {"Phone 1 - Type", phone_label, 1}, {"Phone 1 - Label", phone_label, 1}, {"Phone 2", phone, 2, "VOICE"},
                 {"Address 2 - City", city, 2}, {"Address 1 - Street", street, 1},
                 {"Address 2 - Extended Address", street2, 2}, {"Address 1 - Type", address_label, 1},
                 {"Address 1 - Formatted", formatted, 1}, {"Address 1 - PO Box", pobox, 1},
                 {"Address 1 - Postal Code", postal, 1}, {"Address 2", street2, -4}, {"Street 2", street2, -4},
                 {"Address Line 2", street2, -4}, {"Address 1", street, -4}, {"Home Address 2", street2, -2, "HOME"},
                 {"Home Street 3", street2, -2, "HOME"}, {"Alternate Email 2", email, 2}, {"Website 1 - Value", web, 1},
                 {"Website 1 - Label", none}, {"Organization 1 - Title", job, 1}, {"Custom Phone 0", phone, 0, "VOICE"},
                 {"Phone 123", phone, 0, "VOICE"}, {"Custom Number 0", none}, {"Phone number", phone, 0, "VOICE"},
                 {"Phone 10 - Value", phone, 10, "VOICE"}, {"2nd Email", email, 2}, {"2nd Street", street2, -4},
                 {"Custom 2 City", city, -4}, {"Address 0 - City", city, -4}},
                lang::english);
}

// ---- roles that are no contact value ----

TEST(VocabNoContactValue, FlagsDatesIdsCountsAndCategories) {
    expect_read({{"Email Opt Out", flag}, {"Is Email Bounced", flag}, {"Do Not Call", flag}, {"DONOTCALL", flag},
                 {"Unsubscribed", flag}, {"Email Address Status", flag}, {"Created Date", date},
                 {"Last Activity", date}, {"Modified time", date}, {"Date Joined", date}, {"Connected On", date},
                 {"Record ID", record_id}, {"Member ID", record_id}, {"Row Id", record_id},
                 {"Government ID Number", record_id}, {"Number of Employees", company_fact}, {"Labels", category},
                 {"Group Membership", category}, {"Tags", category}, {"Distribution Lists", category},
                 {"Birth Year", birth_year}, {"Birth Month", birth_month}, {"Birth Day", birth_day},
                 {"Date of birth", birthday}, {"Phonetic First Name", ignored}, {"Given Name Yomi", ignored},
                 {"Skype ID", ignored}, {"Messenger ID", ignored}, {"Diver Grade", ignored}, {"Modified by Email Address", ignored},
                 {"Screen Name", ignored}, {"Photo", ignored}, {"", none}, {"Custom 1", none}},
                lang::english);
}

TEST(VocabNoContactValue, WhereTheOldPrefixRuleWentWrong) {
    // A word starting 'MAIL' made every one of these an e-mail.
    expect_read({{"Mailing Street", street, -5, "POSTAL"}, {"MailingCity", city, -5, "POSTAL"},
                 {"MAILINGSTATE", region, -5, "POSTAL"}, {"Email Opt Out", flag}, {"EMAILBOUNCEDREASON", flag},
                 {"Mail", email}, {"MailCity", city, -5, "POSTAL"}, {"MailState", region, -5, "POSTAL"},
                 {"MailZip", postal, -5, "POSTAL"}, {"MAILADD1", street, -5, "POSTAL"}, {"MAILADD2", street2, -5, "POSTAL"},
                 {"PO_NAME", city, -4}},
                lang::english);
    // A 'MailAddress' of streets is the letter's address; of mailboxes, the e-mail.
    const contact_table t = made("Owner_ID;NameofOwner;MailAddress;MailCity;MailZip\n1;Lone Star LLC;2100 Ross Ave Ste 3300;Dallas;75201\n"
                                 "2;Gulf Coast Inc.;PO Box 2418;Corpus Christi;78403\n");
    EXPECT_TRUE(has_line(t.table, "Lone Star LLC;Lone Star LLC;POSTAL;2100 Ross Ave Ste 3300;Dallas;75201;1")) << t.table;
    const contact_table mail = made("Name;Mail Address\nJan Kos;jan@k.cz\n");
    EXPECT_TRUE(has_line(mail.table, "Jan Kos;Jan;Kos;jan@k.cz")) << mail.table;
}

// ---- type words of values ----

TEST(VocabTypeWords, AValueThatIsOnlyATypeWordGivesItsType) {
    const std::vector<std::pair<std::string_view, std::string_view>> cases = {
        {"Mobile", "CELL"}, {"mobil", "CELL"}, {"Mobilní", "CELL"}, {"domů", "HOME"}, {"Home", "HOME"},
        {"Práce", "WORK"}, {"Work Fax", "FAX"}, {"Otthoni", "HOME"}, {"Munkahelyi", "WORK"}, {"Privat", "HOME"},
        {"Geschäftlich", "WORK"}, {"Other", "VOICE"}, {"Main", "VOICE"}, {"Fax", "FAX"}, {"Pager", "PAGER"},
        {"* Mobile", "CELL"}, {"Mobile Phone", "CELL"}, {"Telefon komórkowy", "CELL"}, {"Służbowy", "WORK"},
        {"Domowy", "HOME"}, {"Doma", "HOME"}, {"Služba", "WORK"}, {"Posao", "WORK"}, {"Kućni", "HOME"},
        {"Serviciu", "WORK"}, {"Acasă", "HOME"}, {"Mobitel", "CELL"}, {"Inny", "VOICE"}, {"Egyéb", "VOICE"},
        {"Home Work", "WORK"}, {"Car", "CAR"}, {"ISDN", "ISDN"}, {"Work Mobile Phone", "CELL"},
        // Anything else is no type word.
        {"+420 777 123 456", ""}, {"Jan Novák", ""}, {"Brno", ""}, {"Firma", ""}, {"Company", ""}, {"Dom", ""},
        {"Phone", ""}, {"Home 2", ""}, {"", ""}, {"Mobile Home Work Fax", ""}, {"Praha 1", ""}, {"Home office x", ""},
        {"Ing.", ""}, {"Mailing", ""}};
    for (const auto& [value, type] : cases) EXPECT_EQ(item_type_word(cleaned(value)), type) << value;
}

TEST(VocabTypeWords, ALabelDefaultsToVoiceOrPostal) {
    EXPECT_EQ(type_from_label(cleaned("Work Fax"), false), "FAX");
    EXPECT_EQ(type_from_label(cleaned("Mobilní telefon"), false), "CELL");
    EXPECT_EQ(type_from_label(cleaned("Geschäftlich"), false), "WORK");
    EXPECT_EQ(type_from_label(cleaned("Firma"), false), "WORK");
    EXPECT_EQ(type_from_label(cleaned("Something"), false), "VOICE");
    EXPECT_EQ(type_from_label(cleaned(""), false), "VOICE");
    EXPECT_EQ(type_from_label(cleaned("Home"), true), "HOME");
    EXPECT_EQ(type_from_label(cleaned("Work Fax"), true), "WORK");
    EXPECT_EQ(type_from_label(cleaned("Other"), true), "POSTAL");
    EXPECT_EQ(type_from_label(cleaned(""), true), "POSTAL");
}

TEST(VocabLayouts, YahooTitleIsTheJobAndOutlooksIsLeftToItsValues) {
    const layout_guess yahoo = recognise_layout({"First", "Last", "Title", "Home"});
    EXPECT_EQ(yahoo.name, "Yahoo");
    EXPECT_EQ(yahoo.roles[2].what, job);
    EXPECT_EQ(yahoo.roles[3].what, phone);
    const layout_guess plain = recognise_layout({"Title", "First Name", "Last Name", "Mailing Street"});
    EXPECT_EQ(plain.roles[0].what, title);
    EXPECT_EQ(plain.roles[3].what, street);
}

TEST(VocabLayouts, ACrmIsNoGoogleOrOutlookExport) {
    // Pipedrive's 'Organization - Name', and Cvent's places run into its words.
    EXPECT_EQ(recognise_layout({"Person - Name", "Person - Email", "Organization - Name"}).name,
              "a table with English headers");
    std::vector<std::string> cvent;
    for (const std::string_view place : {"Home", "Work"}) {
        for (const std::string_view part : {"Address1", "Address2", "City", "State", "PostalCode", "Country"}) {
            cvent.push_back(std::string(place) + std::string(part));
        }
    }
    cvent.insert(cvent.end(), {"FirstName", "LastName", "EmailAddress", "Company", "Title", "Salutation", "Nickname",
                               "MiddleName"});
    const layout_guess guess = recognise_layout(cvent);
    EXPECT_EQ(guess.name, "a table with English headers");
    EXPECT_EQ(guess.roles[1].what, street2);
    EXPECT_EQ(guess.roles[6].group, -1);
}

TEST(VocabLayouts, ACrmExportKeepsItsMailingAddressAndLeavesItsFlagsAsTheyAre) {
    export_reading utf8;
    utf8.encoding = export_encoding::utf8;
    const contact_table t = make_contact_table(
        read_export("FIRSTNAME,LASTNAME,EMAIL,EMAILOPTOUT,MAILINGSTREET,MAILINGCITY,MAILINGCOUNTRY,PHONE\n"
                    "Jan,Kos,j@x.cz,false,Dlouh\xC3\xA1 5,Brno,CZ,+420 1\n",
                    utf8),
        ';');
    // The old rule made the opt-out and every mailing part an e-mail of its own.
    EXPECT_EQ(t.table,
              "FN;GIVEN;FAMILY;TEL1;TEL1 TYPE;EMAIL1;ADR1 TYPE;ADR1 STREET;ADR1 CITY;ADR1 COUNTRY;EMAILOPTOUT\n"
              "Jan Kos;Jan;Kos;+420 1;VOICE;j@x.cz;POSTAL;Dlouh\xE1 5;Brno;CZ;false\n");
}

}  // namespace
}  // namespace rowcard
