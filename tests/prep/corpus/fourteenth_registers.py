"""Fourteenth held-out set, the warehouse tables: a sales CRM's leads, a
scheduling tool's contacts, a chat tool's contacts and a shared inbox's
contact books, as Fivetran writes them and a warehouse saves them as CSV.
Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card, fill
from people import company, person
from fourteenth_headers import SOURCES
from fourteenth_people import BOOKINGS14, CHATS14, LEADS_SELL14, SHARED_BOOK14


def zendesk_sell_leads():
    """A Vienna software reseller's leads from Zendesk Sell: ids of the
    creator, owner and source, ISO times, firms across Central Europe and the
    Nordics, two leads that are a firm alone, one person without a firm,
    office numbers, faxes and mobiles, titles, statuses, descriptions with
    commas (quoted), web sites for some; LF line ends."""
    s = SOURCES["zendesk_sell_leads"]
    rows, want = [s["header"]], []
    for k, (number, org, given, family, mail, phone, fax, mobile, industry, status, title, web,
            note) in enumerate(LEADS_SELL14):
        rows.append(fill(s["header"], {
            "id": number, "creator_id": "2281904", "owner_id": "2281904" if k % 3 else "2281977",
            "source_id": "1520443" if k % 2 else "1520447",
            "unqualified_reason_id": "604118" if status == "Unqualified" else "",
            "created_at": f"2026-0{1 + k % 3}-{10 + k:02d}T09:{10 + k:02d}:00Z", "description": note,
            "email": mail, "fax": fax, "first_name": given, "industry": industry, "last_name": family,
            "mobile": mobile, "organization_name": org, "phone": phone, "status": status, "title": title,
            "updated_at": f"2026-04-{10 + k:02d}T16:{20 + k:02d}:00Z", "website": web}))
        # A lead with a name is that person at the firm, a firm alone is a company-only card; 'phone' is WORK or
        # VOICE, 'mobile' CELL, 'fax' FAX; the ids, industry, status and description are nobody's.
        tels = [(t, n) for t, n in (("WORK|VOICE", phone), ("CELL", mobile), ("FAX", fax)) if n]
        if given:
            p = person(given, family, org=org, job=title, emails=[mail], url=web)
        else:
            p = company(org, emails=[mail], url=web)
        want.append(card(p, tels=tels, url=bool(web)))
    return dict(source="zendesk_sell_leads", rows=rows, want=want, line_end="\n")


def oncehub_contacts():
    """A Prague HR software firm's OnceHub contacts: owner ids, bot flags,
    city, region, post code and country without a street, company sizes,
    the form that booked, consent flags, salutations, office and mobile
    numbers; one newsletter sign-up with a name and a mailbox only."""
    s = SOURCES["oncehub_contacts"]
    rows, want = [s["header"]], []
    for k, (number, given, family, salutation, mail, phone, mobile, firm, title, city, state, code, country,
            employees, form) in enumerate(BOOKINGS14):
        rows.append(fill(s["header"], {
            "id": number, "owner": "u_3301" if k % 2 else "u_3318", "bot": "false", "city": city, "company": firm,
            "company_size": employees, "country": country, "creation_time": f"2026-02-{3 + k:02d}T10:00:00Z",
            "email": mail, "employees": employees, "first_name": given, "form": form,
            "has_consent": "true" if k % 4 else "false", "job_title": title,
            "last_interacted_time": f"2026-03-{3 + k:02d}T14:30:00Z", "last_name": family,
            "last_updated_time": f"2026-03-{3 + k:02d}T14:30:00Z", "mobile_phone": mobile, "phone": phone,
            "post_code": code, "salutation": salutation, "state": state}))
        # 'salutation' is the name's prefix; 'company' the organisation, 'job_title' the title; the address has
        # no street, city, region, post code and country as written, neither home nor work; 'phone' names no
        # kind, 'mobile_phone' is CELL; owner, bot, sizes, form and consent are nobody's.
        tels = ([(ANY, phone)] if phone else []) + ([("CELL", mobile)] if mobile else [])
        adrs = [(None, "", city, state, code, country)] if city else []
        p = person(given, family, prefix=salutation, org=firm, job=title, emails=[mail])
        want.append(card(p, tels=tels, adrs=adrs))
    return dict(source="oncehub_contacts", rows=rows, want=want, line_end="\n")


def drift_contacts():
    """A Brno software firm's Drift contacts: created as milliseconds, JSON
    of events and social profiles in quoted cells (their own commas and
    quotes), one whole name per contact, two visitors without a name (one of
    them with a relay mailbox), numbers for some."""
    s = SOURCES["drift_contacts"]
    rows, want = [s["header"]], []
    for number, created, mail, events, name, phone, social in CHATS14:
        rows.append([number, created, mail, events, name, phone, social])
        # FN is the name as written, its first word the given name; without a name FN is the mailbox; the JSON
        # cells are nobody's (a profile link is no web page of the contact's); 'phone' names no kind.
        given, _, family = name.partition(" ")
        tels = [(ANY, phone)] if phone else []
        if name:
            want.append(card(person(given, family, emails=[mail]), fn=name, tels=tels))
        else:
            want.append(card(person(emails=[mail]), fn=mail, tels=tels))
    return dict(source="drift_contacts", rows=rows, want=want, line_end="\n")


def missive_contacts():
    """A Bratislava agency's shared contact books in Missive: ids, two books,
    deleted and starred flags, middle names for four, ISO times; names only
    (numbers and mailboxes live in another table)."""
    s = SOURCES["missive_contacts"]
    rows, want = [s["header"]], []
    for number, book, deleted, given, family, middle, modified, starred in SHARED_BOOK14:
        rows.append([number, book, deleted, given, family, middle, modified, starred])
        # FN is given and family name (the middle name may stand between them); a deleted contact is a card all
        # the same; the book, the flags and the time are nobody's.
        want.append(card(person(given, family)))
    return dict(source="missive_contacts", rows=rows, want=want, line_end="\n")
