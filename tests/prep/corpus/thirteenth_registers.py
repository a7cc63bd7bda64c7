"""Thirteenth held-out set, the rest: a psychologist's clients, a CRM's
customers, a building firm's staff for a messaging app and an association
manager's tenants. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill
from people import company, person
from thirteenth_exports import dmy
from thirteenth_headers import SOURCES
from thirteenth_people import CLIENTS13, CUSTOMERS13, STAFF_NO13, TENANTS13

LABELS = {"Mobile": "CELL", "Home": "HOME", "Work": "WORK"}


def giunti_clienti():
    """A Trieste psychologist's clients in Giunti Testing's import file:
    client codes, sex, Italian and Slovene names, day-first birth dates,
    numbers at home or international, two without a mailbox and one without
    a number, villages of the Karst as the street ('Prosecco 118'), one
    client across the border; the header's and every row's ';' at the end."""
    s = SOURCES["giunti_clienti"]
    rows, want = [s["header"]], []
    for code, sex, given, family, mail, born, phone, street, cap, town in CLIENTS13:
        rows.append([code, sex, given, family, mail, born, phone, street, cap, town, ""])
        # The client code and sex are nobody's; 'TELEFONO' names no kind; the address says neither home nor work
        # and no column names a country.
        p = person(given, family, emails=[mail] if mail else [], birthday=dmy(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], adrs=[(None, street, town, "", cap, "")],
                         birthday=True))
    return dict(source="giunti_clienti", rows=rows, want=want)


def flashcrm_clienti():
    """A Udine wholesaler's customers from FlashCRM: firms only, VAT ids,
    numbers with the country's code, countries in English, Italian
    provinces and Austrian states as 'state', web sites for some, groups
    joined by ',' in a ',' file, languages and currency, the shipping
    address the same, elsewhere (a yard, a depot) or left empty."""
    s = SOURCES["flashcrm_clienti"]
    rows, want = [s["header"]], []
    for (firm, vat, phone, country, city, code, state, street, web, groups, language, currency,
         shipping) in CUSTOMERS13:
        billing = (street, city, state, code, country)
        ship = billing if shipping == "same" else (shipping or ("", "", "", "", ""))
        rows.append(fill(s["header"], {
            "company": firm, "vat": vat, "phonenumber": phone, "country": country, "city": city, "zip": code,
            "state": state, "address": street, "website": web, "groups": groups, "default_language": language,
            "default_currency": currency, "shipping_street": ship[0], "shipping_city": ship[1],
            "shipping_state": ship[2], "shipping_zip": ship[3], "shipping_country": ship[4]}))
        # Every row is a firm alone; its number is WORK or VOICE; the province or state is the region, the
        # country the name written; a shipping address written again is the same address, one elsewhere a
        # second one; neither says home or work; the VAT id, groups, language and currency are nobody's.
        adrs = [(None, street, city, state, code, country)]
        if isinstance(shipping, tuple):
            adrs.append((None, shipping[0], shipping[1], shipping[2], shipping[3], shipping[4]))
        phones = [("WORK|VOICE", phone)]
        want.append(card(company(firm, phones=phones, url=web), tels=phones, adrs=adrs, url=bool(web)))
    return dict(source="flashcrm_clienti", rows=rows, want=want)


def zelo_mottakere():
    """An Oslo building firm's staff as recipients for Zelo, saved by a
    Norwegian Excel as 'CSV UTF-8': Norwegian, Polish, Lithuanian, Slovak
    and Czech names, numbers with +47, +48 or as eight bare digits in
    pairs, one without a number, job titles, groups joined by ', '."""
    s = SOURCES["zelo_mottakere"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, title, groups in STAFF_NO13:
        rows.append([given, family, mail, phone, title, groups])
        # 'Tittel' is the job title; the groups are no organisation; 'Telefon' names no kind.
        want.append(card(person(given, family, job=title, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="zelo_mottakere", rows=rows, want=want, bom=True)


def vantaca_tenants():
    """Tenants of Ohio homeowners' associations in Vantaca's import sheet:
    association codes and the owner's account number in front, a secondary
    tenant (a spouse or flatmate) with a number, a mailbox or both on five rows,
    the tenant's own numbers with a label beside the second and third, US
    dates, moved-out dates for two; no mailbox and no address of the tenant."""
    s = SOURCES["vantaca_tenants"]
    rows, want = [s["header"]], []
    for assoc, account, given, family, second, phone, move_in, move_out, phone2, label2, phone3, label3 in TENANTS13:
        other = second or ("", "", "", "", "", "")
        rows.append(fill(s["header"], {
            "AssocCode": assoc, "Account": account, "FirstName": given, "LastName": family,
            "SecondaryTenantFirstName": other[0], "SecondaryTenantLastName": other[1], "Phone": phone,
            "MoveIn": move_in, "MoveOut": move_out, "TenantPhone2": phone2, "TenantPhone2Label": label2,
            "TenantPhone3": phone3, "TenantPhone3Label": label3, "SecondaryTenantPhone": other[2],
            "SecondaryTenantPhoneLabel": other[3], "SecondaryTenantEmail": other[4],
            "SecondaryTenantEmailLabel": other[5]}))
        # The tenant is the card; the secondary tenant is another person, left off it with his number and
        # mailbox; the owner's account is no number; 'Phone' names no kind, the labelled numbers take their
        # label's kind.
        tels = [(ANY, phone)] + [(LABELS[label], n) for n, label in ((phone2, label2), (phone3, label3)) if n]
        want.append(card(person(given, family), tels=tels))
    return dict(source="vantaca_tenants", rows=rows, want=want)
