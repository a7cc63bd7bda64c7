"""Seventeenth held-out set: a trade fair's leads, a parliamentary directory
read by a non-profit's CRM, a scholarship office's donors, a sales team's
KPI report, a chess club's members, an event's suppliers, a personal
trainer's clients, an HR programme's CRM contacts and a school's alerting
app's staff. Each maker returns a dict as crm_exports.py's do."""
import hashlib

from export_kit import ANY, card, fill
from people import company, person
from seventeenth_headers import SOURCES
from seventeenth_people import (CHESS17, CLIENTS17, DONORS17, HR17, LEADS17, MPS17, SALES17, STAFF17,
                                SUPPLIERS17)


def birthday(text):
    """'1990-05-15' or '15.05.1990' as (year, month, day); None for nothing."""
    if not text:
        return None
    if "-" in text:
        y, m, d = text.split("-")
    else:
        d, m, y = text.split(".")
    return int(y), int(m), int(d)


def leadradar_leads():
    """Leads taken at a Basel building fair's stand with LeadRadar: ids,
    ISO times, how each was taken (business card, by hand, QR, LinkedIn),
    OCR status, confidence and warnings, attachment ids, links and hashes;
    a first, last and full name, company, title, office phone and mobile,
    web site, a LinkedIn link for two, the address in four columns;
    a business card without a name (the firm alone), a freelancer and a
    student without a company; the products of interest joined by ';' in
    one cell (quoted), notes with a comma and quotes; the signature, LF."""
    s = SOURCES["leadradar_leads"]
    rows, want = [s["header"]], []
    for k, (given, family, firm, title, mail, phone, mobile, web, street, code, town, country, how, interest,
            notes) in enumerate(LEADS17):
        lead = f"ld_{7301 + k * 17:06d}"
        card_taken = how == "BUSINESS_CARD"
        attachment = f"att_{9100 + k}" if card_taken else ""
        values = {
            "tenant_slug": "isotherm-ag", "event_id": "evt_swissbau26", "event_name": "Swissbau 2026",
            "form_id": "frm_stand_b41", "form_name": "Standbesuch Halle 1.0 B41", "lead_id": lead,
            "lead_created_at": f"2026-01-{20 + k % 4}T{9 + k % 8:02d}:{(k * 7) % 60:02d}:{(k * 13) % 60:02d}.{k * 37:03d}Z",
            "lead_updated_at": f"2026-01-{24 + k % 3}T16:{(k * 11) % 60:02d}:05.120Z" if k % 3 == 0 else "",
            "contact_source": how, "contact_first_name": given, "contact_last_name": family,
            "contact_full_name": f"{given} {family}" if given and family else "", "contact_company": firm,
            "contact_title": title, "contact_email": mail, "contact_phone": phone, "contact_mobile": mobile,
            "contact_website": web,
            "contact_linkedin_url": f"https://www.linkedin.com/in/{given.lower()}-{k + 40}" if how == "LINKEDIN"
            or k == 4 else "",
            "contact_street": street, "contact_zip": code, "contact_city": town, "contact_country": country,
            "ocr_status": ("FAILED" if k == 9 else "DONE") if card_taken else "NONE",
            "ocr_confidence": ("" if k == 9 else f"0.{91 - k}") if card_taken else "",
            "ocr_warnings": ("error:OCR_TIMEOUT" if k == 9 else "pending;corrected" if k in (1, 12) else "")
            if card_taken else "",
            "business_card_attachment_id": attachment,
            "business_card_image_url": f"https://app.leadradar.ch/api/admin/attachments/{attachment}/download"
            if card_taken else "",
            "business_card_image_sha256": hashlib.sha256(attachment.encode()).hexdigest() if card_taken else "",
            "f_interest_product": interest, "f_notes": notes}
        rows.append(fill(s["header"], values))
        # The full name is FN; 'contact_company' the organisation, 'contact_title' the job title; 'contact_phone'
        # is a business contact's (WORK or VOICE), 'contact_mobile' CELL; the four address columns one address
        # (the country as written); a card without a name is the firm's alone; lead, event, form, OCR and
        # attachment columns, the LinkedIn link, products and notes are nobody's.
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("CELL", mobile)) if n]
        adrs = [(None, street, town, "", code, country)] if street or code or town or country else []
        p = person(given, family, org=firm, job=title, emails=[mail]) if given else \
            company(firm, emails=[mail])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="leadradar_leads", rows=rows, want=want, bom=True, line_end="\n")


def kuerschner_liste():
    """Members of the Bundestag and two of the European Parliament as
    Kürschner's export lists them for an aid organisation's CRM: running
    numbers, the full name line with the doctor's and professor's titles,
    a name prefix ('von'), sex, group, parliament, an office for three,
    committees (two in one cell for some), salutations, the web site; the
    parliament's office block (Brussels with 'Belgien' for the two MEPs,
    a room number as its second line), a ministry's block for one,
    a constituency office for most; area codes apart from the numbers;
    one without a mailbox; ISO-8859-1, CRLF."""
    s = SOURCES["kuerschner_liste"]
    rows, want = [s["header"]], []
    for k, mp in enumerate(MPS17):
        female = mp["sex"] == "w"
        a_parl, z_parl, st_parl, plz_parl, ort_parl, eu_parl, vw_parl, nr_parl = mp["parl_office"]
        handle = mp["mail"].split("@")[0].replace(".", "_").replace("-", "_")
        values = {
            "LfdNr": str(k + 1), "AusgabeGesNamenszeile": mp["namline"], "Nachname": mp["family"],
            "Vorname": mp["given"], "Praefix": mp.get("prefix", ""), "Titel": mp.get("title", ""),
            "Geschlecht": mp["sex"], "Fraktion": mp["group"], "Parlament": mp["parl"],
            "Funktion_Amt": mp.get("function", ""), "Gremien": mp["gremien"],
            "AnredeHerrnFrau": "Frau" if female else "Herrn",
            "PosAnrede": ("Sehr geehrte Frau " if female else "Sehr geehrter Herr ") + (mp.get("title", "") + " "
                                                                                         if mp.get("title") else "")
            + (mp.get("prefix", "") + " " if mp.get("prefix") else "") + mp["family"],
            "Email1": mp["mail"], "Internet": mp["web"],
            "Facebook": f"facebook.com/{handle.replace('_', '.')}" if handle and k % 3 == 0 else "",
            "Twitter": f"@{handle}" if handle and k % 2 == 0 else "",
            "Instagram": "", "AdresseParl": a_parl, "AdresszusatzParl": z_parl, "StrassePostfachParl": st_parl,
            "PLZParl": plz_parl, "OrtParl": ort_parl, "EUMitgliedslandParl": eu_parl,
            "TelefonvorwahlParl": vw_parl, "TelefonnummerParl": nr_parl, "MitarbeiterPARL": mp["staff"],
            "Wahlkreis": mp["wk"]}
        tels = [("WORK|VOICE", f"{vw_parl} {nr_parl}")]
        adrs = [(None, st_parl, ort_parl, "", plz_parl, eu_parl)]
        if mp.get("ministry"):
            ministry, r1, r2, r3, st, plz, ort, eu, vw, nr = mp["ministry"]
            values.update({"MinisteriumAmtReg": ministry, "RAdresszusatz1": r1, "RAdresszusatz2": r2,
                           "RAdresszusatz3": r3, "StrassePostfachReg": st, "PLZReg": plz, "OrtReg": ort,
                           "EUMitgliedslandReg": eu, "TelefonvorwahlReg": vw, "TelefonnummerReg": nr})
            tels.append(("WORK|VOICE", f"{vw} {nr}"))
            adrs.append((None, st, ort, "", plz, eu))
        if mp["wk_office"]:
            z, st, plz, ort, eu, vw, nr = mp["wk_office"]
            values.update({"AdresszusatzWK": z, "StrassePostfachWK": st, "PLZWK": plz, "OrtWK": ort,
                           "EUMitgliedslandWK": eu, "TelefonvorwahlWK": vw, "TelefonnummerWK": nr})
            tels.append(("WORK|VOICE", f"{vw} {nr}"))
            adrs.append((None, st, ort, "", plz, eu))
        rows.append(fill(s["header"], values))
        # FN is the full name line as the directory writes it (titles and all); 'Vorname' the given name,
        # 'Nachname' the family name as its column holds it ('Hagen'; 'von' is the prefix, 'Dr.' the title's,
        # neither scored); 'Parlament' the organisation (the group is a part of it, as a department is);
        # 'Funktion_Amt' the job title; each block's area code and number are one number, parted by a space, of
        # an office (WORK or VOICE); each block's street, postal code, town and EU country an address, its
        # 'Adresse'/'Adresszusatz' lines (the parliament's name, a room, 'Wahlkreisbüro') no part of the street;
        # the ministry's name, salutations, committees, staff, constituency and social links are nobody's.
        p = person(mp["given"], mp["family"], org=mp["parl"], job=mp.get("function", ""),
                   emails=[mp["mail"]] if mp["mail"] else [])
        want.append(card(p, fn=mp["namline"], tels=tels, adrs=adrs))
    return dict(source="kuerschner_liste", rows=rows, want=want)


def campuslogic_donors():
    """A Pittsburgh university's scholarship donors for CampusLogic's import:
    foundations, societies, firms and funds, no persons; descriptions,
    Y/N flags, internal ids and notes (one with a comma and quotes), suite
    and floor as the second line, two-letter states, a Canadian province
    and postal code, bare ten-digit phones, second phones for three, empty
    extension columns, web sites without a scheme; a fund with its country
    alone and no phone, an award with no address at all; CRLF."""
    s = SOURCES["campuslogic_donors"]
    rows, want = [s["header"]], []
    for row in DONORS17:
        (name, _, _, _, _, _, _, line1, _, country, city, state, code, phone1, _, phone2, _, mail, web) = row
        rows.append(list(row))
        # The donor (a foundation, society, firm or fund) is a company-only card; phones are an organisation's
        # (WORK or VOICE), the extension columns are empty; 'Address Line 2' (a suite, a floor) is no part of
        # the street; the state is the region, the country as written; description, flags, ids, notes and the
        # web site are nobody's on the card.
        tels = [("WORK|VOICE", n) for n in (phone1, phone2) if n]
        adrs = [(None, line1, city, state, code, country)] if line1 or city or code or country else []
        want.append(card(company(name, emails=[mail] if mail else []), tels=tels, adrs=adrs))
    return dict(source="campuslogic_donors", rows=rows, want=want)


def obchodnici_kpi():
    """A Bratislava sales team's week as its KPI tool exports it: the name
    split at its first space (a double family name stays whole after it),
    mailboxes in lower case, counts, revenue, commission with two decimals,
    bonus, 'Splnené'/'Nesplnené'; a new salesperson with nothing yet;
    cells unquoted, LF between rows and none after the last."""
    s = SOURCES["obchodnici_kpi"]
    rows, want = [s["header"]], []
    for name, mail, contacts, outreaches, meetings, offers, orders, revenue in SALES17:
        given, _, family = name.partition(" ")
        met = contacts >= 30 and outreaches >= 30 and meetings >= 10 and offers >= 15 and orders >= 2
        rows.append([given, family, mail, str(contacts), str(outreaches), str(meetings), str(offers), str(orders),
                     str(revenue), f"{revenue * 0.2:.2f}", "200" if revenue >= 5000 else "0",
                     "Splnené" if met else "Nesplnené"])
        # 'Meno' the given name, 'Priezvisko' the family name (both words of a double one); the figures are
        # nobody's; no organisation column (the firm's own staff).
        want.append(card(person(given, family, emails=[mail])))
    text = "\n".join(";".join(row) for row in rows)
    return dict(source="obchodnici_kpi", rows=rows, want=want, text=text)


def schach_mitglieder():
    """A Dresden chess club's members for its app's import: birth dates in
    both allowed forms, some missing; sex, DWZ and Elo ratings, DWZ ids,
    Lichess and Chess.com names; roles and statuses in the app's words;
    consents ja/nein; two juniors without a mailbox, a parent (role
    'eltern') with the mailbox and phone; Czech, Polish and Hungarian
    members with their home numbers; notes naming others; the signature and
    CRLF of Excel's 'CSV UTF-8'."""
    s = SOURCES["schach_mitglieder"]
    rows, want = [s["header"]], []
    for row in CHESS17:
        given, family, mail, phone, born = row[:5]
        rows.append(list(row))
        # 'Telefon' says no kind; 'Geburtsdatum' is the birthday in either form; role, status, ratings, ids, user
        # names, consents and notes ('2. Vorsitzende', 'Mutter von Lena Kühn') are nobody's on the card.
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], birthday=True))
    return dict(source="schach_mitglieder", rows=rows, want=want, bom=True)


def grossanlass_anfragen():
    """Suppliers asked for a Burgdorf wrestling festival, as its team's sheet
    holds them: the firm, the place alone or a whole address in one cell
    ('Oberburgstrasse 12, 3400 Burgdorf'), web sites, trades, what is asked,
    hints, salutation and the contact's name; three firms without a contact
    person, a club without a phone; remarks; LF."""
    s = SOURCES["grossanlass_anfragen"]
    rows, want = [s["header"]], []
    for row in SUPPLIERS17:
        firm, place, _, _, _, _, _, given, family, mail, phone, _ = row
        rows.append(list(row))
        # 'Firma' the organisation; the contact's name is the card's, none makes it the firm's alone; 'Anrede' is
        # a salutation (the prefix, not scored); 'Ort / Adresse' is the town, or street, postal code and town
        # where it holds a whole address (no country); 'Telefon' a business contact's (WORK or VOICE); web site,
        # trade, what, hints and remarks are nobody's.
        street, _, town = place.rpartition(", ")
        code, town = town.split(" ", 1) if street else ("", town)
        p = person(given, family, org=firm, emails=[mail]) if given else company(firm, emails=[mail])
        want.append(card(p, tels=[("WORK|VOICE", phone)] if phone else [],
                         adrs=[(None, street, town, "", code, "")]))
    return dict(source="grossanlass_anfragen", rows=rows, want=want, line_end="\n")


def trener_klienci():
    """A Kraków personal trainer's clients as the app exports them: ids,
    ordered by family name; mailboxes of the clients' accounts (two
    without), phones with +48, bare or a landline, one missing; goals, one
    with ';' (quoted), one with quotes; ISO birth dates, two missing;
    statuses in English, creation times, 'Tak'/'Nie'; the signature, LF."""
    s = SOURCES["trener_klienci"]
    rows, want = [s["header"]], []
    for row in CLIENTS17:
        _, given, family, mail, phone, _, born = row[:7]
        rows.append(list(row))
        # 'Imię' the given, 'Nazwisko' the family name; 'Telefon' says no kind; 'Data urodzenia' the birthday;
        # id, goal, status, creation and the self-booking flag are nobody's.
        p = person(given, family, emails=[mail] if mail else [], birthday=birthday(born))
        want.append(card(p, tels=[(ANY, phone)] if phone else [], birthday=True))
    return dict(source="trener_klienci", rows=rows, want=want, bom=True, line_end="\n")


def crm_import_kontaktu():
    """HR people of firms in a Czech training programme, as its team saves
    them from Excel for the CRM's import: six columns, positions in Czech
    and English, a self-employed consultant without a firm, phones with
    +420 or bare, two missing; '&' in a firm's name; the signature, CRLF."""
    s = SOURCES["crm_import_kontaktu"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, firm, position in HR17:
        rows.append([given, family, mail, phone, firm, position])
        # 'Firma' the organisation, 'Pozice' the job title; 'Telefon' says no kind.
        want.append(card(person(given, family, org=firm, job=position, emails=[mail]),
                         tels=[(ANY, phone)] if phone else []))
    return dict(source="crm_import_kontaktu", rows=rows, want=want, bom=True)


def krisen_benutzer():
    """A Baar special school's staff for its alerting app's import: five
    columns, the school's mailboxes, Swiss mobiles at home or with +41,
    office lines, one without a phone; roles Admin, Krisenstab, Mitarbeiter;
    a double-barrelled family name; the signature, CRLF."""
    s = SOURCES["krisen_benutzer"]
    rows, want = [s["header"]], []
    for given, family, mail, phone, role in STAFF17:
        rows.append([given, family, mail, phone, role])
        # 'Telefon' says no kind; the role is the app's permission, no job title.
        want.append(card(person(given, family, emails=[mail]), tels=[(ANY, phone)] if phone else []))
    return dict(source="krisen_benutzer", rows=rows, want=want, bom=True)
