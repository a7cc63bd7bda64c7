// Which order a name written whole is in where the layout does not say: the
// Hungarian names that tell a family name written first ("Kovács János").
#include <algorithm>
#include <span>
#include <string>

#include "prep/layouts.hpp"
#include "text/codecs.hpp"

namespace rowcard {
namespace {

// Common Hungarian family names, as header_key writes them.
constexpr std::string_view FAMILY_NAMES[] = {
    "NAGY", "KOVACS", "TOTH", "SZABO", "HORVATH", "VARGA", "KISS", "MOLNAR", "NEMETH", "FARKAS", "BALOGH",
    "PAPP", "TAKACS", "JUHASZ", "LAKATOS", "MESZAROS", "OLAH", "SIMON", "RACZ", "FEKETE", "SZILAGYI", "TOROK",
    "FEHER", "BALAZS", "GAL", "KIS", "SZUCS", "KOCSIS", "ORSOS", "PINTER", "FODOR", "SZALAI", "SIPOS", "MAGYAR",
    "LUKACS", "GULYAS", "BIRO", "KIRALY", "KATONA", "LASZLO", "JAKAB", "BOGDAN", "BALOG", "SANDOR", "BOROS",
    "FAZEKAS", "KELEMEN", "ANTAL", "SOMOGYI", "OROSZ", "FULOP", "VERES", "BUDAI", "VINCZE", "HEGEDUS", "DEAK",
    "PAP", "BALINT", "ILLES", "PAL", "VASS", "SZOKE", "FABIAN", "VOROS", "LENGYEL", "BOGNAR", "BODNAR",
    "SZEKERES", "JONAS", "HAJDU", "HALASZ", "MATE", "SZEKELY", "KOZMA", "PASZTOR", "BAKOS", "DUDAS", "MAJOR",
    "HEGYI", "ORBAN", "NEMES", "BARTA", "PETO", "ERDOS", "CSONKA", "CSIZMADIA", "BENKO", "VARADI", "KEREKES",
    "MAROSI", "DOBOS", "SZAKACS", "SZALAY", "GYORI", "KOVACSNE", "NAGYNE", "TOTHNE", "SZABONE", "HORVATHNE",
    "ZSIGA", "SZENDREI", "FARAGO", "GACSI", "BERKI", "BERTA", "KARDOS", "SZOLLOSI", "CSERNI", "KONCZ", "SOOS",
    "FENYVESI", "BARANYI", "VIDA", "PATAKI", "GERGELY", "TAMAS", "MATYAS", "RIGO", "PUSKAS", "SARKOZI", "HORVAT",
    "VIRAG", "KERTESZ", "BARTOK", "SALLAI", "LIGETI", "ERDELYI", "FORGACS", "HALMOS", "NYARI", "SZIGETI"};

// Common Hungarian given names, as header_key writes them.
constexpr std::string_view GIVEN_NAMES[] = {
    "ADAM", "AKOS", "ANDRAS", "ANTAL", "ARPAD", "ATTILA", "BALAZS", "BALINT", "BARNABAS", "BELA", "BENCE",
    "BENEDEK", "BOTOND", "CSABA", "DANIEL", "DAVID", "DENES", "DEZSO", "DOMONKOS", "ELEMER", "ENDRE", "ERNO",
    "FERENC", "GABOR", "GERGELY", "GEZA", "GYORGY", "GYULA", "IMRE", "ISTVAN", "JANOS", "JENO", "JOZSEF",
    "KALMAN", "KAROLY", "KORNEL", "KRISZTIAN", "LAJOS", "LASZLO", "LEVENTE", "LORAND", "MARCELL", "MARTON",
    "MATE", "MATYAS", "MIHALY", "MIKLOS", "NANDOR", "NORBERT", "ODON", "OTTO", "PAL", "PETER", "REZSO",
    "RICHARD", "ROBERT", "ROLAND", "SANDOR", "SZABOLCS", "SZILARD", "TAMAS", "TIBOR", "TIVADAR", "VIKTOR",
    "VILMOS", "ZOLTAN", "ZSIGMOND", "ZSOLT", "AGNES", "AGOTA", "ADRIENN", "ANDREA", "ANIKO", "ANITA", "ANNA",
    "ANNAMARIA", "BEATRIX", "BERNADETT", "BOGLARKA", "BORBALA", "BRIGITTA", "CSILLA", "DORINA", "DOROTTYA",
    "EDIT", "EMESE", "EMOKE", "ENIKO", "ERIKA", "ERZSEBET", "ESZTER", "EVA", "FANNI", "FLORA", "GABRIELLA",
    "GIZELLA", "HAJNALKA", "HENRIETTA", "ILDIKO", "ILONA", "IREN", "JUDIT", "JULIANNA", "KATALIN", "KINGA",
    "KITTI", "KLARA", "KRISZTINA", "LILLA", "LIVIA", "LUCA", "MAGDOLNA", "MARGIT", "MARIA", "MARTA", "MELINDA",
    "MONIKA", "NIKOLETT", "NOEMI", "ORSOLYA", "PETRA", "PIROSKA", "REKA", "RENATA", "ROZALIA", "SAROLTA",
    "SZILVIA", "TIMEA", "TUNDE", "VALERIA", "VERONIKA", "VIKTORIA", "VIRAG", "ZITA", "ZSOFIA", "ZSUZSANNA",
    "ZSUZSA", "KATA", "ERZSI", "JANCSI", "BORI", "DORA", "GERGO", "MARK", "DOMINIK", "ZALAN", "HUNOR", "ABEL",
    "BARNA", "LORINC", "SOMA", "VENCEL", "NORA", "HANNA", "LAURA", "SZONJA", "DALMA", "RITA", "IBOLYA",
    "JOLAN", "TEREZ", "VILMA", "ETELKA", "MARIANN", "ZSANETT", "BIANKA", "DIANA", "ALIZ", "OTILIA"};

// Letters Hungarian never writes (Czech, Slovak, Polish, Slovene, Croatian and
// Romanian ones), small and capital: a name with one is written given name first.
constexpr char32_t FOREIGN_LETTERS[] = {
    U'š', U'ž', U'č', U'ř', U'ě', U'ů', U'ľ', U'ĺ', U'ň', U'ť', U'ď', U'ŕ', U'ł', U'ć', U'ś', U'ź', U'ż', U'ń', U'ą',
    U'ę', U'đ', U'ă', U'ş', U'ţ', U'Š', U'Ž', U'Č', U'Ř', U'Ě', U'Ů', U'Ľ', U'Ĺ', U'Ň', U'Ť', U'Ď', U'Ŕ', U'Ł', U'Ć',
    U'Ś', U'Ź', U'Ż', U'Ń', U'Ą', U'Ę', U'Đ', U'Ă', U'Ş', U'Ţ'};

bool listed(std::string_view key, std::span<const std::string_view> names) {
    return std::find(names.begin(), names.end(), key) != names.end();
}

}  // namespace

bool written_family_first(const name_parts& western) {
    // Both ends must say so: a Hungarian family name first and a Hungarian
    // given name last, so that "Martin Peter" or "Simon Berger" stays as written.
    const std::string given = header_key(western.given);
    const std::string family = header_key(western.family);
    if (given.empty() || family.empty() || family.find(' ') != std::string::npos) return false;
    const std::string first = given.substr(0, given.find(' '));
    // A wife's name after her husband's family name ('Kovácsné') says so too.
    const bool wife = first.ends_with(MARRIED_MARK) && listed(first.substr(0, first.size() - MARRIED_MARK.size()), FAMILY_NAMES);
    return (listed(first, FAMILY_NAMES) || wife) && listed(family, GIVEN_NAMES);
}

bool written_given_first(std::string_view full, const name_parts& hungarian) {
    for (const char b : full) {
        const char32_t c = cp1250_char(static_cast<unsigned char>(b));
        if (std::find(std::begin(FOREIGN_LETTERS), std::end(FOREIGN_LETTERS), c) != std::end(FOREIGN_LETTERS)) return true;
    }
    const std::string first = header_key(hungarian.family);
    const std::string rest = header_key(hungarian.given);
    const std::string last = rest.substr(rest.rfind(' ') + 1);
    // A Czech or Slovak woman's family name ('Nováková'), or a Hungarian given name before a word that is
    // a family name and never a given name ('Pál Tóth'; not 'Balázs Gergely').
    return last.ends_with(WIFE_ENDING) ||
           (listed(first, GIVEN_NAMES) && listed(last, FAMILY_NAMES) && !listed(last, GIVEN_NAMES));
}

}  // namespace rowcard
