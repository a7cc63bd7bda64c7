"""Third held-out set: the phone books of three phone systems, VoiSpeed's
with a number of each kind and flags, Audian's with a heading named twice for
second numbers, Xarios's with untyped numbers, an honorific beside the job
and custom fields. Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, companies, fill, first_of, persons
from fresh_headers import SOURCES
from fresh_kit import rows_of, trunk
from people import CROATIAN, CZECH, POLISH, ROMANIAN, SLOVENE
from unseen_kit import woman
from unseen_people import CZECH2, HUNGARIAN2, ROMANIAN2

# A switchboard some people also gave, saved as "other".
OTHER = {"Banca Transilvania SA": "+40 264 407 100", "Dacia Automobile SA": "+40 248 500 500"}


def voispeed_phonebook():
    """A phone system's phonebook: office, mobile, home, other and fax
    numbers, written the Romanian way for some; companies without a person;
    visibility and favourite flags."""
    s = SOURCES["voispeed_phonebook"]
    rows, want = [s["header"]], []
    people = persons(ROMANIAN) + persons(ROMANIAN2) + [c for c in ROMANIAN + ROMANIAN2 if not c["given"]] \
        + companies([ROMANIAN])[:1]
    for k, p in enumerate(people, 1):
        numbers = {kind: first_of(p, kind) for kind in ("WORK", "CELL", "HOME", "FAX")}
        if k % 3 == 0:
            numbers = {kind: trunk(n) for kind, n in numbers.items()}
        other = OTHER.get(p["org"], "") if p["given"] else ""
        v = {"Name": p["given"], "Surname": p["family"], "Company": p["org"], "Office number": numbers["WORK"],
             "Mobile number": numbers["CELL"], "Home number": numbers["HOME"], "Other number": other,
             "Fax number": numbers["FAX"], "Visible to everyone": "1" if k % 4 else "0",
             "Can be edited by anyone": "0" if k % 3 else "1", "Favourite": "1" if k in (2, 9) else "0"}
        rows.append(fill(s["header"], v))
        tels = [("WORK", numbers["WORK"]), ("CELL", numbers["CELL"]), ("HOME", numbers["HOME"]), (ANY, other),
                ("FAX", numbers["FAX"])]
        want.append(card(p, title="", prefix="", suffix="", tels=[t for t in tels if t[1]], emails=[]))
    return dict(source="voispeed_phonebook", rows=rows, want=want)


AUDIAN_DEPARTMENTS = {"Krka, d. d.": "Prodaja", "Končar d.d.": "Projekti", "KBC Split": "Interna klinika"}
# Second numbers of a kind, in the heading's second column.
SECOND_MOBILE = {1: "+386 51 600 700"}
SECOND_PHONE = {8: "+385 1 365 5500"}
AUDIAN_NOTES = {2: "Srečala na sejmu v Celju, 2024\nkliče raje popoldne",
                9: "Dogovor o ponudi, poslati do petka"}


def audian_contacts():
    """A phone service's contacts list with tabs: the whole name in 'name',
    mobile and phone headings each twice for second numbers, notes with
    commas and a line break; two companies whose name is their own."""
    s = SOURCES["audian_contacts"]
    rows, want = [s["header"]], []
    people = persons(SLOVENE) + persons(CROATIAN) + [c for c in SLOVENE + CROATIAN if not c["given"]]
    for k, p in enumerate(people, 1):
        alone = not p["given"]
        name = p["org"] if alone else f"{p['given']} {p['family']}"
        mobiles = [n for t, n in p["phones"] if t == "CELL"] + ([SECOND_MOBILE[k]] if k in SECOND_MOBILE else [])
        phones = [n for t, n in p["phones"] if t in ("WORK", "HOME")] + ([SECOND_PHONE[k]] if k in SECOND_PHONE
                                                                          else [])
        values = {"name": [name], "mobile": mobiles, "phone": phones, "fax": [first_of(p, "FAX")],
                  "organization": [p["org"]], "position": [p["job"]],
                  "department": [AUDIAN_DEPARTMENTS.get(p["org"], "")], "email": p["emails"][:1],
                  "about": [AUDIAN_NOTES.get(k, "")]}
        rows.append(rows_of(s["header"], values))
        voice = "WORK|VOICE" if alone else ANY
        tels = [("CELL", n) for n in mobiles] + [(voice, n) for n in phones] + [("FAX", first_of(p, "FAX"))]
        # A row whose name is its organisation's is the company alone.
        want.append(card(p, fn=name, prefix="", suffix="", tels=[t for t in tels if t[1]], emails=p["emails"][:1]))
    return dict(source="audian_contacts", rows=rows, want=want, line_end="\n")


ACCOUNT_MANAGERS = ("petra.svobodova@firma-crm.cz", "lukas.marek@firma-crm.cz")


def xarios_directory():
    """A phone system's contact directory: Mr or Mrs beside the job title, the
    whole name, up to four numbers that say nothing of their kind, a CRM id,
    and custom fields: a kind of contact and an account manager's e-mail."""
    s = SOURCES["xarios_directory"]
    rows, want = [s["header"]], []
    people = persons(CZECH) + persons(HUNGARIAN2) + persons(POLISH)[:2] \
        + [c for c in CZECH2 if not c["given"]]
    for k, p in enumerate(people, 1):
        alone = not p["given"]
        title = "" if alone else ("Mrs" if woman(p) else "Mr")
        full = "" if alone else f"{p['given']} {p['family']}"
        numbers = [n for _, n in p["phones"]][:4]
        v = {"Title": title, "Full Name": full, "Company Name": p["org"], "Job Title": p["job"],
             "Email": p["emails"][0] if p["emails"] else "", "CRM ID": str(560 + 3 * k),
             "Field 1": "Supplier" if alone else "Contact", "Field 2": ACCOUNT_MANAGERS[k % 2]}
        v.update({f"Telephone {n}": number for n, number in enumerate(numbers, 1)})
        rows.append(fill(s["header"], v))
        want.append(card(p, prefix=title, suffix="", tels=[(ANY, n) for n in numbers],
                         emails=p["emails"][:1]))
    return dict(source="xarios_directory", rows=rows, want=want, line_end="\n")
