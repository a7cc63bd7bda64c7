// The header vocabulary of rowcard-prep as data: the words exports write in
// English, German, Czech, Slovak, Polish, Hungarian, Slovene, Croatian and
// Romanian headers (the commonest western ones are in vocabulary_west.hpp),
// and what each phrase says.
#include <array>

#include "prep/vocabulary.hpp"
#include "prep/vocabulary_marks.hpp"
#include "prep/vocabulary_table.hpp"
#include "prep/vocabulary_west.hpp"

namespace rowcard {
namespace {

using enum field_role;

// The address group of each place; NO_PLACE_GROUP, an address of no place, is the reader's.
constexpr int WORK_PLACE = -1;
constexpr int HOME_PLACE = -2;
constexpr int OTHER_PLACE = -3;
constexpr int MAILING_PLACE = MAILING_GROUP;
constexpr int BILLING_PLACE = -6;
constexpr int SHIPPING_PLACE = -7;

constexpr unsigned only(export_language language) { return 1U << static_cast<unsigned>(language); }

// Returns an entry of each sort, to keep the table one line per meaning.
constexpr phrase_meaning place(std::string_view w, std::string_view type, int group, bool value_word = true) {
    return {w, says::place, none, type, group, 0, value_word};
}
constexpr phrase_meaning kind(std::string_view w, std::string_view type, bool phone = true) {
    return {w, says::kind, phone ? field_role::phone : none, type, 0, 0, true};
}

constexpr phrase_meaning PHRASES[] = {
    // Names, organisation and notes: the whole header says it.
    whole("FIRST NAME", given), whole("FIRST", given), whole("GIVEN NAME", given), whole("FIRST NAMES", given),
    whole("VORNAME", given), whole("JMENO", given), whole("KRESTNI JMENO", given), whole("JMENO KREST", given),
    whole("MENO", given), whole("POBOCKA", org), whole("POBOCKA NAZEV", org), whole("NAZEV POBOCKY", org),
    whole("KRSTNE MENO", given), whole("IMIE", given), whole("UTONEV", given), whole("KERESZTNEV", given),
    whole("IME", given), whole("PRENUME", given), whole("PRENUMELE", given),
    whole("FORENAME", given), whole("FORENAMES", given), whole("CARD NAME", full), whole("NAME ON CARD", full),
    whole("CARDHOLDER NAME", full), whole("CARD HOLDER NAME", full), whole("CARDHOLDER", full),
    whole("MIDDLE NAME", middle), whole("MIDDLE", middle), whole("ADDITIONAL NAME", middle), whole("OTHER NAME", middle),
    whole("OTHER NAMES", middle), whole("OTHER GIVEN NAMES", middle), whole("WEITERE VORNAMEN", middle), whole("DRUHE JMENO", middle),
    whole("DRUHE MENO", middle), whole("STREDNE MENO", middle), whole("DRUGIE IMIE", middle), whole("TOVABBI UTONEVEK", middle), whole("SREDNJE IME", middle), whole("AL DOILEA NUME", middle),
    whole("LAST NAME", family), whole("LAST NAMES", family), whole("N NAME", family), whole("V NAME", given), whole("LAST", family), whole("FAMILY NAME", family), whole("SURNAME", family),
    whole("NACHNAME", family), whole("FAMILIENNAME", family), whole("RUFNAME", given), whole("MAIN CONTACT NAME", contact), whole("MAIN CONTACT", contact), whole("ALLE VORNAMEN", ignored), whole("PRIJMENI", family), whole("PRIEZVISKO", family),
    whole("NAZWISKO", family), whole("VEZETEKNEV", family), whole("CSALADNEV", family), whole("PRIIMEK", family),
    whole("PREZIME", family), whole("NUME", family), whole("NUMELE", family), whole("NUME DE FAMILIE", family),
    whole("TITLE", title), whole("TITEL", title), whole("TITUL", title), whole("TYTUL", title),
    whole("TITULA", title), whole("NAZIV", title), whole("TITLU", title), whole("TITULUS", title),
    whole("NAME PREFIX", prefix), whole("PREFIX", prefix), whole("SALUTATION", prefix), whole("ANREDE", prefix),
    whole("OSLOVENI", prefix), whole("OSLOVENIE", prefix), whole("MEGSZOLITAS", prefix), whole("ZWROT", prefix),
    whole("TITUL PRED JMENEM", prefix, TITLES), whole("TITUL PRED MENOM", prefix, TITLES), whole("VLJUDNOSTNI NAZIV", prefix),
    whole("NAGOVOR", prefix), whole("KOD ULJUDNOSTI", prefix), whole("POLITETE COD", prefix),
    whole("CIVILITY", prefix), whole("COURTESY TITLE", prefix), whole("TITLE BEFORE NAME", prefix, TITLES),
    whole("TITLE BEFORE", prefix, TITLES), whole("TITLE AFTER NAME", suffix), whole("TITLE AFTER FIRST NAME", suffix),
    whole("TITLE AFTER", suffix), whole("REGISTERED NAME", org), whole("LEGAL NAME", org),
    whole("SUFFIX", suffix), whole("NAME SUFFIX", suffix), whole("PRIPONA", suffix), whole("SUFIKS", suffix),
    whole("SUFIX", suffix), whole("UTOTAG", suffix), whole("TITUL ZA JMENEM", suffix),
    whole("TITUL ZA MENOM", suffix), whole("TITUL PRED", prefix, TITLES), whole("TITUL ZA", suffix), whole("ELOTAG", prefix, TITLES),
    whole("NAME", full), whole("DISPLAY NAME", full), whole("FULL NAME", full), whole("NEV", full), whole("NEVE", full),
    whole("TELJES NEV", full), whole("CELE JMENO", full), whole("JMENO A PRIJMENI", full),
    whole("MENO A PRIEZVISKO", full), whole("CELE MENO", full), whole("IMIE I NAZWISKO", full),
    whole("POLNO IME", full), whole("IME IN PRIIMEK", full), whole("PUNO IME", full), whole("IME I PREZIME", full),
    whole("NUME COMPLET", full), whole("NUME SI PRENUME", full, FAMILY_FIRST), whole("VOLLSTANDIGER NAME", full),
    whole("NAME AND SURNAME", full), whole("FIRST AND LAST NAME", full), whole("ADRESAT", full),
    // Names written family name first, as the header's own order says ('Nazwisko i imię': "Nowak Anna").
    whole("NAZWISKO I IMIE", full, FAMILY_FIRST), whole("PRIJMENI A JMENO", full, FAMILY_FIRST), whole("PRIEZVISKO A MENO", full, FAMILY_FIRST),
    whole("NAME VORNAME", full, FAMILY_FIRST), whole("NACHNAME VORNAME", full, FAMILY_FIRST), whole("PREZIME I IME", full, FAMILY_FIRST),
    whole("LAST FIRST NAME", full, FAMILY_FIRST), whole("LAST NAME FIRST NAME", full, FAMILY_FIRST), whole("SURNAME AND FIRST NAME", full, FAMILY_FIRST),
    whole("SURNAME FIRST NAME", full, FAMILY_FIRST), whole("SURNAME FORENAME", full, FAMILY_FIRST), whole("PRIIMEK IN IME", full, FAMILY_FIRST),
    whole("ADDRESSEE", full, ADDRESSED), whole("RECIPIENT", full), whole("RECEIVER", full), whole("RECEIVER NAME", full), whole("TO NAME", full),
    whole("CONSIGNEE", full), whole("CONSIGNEE NAME", full), whole("POINT OF CONTACT", contact), whole("IMIONA", given), whole("PC", postal), whole("RECIPIENT NAME", full), whole("EMPFANGER", full),
    whole("ODBIORCA", full), whole("PRIJEMCE", full), whole("PRIJEMCA", full), whole("CIMZETT", full),
    whole("DESTINATAR", full), whole("NASLOVNIK", full), whole("PREJEMNIK", full),
    whole("COMPANY", org), whole("COMPANY NAME", org), whole("ACCOUNT NAME", org), whole("LOCATION NAME", org), whole("SITE NAME", org), whole("ORGANIZATION", org),
    whole("ORGANISATION", org), whole("ORGANIZATION NAME", org), whole("FIRMA", org), whole("SPOLECNOST", org),
    whole("SPOLOCNOST", org), whole("CEG", org), whole("CEGNEV", org), whole("ORGANIZACE", org),
    whole("ORGANIZACIA", org), whole("ORGANIZACJA", org), whole("NAZWA FIRMY", org), whole("UNTERNEHMEN", org),
    whole("FIRMENNAME", org), whole("NAZEV FIRMY", org), whole("PODJETJE", org), whole("IME PODJETJA", org),
    whole("ORGANIZACIJA", org), whole("TVRTKA", org), whole("NAZIV TVRTKE", org), whole("PODUZECE", org),
    whole("COMPANIE", org), whole("DENUMIREA COMPANIEI", org), whole("ORGANIZATIE", org),
    whole("SOCIETATE", org), whole("NAZEV SPOLECNOSTI", org), whole("NAZOV SPOLOCNOSTI", org),
    whole("CEG NEVE", org), whole("NAZIV PODJETJA", org), whole("NAZWA ORGANIZACJI", org),
    whole("SOCIETY", org), whole("FIRM", org), whole("FIRM NAME", org), whole("SOCIETE", org), whole("NAZOV FIRMY", org), whole("NAZIV FIRME", org),
    // The name of the school or pharmacy a register lists.
    whole("NAZEV SKOLY", org), whole("NAZOV SKOLY", org), whole("NAZWA SZKOLY", org), whole("SCHOOL NAME", org),
    whole("SCHULNAME", org), whole("NAME DER SCHULE", org), whole("ISKOLA NEVE", org), whole("NAZIV SKOLE", org),
    whole("IME SOLE", org), whole("DENUMIRE SCOALA", org), whole("NAZEV LEKARNY", org), whole("NAZWA APTEKI", org),
    // Where one works: the employer is the card's organisation.
    whole("EMPLOYER", org), whole("EMPLOYER NAME", org), whole("BUSINESS NAME", org), whole("AGENCY NAME", org), whole("ARBEITGEBER", org),
    whole("ZAMESTNAVATEL", org), whole("PRACODAWCA", org), whole("MUNKALTATO", org), whole("MUNKAHELY", org),
    whole("DELODAJALEC", org), whole("POSLODAVAC", org), whole("ANGAJATOR", org), whole("INSTITUTION", org),
    whole("DENUMIRE", full), whole("DEN", full), whole("NAZWA", full), whole("PRAXISNAME", org), whole("PRAXIS", org), whole("NAZWA WYSWIETLANA", full),
    whole("CONTACT PERSON", contact), role("OSOBA", contact), whole("KONTAKTNI OSOBA", contact), whole("KONTAKTNA OSOBA", contact),
    whole("OSOBA KONTAKTOWA", contact), whole("ANSPRECHPARTNER", contact), whole("KAPCSOLATTARTO", contact),
    whole("KONTAKTNA OSEBA", contact), whole("KONTAKT OSOBA", contact), whole("PERSOANA DE CONTACT", contact),
    whole("KONTAKTPERSON", contact), whole("NAME DER KONTAKTPERSON", contact), whole("CONTACT NAME", contact),
    whole("ADDRESS CONTACT", contact), whole("SITE CONTACT", contact), whole("NAME DES ANSPRECHPARTNERS", contact),
    whole("KONTAKT PERSON", contact), whole("ATTENTION", contact), whole("ATTENTION LINE", contact), whole("ATTENTION TO", contact), whole("ATTN TO", contact), whole("FOR THE ATTENTION OF", contact), role("ATTENTION OF", ignored), whole("FAO", contact), whole("CONTACT", contact), whole("ATTN", contact), whole("ZU HANDEN", contact), whole("Z HD", contact),
    whole("DEPARTMENT", department), whole("ORGANIZATION DEPARTMENT", department), whole("ABTEILUNG", department),
    whole("ODDELENI", department), whole("ODDELENIE", department), whole("DZIAL", department),
    whole("RESZLEG", department), whole("OSZTALY", department), whole("ODDELEK", department), whole("ODJEL", department), whole("DEPARTAMENT", department),
    whole("JOB TITLE", job), whole("ORGANIZATION TITLE", job), whole("POSITION", job), whole("FUNKCE", job),
    whole("FUNKCIA", job), whole("STANOWISKO", job), whole("BEOSZTAS", job), whole("POZICE", job),
    whole("POZICIA", job), whole("JOBTITEL", job), whole("BERUFSBEZEICHNUNG", job), whole("PRACOVNI POZICE", job),
    whole("FUNKCIJA", job), whole("POLOZAJ", job), whole("POLOZAJ FUNKCIJA", job), whole("DELOVNO MESTO", job),
    whole("RADNO MJESTO", job), whole("FUNCTIA", job), whole("FUNCTIE", job), whole("POST FUNCTIA", job),
    whole("SZEREPKOR", job), whole("MUNKAKOR", job), whole("JOB", job), whole("FUNCTION", job),
    role("POSITION", job), role("JOB TITLE", job), role("JOB POSITION", job), role("PRACOVNEJ POZICIE", job), role("PRACOVNI POZICE", job), whole("STELLUNG", job), whole("PRACOVNI ZARAZENI", job),
    whole("BERUF", job), whole("POVOLANI", job), whole("POVOLANIE", job), whole("ZAWOD", job), whole("FOGLALKOZAS", job),
    whole("POKLIC", job), whole("ZANIMANJE", job), whole("PROFESIE", job), whole("OCUPATIE", job), whole("CARGO", job),
    whole("PROFESSION", job), whole("OCCUPATION", job), whole("CURRENT TITLE", job), whole("PUESTO", job),
    whole("NOTES", note), whole("NOTE", note), whole("NOTIZEN", note), whole("NOTIZ", note), whole("POZNAMKY", note),
    whole("POZNAMKA", note), whole("NOTATKI", note), whole("UWAGI", note), whole("JEGYZETEK", note),
    whole("MEGJEGYZES", note), whole("COMMENTS", note), whole("DESCRIPTION", note), whole("OPOMBE", note),
    whole("OPOMBA", note), whole("BILJESKE", note), whole("NAPOMENA", note), whole("NOTITE", note),
    whole("OBSERVATII", note), whole("BEMERKUNG", note), whole("BEMERKUNGEN", note),
    whole("ANMERKUNG", note), whole("ANMERKUNGEN", note), whole("KOMMENTAR", note), whole("COMMENT", note), whole("REMARK", note),
    whole("REMARKS", note), whole("MEMO", note), whole("KOMENTAR", note), whole("KOMENTARZ", note), whole("UWAGA", note),
    whole("MEGJEGYZESEK", note), whole("NAPOMENE", note), whole("MENTIUNI", note),
    // Whole headers of no contact value, and a bare place or type that is a phone.
    whole("PRIVATE", flag), whole("PRIVAT", flag), whole("SOUKROME", flag), whole("SUKROMNE", flag),
    whole("PRYWATNE", flag), whole("MAGANJELLEGU", flag), whole("ZASEBNI", flag), whole("PRIVATNO", flag),
    whole("PRIVATA", flag), whole("ACTIVE", flag), whole("CUSTOMER", flag, PARTY), whole("SUPPLIER", flag, PARTY),
    whole("KUPEC", flag, PARTY), whole("DOBAVITELJ", flag, PARTY), whole("KUPAC", flag, PARTY), whole("DOBAVLJAC", flag, PARTY),
    whole("CLIENT", flag, PARTY), whole("FURNIZOR", flag, PARTY), whole("ACCOUNT NUMBER", record_id), whole("MEMBER NUMBER", record_id), whole("MEMBERSHIP NUMBER", record_id),
    whole("HOME", phone, "HOME"), whole("WORK", phone, "WORK"), whole("OTHER", phone, "VOICE"), whole("PRIMARY", phone, "VOICE"),
    // Roles wherever the words stand.
    role("PHONETIC", ignored), role("YOMI", ignored), role("GRADE", ignored),  // a diver's or pupil's grade
    // A login is no one's name.
    whole("EMAIL ID", email), whole("USER NAME", ignored, "LOGIN"), whole("USERNAME", ignored, "LOGIN"), whole("LOGIN", ignored, "LOGIN"), whole("BENUTZERNAME", ignored),
    whole("UZIVATELSKE JMENO", ignored), whole("NAZWA UZYTKOWNIKA", ignored), whole("FELHASZNALONEV", ignored),
    // Names kept for sorting, searching or a letter's opening, not the contact's own.
    role("SORT NAME", ignored), role("SEARCH NAME", ignored), role("SHORT NAME", ignored), role("SUCHNAME", ignored),
    role("KURZNAME", ignored), role("MATCHCODE", ignored), role("BRIEFANREDE", ignored),
    role("LETTER SALUTATION", ignored), role("SKRATENY NAZOV", ignored), role("ZKRACENY NAZEV", ignored), role("NAZWA SKROCONA", ignored),
    role("TAX", company_fact), role("SALES TAX", count), role("ITEM TAX", count), role("SHIPPING TAX", count),
    role("TAX AMOUNT", count), role("STEUER", company_fact), role("STEUERNUMMER", company_fact),
    // A gift's fund and campaign (a church's 'General Fund') are no firm of the giver's.
    whole("FUND", ignored), whole("FUND TYPE", ignored), whole("CAMPAIGN", ignored), whole("APPEAL", ignored),
    // An order's sum ('Összeg' 12490) is no postal code.
    role("AMOUNT", count), role("BETRAG", count), role("CASTKA", count), role("SUMA", count), role("KWOTA", count),
    role("OSSZEG", count), role("IZNOS", count), role("ZNESEK", count), role("TOTAL", count), role("PRICE", count), role("LIMIT", count),
    role("UST ID", company_fact), role("COD FISCAL", company_fact), role("CIF", company_fact),
    role("REG COM", company_fact), role("IBAN", record_id), role("TRR", record_id), role("BANK ACCOUNT", record_id), role("CISLO UCTU", record_id), role("KONTONUMMER", record_id),
    // An extension alone is a desk's line in the firm's phone system; beside a number ('Phone Extension') it is part of that one.
    whole("EXTENSION", phone, "EXT"), whole("EXTENSION NUMBER", phone, "EXT"), role("EXTENSION", phone, 0, "EXT"), role("INNER", ignored), role("DURCHWAHL", phone, 0, "EXT"), role("KLAPKA", phone, 0, "EXT"),
    role("BIRTHDAY", birthday), role("BIRTHDATE", birthday), role("BIRTH DATE", birthday),
    role("DATE OF BIRTH", birthday), role("DOB", birthday), role("GEBURTSTAG", birthday),
    role("GEBURTSDATUM", birthday), role("NAROZENINY", birthday), role("DATUM NAROZENI", birthday),
    role("NARODENINY", birthday), role("DATUM NARODENIA", birthday), role("URODZINY", birthday),
    role("DATA URODZENIA", birthday), role("SZULETESNAP", birthday), role("SZULETESI DATUM", birthday),
    role("ROJSTNI DAN", birthday), role("DATUM ROJSTVA", birthday), role("RODENDAN", birthday),
    role("DATUM RODENJA", birthday), role("ZI DE NASTERE", birthday), role("DATA NASTERII", birthday), role("ZIUA DE NASTERE", birthday),
    role("BIRTH YEAR", birth_year), role("BIRTH MONTH", birth_month), role("BIRTH DAY", birth_day),
    role("DATE", date), role("TIME", date), role("DATUM", date), role("DATA", date), role("CREATED", date),
    role("CREATION", date), role("MODIFIED", date), role("UPDATED", date), role("LAST ACTIVITY", date),
    role("ANNIVERSARY", date), role("JAHRESTAG", date), role("VYROCI", date), role("CONNECTED ON", date),
    role("ID", record_id), role("IDENTIFIER", record_id), role("PK", record_id), role("UID", record_id),
    role("UUID", record_id), role("GUID", record_id), role("NHS", record_id), role("CARD NUMBER", record_id),
    // A person's national number: no number to call ('680412/1187').
    role("RODNE CISLO", record_id), role("PESEL", record_id), role("CNP", record_id), role("EMSO", record_id),
    role("SSN", record_id), role("SOCIAL SECURITY", record_id), role("NATIONAL ID", record_id),
    role("SZEMELYI AZONOSITO", record_id), role("SVNR", record_id), role("SOZIALVERSICHERUNGSNUMMER", record_id),
    role("OPT OUT", flag), role("OPTOUT", flag), role("OPTED IN", flag), role("OPT IN", flag),
    role("BOUNCED", flag), role("DO NOT", flag), role("DO NOT CALL", flag), role("UNSUBSCRIBED", flag),
    role("UNSUBSCRIBE", flag), role("EXCLUDED", flag), role("IS", flag), role("STATUS", flag), role("STANJE", flag), role("STATUT", flag), role("CHECKBOX", flag),
    role("NUMBER OF", count), role("COUNT", count), role("COUNTER", count), role("LICZBA", count), role("POCET", count), role("ANZAHL", count), role("STEVILO", count),
    // Codes of a language, a currency or a telephone country: no place's name.
    role("ISO", code), role("LANGUAGE CODE", code), role("CURRENCY CODE", code), role("KOD", code), role("INDEX", code),
    whole("AREA CODE", dial_code, "AREA"), role("STD", dial_code), role("CALLING CODE", dial_code), role("DIAL CODE", dial_code), role("PHONE CODE", dial_code), role("PHONE COUNTRY CODE", dial_code), role("MOBILE COUNTRY CODE", dial_code),
    role("LANDESKENNZAHL", dial_code), role("VORWAHL", dial_code), role("HIVOSZAM", dial_code),
    role("HIVOSZAMA", dial_code), role("PREDVOLBA", dial_code), role("KIERUNKOWY", dial_code), role("IP", record_id), role("IP ADDRESS", record_id),
    // A country as its code: the country where no name of it stands beside.
    role("COUNTRY CODE", country_code), role("ISO COUNTRY CODE", country_code), role("COUNTRY CODE ISO", country_code), role("ISO COUNTRY", country_code),
    role("COUNTRY ISO", country_code), role("LANDERCODE", country_code), role("ISO LANDERCODE", country_code), role("LANDERKENNZEICHEN", country_code),
    role("NATIONSKENNZEICHEN", country_code), role("LANDESKENNZEICHEN", country_code),
    role("KOD ZEME", country_code), role("KOD STATU", country_code), role("KOD KRAJINY", country_code),
    role("KOD KRAJU", country_code), role("ORSZAGKOD", country_code), role("ORSZAG KOD", country_code),
    role("ORSZAG ISO KOD", country_code), role("KODA DRZAVE", country_code), role("OZNAKA DRZAVE", country_code),
    role("KOD DRZAVE", country_code), role("SIFRA DRZAVE", country_code), role("COD TARA", country_code),
    role("CODUL TARII", country_code), role("COD TARII", country_code), role("COUNTRY ID", country_code),
    // What only a company has: a table with these is one of companies.
    role("INDUSTRY", company_fact), role("ANNUAL REVENUE", company_fact), role("REVENUE", company_fact),
    role("EMPLOYEES", company_fact), role("TICKER", company_fact), role("TICKER SYMBOL", company_fact),
    role("SIC", company_fact), role("OWNERSHIP", company_fact), role("BRANCHE", company_fact),
    role("UMSATZ", company_fact), role("MITARBEITER", company_fact), role("OBOR", company_fact),
    role("ODVETVI", company_fact), role("ODVETVIE", company_fact), role("OBRAT", company_fact),
    role("BRANZA", company_fact), role("PRZYCHOD", company_fact), role("IPARAG", company_fact),
    role("ARBEVETEL", company_fact), role("DEJAVNOST", company_fact), role("DJELATNOST", company_fact),
    role("INDUSTRIE", company_fact), role("CIFRA DE AFACERI", company_fact), role("VAT", company_fact),
    role("VAT NUMBER", company_fact), role("TAX ID", company_fact), role("USTID", company_fact),
    role("ICO", company_fact), role("DIC", company_fact), role("ADOSZAM", company_fact), role("NIP", company_fact),
    role("REGON", company_fact), role("OIB", company_fact), role("CUI", company_fact),
    role("CATEGORY", category), role("CATEGORIES", category), role("KATEGORIE", category),
    role("KATEGORIEN", category), role("KATEGORIA", category), role("KATEGORIAK", category),
    role("KATEGORIJA", category), role("KATEGORIJE", category), role("CATEGORIE", category),
    role("CATEGORII", category), role("GROUP", category), role("GROUPS", category), whole("CLUBS", category), role("LABELS", category),
    role("TAGS", category), role("SKUPINY", category), role("GRUPPEN", category), role("GRUPY", category),
    role("CSOPORTOK", category), role("SKUPINE", category), role("GRUPE", category), role("GRUPURI", category), role("DISTRIBUTION LISTS", category),
    role("NICKNAME", nickname), role("NICK NAME", nickname), role("PREZDIVKA", nickname),
    role("PREZYVKA", nickname), role("PSEUDONIM", nickname), role("BECENEV", nickname),
    role("SPITZNAME", nickname), role("VZDEVEK", nickname), role("NADIMAK", nickname), role("PORECLA", nickname),
    role("WEB PAGE", web), role("WEBPAGE", web), role("WEBSITE", web), role("WEB SITE", web), role("WEB", web),
    role("URL", web), role("HOMEPAGE", web), role("WEBSEITE", web), role("WEBOVA STRANKA", web), role("WEBOVE STRANKY", web),
    role("WWW", web), role("STRONA WWW", web), role("STRONA INTERNETOWA", web), role("WEBOLDAL", web), role("HONLAP", web),
    role("SPLETNA STRAN", web), role("WEB STRANICA", web), role("PAGINA WEB", web), role("SITE WEB", web),
    // E-mails.
    role("EMAIL", email), role("E MAIL", email), role("MAIL", email),
    // A county's or an assessor's mailing address, its parts after a bare 'Mail' ('MailCity', 'MAILADD1').
    role("MAIL CITY", city, MAILING_PLACE, "POSTAL"), role("MAIL STATE", region, MAILING_PLACE, "POSTAL"),
    role("MAIL ZIP", postal, MAILING_PLACE, "POSTAL"), role("MAIL STREET", street, MAILING_PLACE, "POSTAL"),
    role("MAILADD", street, MAILING_PLACE, "POSTAL"), role("MAIL COUNTRY", country, MAILING_PLACE, "POSTAL"), whole("PO NAME", city), role("EMAILADRESSE", email),
    role("E MAILOVA", email), role("E MAILU", email), role("E POSTA", email), role("E POSTE", email),
    role("ELEKTRONSKA POSTA", email), role("ELEKTRONICKA POSTA", email), role("POCZTA ELEKTRONICZNA", email),
    role("E NASLOV", email), role("E POSTNI", email), role("EPOSTA", email), role("ELEKTRONIKUS", email), role("ELEKTRONIKUS LEVEL", email),
    role("LEVELCIM", email), role("POSTA ELECTRONICA", email), role("EMAILOVA", email),
    role("EMAILOVA ADRESA", email), whole("INTERNET ADDRESS", email), role("CORREO", email), role("CORREO ELECTRONICO", email),
    // Phones, and the types and places that name one.
    role("PHONE", phone), role("TEL", phone), role("TELEFON", phone), role("TELEFONU", phone),
    role("TELEFONY", phone), role("TELEFONNE", phone), role("TELEFONNE CISLO", phone), role("TELEPHONE", phone), role("TELEFONNUMMER", phone), role("TELEFONSZAM", phone),
    role("WORK NUMBER", phone, WORK_PLACE, "WORK"), role("BUSINESS NUMBER", phone, WORK_PLACE, "WORK"),
    role("HOME NUMBER", phone, HOME_PLACE, "HOME"), role("OTHER NUMBER", phone, OTHER_PLACE, "VOICE"),
    role("OFFICE NUMBER", phone, WORK_PLACE, "WORK"), role("OFFICE PHONE", phone, WORK_PLACE, "WORK"),
    role("CALLBACK", phone), role("HAUPTTELEFON", phone, 0, "VOICE"),
    kind("FAX", "FAX"), kind("FAKS", "FAX"), kind("TELEFAX", "FAX"),
    kind("EVENING", "HOME"), kind("DAYTIME", "VOICE"), kind("MOBILE", "CELL"), kind("MOBIL", "CELL"), kind("MOBILNI", "CELL"), kind("MOBILNY", "CELL"), kind("MOBILNE", "CELL"),
    kind("MOBILTELEFON", "CELL"), kind("MOBITEL", "CELL"), kind("CELL", "CELL"), kind("CELLULAR", "CELL"),
    kind("HANDY", "CELL"), kind("KOMORKA", "CELL"), kind("KOMORKOWY", "CELL"), kind("MOBILFUNK", "CELL"), kind("MOBILFUNKNUMMER", "CELL"),
    kind("PAGER", "PAGER"), kind("BEEPER", "PAGER"), kind("SZEMELYHIVO", "PAGER"), kind("ISDN", "ISDN"), kind("AUTOTELEFON", "CAR"),
    kind("CAR", "CAR", false), kind("MAIN", "VOICE", false), kind("PRIMARY", "VOICE", false),
    kind("HLAVNI", "VOICE", false), kind("GLAVNI", "VOICE", false), kind("TEXT", "CELL", false),
    place("BUSINESS", "WORK", WORK_PLACE), place("WORK", "WORK", WORK_PLACE), place("OFFICE", "WORK", WORK_PLACE),
    place("GESCHAFTLICH", "WORK", WORK_PLACE), place("DIENSTLICH", "WORK", WORK_PLACE),
    place("GESCHAEFTLICH", "WORK", WORK_PLACE), place("GESCHAEFT", "WORK", WORK_PLACE), place("GESCHAFT", "WORK", WORK_PLACE),
    place("ARBEIT", "WORK", WORK_PLACE), place("ZAMESTNANI", "WORK", WORK_PLACE),
    place("PRACE", "WORK", WORK_PLACE), place("PRACA", "WORK", WORK_PLACE), place("SLUZBOWY", "WORK", WORK_PLACE),
    place("SLUZBOWA", "WORK", WORK_PLACE), place("MUNKAHELYI", "WORK", WORK_PLACE),
    place("SLUZBA", "WORK", WORK_PLACE), place("SLUZBENI", "WORK", WORK_PLACE), place("POSAO", "WORK", WORK_PLACE),
    place("SERVICIU", "WORK", WORK_PLACE), place("FIRMA", "WORK", WORK_PLACE, false),
    place("JOBB", "WORK", WORK_PLACE), place("ARBEID", "WORK", WORK_PLACE), place("ARBETE", "WORK", WORK_PLACE),
    place("COMPANY", "WORK", WORK_PLACE, false), place("PRACOVNI", "WORK", WORK_PLACE), place("PRACOVNY", "WORK", WORK_PLACE),
    place("SOUKROMY", "HOME", HOME_PLACE), place("SOUKROMA", "HOME", HOME_PLACE), place("SUKROMNY", "HOME", HOME_PLACE),
    place("SUKROMNA", "HOME", HOME_PLACE), place("PRYWATNY", "HOME", HOME_PLACE), place("PRYWATNA", "HOME", HOME_PLACE),
    place("PERSONAL", "HOME", HOME_PLACE), place("OSOBNI", "HOME", HOME_PLACE), place("PRIVATNI", "HOME", HOME_PLACE),
    place("HOME", "HOME", HOME_PLACE), place("PRIVAT", "HOME", HOME_PLACE), place("PRIVATES", "HOME", HOME_PLACE), place("DOMU", "HOME", HOME_PLACE),
    place("DOMOV", "HOME", HOME_PLACE), place("DOMOWY", "HOME", HOME_PLACE), place("DOMOWA", "HOME", HOME_PLACE),
    place("OTTHONI", "HOME", HOME_PLACE), place("DOMA", "HOME", HOME_PLACE), place("DOMACI", "HOME", HOME_PLACE),
    place("KUCA", "HOME", HOME_PLACE), place("KUCNI", "HOME", HOME_PLACE), place("ACASA", "HOME", HOME_PLACE),
    place("DOMICILIU", "HOME", HOME_PLACE), place("DOM", "HOME", HOME_PLACE, false), place("PRIVATE", "HOME", HOME_PLACE),
    place("HJEM", "HOME", HOME_PLACE), place("HEM", "HOME", HOME_PLACE),
    place("OTHER", "VOICE", OTHER_PLACE), place("WEITERE", "VOICE", OTHER_PLACE), place("WEITERER", "VOICE", OTHER_PLACE),
    place("WEITERES", "VOICE", OTHER_PLACE), place("JINA", "VOICE", OTHER_PLACE), place("JINY", "VOICE", OTHER_PLACE), place("DALSI", "VOICE", OTHER_PLACE),
    place("INY", "VOICE", OTHER_PLACE), place("INNY", "VOICE", OTHER_PLACE), place("INNA", "VOICE", OTHER_PLACE),
    place("EGYEB", "VOICE", OTHER_PLACE), place("DRUGO", "VOICE", OTHER_PLACE), place("OSTALO", "VOICE", OTHER_PLACE),
    place("ALTUL", "VOICE", OTHER_PLACE), place("ALTELE", "VOICE", OTHER_PLACE), place("ALTERNATE", "VOICE", OTHER_PLACE),
    place("MAILING", "POSTAL", MAILING_PLACE, false), place("POSTAL", "POSTAL", MAILING_PLACE, false),
    place("KORESPONDENCNI", "POSTAL", MAILING_PLACE, false), place("KORESPONDENCNA", "POSTAL", MAILING_PLACE, false),
    place("KORESPONDENCYJNY", "POSTAL", MAILING_PLACE, false), place("LEVELEZESI", "POSTAL", MAILING_PLACE, false),
    place("BILLING", "POSTAL", BILLING_PLACE, false), place("SHIPPING", "POSTAL", SHIPPING_PLACE, false),
    place("BILL TO", "POSTAL", BILLING_PLACE, false), place("SHIP TO", "POSTAL", SHIPPING_PLACE, false),
    place("INVOICE", "POSTAL", BILLING_PLACE, false), place("RECHNUNG", "POSTAL", BILLING_PLACE, false),
    place("RECHNUNGS", "POSTAL", BILLING_PLACE, false), place("FAKTURACNI", "POSTAL", BILLING_PLACE, false),
    place("DELIVERY", "POSTAL", SHIPPING_PLACE, false), place("DESTINATION", "POSTAL", SHIPPING_PLACE, false),
    place("DEL", "POSTAL", SHIPPING_PLACE, false), place("LIEFER", "POSTAL", SHIPPING_PLACE, false),
    place("DODACI", "POSTAL", SHIPPING_PLACE, false), place("FACTUUR", "POSTAL", BILLING_PLACE, false),
    place("POST", "POSTAL", MAILING_PLACE, false), place("SHIP", "POSTAL", SHIPPING_PLACE, false),
    // The parts of an address, highest-ranked first where one header names two.
    role("PO BOX", pobox), role("POBOX", pobox), role("P O BOX", pobox), role("POSTFACH", pobox),
    role("SKRYTKA POCZTOWA", pobox), role("POSTAFIOK", pobox), role("FORMATTED", formatted),
    role("COUNTRY", country), role("CONTRY", country), role("LAND", country), role("ZEME", country),
    role("KRAJINA", country), role("ORSZAG", country), role("STAT", country), role("PANSTWO", country),
    role("DRZAVA", country), role("DRZAVE", country), role("TARA", country), role("TARII", country),
    role("PSC A OBEC", postal_city), role("PSC OBEC", postal_city), role("PSC A MESTO", postal_city),
    role("ZIP CITY", postal_city), role("PLZ ORT", postal_city), role("PLZ STADT", postal_city),
    role("POSTAL CODE CITY", postal_city), role("KOD POCZTOWY MIEJSCOWOSC", postal_city),
    role("POSTAL CODE", postal), role("POST CODE", postal), role("POSTCODE", postal), role("ZIP", postal),
    role("ZIPCODE", postal), role("CP", postal), role("ZIP EXTENSION", ignored), whole("POSTAL", postal), role("ZIP CODE", postal), role("ZIP POSTAL", postal), role("POST ZIP", postal), role("POSTAL ZIP", postal), role("POSTLEITZAHL", postal), role("PLZ", postal),
    role("PSC", postal), role("POCZTOWY", postal), role("KOD POCZTOWY", postal), role("IRANYITOSZAM", postal),
    role("POSTA", postal), role("ADRES KOD", postal), role("ADRESA KOD", postal),
    role("POSTNA STEVILKA", postal), role("POSTANSKI BROJ", postal), role("COD POSTAL", postal),
    role("BILLING CODE", postal, BILLING_PLACE, "POSTAL"), role("SHIPPING CODE", postal, SHIPPING_PLACE, "POSTAL"),
    role("CITY", city), role("TOWN", city), role("ORT", city), role("STADT", city), role("SUBURB", city), role("LOCALITY", city),
    role("MESTO", city), role("MIASTO", city), role("MIEJSCOWOSC", city), role("VAROS", city),
    role("TELEPULES", city), role("OBEC", city), role("IRSZ", postal), role("LOKALIZACJA", city), role("ORAS", city), role("LOCALITATE", city),
    role("MAIL CODE", postal), role("OBCINA", city), role("NASELJE", city), role("WOHNORT", city), role("MJESTO", city), role("LOC", city),
    role("KRAJ", region), role("STATE", region), role("REGION", region), role("BUNDESLAND", region),
    role("KANTON", region), role("CANTON", region), whole("ZONE", region), whole("ADDRESS ZONE", region), role("WOJEWODZTWO", region), role("MEGYE", region),
    role("OBLAST", region), role("PROVINCE", region), role("PROVINZ", region), role("COUNTY", region), role("JUDET", region),
    role("DEZELA", region), role("PROVINCA", region), role("ALLAM", region), role("TARTOMANY", region),
    role("JUD", region), role("DRZAVA PROVINCIJA", region), role("STAT PROVINCIE", region), role("ZUPANIJA", region),
    role("EXTENDED", street2), role("EXTENDED ADDRESS", street2), role("ADDITIONAL ADDRESS", street2), role("ADRESSZUSATZ", street2), role("ZUSATZ", street2),
    // A Romanian block of flats' parts, each written after its mark.
    role("BLOC", street2, 0, "bl."), role("SCARA", street2, 0, "sc."), role("ETAJ", street2, 0, "et."),
    role("APARTAMENT", street2, 0, "ap."), role("APARTAMENTUL", street2, 0, "ap."),
    whole("STREET NAME AND TYPE", street), whole("HOUSE NAME OR NUMBER", house_number, HOUSE_NAMED), role("LANDLINE", phone), role("HOUSE NUMBER", house_number), role("HOUSE NO", house_number), role("STREET NUMBER", house_number), role("DESCRIPTIVE NUMBER", house_number),
    role("ORIENTATION NUMBER", house_number), role("CISLO POPISNE", house_number),
    role("CISLO ORIENTACNI", house_number), role("SUPISNE CISLO", house_number), role("ORIENTACNE CISLO", house_number), role("HAUSNUMMER", house_number),
    whole("NR", house_number), role("HNR", house_number), role("HAUSNR", house_number), role("NUMAR", house_number),
    role("HAZSZAM", house_number), role("C POPISNE", house_number), role("C ORIENTACNI", house_number),
    role("NUMER DOMU", house_number), role("NR DOMU", house_number), role("HISNA STEVILKA", house_number), role("KUCNI BROJ", house_number),
    role("ULICNA STEVILKA", house_number), role("ORTSTEIL", city), role("STADTTEIL", city), whole("PREDNAZIV", prefix, TITLES),
    // A flat's number goes after the house's, as "Hauptstraße 5/Top 4" is written.
    whole("UNIT", house_number), whole("APARTMENT", house_number), whole("APT", house_number),
    whole("FLAT", house_number), role("WOHNUNGSNR", house_number), role("WOHNUNGSNUMMER", house_number), role("NUMER LOKALU", house_number),
    role("NR LOKALU", house_number), role("NUMER MIESZKANIA", house_number), role("CISLO BYTU", house_number),
    whole("LINE", street), whole("ADDRESS NAME", ignored),
    role("STREET", street), role("STRASSE", street), role("ULICE", street), role("STR", street),
    role("ULICA", street), role("UTCA", street), role("ADDRESS", street), role("ADDRESS LINE", street), role("ADRESSZEILE", street), role("ANSCHRIFT", street),
    role("ADRESA", street), role("ADRESY", street), role("ADRES", street), role("ADRESSE", street), role("ADR", street), whole("ADDR", street), role("ADDR LINE", street), role("SHIPADDR", street, SHIPPING_PLACE, "POSTAL"),
    role("BYDLISTE", street), role("BYDLISKO", street), role("MIEJSCE ZAMIESZKANIA", street), role("PREBIVALISCE", street),
    role("HELYSEG", city), role("HELYSEGNEV", city), role("ADRESS", street), role("CIM", street), role("LAKCIM", street, HOME_PLACE, "HOME"), role("NASLOV", street), role("STRADA", street), role("ROAD", street),
};

// The entries read for one language only, placed before the entries above
// that they stand in front of: Polish 'Kraj' is the country, Slovene 'Kraj' the town.
constexpr phrase_meaning BOUND[] = {
    {"KRAJ", says::role, country, {}, 0, only(export_language::polish)},
    {"KRAJ", says::role, city, {}, 0, only(export_language::slovene)},
    {"POSTA", says::role, city, {}, 0, only(export_language::slovene)},  // Slovene 'Pošta' is the post office's town
    // 'Grad' is the town in Croatian and Slovene, a rank in Romanian; 'An' a Romanian year.
    {"GRAD", says::role, city, {}, 0, only(export_language::croatian) | only(export_language::slovene) | only(export_language::unknown)},
    {"AN", says::role, date, {}, 0, only(export_language::romanian)},
    {"ALT", says::stop, none, {}, 0, only(export_language::german)},  // German 'alt': a former name or number
    {"BY", says::role, city, {}, 0, only(export_language::nordic)},  // Danish and Norwegian 'By' is the town
};

constexpr auto joined() {
    std::array<phrase_meaning, std::size(BOUND) + std::size(PHRASES) + std::size(vocabulary_west::PHRASES) + std::size(MARK_PHRASES)>
        all{};
    std::size_t at = 0;
    for (const phrase_meaning& p : BOUND) all[at++] = p;
    for (const phrase_meaning& p : PHRASES) all[at++] = p;
    for (const phrase_meaning& p : vocabulary_west::PHRASES) all[at++] = p;
    for (const phrase_meaning& p : MARK_PHRASES) all[at++] = p;
    return all;
}
constexpr auto ALL_PHRASES = joined();

}  // namespace

std::span<const phrase_meaning> header_phrases() { return ALL_PHRASES; }


}  // namespace rowcard
