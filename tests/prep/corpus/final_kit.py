"""What the fourth held-out set's makers share beyond export_kit.py and the
other kits: numbers as people write them at home or as a carrier's form
wants them, addresses written whole in one cell, dates the European way."""

# The trunk prefix each country dials before a national number ('' where none).
TRUNK = {"+36": "06 ", "+420": "", "+421": "0", "+48": "", "+40": "0", "+385": "0", "+386": "0", "+49": "0",
         "+43": "0", "+41": "0", "+373": "0"}


def dial(number):
    """'+421 2 5443 1000' as ('421', '254431000'): the calling code and the
    digits after it, as a carrier's address book asks for them."""
    code, rest = number.split(" ", 1)
    return code.lstrip("+"), rest.replace(" ", "")


def at_home(number):
    """A number as written inside its country: '+41 79 345 67 89' as '079 345 67 89'."""
    if not number:
        return ""
    code, rest = number.split(" ", 1)
    return TRUNK[code] + rest


def plain(number):
    """'+420 777 123 456' as '+420777123456'."""
    return number.replace(" ", "")


def whole_address(a, code_first=False, country=False):
    """The address in one cell: 'Křenová 12, 602 00 Brno', or code and town
    first as Hungarians write it ('1138 Budapest, Dunavirág utca 2-6.'),
    with the country after it where asked."""
    town = f"{a[4]} {a[2]}"
    line = f"{town}, {a[1]}" if code_first else f"{a[1]}, {town}"
    return line + (f", {a[5]}" if country else "")


def dmy(p, padded=True):
    """The birthday as '14.03.1978', or '14.3.1978' unpadded; '' where none."""
    if not p["birthday"]:
        return ""
    y, m, d = p["birthday"]
    return f"{d:02d}.{m:02d}.{y}" if padded else f"{d}.{m}.{y}"


def full_name(p):
    return f"{p['given']} {p['family']}"


def first_phone(p, *kinds):
    """The first number of the first kind the person has, with its kind."""
    for kind in kinds:
        for t, n in p["phones"]:
            if t == kind:
                return kind, n
    return "", ""
