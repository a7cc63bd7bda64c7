"""Fifty-seventh held-out set: the address books of phones and messengers (a
Chinese and a Japanese business messenger's member files, an SMS gateway's
address book, a WhatsApp messaging tool's and a Telegram and SMS platform's
contact imports, a Japanese office service's address book with the feature
phones' mailboxes). Each maker returns a dict as crm_exports.py's do."""
from export_kit import ANY, card
from people import person
from fiftyseventh_headers import SOURCES
from fiftyseventh_people import BRAINTOWER57, DOCOCAB57, LINEWORKS57, RAPIDPRO57, SWIFTCHATS57, WECOM57


def is_latin(name):
    return all(ord(ch) < 0x2E80 for ch in name)


def split_whole(name):
    """A whole name as a careful reader splits it: 'Family, Given' at the
    comma; Latin letters given name first, the last word the family name;
    Chinese and Japanese family name first, a blank between them or, with
    none, the first character (the common one-character family names)."""
    if "," in name:
        family, given = (x.strip() for x in name.split(",", 1))
        return given, family
    if is_latin(name):
        given, _, family = name.rpartition(" ")
        return given, family
    if " " in name:
        family, given = name.split(" ", 1)
        return given, family
    return name[1:], name[0]


def wecom_chengyuan():
    """A Czech machine maker's Suzhou subsidiary's members for WeCom: Chinese
    names in characters beside Czech, Polish and Hungarian managers given name
    first, English account ids, posts and departments in Chinese, mobiles
    national or with +420, +36, +48, desk phones with the Suzhou area code,
    one member without a post, personal mailboxes for some."""
    s = SOURCES["wecom_chengyuan"]
    rows, want = [s["header"]], []
    for name, account, post, department, sex, mobile, desk, mail in WECOM57:
        rows.append([name, account, post, department, sex, mobile, desk, mail])
        # Each row is a member: '姓名' the whole name, FN as written; a Chinese name's first character is the
        # family name, a European's last word. '职务' the job title; '部门' a department, no organisation.
        # '手机' the mobile (CELL); '座机' the desk phone at the office (WORK); '个人邮箱' the mailbox.
        # The account id and the sex are nobody's.
        given, family = split_whole(name)
        tels = [(kind, number) for kind, number in (("CELL", mobile), ("WORK", desk)) if number]
        p = person(given, family, job=post, emails=[mail] if mail else [])
        want.append(card(p, fn=name, tels=tels))
    return dict(source="wecom_chengyuan", rows=rows, want=want, bom=True)


def lineworks_members():
    """A Czech glassworks' Tokyo office's members for LINE WORKS: family and
    given names in kanji, their readings in katakana (a Czech member's
    empty), Czech and Polish members in Latin letters, logins, personal
    mailboxes on the carriers' domains for some, none for two."""
    s = SOURCES["lineworks_members"]
    rows, want = [s["header"]], []
    for family, given, family_reading, given_reading, login, mail in LINEWORKS57:
        rows.append([family, given, family_reading, given_reading, login, mail])
        # '姓' the family name, '名前' the given name; a Japanese name reads family name first, so its FN is
        # '山田 太郎', a European's 'Jiří Dvořák'. The readings are no name of the card; the login ID is no
        # mailbox; '個人メールアドレス' is.
        fn = f"{family} {given}" if not is_latin(family + given) else f"{given} {family}"
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, fn=fn))
    return dict(source="lineworks_members", rows=rows, want=want, bom=True)


def braintower_addressbook():
    """A Dresden water utility's on-call list for its Braintower SMS gateway:
    whole names (one 'Schulz, Katrin'), numbers with the 00 international
    prefix and no blanks, Czech, Polish, Slovak and Hungarian numbers, some
    without a mailbox, alarm groups joined by commas, one in none."""
    s = SOURCES["braintower_addressbook"]
    rows, want = [s["header"]], []
    for name, number, mail, groups in BRAINTOWER57:
        rows.append([name, number, mail, groups])
        # 'Name of the contact' is the person, given name first or 'Family, Given'; FN given name first.
        # 'Telephone number' is the number the gateway texts, of no kind, as written; 'Email address' the
        # mailbox. The groups are the gateway's alarm lists, nobody's.
        given, family = split_whole(name)
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=[(ANY, number)]))
    return dict(source="braintower_addressbook", rows=rows, want=want)


def swiftchats_contacts():
    """A Vienna language school's students for Swiftchats' WhatsApp messages:
    numbers with the country's code and no blanks (one with them), courses
    joined by ' | ', Viennese door numbers ('120/3/12'), addresses for about
    half, countries as 'Austria', 'AT' and 'Österreich', one student with a
    given name alone, Czech, Polish, Hungarian, Slovak, Slovene and Romanian
    students among them."""
    s = SOURCES["swiftchats_contacts"]
    rows, want = [s["header"]], []
    for row in SWIFTCHATS57:
        given, family, phone, mail, _, street, city, state, code, country = row
        rows.append(list(row))
        # 'First name' and 'Last name'; FN the given name alone where no family name was typed. 'Phone' is
        # the WhatsApp number, of no kind; 'Email' the mailbox. 'Street', 'City', 'State', 'Zip' and
        # 'Country' the untyped address, the country as written; a country alone is no address. The course
        # groups are nobody's.
        adrs = [(None, street, city, state, code, country)] if street or city or code else []
        p = person(given, family, emails=[mail] if mail else [])
        want.append(card(p, tels=[(ANY, phone)], adrs=adrs))
    return dict(source="swiftchats_contacts", rows=rows, want=want)


def rapidpro_contacts():
    """A Brno volunteers' association's contacts for RapidPro: E.164 numbers,
    numeric Telegram ids beside some, one volunteer on Telegram alone, whole
    names given name first, one contact's UUID, ISO 639-3 languages ('ces',
    'ukr'), registration dates in a 'Field:' column."""
    s = SOURCES["rapidpro_contacts"]
    rows, want = [s["header"]], []
    for phone, telegram, mail, name, uuid, language, registered in RAPIDPRO57:
        rows.append([phone, telegram, mail, name, uuid, language, registered])
        # 'Name' is the whole name, given name first. 'Phone' the number texted, of no kind; 'Email' the
        # mailbox. The Telegram id is an account's number, never a phone; the UUID, the language and the
        # registration date (no birthday) are nobody's.
        given, family = split_whole(name)
        tels = [(ANY, phone)] if phone else []
        want.append(card(person(given, family, emails=[mail] if mail else []), tels=tels))
    return dict(source="rapidpro_contacts", rows=rows, want=want)


def dococab_adrform():
    """A Yokohama trading house's address book in どこでもキャビネット's form,
    in Shift_JIS: Japanese display names family name first with a blank,
    Czech, Polish and Hungarian partners typed without their accents, katakana
    readings, the mobiles' own mailboxes on docomo, au and SoftBank domains,
    office phones and faxes with area codes, a haulier with its name as
    display name, two private contacts without a company."""
    s = SOURCES["dococab_adrform"]
    rows, want = [s["header"]], []
    for name, reading, mail, mobile, mobile_mail, office, fax, firm in DOCOCAB57:
        rows.append([name, reading, mail, mobile, mobile_mail, office, fax, firm])
        # '表示名' is FN as written: a Japanese name family name first, a European's given name first. Where
        # it is '会社名' itself the row is the company alone. '電子メールアドレス' and '携帯メールアドレス' (the
        # phone's own mailbox) are both the contact's mailboxes, the first first. '携帯電話' the mobile (CELL),
        # '勤務先電話番号' the office phone (WORK), '勤務先ファックス' the fax (FAX). The reading is no name.
        tels = [(kind, number) for kind, number in (("CELL", mobile), ("WORK", office), ("FAX", fax)) if number]
        emails = [m for m in (mail, mobile_mail) if m]
        if name == firm:
            want.append(card(person(org=firm, emails=emails), tels=tels))
            continue
        given, family = split_whole(name)
        want.append(card(person(given, family, org=firm, emails=emails), fn=name, tels=tels))
    return dict(source="dococab_adrform", rows=rows, want=want)
