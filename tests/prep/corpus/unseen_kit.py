"""What the held-out export makers share beyond export_kit.py: the file
shapes that are no plain CSV (a migration script's rows, a database client's
dump, a mailing tool's quoting), and the small facts of the people (a street
split into name and numbers, a country's code, a person's salutation)."""
import re

COUNTRY_CODES = {"Česko": "CZ", "Česká republika": "CZ", "Slovensko": "SK", "Polska": "PL", "Magyarország": "HU",
                 "România": "RO", "Hrvatska": "HR", "Slovenija": "SI", "Deutschland": "DE", "Österreich": "AT"}

# Given names of women that do not end in -a.
WOMEN = {"Michèle", "Françoise", "Éva", "Erzsébet", "Katalin", "Zsófia", "Ursula", "Ines", "Dóra", "Alžbeta",
         "Ioana", "Elena", "Cristina", "Alexandra", "Ștefania", "Nataša", "Željka", "Šárka", "Věra", "Lucie",
         "Tereza", "Mária", "Katarína", "Zuzana", "Jadwiga", "Małgorzata", "Lena", "Sabine", "Anna", "Urška"}


def woman(p):
    return p["given"] in WOMEN or p["given"].endswith("a")


def salutation(p, lang):
    words = {"de": ("Frau", "Herr"), "en": ("ms", "mr")}[lang]
    return words[0] if woman(p) else words[1]


def academic(p):
    """The person's academic title, without a 'Herr' or 'Frau' people.py keeps there."""
    return "" if p["prefix"] in ("Herr", "Frau") else p["prefix"]


def code_of(country):
    return COUNTRY_CODES.get(country, "")


def split_street(street):
    """'Antonínská 548/1' as ('Antonínská', '548', '1'): a Czech address's
    descriptive and orientation numbers, or a street's name and number."""
    m = re.match(r"^(.*?)\s+(\d+\w*)(?:/(\w+))?$", street)
    return (m.group(1), m.group(2), m.group(3) or "") if m else (street, "", "")


def first_adr(p, kind=None):
    return next((a for a in p["adr"] if kind is None or a[0] == kind), None)


def want_adr(a, kind=None, street=None, city=None, region=None, code=None, country=None):
    """An address the card must hold: `a`'s parts unless the export writes them otherwise."""
    parts = (street, city, region, code, country)
    return (kind,) + tuple(a[1 + k] if v is None else v for k, v in enumerate(parts))


def phones_of(p, *kinds):
    return [(t, n) for t, n in p["phones"] if t in kinds]


def national(number, prefix, style):
    """A number as people write it at home: the country prefix dropped for a
    trunk zero or nothing, and the groups joined their way."""
    rest = number[len(prefix):].strip() if number.startswith(prefix) else number
    groups = rest.split()
    if style == "0":
        return "0" + " ".join(groups)
    if style == "06":
        return "06 " + " ".join(groups)
    if style == "dash":
        return "-".join(groups)
    if style == "hu-slash" and len(groups) >= 2:
        return f"06-{groups[0]}/" + "-".join(groups[1:])
    if style == "00":
        return "00" + number.lstrip("+").replace(" ", "")
    return rest


def csv_when(rows, separator, needs_quotes, line_end="\n"):
    """Rows with a field quoted where `needs_quotes(field)` says so (or it must be)."""
    def field(value):
        if needs_quotes(value) or any(ch in value for ch in (separator, '"', "\n", "\r")):
            return '"' + value.replace('"', '""') + '"'
        return value
    return "".join(separator.join(field(v) for v in row) + line_end for row in rows)


def sugar_migration_text(rows):
    """The rows as migra_csv_contacts.php echoes them: its header quoted and
    joined by commas, each data field quoted and followed by a comma and a
    space, the last one too, and no quote inside a value doubled."""
    header = '"' + '","'.join(rows[0]) + '"\n'
    for row in rows[1:]:
        assert not any('"' in v for v in row), "the script never doubles a quote"
    return header + "".join("".join(f'"{v}", ' for v in row) + "\n" for row in rows[1:])


def mysql_batch_text(rows):
    """The rows as `mysql --batch` prints a table: tabs between fields, and a
    tab, a line break or a backslash in a value escaped (a null column is the
    row's "NULL", as the client writes it)."""
    def field(value):
        return value.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")
    return "".join("\t".join(field(v) for v in row) + "\n" for row in rows)
