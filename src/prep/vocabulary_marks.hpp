// Inside rowcard-prep: the words of the header vocabulary that qualify the
// others (a type, a display name, the record's own words, someone else's
// value, fillers), joined after the phrases of vocabulary_table.cpp.
#pragma once

#include "prep/vocabulary_table.hpp"

namespace rowcard {

// Returns an entry that only qualifies the words around it.
constexpr phrase_meaning mark(std::string_view w, says what) { return {w, what}; }

inline constexpr phrase_meaning MARK_PHRASES[] = {
    mark("TYPE", says::label), mark("TYP", says::label), mark("TYPU", says::label), mark("TIPUSA", says::label),
    mark("TIPUS", says::label), mark("LABEL", says::label), mark("VRSTA", says::label), mark("TIP", says::label),
    mark("DISPLAY", says::display), mark("ANGEZEIGTER", says::display), mark("ZOBRAZOVANE", says::display),
    mark("ZOBRAZOVANY", says::display), mark("WYSWIETLANA", says::display), mark("MEGJELENITENDO", says::display),
    mark("NAZWA", says::display), mark("NEVE", says::display), mark("PRIKAZNO", says::display),
    mark("ZASLONSKO", says::display), mark("AFISAT", says::display),
    mark("CONTACT", says::record), mark("CONTACTS", says::record), mark("PERSON", says::record),
    mark("KONTAKT", says::record), mark("KONTAKTU", says::record), mark("KONTAKTA", says::record),
    mark("LEAD", says::record), mark("ACCOUNT", says::record), mark("USER", says::record),
    mark("MEMBER", says::record), mark("RECORD", says::record), mark("ROW", says::record),
    mark("CUSTOMER", says::record), mark("CLIENT", says::record), mark("KUNDE", says::record), mark("KUNDEN", says::record),
    mark("DEBITEUR", says::record), mark("DEBITEUREN", says::record), mark("KLANT", says::record), mark("RELATIE", says::record),
    mark("PARTNER", says::record), mark("PARTNERJA", says::record), mark("KONTRAHENT", says::record),
    mark("CONTRACTOR", says::record), mark("SUBSCRIBER", says::record), mark("ATTENDEE", says::record),
    mark("BUYER", says::record), mark("PAX", says::record), mark("GUEST", says::record), mark("VISITOR", says::record),
    mark("PARTICIPANT", says::record), mark("TEILNEHMER", says::record), mark("GAST", says::record),
    mark("DONOR", says::record), mark("GIVER", says::record), mark("BACKER", says::record), mark("SUPPORTER", says::record),
    mark("BIDDER", says::record), mark("UCZESTNIK", says::record),
    mark("UCASTNIK", says::record), mark("PATIENT", says::record), mark("PACIENT", says::record),
    mark("PACJENT", says::record), mark("TENANT", says::record), mark("RESIDENT", says::record),
    mark("STUDENT", says::record), mark("ATHLETE", says::record), mark("SPORTOLO", says::record),
    mark("UGYFEL", says::record), mark("VEVO", says::record), mark("EMPLOYEE", says::record),
    mark("MITARBEITER", says::record), mark("ZAKAZNIK", says::record), mark("KLIENT", says::record),
    // The one person a register of bodies names: its pharmacist, its head ('Imię i nazwisko dyrektora').
    mark("LEKARNIK", says::record), mark("PHARMACIST", says::record), mark("APOTHEKER", says::record),
    mark("REDITEL", says::record), mark("REDITELE", says::record), mark("RIADITEL", says::record),
    mark("RIADITELA", says::record), mark("DYREKTOR", says::record), mark("DYREKTORA", says::record),
    mark("IGAZGATO", says::record), mark("RAVNATELJ", says::record), mark("SCHULLEITER", says::record),
    mark("PRINCIPAL", says::record), mark("HEADTEACHER", says::record),
    // A second person on the record, the contact's relatives and whom to call in an emergency: other people.
    mark("SECONDARY TENANT", says::stop), mark("SECOND TENANT", says::stop), mark("CO TENANT", says::stop),
    mark("CO APPLICANT", says::stop), mark("CO BORROWER", says::stop), mark("CO OWNER", says::stop),
    mark("SECONDARY CONTACT", says::stop), mark("SECOND CONTACT", says::stop), mark("ALTERNATE CONTACT", says::stop),
    mark("MOTHER", says::stop), mark("FATHER", says::stop), mark("PARENT", says::stop),
    mark("SPOUSE", says::stop), mark("EMERGENCY", says::stop), mark("MUTTER", says::stop), mark("VATER", says::stop),
    mark("NOTFALL", says::stop), mark("NOODGEVAL", says::stop), mark("ISSUE", says::stop), mark("ISSUING", says::stop), mark("MATKA", says::stop), mark("MATKY", says::stop), mark("MATKI", says::stop),
    mark("OTEC", says::stop), mark("OTCE", says::stop), mark("OJCIEC", says::stop), mark("OJCA", says::stop),
    mark("ANYJA", says::stop), mark("APJA", says::stop), mark("MAJKE", says::stop), mark("OCA", says::stop),
    mark("NOUZE", says::stop), mark("NOUZOVY", says::stop), mark("NOUZOVA", says::stop), mark("NUDZE", says::stop),
    mark("NUDZOVY", says::stop), mark("NUDZOVA", says::stop), mark("AWARYJNY", says::stop), mark("AWARYJNA", says::stop),
    mark("AWARYJNEGO", says::stop), mark("VESZHELYZET", says::stop), mark("VESZHELYZETI", says::stop),
    mark("ERTESITENDO", says::stop), mark("NUJNI", says::stop), mark("NUJNO", says::stop), mark("HITNI", says::stop),
    mark("HITNO", says::stop), mark("URGENTA", says::stop), mark("URGENTE", says::stop),
    mark("PADRE", says::stop), mark("MADRE", says::stop), mark("PAI", says::stop), mark("MAE", says::stop),
    mark("PERE", says::stop), mark("MERE", says::stop),
    // Where a person was born and whose citizen they are: no address of theirs.
    mark("COUNTRY OF BIRTH", says::stop), mark("BIRTH COUNTRY", says::stop), mark("PLACE OF BIRTH", says::stop),
    mark("BIRTH PLACE", says::stop), mark("BIRTHPLACE", says::stop), mark("CITY OF BIRTH", says::stop),
    mark("CITIZENSHIP", says::stop), mark("NATIONALITY", says::stop),
    // A pupil's guardians and parents: a class list's other people, or a list of the guardians themselves.
    mark("GUARDIAN", says::other), mark("OPIEKUN", says::other), mark("OPIEKUNA", says::other),
    mark("ZAKONNY ZASTUPCE", says::other), mark("ZAKONNEHO ZASTUPCE", says::other), mark("ZAKONNY ZASTUPCA", says::other),
    mark("ZAKONNEHO ZASTUPCU", says::other), mark("ERZIEHUNGSBERECHTIGTE", says::other),
    mark("ERZIEHUNGSBERECHTIGTER", says::other), mark("ELTERN", says::other), mark("ELTERNTEIL", says::other), mark("RODIC", says::other),
    mark("RODICE", says::other), mark("RODZIC", says::other), mark("RODZICA", says::other), mark("SZULO", says::other),
    mark("GONDVISELO", says::other), mark("SKRBNIK", says::other), mark("SKRBNIKA", says::other),
    mark("RODITELJ", says::other), mark("PARINTE", says::other), mark("TUTORE", says::other),
    // Whom a member's invoices go to, beside the member: a parent's name, mailbox and address ('Faktura Epost').
    mark("FAKTURA", says::other),
    // A tenant's guarantor, beside the tenant.
    mark("GUARANTOR", says::other), mark("GARANTE", says::other), mark("BURGE", says::other), mark("RUCITEL", says::other),
    mark("RUCITELE", says::other), mark("PORECZYCIEL", says::other), mark("KEZES", says::other),
    // The sender of a parcel or a letter, beside its recipient.
    mark("DEPARTURE", says::stop), mark("SENDER", says::stop), mark("ORIGIN", says::stop),
    mark("ABSENDER", says::stop), mark("ODESILATEL", says::stop), mark("ODOSIELATEL", says::stop), mark("SHIPPER", says::stop),
    mark("NADAWCA", says::stop), mark("FELADO", says::stop), mark("POSILJATELJ", says::stop), mark("EXPEDITOR", says::stop),
    // Who owns a record is a CRM's user where the contact is named beside, and a register's owner (a flat's,
    // a unit's) where no one else is.
    mark("OWNER", says::other),
    // A payee's bank: its name and place are the bank's, not the contact's ('BANK_NAME', 'BANK_CITY').
    mark("BANK", says::stop),
    // Who made, changed or handles the record: the CRM's users, not the contact.
    mark("BY", says::stop), mark("ASSIGNED", says::stop), mark("ASSIGNED TO", says::stop),
    mark("MAIN USER", says::stop), mark("RESPONSIBLE", says::stop), mark("ACCOUNT MANAGER", says::stop), mark("PRODUCER", says::stop),
    mark("SALES REP", says::stop), mark("BETREUER", says::stop), mark("SACHBEARBEITER", says::stop),
    mark("ERSTELLT VON", says::stop), mark("GEANDERT VON", says::stop), mark("BESITZER", says::stop),
    mark("VYTVORIL", says::stop), mark("ZMENIL", says::stop), mark("UPRAVIL", says::stop),
    mark("VLASTNIK", says::stop), mark("PRZEZ", says::stop), mark("WLASCICIEL", says::stop),
    mark("LETREHOZTA", says::stop), mark("MODOSITOTTA", says::stop), mark("TULAJDONOS", says::stop),
    mark("USTVARIL", says::stop), mark("SPREMENIL", says::stop), mark("LASTNIK", says::stop),
    mark("KREIRAO", says::stop), mark("IZMIJENIO", says::stop), mark("VLASNIK", says::stop),
    mark("CREAT DE", says::stop), mark("MODIFICAT DE", says::stop), mark("PROPRIETAR", says::stop), mark("SKYPE", says::stop), mark("IM", says::stop),
    mark("MESSENGER", says::stop), mark("SCREEN NAME", says::stop), mark("TWITTER", says::stop),
    mark("PHOTO", says::stop), mark("IMAGE", says::stop), mark("FORMAT", says::stop), mark("PREFERRED", says::filler),
    mark("OR", says::either), mark("ODER", says::either), mark("NEBO", says::either), mark("ALEBO", says::either),
    mark("LUB", says::either), mark("VAGY", says::either), mark("ALI", says::either), mark("SAU", says::either),
    mark("VALUE", says::filler), mark("CISLO", says::filler), mark("OF", says::filler), mark("AT", says::filler), mark("ON", says::filler),
    mark("DO", says::filler), mark("REASON", says::filler), mark("AS IS", says::filler),
    mark("SECONDARY", says::filler), mark("NUMBER", says::filler), mark("NUMMER", says::filler), mark("SOURCE", says::filler),
};

}  // namespace rowcard
