"""Sixty-sixth held-out set: address books of webmail and mail servers (a
Japanese webmail's own CSV form and its server's account list, a Japanese
cloud webmail, a Chinese business mail, a medical school's webmail) and a
contacts sync service's CSV file. Each maker returns a dict as
crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from sixtysixth_headers import SOURCES
from sixtysixth_people import ALIBABA66, CYBERACC66, CYBERMAIL66, KMAIL66, QUALITIA66, SYNCBLUE66


def slashed_date(text):
    """'1975/06/02' as (1975, 6, 2); '' as None."""
    return tuple(int(x) for x in text.split("/")) if text else None


def is_latin(text):
    return all(ord(ch) < 0x2E80 for ch in text)


def split_whole(name):
    """A whole name as a careful reader splits it: Latin letters given name
    first, the last word the family name; Chinese and Japanese family name
    first, a blank between them or, with none, the first character."""
    if is_latin(name):
        given, _, family = name.rpartition(" ")
        return given, family
    if " " in name:
        family, given = name.split(" ", 1)
        return given, family
    return name[1:], name[0]


def cybermail_addressbook():
    """An Osaka machine-parts trader's address book in CyberMail's own CSV
    form: groups as paths ('/取引先/大阪'), five reserved columns left empty,
    '1' for UTF-8 in every row, Japanese display names family name first
    with a blank and a Hungarian one the Hungarian way ('Horváth Péter'),
    Czech, Polish and Hungarian partners whose firm's address has no country
    column, a haulier with its name as display name, private friends with
    home addresses, second mailboxes, a note with a comma."""
    s = SOURCES["cybermail_addressbook"]
    header = s["header"]
    rows, want = [header], []
    for c in CYBERMAIL66:
        g = c.get
        row = [""] * len(header)
        for column, value in (
                ("階層情報", g("group", "")), ("表示名", g("display", "")), ("文字コード", "1"),
                ("個人メールアドレス1", g("mail", "")), ("名", g("given", "")), ("姓", g("family", "")),
                ("生年月日", g("born", "")), ("備考", g("note", "")), ("住所(個人)国", g("country", "")),
                ("住所(個人)都道府県", g("hpref", "")), ("住所(個人)郵便番号", g("hcode", "")),
                ("住所(個人)市区町村", g("hcity", "")), ("住所(個人)市区町村以降", g("hrest", "")),
                ("個人電話番号1", g("hphone", "")), ("FAX番号(個人)", g("hfax", "")),
                ("携帯番号(個人)1", g("mobile", "")), ("個人メールアドレス2", g("mail2", "")), ("会社名", g("firm", "")),
                ("住所(会社)都道府県", g("wpref", "")), ("住所(会社)郵便番号", g("wcode", "")),
                ("住所(会社)市区町村", g("wcity", "")), ("住所(会社)市区町村以降", g("wrest", "")),
                ("会社電話番号1", g("wphone", "")), ("FAX番号(会社)", g("wfax", "")),
                ("携帯番号(会社)1", g("wmobile", "")), ("会社メールアドレス1", g("wmail", "")),
                ("部署", g("dept", "")), ("役職", g("post", ""))):
            row[header.index(column)] = value
        rows.append(row)
        # '表示名' is FN as written (family name first for the Japanese and for Horváth Péter); '名' and '姓'
        # the given and family name. Where '表示名' is '会社名' itself and neither name is given, the row is the
        # company alone. The mailboxes in the file's order: personal 1 and 2, then the company's. Phones keep
        # their column's kind: personal phone HOME, personal fax and company fax FAX, both mobiles CELL, company
        # phone WORK. '住所(個人)' is the HOME address with its country; '住所(会社)' the WORK address, which
        # has no country column: '市区町村以降' the street, '市区町村' the city, '都道府県' the region. '会社名'
        # the organisation, '役職' the title; '部署', the group path, the character set and the note are no
        # field of the card. '生年月日' the birthday.
        tels = [(kind, number) for kind, number in (
            ("HOME", g("hphone", "")), ("FAX", g("hfax", "")), ("CELL", g("mobile", "")),
            ("WORK", g("wphone", "")), ("FAX", g("wfax", "")), ("CELL", g("wmobile", ""))) if number]
        emails = [m for m in (g("mail", ""), g("mail2", ""), g("wmail", "")) if m]
        adrs = []
        if g("hrest") or g("hcity"):
            adrs.append(("HOME", g("hrest", ""), g("hcity", ""), g("hpref", ""), g("hcode", ""), g("country", "")))
        if g("wrest") or g("wcity"):
            adrs.append(("WORK", g("wrest", ""), g("wcity", ""), g("wpref", ""), g("wcode", ""), ""))
        if not g("given") and not g("family"):
            want.append(card(person(org=g("firm"), emails=emails), tels=tels, adrs=adrs))
            continue
        p = person(g("given"), g("family"), org=g("firm", ""), job=g("post", ""), emails=emails,
                   birthday=slashed_date(g("born", "")))
        want.append(card(p, fn=g("display"), tels=tels, adrs=adrs, birthday=True))
    return dict(source="cybermail_addressbook", rows=rows, want=want)


def qualitia_mails():
    """A Fukuoka design office's address book for mails 2.x: nested groups
    ('友人/大学') and one without, whole names family name first for the
    Japanese and given name first for Czech, Polish, Hungarian and Slovak
    partners, katakana readings, phones local and international, the firm,
    department and post in ITEM1 to ITEM3 for some, a carrier whose name is
    its firm, memos, one with a comma."""
    s = SOURCES["qualitia_mails"]
    rows, want = [s["header"]], []
    for group, mail, name, reading, tel, firm, department, post, memo in QUALITIA66:
        rows.append([group, mail, name, reading, tel, firm, department, post, memo])
        # 'NAME' is FN as written and splits as a careful reader splits it: Japanese family name first at the
        # blank, Latin letters given name first. Where it is ITEM1 itself the row is the company alone. 'EMAIL'
        # the mailbox; 'TEL' names no kind. ITEM1 to ITEM3 hold the firm, department and post by default: ITEM1
        # the organisation, ITEM3 the title, the department no field of the card. 'GLOBAL NAME' is the reading,
        # no name; group and memo nobody's.
        tels = [(ANY, tel)] if tel else []
        if name == firm:
            want.append(card(person(org=firm, emails=[mail]), tels=tels))
            continue
        given, family = split_whole(name)
        want.append(card(person(given, family, org=firm, job=post, emails=[mail]), fn=name, tels=tels))
    return dict(source="qualitia_mails", rows=rows, want=want)


def alibaba_mail_contacts():
    """A Hangzhou e-commerce firm's personal address book for Alibaba Mail:
    Chinese names in characters without a blank beside Czech, Polish,
    Hungarian and Croatian suppliers given name first, mobiles of eleven
    digits without blanks or with +86, a Yiwu landline in the mobile's column,
    backup mailboxes on 163.com, qq.com and freemail.hu for some, one contact
    without a mobile."""
    s = SOURCES["alibaba_mail_contacts"]
    rows, want = [s["header"]], []
    for name, mail, mobile, backup in ALIBABA66:
        rows.append([name, mail, mobile, backup])
        # 'Name' is FN as written; Chinese characters without a blank split after the first (the family name),
        # Latin letters at the last blank. 'Email' and 'Backup Email' are both the contact's, in that order.
        # 'Mobile Phone Number' is the mobile (CELL), whatever number stands in it.
        given, family = split_whole(name)
        emails = [m for m in (mail, backup) if m]
        want.append(card(person(given, family, emails=emails), fn=name,
                         tels=[("CELL", mobile)] if mobile else []))
    return dict(source="alibaba_mail_contacts", rows=rows, want=want)


def kmail_contacts():
    """A Kurashiki medical school's webmail contacts for Kmail, saved as 'CSV
    UTF-8' by a Japanese Excel: Japanese names family name first, Czech,
    Polish, Hungarian (the Hungarian way) and Slovak visiting researchers,
    nicknames for some, private and university mailboxes, home and work
    addresses with the prefecture, foreign work addresses, the school's
    shared switchboard number, a supplier with its name as full name, notes
    with commas, birth dates 'yyyy/mm/dd' for some."""
    s = SOURCES["kmail_contacts"]
    rows, want = [s["header"]], []
    for (full, given, family, nick, mail, mobile, home_phone, home, firm, department, post, work_mail, work_phone,
         work_fax, work, born, notes) in KMAIL66:
        h = home or ("", "", "", "", "")
        w = work or ("", "", "", "", "")
        rows.append([full, given, family, nick, mail, h[0], h[1], h[2], h[3], h[4], "", "", home_phone, mobile,
                     work_mail, firm, department, post, "", w[0], w[1], w[2], w[3], w[4], "", work_fax, work_phone,
                     born, "", notes])
        # 'Full Name' is FN as written; 'First Name' and 'Last Name' the given and family name. Where 'Full
        # Name' is 'Company' itself and neither name is given, the row is the company alone. 'E-mail Address'
        # and 'Business Email' both the contact's, in that order. 'Home Phone' HOME, 'Mobile Phone' CELL,
        # 'Business Fax' FAX, 'Business Phone' WORK. 'Home ...' the HOME address, 'Business ...' the WORK one,
        # the state the region. 'Company' the organisation, 'Job Title' the title; the department and notes no
        # field of the card. 'Nick Name' the nickname, 'Birthday' the birthday.
        tels = [(kind, number) for kind, number in (("HOME", home_phone), ("CELL", mobile), ("FAX", work_fax),
                                                    ("WORK", work_phone)) if number]
        emails = [m for m in (mail, work_mail) if m]
        adrs = ([("HOME",) + tuple(home)] if home else []) + ([("WORK",) + tuple(work)] if work else [])
        if not given and not family:
            want.append(card(person(org=firm, emails=emails), tels=tels, adrs=adrs))
            continue
        p = person(given, family, org=firm, job=post, emails=emails, birthday=slashed_date(born), nickname=nick)
        want.append(card(p, fn=full, tels=tels, adrs=adrs, birthday=True, nickname=True))
    return dict(source="kmail_contacts", rows=rows, want=want, bom=True)


def syncblue_contacts():
    """A Munich engineering firm's contacts in sync.blue's CSV file: internal
    ids, one new contact without, a display name written 'Huber, Sabine',
    numbers as sync.blue writes them ('+498912345670' in single quotes, two
    of a kind joined by ';'), a pager, an other number, the town's utility
    with its name as display name, a private contact without a firm, Czech,
    Hungarian, Austrian, Polish and Slovene partners, ISO birth dates for
    some."""
    s = SOURCES["syncblue_contacts"]
    rows, want = [s["header"]], []
    for row in SYNCBLUE66:
        (_, display, family, given, firm, _, position, work, home, fax, mobile, pager, other, born) = row
        rows.append(list(row))
        # 'display_name' is FN as written; 'given_name' and 'family_name' the names. Where both are empty the
        # row is the company alone. The single quotes round a number are sync.blue's, no part of it; numbers
        # joined by ';' are each a phone of the column's kind: phone_work WORK, phone_home HOME, phone_fax FAX,
        # phone_mobile CELL, phone_pager PAGER, phone_other of no kind. 'company' the organisation, 'position'
        # the title, 'department' no field of the card; 'birthday' the birthday; the id nobody's.
        tels = [(kind, number.strip("'")) for kind, cell in (
            ("WORK", work), ("HOME", home), ("FAX", fax), ("CELL", mobile), ("PAGER", pager), (ANY, other))
            for number in cell.split(";") if number]
        if not given and not family:
            want.append(card(person(org=firm), tels=tels))
            continue
        birthday = tuple(int(x) for x in born.split("-")) if born else None
        p = person(given, family, org=firm, job=position, birthday=birthday)
        want.append(card(p, fn=display, tels=tels, birthday=True))
    return dict(source="syncblue_contacts", rows=rows, want=want)


def cybermail_accounts():
    """A Nagoya parts maker's mail accounts for CyberMail's user import,
    its Prague office among them: accounts that are mailboxes, initial
    passwords, levels 1 and 2, Japanese, Czech, Hungarian and Polish names in
    LastName and FirstName, the address book's address the account's own,
    another (a given-name alias, the Prague office's domain) or empty,
    departments and posts in Custom1 and Custom2, memos."""
    s = SOURCES["cybermail_accounts"]
    rows, want = [s["header"]], []
    for row in CYBERACC66:
        (account, _, _, _, family, given, mail, _, post, _) = row
        rows.append(list(row))
        # Each row is a colleague. 'FirstName' and 'LastName' the names; FN family name first for a Japanese
        # name, as the import's sender name '<姓> <名>' writes it, given name first for a European one. 'Email'
        # is the address the shared address book shows, the card's mailbox; where it is empty the account
        # itself, which is the address the colleague sends and receives with. Custom2 (役職) the title;
        # Custom1 (部署), type, password, level and memo no field of the card.
        fn = f"{given} {family}" if is_latin(family) else f"{family} {given}"
        want.append(card(person(given, family, job=post, emails=[mail or account]), fn=fn))
    return dict(source="cybermail_accounts", rows=rows, want=want)
