"""What rowcard-prep and rowcard make of a value, as the card-reading tests
expect it: shared by vcards_test.py and layouts_test.py."""

# Letters that keep a stroke or are ligatures: no decomposition drops them.
SPELLED = {"ł": "l", "Ł": "L", "ß": "ss", "æ": "ae", "Æ": "AE", "ø": "o", "Ø": "O", "đ": "d", "Đ": "D", "ı": "i", "œ": "oe",
           "Œ": "OE", "ħ": "h", "Ħ": "H", "ð": "d", "Ð": "D", "þ": "th", "Þ": "Th"}

# Cyrillic as rowcard-prep writes it in Latin letters, the scholarly way with
# carons (Bulgarian 'щ' "št", 'ъ' "a"; Serbian 'ђ' "đ", 'љ' "lj"); the soft sign
# is left out. Read before the letters lose their marks, as 'й' is "j", not "i".
_CYRILLIC_UPPER = dict(zip(
    "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏҐ",
    ["A", "B", "V", "G", "D", "E", "Ž", "Z", "I", "J", "K", "L", "M", "N", "O", "P", "R", "S", "T", "U", "F",
     "H", "C", "Č", "Š", "Št", "A", "Y", "", "E", "Ju", "Ja", "E", "Ë", "Đ", "Gj", "Je", "Dz", "I", "Ji", "J",
     "Lj", "Nj", "Ć", "Kj", "I", "U", "Dž", "G"]))
CYRILLIC = dict(_CYRILLIC_UPPER)
CYRILLIC.update({k.lower(): v.lower() for k, v in _CYRILLIC_UPPER.items()})

# Greek as Greece's plain transliteration writes it, accents dropped; read with
# the Cyrillic, before the letters lose their marks.
_GREEK_UPPER = dict(zip("ΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡΣΤΥΦΧΨΩ",
                        ["A", "V", "G", "D", "E", "Z", "I", "Th", "I", "K", "L", "M", "N", "X", "O", "P", "R",
                         "S", "T", "Y", "F", "Ch", "Ps", "O"]))
CYRILLIC.update(_GREEK_UPPER)
CYRILLIC.update({k.lower(): v.lower() for k, v in _GREEK_UPPER.items()})
CYRILLIC.update({"ς": "s", "Ά": "A", "Έ": "E", "Ή": "I", "Ί": "I", "Ό": "O", "Ύ": "Y", "Ώ": "O", "ά": "a", "έ": "e",
                 "ή": "i", "ί": "i", "ό": "o", "ύ": "y", "ώ": "o", "ϊ": "i", "ϋ": "y", "ΐ": "i", "ΰ": "y", "Ϊ": "I",
                 "Ϋ": "Y"})


def space_signs(plain):
    """rowcard-prep's spacing of a value without '@': an ASCII sign that
    rowcard drops, between two words, becomes a space."""
    if "@" in plain:
        return plain
    out = list(plain)
    for i in range(1, len(out) - 1):
        ch = out[i]
        if ch.isascii() and ch.isprintable() and not (ch.isalnum() or ch in " +.") \
                and out[i - 1] != " " and out[i + 1] != " ":
            out[i] = " "
    return "".join(out)
