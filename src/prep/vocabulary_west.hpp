// Inside rowcard-prep: the header vocabulary's commonest words of western
// languages (Spanish, Italian, Norwegian, Danish, Swedish, French, Dutch and
// Portuguese), as international tools write their exports in them; joined
// after the phrases of vocabulary_table.cpp.
#pragma once

#include "prep/vocabulary_table.hpp"

namespace rowcard {
namespace vocabulary_west {

using enum field_role;

inline constexpr phrase_meaning PHRASES[] = {
    // Spanish.
    whole("NOMBRE", given), whole("APELLIDO", family), whole("APELLIDOS", family), whole("EMPRESA", org),
    whole("NOMBRE COMPLETO", full), role("DIRECCION", street), role("CIUDAD", city), role("PROVINCIA", region), role("ESTADO", region),
    role("PAIS", country), role("CODIGO POSTAL", postal), role("TELEFONO", phone), role("CODIGO PAIS", country_code),
    role("MOVIL", phone, 0, "CELL"), whole("RAZON SOCIAL", full), role("CALLE", street), whole("EXTERIOR", house_number),
    role("NUMERO EXTERIOR", house_number), whole("APELLIDO RAZON SOCIAL", family), whole("NOME OUTORGADO", full),
    // Italian, and Norwegian, Danish and Swedish, as their exports write them most.
    whole("NOME", given), whole("COGNOME", family), whole("NOME E COGNOME", full), whole("NOMINATIVO", full),
    whole("RAGIONE SOCIALE", org), whole("AZIENDA", org), role("INDIRIZZO", street), role("CAP", postal),
    role("CITTA", city), role("COMUNE", city), role("LOCALITA", city), role("NAZIONE", country),
    role("CELLULARE", phone, 0, "CELL"), whole("QUALIFICA", job), whole("RUOLO", job), whole("FORNAVN", given),
    whole("ETTERNAVN", family), whole("EFTERNAVN", family), whole("FORNAMN", given), whole("EFTERNAMN", family),
    whole("TITTEL", title), role("POSTNUMMER", postal), role("POSTSTED", city), role("POSTORT", city), role("LANDSKOD", country_code), role("ORGNUMMER", company_fact),
    role("ORGANISATIONSNUMMER", company_fact), role("GRUPPER", category),
    whole("NAVN", full), whole("FULLT NAVN", full), whole("NAMN", full), whole("FIRMANAVN", org),
    whole("FORETAK", org), role("E POST", email), role("EPOST", email),
    whole("POSTNUMMER OG BY", postal_city), whole("ATT", contact), role("DOMICILIO", street),
    whole("NOMBRE RAZON SOCIAL", full), whole("LIBELLE", full), whole("LIBELLE DU CLIENT", full),
    // English names cut short, and Australia's after-hours and business-hours phones.
    whole("GIVEN", given), whole("FNAME", given), whole("F NAME", given), whole("L NAME", family), whole("FSTN", given), whole("LNAME", family), whole("MNAME", middle),
    whole("NAMED INSURED", full), role("AH PHONE", phone, 0, "HOME"), role("BH PHONE", phone, 0, "WORK"),
    // Turkish and Estonian, as their CRMs and accounting tools write them.
    whole("ISIM", full), whole("AD SOYAD", full), whole("ADI SOYADI", full), whole("SOYAD", family),
    whole("SOYADI", family), whole("SIRKET", org), whole("FIRMA ADI", org), role("EPOSTA", email),
    role("SEHIR", city), role("ULKE", country), role("POSTA KODU", postal), whole("NIMI", full),
    whole("EESNIMI", given), whole("PEREKONNANIMI", family), role("AADRESS", street), role("LINN", city),
    role("RIIK", country), role("POSTIINDEKS", postal), whole("ETTEVOTE", org), role("REGISTRIKOOD", company_fact),
    role("KMKR", company_fact), whole("MARKMED", note),
    // Indonesian and Malay, and the tax numbers of South and South-East Asia's invoices.
    whole("NAMA", full), whole("NAMA LENGKAP", full), whole("NAMA DEPAN", given), whole("NAMA BELAKANG", family),
    role("ALAMAT", street), role("KOTA", city), role("KODE POS", postal), role("TELEPON", phone), role("PONSEL", phone, 0, "CELL"),
    whole("JABATAN", job), whole("PERUSAHAAN", org), whole("HUBUNGAN DENGAN", contact), role("NPWP", company_fact),
    role("TIN", company_fact), role("GSTIN", company_fact),
    // Greek, as its Latin spelling writes it ('Τηλέφωνο' "Tilefono").
    role("TILEFONO", phone), role("KINITO", phone, 0, "CELL"), whole("ONOMA", given), whole("EPONYMO", family),
    whole("EPITHETO", family), whole("SCHOLIA", note), whole("SCHOLIO", note), role("DIEFTHYNSI", street),
    role("POLI", city), whole("ETAIREIA", org),
    // Russian and Bulgarian, as their Latin spelling writes them ('Имя' "Imja", 'Отчество' "Otčestvo").
    whole("IMJA", given), whole("FAMILIJA", family), whole("OTCESTVO", middle), whole("IMJA I FAMILIJA", full),
    whole("FAMILIJA I IMJA", full), whole("FIO", full), role("GOROD", city), role("INDEKS", postal),
    role("STRANA", country), whole("DOLZNOST", job), whole("ORGANIZACIJA", org), whole("KOMPANIJA", org),
    role("INN", company_fact), role("BIK", company_fact), role("KPP", company_fact), role("OGRN", company_fact), whole("PRIMECANIE", note), whole("KOMMENTARIJ", note), role("MOBILNYJ", phone, 0, "CELL"),
    // Icelandic, as its invoicing and club tools write it.
    whole("NAFN", full), whole("FULLT NAFN", full), whole("FORNAFN", given), whole("EFTIRNAFN", family),
    role("HEIMILISFANG", street), role("POSTNUMER", postal), role("STADUR", city), role("BAEJARFELAG", city),
    whole("TENGILIDUR", contact), role("SIMI", phone), role("FARSIMI", phone, 0, "CELL"), role("NETFANG", email),
    whole("ATHUGASEMD", note), whole("KENNITALA", record_id), whole("FYRIRTAEKI", org),
    // French, Dutch and Portuguese, as international tools write them in those languages.
    whole("PRENOM", given), whole("NOM", family), whole("NOM COMPLET", full), whole("ENTREPRISE", org),
    role("VILLE", city), role("CODE POSTAL", postal), role("PAYS", country), role("PORTABLE", phone, 0, "CELL"),
    role("COURRIEL", email), whole("FONCTION", job), whole("VOORNAAM", given), whole("ACHTERNAAM", family),
    whole("BEDRIJF", org), whole("BEDRIJFSNAAM", org), role("STRAAT", street), role("STRAATNAAM", street),
    role("HUISNUMMER", house_number), role("WOONPLAATS", city), role("PLAATS", city), role("TELEFOON", phone),
    role("TELEFOONNUMMER", phone), role("MOBIEL", phone, 0, "CELL"), role("MOBIELENUMMER", phone, 0, "CELL"), role("MOBIELNUMMER", phone, 0, "CELL"), role("MAILADRES", email),
    whole("SOBRENOME", family), role("ENDERECO", street), role("CIDADE", city), role("TELEFONE", phone),
    role("CELULAR", phone, 0, "CELL"), role("TELEMOVEL", phone, 0, "CELL"), role("RUA", street), role("LOGRADOURO", street),
    role("RG", record_id), whole("NOM ET NUMERO DE LA RUE", street),
    whole("NOM ET PRENOM", full, FAMILY_FIRST), role("REGIAO", region),
    whole("NOME COMPLETO", full), role("MORADA", street), role("LOCALIDADE", city), role("DISTRITO", region),
    whole("CIVILITE", prefix), whole("NOM ENTREPRISE", org), whole("RAISON SOCIALE", org), role("SURNOM", nickname),
    role("GATUADRESS", street), role("GATA", street), role("VEJ", street), whole("PROV", region),
    role("ADRESSRAD", street), role("ADRESSELINJE", street), role("ADRESREGEL", street), role("OSOITERIVI", street),
    role("GATEADRESSE", street), role("GATENAVN", street), role("GATENUMMER", house_number),
    role("STED", city), role("POST AREA", city), whole("ORGANISASJON", org), whole("ORGANISATION NUMMER", company_fact),
    role("KUNDNR", record_id), role("KUNDNUMMER", record_id), role("KORTNUMMER", record_id),
    role("EPOSTADRESS", email), whole("NAAM BEDRIJF", org), whole("CONTACTPERSOON", contact), whole("STATO", country),
    whole("NAAM", full), whole("TAV", contact), whole("CONTACTNAAM", contact), whole("NOME CONTACTO", contact),
    whole("NOM CONTACT", contact), role("GEMEENTE", city), role("PROVSTAAT", region), role("PROV STAAT", region),
    role("POBLACION", city), role("LOCALIDAD", city), role("MUNICIPIO", city),
    role("COGNOME E NOME", full), role("STAD", city),
    // Departments, jobs, firms, notes, birthdays and web pages in the same languages.
    whole("DEPARTAMENTO", department), whole("REPARTO", department), whole("SERVICE", department),
    whole("AFDELING", department), whole("AVDELING", department), whole("AVDELNING", department),
    whole("STILLING", job), whole("SOCIETA", org), whole("VIRKSOMHED", org), whole("FORETAG", org),
    whole("NOTAS", note), whole("REMARQUES", note), whole("OPMERKINGEN", note), whole("OBSERVACOES", note),
    whole("NOTATER", note), whole("ANTECKNINGAR", note), whole("NOTER", note), whole("OSSERVAZIONI", note),
    role("FECHA DE NACIMIENTO", birthday), role("DATA DI NASCITA", birthday), role("DATE DE NAISSANCE", birthday),
    role("DATA DE NASCIMENTO", birthday), role("GEBOORTEDATUM", birthday), role("FODSELSDATO", birthday),
    role("FODELSEDAG", birthday), role("FODSELSDAG", birthday), role("FODELSEDATUM", birthday),
    role("NETTSIDE", web), role("WEBBPLATS", web), role("HJEMMESIDE", web), role("SITO WEB", web),
    whole("APODO", nickname), whole("SOPRANNOME", nickname), whole("ROEPNAAM", given), whole("VOORLETTERS", given, INITIALS), whole("INITIALEN", given, INITIALS), whole("VOORVOEGSEL", middle),
    whole("PERSOON", full), whole("TITULATUUR", prefix), whole("TUSSENVOEGSEL", middle), whole("TUSSENVOEGSELS", middle), whole("DENOMINAZIONE", org),
    whole("TRATAMIENTO", prefix), whole("AANHEF", prefix), whole("TITOLO", title), whole("NUMERO", house_number),
    whole("CIVICO", house_number), whole("NUMERO CIVICO", house_number), role("COMPLEMENTO", street2),
    role("CEP", postal), role("POSTNR", postal), role("TELECOPIE", phone, 0, "FAX"), role("PROVINCIE", region),
    // Finnish, as its address books write the commonest.
    whole("ETUNIMI", given), whole("SUKUNIMI", family), whole("YRITYS", org), whole("TITTELI", title),
    whole("OSASTO", department), role("SAHKOPOSTI", email), role("PUHELIN", phone), role("MATKAPUHELIN", phone, 0, "CELL"),
    role("FAKSI", phone, 0, "FAX"), role("OSOITE", street), role("POSTINUMERO", postal), role("POSTITOIMIPAIKKA", city),
    whole("MAA", country), whole("MUISTIINPANOT", note), role("SYNTYMAPAIVA", birthday), role("VERKKOSIVUSTO", web),
    // A person's own national or tax number, and a firm's: no number to call.
    role("PERSONNUMMER", record_id), role("FODSELSNUMMER", record_id), role("CPR", record_id),
    role("BSN", record_id), role("CPF", record_id), role("NIF", record_id), role("DNI", record_id),
    role("NIE", record_id), whole("CF", record_id), role("CODICE FISCALE", record_id), role("NUMERO FISCAL", record_id),
    role("PARTITA IVA", company_fact), whole("P IVA", company_fact), role("CNPJ", company_fact),
    role("SIRET", company_fact), role("SIREN", company_fact), role("TVA", company_fact), role("KVK", company_fact), role("BTW", company_fact),
    role("ORGANISASJONSNUMMER", company_fact), role("ORGANISATIONSNUMMER", company_fact), role("ORGNR", company_fact),
    // A flat's floor and door after the street ('3º B'), and remarks.
    role("PISO", street2), role("PUERTA", street2), whole("OBSERVACIONES", note), whole("OBSERVACION", note),
    whole("COMENTARIOS", note), whole("COMMENTAIRES", note), whole("COMMENTAIRE", note), whole("OPMERKING", note),
    whole("ANMERKNINGAR", note), whole("MERKNADER", note), whole("NOTAT", note),
    // A second line of the address ('Complément d'adresse'), a house number's letter ('Toevoeging'), a web site.
    role("COMPLEMENT", street2), role("COMPLEMENTO", street2), role("TOEVOEGING", house_number),
    role("HUISNUMMERTOEVOEGING", house_number), role("SITE INTERNET", web), role("SITO INTERNET", web),
    role("NETTSTED", web), role("HEMSIDA", web), role("WEBSTEK", web), whole("NOM DE FAMILLE", family),
};

}  // namespace vocabulary_west
}  // namespace rowcard
