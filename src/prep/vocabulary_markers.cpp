// The vocabulary's other words as data: those that tell the languages of
// headers apart, the values that name a record's kind, and countries' codes.
#include "prep/vocabulary.hpp"

namespace rowcard {
namespace {

// Words each language's headers use and the others' do not.
constexpr std::string_view ENGLISH[] = {"FIRST", "LAST", "NAME", "COMPANY", "BUSINESS", "HOME", "STREET", "CITY",
    "PHONE", "MOBILE", "ADDRESS", "NOTES", "COUNTRY", "POSTAL", "ORGANIZATION", "GIVEN", "FAMILY"};
constexpr std::string_view GERMAN[] = {"VORNAME", "NACHNAME", "ANREDE", "STRASSE", "GESCHAFTLICH", "PRIVAT",
    "POSTLEITZAHL", "ORT", "ABTEILUNG", "NOTIZEN", "WEITERE", "MOBILTELEFON", "BUNDESLAND", "ANGEZEIGTER"};
constexpr std::string_view CZECH[] = {"JMENO", "PRIJMENI", "KRESTNI", "ULICE", "PSC", "ZEME", "SPOLECNOST",
    "ODDELENI", "FUNKCE", "ZAMESTNANI", "DOMU", "OSLOVENI", "MOBILNI", "POZNAMKA"};
constexpr std::string_view SLOVAK[] = {"MENO", "PRIEZVISKO", "KRAJINA", "SPOLOCNOST", "ODDELENIE", "FUNKCIA",
    "MOBILNY", "PRACA", "DOMOV", "OSLOVENIE", "STREDNE"};
constexpr std::string_view POLISH[] = {"IMIE", "NAZWISKO", "MIASTO", "POCZTOWY", "STANOWISKO", "DZIAL",
    "KOMORKOWY", "SLUZBOWY", "DOMOWY", "MIEJSCOWOSC", "WOJEWODZTWO", "ADRES", "NOTATKI", "TYTUL"};
constexpr std::string_view HUNGARIAN[] = {"NEV", "VEZETEKNEV", "UTONEV", "KERESZTNEV", "CIM", "VAROS", "ORSZAG",
    "CEG", "IRANYITOSZAM", "BEOSZTAS", "MUNKAHELYI", "OTTHONI", "MEGYE", "UTCA", "LEVELCIM"};
constexpr std::string_view SLOVENE[] = {"PRIIMEK", "NASLOV", "POSTNA", "STEVILKA", "DEZELA", "PODJETJA",
    "PODJETJE", "ZASEBNI", "KUPEC", "DOBAVITELJ", "VLJUDNOSTNI", "KREIRANJA", "KODA", "OPOMBE", "ROJSTNI",
    "ODDELEK", "SLUZBA", "DOMA"};
constexpr std::string_view CROATIAN[] = {"PREZIME", "GRAD", "TVRTKA", "TVRTKE", "POSTANSKI", "BROJ", "MJESTO",
    "RADNO", "ULJUDNOSTI", "PRIVATNO", "STANJE", "KUPAC", "DOBAVLJAC", "IZRADE", "IZMJENE", "SIFRA", "MOBITEL",
    "BILJESKE", "ODJEL", "POSAO", "KUCA"};
constexpr std::string_view ROMANIAN[] = {"NUME", "PRENUME", "ORAS", "TARA", "JUDET", "CREARII", "MODIFICARE",
    "PRIVATA", "DENUMIREA", "COMPANIEI", "COMPANIE", "FURNIZOR", "STRADA", "SERVICIU", "DOMICILIU", "POLITETE",
    "MEMBRU", "FUNCTIA", "LOCALITATE"};
// The western languages' own words, whose exports are written in code page 1252 where not in UTF-8:
// the Romance languages' and Dutch, and the Nordic ones', whose people often have two given names.
constexpr std::string_view WESTERN[] = {"PRENOM", "NOM", "VILLE", "PAYS", "SOCIETE", "NOMBRE", "APELLIDO", "APELLIDOS",
    "CIUDAD", "DIRECCION", "TELEFONO", "NOME", "COGNOME", "INDIRIZZO", "CITTA", "VOORNAAM", "ACHTERNAAM",
    "WOONPLAATS", "STRAAT", "SOBRENOME", "CIDADE", "ENDERECO", "MORADA", "COURRIEL", "PORTABLE", "CELLULARE",
    "TELEFONE", "NAAM", "PLAATS", "HUISNUMMER", "TELEFOON", "FACTUUR", "DEBITEUR", "BEDRIJF", "OPMERKING",
    "TOEVOEGING"};
constexpr std::string_view NORDIC[] = {"FORNAVN", "ETTERNAVN", "FORNAMN", "EFTERNAMN", "EFTERNAVN", "POSTSTED",
    "POSTORT", "ETUNIMI", "SUKUNIMI", "NAVN", "NAMN", "EPOST"};

// The words a column of record kinds writes for a person and for an organisation.
constexpr kind_word KINDS[] = {
    {"INDIVIDUAL", record_kind::person}, {"PERSON", record_kind::person}, {"PRIVATE PERSON", record_kind::person},
    {"PRIVATPERSON", record_kind::person}, {"OSOBA", record_kind::person}, {"FYZICKA OSOBA", record_kind::person},
    {"SZEMELY", record_kind::person}, {"MAGANSZEMELY", record_kind::person}, {"OSEBA", record_kind::person},
    {"FIZICNA OSEBA", record_kind::person}, {"FIZICKA OSOBA", record_kind::person},
    {"PERSOANA", record_kind::person}, {"PERSOANA FIZICA", record_kind::person},
    // A natural or a legal person as Czech, Slovak and Romanian registers abbreviate them.
    {"FO", record_kind::person}, {"PF", record_kind::person}, {"PO", record_kind::organisation},
    {"PJ", record_kind::organisation}, {"OSOBA FIZYCZNA", record_kind::person},
    {"OSOBA FIZYCZNA FIRMA", record_kind::person}, {"OSOBA PRAWNA", record_kind::organisation},
    {"ORGANIZATION", record_kind::organisation}, {"ORGANISATION", record_kind::organisation},
    {"COMPANY", record_kind::organisation}, {"BUSINESS", record_kind::organisation},
    {"UNTERNEHMEN", record_kind::organisation}, {"FIRMA", record_kind::organisation},
    {"VEREIN", record_kind::organisation}, {"FAMILIE", record_kind::household}, {"FAMILY", record_kind::household},
    {"RODINA", record_kind::household}, {"RODZINA", record_kind::household}, {"CSALAD", record_kind::household},
    {"FAMILLE", record_kind::household}, {"FAMIGLIA", record_kind::household}, {"FAMILIA", record_kind::household},
    {"ORGANIZACE", record_kind::organisation}, {"PRAVNICKA OSOBA", record_kind::organisation},
    {"ORGANIZACIA", record_kind::organisation}, {"ORGANIZACJA", record_kind::organisation},
    {"SZERVEZET", record_kind::organisation}, {"CEG", record_kind::organisation},
    {"PODJETJE", record_kind::organisation}, {"PRAVNA OSEBA", record_kind::organisation},
    {"ORGANIZACIJA", record_kind::organisation}, {"TVRTKA", record_kind::organisation},
    {"PRAVNA OSOBA", record_kind::organisation}, {"ORGANIZATIE", record_kind::organisation},
    {"COMPANIE", record_kind::organisation}, {"PERSOANA JURIDICA", record_kind::organisation},
    {"EMPRESA", record_kind::organisation}, {"SOCIEDAD", record_kind::organisation},
    {"SOCIETE", record_kind::organisation}, {"BEDRIJF", record_kind::organisation},
    {"FREELANCER", record_kind::person}, {"AUTONOMO", record_kind::person}, {"PARTICULAR", record_kind::person},
    {"PARTICULIER", record_kind::person}, {"PRIVATO", record_kind::person}, {"PARTICULIERE", record_kind::person},
};

// Countries' two-letter codes the contacts of these exports live in, and
// their neighbours' (ISO 3166).
constexpr std::string_view COUNTRY_CODES[] = {
    "AT", "BE", "BG", "CH", "CY", "CZ", "DE", "DK", "EE", "ES", "FI", "FR", "GB", "GR", "HR", "HU", "IE", "IS",
    "IT", "LI", "LT", "LU", "LV", "MC", "MD", "ME", "MK", "MT", "NL", "NO", "PL", "PT", "RO", "RS", "SE", "SI",
    "SK", "SM", "UA", "BA", "AL", "XK", "TR", "US", "CA", "AU"};

constexpr language_words MARKERS[] = {
    {export_language::english, ENGLISH}, {export_language::german, GERMAN}, {export_language::czech, CZECH},
    {export_language::slovak, SLOVAK}, {export_language::polish, POLISH}, {export_language::hungarian, HUNGARIAN},
    {export_language::slovene, SLOVENE}, {export_language::croatian, CROATIAN},
    {export_language::romanian, ROMANIAN}, {export_language::western, WESTERN},
    {export_language::nordic, NORDIC},
};

}  // namespace

std::span<const language_words> language_markers() { return MARKERS; }

std::span<const kind_word> record_kind_words() { return KINDS; }

record_kind kind_of_record(std::string_view cleaned_value) {
    const std::string key = header_key(cleaned_value);
    for (const kind_word& k : KINDS) {
        if (k.words == key) return k.kind;
    }
    return record_kind::unknown;
}

bool country_code_value(std::string_view cleaned_value) {
    for (const std::string_view code : COUNTRY_CODES) {
        if (cleaned_value == code) return true;
    }
    return false;
}

}  // namespace rowcard
