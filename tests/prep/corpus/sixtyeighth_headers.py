"""Headers of the sixty-eighth held-out set (tests/prep/corpus/sixtyeighth):
none of these sources is in headers.py nor in any of the later *_headers.py
files (unseen_headers.py to sixtyseventh_headers.py), nor in layouts_test.py,
nor in their NOT_FOUND lists. Four are Central and Eastern European business
tools (Polish HR and payroll, Lithuanian accounting); the Central European
invoicing and e-shop imports still documented in the stored material are all
taken by earlier sets, so two come from Russian tools with Russian column
names. The entries are as in headers.py: source, language of the columns'
names, separator and encoding of the export, how the header is documented
("header row": the source shows the row itself; "field list": it lists the
names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "tomhrm_pracownicy": dict(
        source="tomHRM (Polish HR software: 'Jak zaimportować listę pracowników', the employee import)",
        language="pl", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Jak zaimportować listę pracowników' (support.tomhrm.com/kb/"
              "zaimportowac-liste-pracownikow), 'Opis formatu danych w kolumnach w pliku szablonu': *Login, ID"
              " ('dowolny ciąg znakowo-liczbowy'), Type ID ('wpisz w komórkę nazwę: ID'), *Imię, *Nazwisko, Sex"
              " ('male, female, bi_gender, ... non_binary'), Job position ('stanowisko pracy'); the stored copy"
              " breaks off after Job position, so the list ends there. The English page of the same help (help."
              "tomhrm.com/kb/import-employees) asks for 'either an email address or a user ID' and says 'the"
              " default is UTF-8'; ',' and CRLF taken",
        header=["Login", "ID", "Type ID", "Imię", "Nazwisko", "Sex", "Job position"]),
    "hrnest_pracownicy": dict(
        source="HRnest (Polish HR and leave management: 'Jak dodać wielu Pracowników?', the Excel template)",
        language="pl", separator=";", encoding="cp1250", documented_as="field list",
        where="the vendor's help 'Jak dodać wielu Pracowników?' (hrnest.pl/pomoc/ogolne/dzial-kadr-ogolne/"
              "jak-dodac-wielu-pracownikow): 'Nie zmieniaj nazw kolumn i ich układu. Wypełnienie pól ‘Nazwisko’,"
              " ‘Imię’, ‘Dział’, ‘Jest przełożonym?’ i ‘Liczba godzin pracy dziennie’ jest obowiązkowe'; only"
              " these five are named in the stored copy, so only they are taken, in that order. The template"
              " saved by a Polish Excel as 'CSV (rozdzielany przecinkami)': ';', code page 1250 and CRLF",
        header=["Nazwisko", "Imię", "Dział", "Jest przełożonym?", "Liczba godzin pracy dziennie"]),
    "comarch_ppk_pracownicy": dict(
        source="Comarch PPK (Polish employee capital plans: 'Jak zaimportować pracowników z arkusza Excel?')",
        language="pl", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Jak zaimportować pracowników z arkusza Excel?' (pomoc.comarch.pl/ppk/pl/"
              "dokumentacja/jak-zaimportowac-pracownikow-z-arkusza-ms-excel), section 'Dane osobowe': Imię,"
              " Nazwisko, Płeć ('K – kobieta, M – mężczyzna, N – nie podano'), Obywatelstwo (ISO 3166-1 alfa-2),"
              " Numer PESEL, Typ dokumentu ('D – dowód osobisty, P – paszport, ...'), Numer dokumentu, Data"
              " urodzenia (for foreigners; dates 'RRRR-MM-DD'); section 'Adresy', the 'Adres zamieszkania': Kraj,"
              " Miejscowość; the stored copy breaks off there, so the list does. The sheet's first row of section"
              " titles is not shown, so only the row of names is taken. Saved by a Polish Excel as 'CSV UTF-8'"
              " (';', a signature, CRLF)",
        header=["Imię", "Nazwisko", "Płeć", "Obywatelstwo", "Numer PESEL", "Typ dokumentu", "Numer dokumentu",
                "Data urodzenia", "Kraj", "Miejscowość"]),
    "rivile_clients": dict(
        source="Rivile (Lithuanian accounting: 'Klientų importas', the 'Clients' sheet)", language="en",
        separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's guide 'Klientų importas' (guide.dev.rivile.cloud/user_interfaces/import_export/"
              "clients): 'Excel skyriaus (angl. sheet) pavadinimas “Clients”': ##refId##, Name ('Kliento"
              " pavadinimas'), Code, TypeId ('0 - Juridinis; 1 - Fizinis asmuo'), regCode ('Įmonės kodas'),"
              " autoFill ('false - ne; true - taip'), address ('Kliento adresas'), accountingCategoryCode,"
              " autoReconciliationTypeId, companyName ('Įmonė pavadinimas, kai klientas turi būti priskirtas tik"
              " konkrečiai įmonei'); the stored copy breaks off there, so the list does. English field names"
              " under a Lithuanian guide. The sheet saved by a Lithuanian Excel as 'CSV UTF-8' (';', a signature,"
              " CRLF)",
        header=["##refId##", "Name", "Code", "TypeId", "regCode", "autoFill", "address", "accountingCategoryCode",
                "autoReconciliationTypeId", "companyName"]),
    "wstore_kontragenty": dict(
        source="wStore (Russian warehouse and shop accounting: 'Импорт справочника контрагентов')",
        language="ru", separator=";", encoding="cp1251", documented_as="field list",
        where="the vendor's help 'Импорт справочника контрагентов' (help.ru-tin.ru/imports/import-contractors.php):"
              " 'Каждая строка CSV-файла должна содержать следующие колонки': *Тип ('Физ - физическое лицо, ИП -"
              " индивидуальный предприниматель, Юр - прочие юридические лица'), *Наименование, *Телефон, *ИНН,"
              " *Р/С, *БИК банка; the stored copy breaks off in the next name, so the list ends at БИК банка."
              " The names are written without the stars that mark them required. ';', code page 1251 (a Russian"
              " Windows) and CRLF taken",
        header=["Тип", "Наименование", "Телефон", "ИНН", "Р/С", "БИК банка"]),
    "omnidesk_sotrudniki": dict(
        source="Omnidesk (Russian help desk: the file for importing staff in bulk)", language="ru",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the file 'Файл для массового импорта сотрудников в Омнидеск' published as a gist (gist.github.com/"
              "cissav/86af67fd38eb5270cce9d91ca36c3635): the header 'Имя и фамилия', 'Email-адрес (логин)',"
              " 'Пароль', 'Роль' and a last empty column, rows like 'Василий Пертов|Vasiliy Petrov, vaspetr@"
              "yandex.ru, sadg90-83289u-239ghs, Первая линия поддержки': the name in Cyrillic and in Latin letters"
              " in one cell, split by '|'. ',' with the trailing empty cell kept, UTF-8 without a signature and"
              " CRLF taken",
        header=["Имя и фамилия", "Email-адрес (логин)", "Пароль", "Роль", ""]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Polish: Kadromierz (the 'Pracownicy' sheet's columns are not in the stored copy), eFOB (the columns named"
    " only in an English translation), Comarch's ERP Optima rates import (names only, informative)",
    "Czech and Slovak: Humanet's personnel import (a few column names in passing, no list), Giriton and"
    " Lesma (columns mapped at import, or no contact columns)",
    "Lithuanian: BSS and Softera payroll imports (the columns are in the template workbooks only)",
    "Ukrainian: Horoshop (product feeds only), eSputnik (columns mapped at import)",
    "Russian: Sellavi (the stored copy breaks off after the first two names), MegaCRM and Planfix (columns"
    " chosen or mapped at import)",
]
