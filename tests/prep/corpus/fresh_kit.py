"""What the third held-out set's makers share beyond export_kit.py and
unseen_kit.py: numbers written the ways the tools want them, streets cut into
name, house and flat, countries named in the tool's language, and the rows of
a file whose header names a column twice."""
import re

from unseen_kit import national, split_street

# Countries as a German, a Polish or a Hungarian interface names them.
COUNTRY_NAMES = {
    "de": {"Česko": "Tschechien", "Deutschland": "Deutschland", "Österreich": "Österreich", "Slovensko": "Slowakei",
           "Polska": "Polen"},
    "pl": {"Slovensko": "Słowacja", "Česko": "Czechy", "Polska": "Polska", "Magyarország": "Węgry"},
}

DIAL_CODES = {"Polska": "+48", "Magyarország": "+36", "Česko": "+420", "Slovensko": "+421", "Slovenija": "+386",
              "Hrvatska": "+385", "România": "+40", "Deutschland": "+49", "Österreich": "+43"}

# Croatian counties (županije) of the towns the people live in.
COUNTIES = {"Zagreb": "Grad Zagreb", "Split": "Splitsko-dalmatinska", "Rijeka": "Primorsko-goranska",
            "Koprivnica": "Koprivničko-križevačka", "Kutjevo": "Požeško-slavonska",
            "Đakovo": "Osječko-baranjska", "Osijek": "Osječko-baranjska"}


def country_name(country, lang):
    return COUNTRY_NAMES[lang].get(country, country)


def dial_code(number):
    """The country's dial code a number starts with, or ''."""
    return next((code for code in sorted(DIAL_CODES.values(), key=len, reverse=True)
                 if number.startswith(code + " ")), "")


def bare(number, style):
    """A number without blanks, as a till or an e-signature form takes it:
    '00420777123456' ('00'), '777123456' ('national') or '+420777123456'."""
    code = dial_code(number)
    rest = number[len(code):].replace(" ", "") if code else number.replace(" ", "")
    if style == "00":
        return "00" + code.lstrip("+") + rest
    if style == "national":
        return rest
    return code + rest


def trunk(number):
    """A number as written at home: the dial code dropped for a trunk zero
    ('+386 41 123 456' as '041 123 456'); Hungary's trunk prefix is 06."""
    code = dial_code(number)
    if not code:
        return number
    return national(number, code, "06" if code == "+36" else "0")


def slovak_slash(number):
    """'+421 2 5443 1000' as Slovaks write a landline: '02/5443 1000'."""
    code = dial_code(number)
    groups = number[len(code):].split()
    return f"0{groups[0]}/{' '.join(groups[1:])}" if code == "+421" and len(groups) > 1 else number


def house_parts(street, slash_is_flat=False):
    """'ul. Długa 5 m. 3' as ('ul. Długa', '5', '3'), 'Hauptstraße 5' as
    ('Hauptstraße', '5', ''); after a slash a Polish street has its flat
    ('ul. Mariacka 17/4': '17', '4'), a Czech one its orientation number
    ('Opavská 1105/12': '1105/12', '')."""
    m = re.match(r"^(.*?)\s+(\d+\w*) m\. (\w+)$", street)
    if m:
        return m.group(1), m.group(2), m.group(3)
    name, number, after = split_street(street)
    if slash_is_flat:
        return name, number, after
    return name, number + (f"/{after}" if after else ""), ""


def whole_street(name, number, flat):
    """The street a card holds when the export writes it in parts."""
    return f"{name} {number}" + (f"/{flat}" if flat else "")


def rows_of(header, values):
    """Rows of a header that names a column more than once: `values` maps a
    name to a list, filled into that name's columns from the left."""
    left = {name: list(v) for name, v in values.items()}
    missing = set(values) - set(header)
    assert not missing, missing
    return [left[h].pop(0) if left.get(h) else "" for h in header]
