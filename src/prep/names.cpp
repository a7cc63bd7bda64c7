// One person's name written whole, split into title, given and family name,
// and the titles after it, as Czech, Slovak, Polish, Hungarian, German and
// English write them.
#include <algorithm>

#include "prep/layouts.hpp"
#include "prep/value_text.hpp"
#include "text/text.hpp"

namespace rowcard {
namespace {

// Titles written before a name, small letters, without their dots; 'et'
// joins two of them ('Mgr. et Mgr.').
constexpr std::string_view PREFIX_TITLES[] = {
    "bc", "bca", "ing", "arch", "mgr", "mga", "mudr", "mddr", "mvdr", "phdr", "rndr", "judr", "paeddr", "pharmdr",
    "thdr", "thlic", "rsdr", "phmr", "dr", "prof", "doc", "dipl", "dipl-ing", "dipl-kfm", "mag", "univ-prof",
    "hab", "inz", "lek", "et", "mr", "mrs", "ms", "miss", "herr", "frau", "pan", "pani", "sir", "dipl-psych",
    "dipl-pad", "dipl-paed", "psych", "phil", "paed", "rer", "soz", "med", "dent", "vet", "nat", "jur", "oec", "habil",
    "techn", "sc", "pol"};
// Titles written after a name.
constexpr std::string_view SUFFIX_TITLES[] = {
    "phd", "csc", "drsc", "mba", "dis", "llm", "msc", "bsc", "mph", "jr", "sr", "ii", "iii", "iv", "drhc", "dsc",
    "artd", "thd", "mpa"};
// Small words that belong to the family name after them ('van der Berg'), the
// Irish ones as code page 1250 spells them ('Ó Conaire', 'Ní Bhriain').
constexpr std::string_view PARTICLES[] = {"van", "von", "der", "den", "de", "la", "du", "di", "da", "ten", "ter", "zu",
                                          "o", "\xF3", "\xD3", "ni", "n\xED", "ui", "u\xED", "'t", "het", "op", "in"};

// Returns `word` in small ASCII letters without dots and commas; other bytes stay.
std::string bare(std::string_view word) {
    std::string out;
    for (const char c : word) {
        if (c == '.' || c == ',') continue;
        out.push_back(lower_byte(c));
    }
    return out;
}

// True when `word` is one of `titles`; an empty word is none.
template <std::size_t N>
bool is_title(std::string_view word, const std::string_view (&titles)[N]) {
    const std::string b = bare(word);
    return !b.empty() && std::find(std::begin(titles), std::end(titles), b) != std::end(titles);
}

// Returns the words of `text`, split at spaces; runs of spaces give no empty words.
std::vector<std::string_view> words_of(std::string_view text) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        if (end > at) out.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return out;
}

// Appends `word` to `out` with one space between.
void add_word(std::string& out, std::string_view word) {
    if (word.empty()) return;
    if (!out.empty()) out.push_back(' ');
    out.append(word);
}

// Letters a word written in capitals has at least to be a family name so written ('NOVÁK'); 'J.' is an initial.
constexpr std::size_t CAPITAL_LETTERS = 2;

// Returns how many words at the front of `w` are the family name written
// before the given name: those in capitals before one that is not ('NOVÁK
// Jan', 'DUPONT Jean-Pierre'), or a Czech or Slovak woman's before her given
// name ('Svobodová Marie'); 0 for a name written as most are, or all in capitals.
std::size_t family_written_first(const std::vector<std::string_view>& w) {
    const auto capitals = [](std::string_view word) {
        std::size_t letters = 0;
        for (const char c : word) {
            const char folded = clean_byte(static_cast<unsigned char>(c));
            if (folded >= 'a' && folded <= 'z') return false;
            letters += folded >= 'A' && folded <= 'Z';
        }
        return letters >= CAPITAL_LETTERS;
    };
    std::size_t caps = 0;
    while (caps < w.size() && capitals(w[caps])) ++caps;
    if (caps > 0 && caps < w.size()) return caps;
    const bool wife_first = w.size() >= 2 && header_key(w[0]).ends_with(WIFE_ENDING);
    return wife_first ? 1 : 0;
}

// Moves the titles at the front of `w` to `prefix` and those at its end to
// `suffix`; at least one word stays when there is one.
void take_titles(std::vector<std::string_view>& w, name_parts& parts) {
    std::size_t first = 0;
    while (first + 1 < w.size() && is_title(w[first], PREFIX_TITLES)) add_word(parts.prefix, w[first++]);
    std::size_t last = w.size();
    std::vector<std::string_view> after;
    while (last > first + 1 && is_title(w[last - 1], SUFFIX_TITLES)) after.insert(after.begin(), w[--last]);
    for (const std::string_view s : after) add_word(parts.suffix, s);
    w = std::vector<std::string_view>(w.begin() + static_cast<std::ptrdiff_t>(first),
                                      w.begin() + static_cast<std::ptrdiff_t>(last));
}

// Legal forms that end a company's name, as header_key writes them: a name
// that ends in one is an organisation's, never a person's.
constexpr std::string_view LEGAL_FORMS[] = {
    "S R O", "SRO", "A S", "V O S", "K S", "SPOL S R O", "GMBH", "AG", "KG", "OHG", "E V", "KFT", "ZRT", "NYRT",
    "BT", "KKT", "SP Z O O", "S A", "SA", "SP J", "SP K", "D O O", "DOO", "D D", "S R L", "SRL", "S C", "LTD", "LLC",
    "INC", "PLC", "CORP", "CO", "LLP", "PLLC", "GMBH CO KG", "B V", "N V", "EG", "EGEN", "MBB", "PARTG", "UG", "SE", "S P A", "SPA",
    "S P", "E U", "Z S", "O P", "J D O O", "OBRT", "OG", "KEG", "OEG", "PFA", "SRL D", "SNC",
    // The western languages' forms: Spanish, French, Italian, Dutch, Portuguese and Nordic.
    "SL", "S L", "SLU", "SLP", "SLL", "SARL", "SAS", "SASU", "EURL", "SCI", "SRLS", "SAPA", "BVBA", "VOF", "LDA",
    "ASA", "OY", "OYJ", "AB", "APS", "AS", "ANS", "ENK", "NUF", "HF", "IKS", "VZW", "ASBL", "CVBA", "COMMV", "OU", "SIA",
    "E K", "E KFM", "GBR", "KGAA", "S A R L", "S A S", "SPRL", "SCRL", "EIRL", "GIE",
    // The Cyrillic forms, as their Latin spelling writes them: Bulgarian, Russian, Ukrainian.
    "EOOD", "OOD", "EAD", "OOO", "ZAO", "OAO", "PAO", "TOV",
    // Icelandic: a private limited company, a public one's state-owned kind, a partnership.
    "EHF", "OHF", "SF",
    // Brazilian and Portuguese: a limited company, a one-person one; Mexican companies and associations.
    "LTDA", "EIRELI", "S A DE C V", "S DE R L DE C V", "S DE R L", "S A P I DE C V", "S A B DE C V", "A C",
    // Québec's limited company, with its accent dropped.
    "LTEE", "LIMITEE"};

// Words of a Spanish name with two given names and two family names.
constexpr std::size_t SPANISH_FOUR = 4;

// The 'and' that joins two family names in Catalan, Spanish and Portuguese ('Soler i Puig'), as written.
constexpr std::string_view NAME_JOINERS[] = {"i", "y", "e"};

// Legal forms written before a firm's name ('VZW Jeugdhuis De Kroon', 'PPHU
// Marek Sowa'), as header_key writes them.
constexpr std::string_view LEADING_FORMS[] = {"VZW", "ASBL", "PPHU", "P P H U", "PHU", "P H U", "FHU", "F H U", "FPHU",
                                              "SAS", "SARL", "EURL", "SELARL", "OOO", "ZAO", "OAO", "PAO", "TOV",
                                              "UAB", "MB"};

// Heads of German and Dutch compounds that name an institution or a trade ('Stadtwerke',
// 'Zahnarztpraxis', 'Schoonmaakbedrijf'); a word ends in one with a word of its own before.
constexpr std::string_view COMPOUND_HEADS[] = {"WERKE", "APOTHEKE", "PRAXIS", "KLINIK", "SCHULE", "VERLAG", "VEREIN",
                                               "VERBAND", "OPER", "THEATER", "GESELLSCHAFT", "GEMEINDE", "HANDLUNG",
                                               "ZENTRUM", "CENTRUM", "HANDEL", "BEDRIJF", "PRAKTIJK", "KLINIKUM"};

// Letters a word has at least before a compound's head: 'Cooper' ends in 'oper', 'Staatsoper' is one.
constexpr std::size_t COMPOUND_LEAD = 4;

// Words that name an institution, a trade or a department, never a person, in the
// languages of these exports ("Universitatea din București", "Metzgerei
// Huber", "Szegedi Tudományegyetem"), as header_key writes them.
constexpr std::string_view INSTITUTION_WORDS[] = {
    "UNIVERSITY", "UNIVERSITAT", "UNIVERZITA", "UNIVERZA", "UNIWERSYTET", "UNIVERSITATEA", "SVEUCILISTE",
    "EGYETEM", "TUDOMANYEGYETEM", "HOSPITAL", "KRANKENHAUS", "KLINIKUM", "NEMOCNICE", "NEMOCNICA", "SZPITAL",
    "SPITAL", "SPITALUL", "BOLNISNICA", "BOLNICA", "KORHAZ", "POLIKLINIKA", "HOTEL", "PENZION", "PENSION",
    "RESTAURANT", "RESTAURACE", "RESTAURACIA", "RESTAURACJA", "ETTEREM", "GASTHAUS", "GASTHOF", "BACKEREI",
    "PEKARNA", "PEKAREN", "PIEKARNIA", "PEKSEG", "METZGEREI", "FLEISCHEREI", "REZNICTVI", "MASIARSTVO",
    "APOTHEKE", "LEKARNA", "LEKAREN", "APTEKA", "GYOGYSZERTAR", "LJEKARNA", "FARMACIA", "AUTOSERVIS",
    "AUTOHAUS", "AUTOSERWIS", "TRUHLARSTVI", "STOLARSTVO", "TISCHLEREI", "SCHREINEREI", "STOLARSTWO",
    "KADERNICTVI", "KADERNICTVO", "FRISEUR", "FRIZERSTVO", "FODRASZAT", "VINARSTVI", "VINARSTVO", "WEINGUT",
    "VINARIJA", "WINNICA", "PINCESZET", "PIVOVAR", "BRAUEREI", "BROWAR", "SORFOZDE", "MAGISTRAT", "URZAD",
    "URAD", "URED", "LANDRATSAMT", "GEMEINDEAMT", "PRIMARIA", "ONKORMANYZAT", "NADACE", "NADACIA", "STIFTUNG",
    "FUNDACJA", "FUNDATIA", "ALAPITVANY", "SPOLEK", "VEREIN", "STOWARZYSZENIE", "ASOCIATIA", "EGYESULET",
    "DRUSTVO", "UDRUGA", "SKOLA", "SCHULE", "SZKOLA", "SCOALA", "ISKOLA", "GYMNAZIUM", "GIMNAZJUM", "LICEUL",
    "LICEUM", "TECHNIKUM", "PRZEDSZKOLE", "ZESPOL", "SKOLKA", "GYMNASIUM", "KINDERGARTEN", "VOLKSSCHULE",
    "HOCHSCHULE", "OVODA", "GIMNAZIUM", "GRADINITA", "VRTEC", "VRTIC", "CENTRUM", "CENTER", "CENTRE",
    "ZENTRUM", "KOZPONT", "CENTAR",
    "MUZEUM", "MUSEUM", "KNIHOVNA", "KNIZNICA", "BIBLIOTHEK", "BIBLIOTEKA", "KONYVTAR", "DRUZSTVO",
    "GENOSSENSCHAFT", "SPOLDZIELNIA", "SZOVETKEZET", "ZADRUGA", "TISKARNA", "DRUCKEREI", "DRUKARNIA", "NYOMDA",
    "CUKRARNA", "KONDITOREI", "CUKIERNIA", "CUKRASZDA", "ZAHRADNICTVI", "GARTNEREI", "INSTITUT", "INSTYTUT",
    "INSTITUTUL", "INTEZET", "USTAV", "MINISTERSTVO", "MINISTERIUM", "MINISTERSTWO", "MINISTERUL",
    "MINISZTERIUM", "KANZLEI", "KANCELARIA", "ADVOKATNI", "NOTARIAT", "AMBULANCE", "ORDINACE", "ORDINACIA",
    "PRAXIS", "ARZTPRAXIS", "ORDINATION", "GABINET", "PRZYCHODNIA", "RENDELO", "AMBULANTA", "ORDINACIJA",
    // Societies, funds and unions ('Kowalski Family Foundation', 'Steel Valley Rotary Club').
    "SOCIETY", "FOUNDATION", "FUND", "FEDERATION", "ASSOCIATION", "UNION", "COUNCIL", "TRUST", "CLUB", "KLUB", "AWARD",
    "INSTITUTE", "COLLEGE", "ACADEMY", "SCHOOL", "PARTNERS", "OFFICES", "GROUP", "COMPANY", "SCHOLARSHIP",
    "VERBAND", "GESELLSCHAFT", "SVAZ", "ZVAZ", "ZWIAZEK", "TOWARZYSTWO", "SZOVETSEG", "ZVEZA", "SAVEZ",
    "FEDERATIA", "UNIUNEA",
    // A trade or a shop before its owner's name ('Kwiaciarnia Bratek Anna Kubiak', 'Usługi Ogrodnicze Marek Sowa').
    "SHOP", "STORE", "BROTHERS", "BROS", "MASONRY", "SERVICES", "TRADING", "TRANSPORT", "CONSTRUCTION", "CONSULTING", "STUDIO", "AGENCY", "GARAGE",
    "BAKERY", "FLORIST", "DIENSTE", "BLUMEN", "GARTENBAU", "LADEN", "WERKSTATT", "OBCHOD", "PRODEJNA", "PREDAJNA",
    "SLUZBY", "STAVBY", "KVETINARSTVI", "KVETINARSTVO", "DOPRAVA", "SERVIS", "SKLEP", "HURTOWNIA", "USLUGI",
    "KWIACIARNIA", "GOSPODARSTWO", "PRACOWNIA", "BIURO", "SERWIS", "UZLET", "VIRAGBOLT", "MAGAZIN",
    "MAGAZINUL", "SERVICII", "ALIMENTARA", "MINIMARKET", "COOP", "TRGOVINA", "STORITVE", "USLUGE", "CVJECARNA",
    "CVETLICARNA", "ARCHITEKTURA", "KWIATY", "PLUS", "MIEJSKA", "MIEJSKI", "MESTSKA", "MESTSKY", "MESTSKE",
    // The same in the western languages' exports ('Imprimerie Lacoste'), Indonesian and Vietnamese ('Toko Roti').
    "IMPRIMERIE", "PAPETERIE", "TRANSPORTS", "MAIRIE", "CABINET", "BOULANGERIE", "PHARMACIE", "LIBRAIRIE", "TOKO", "APOTEK", "WARUNG", "THUOC",
    "ATELIER", "ECOLE", "TRATTORIA", "RISTORANTE", "PIZZERIA", "TIPOGRAFIA", "OFFICINA", "PANETTERIA", "PADARIA",
    "OFICINA", "PAPELARIA", "ESCOLA", "ESCUELA", "COLEGIO", "BAKKERIJ", "DRUKKERIJ", "STICHTING", "GEMEENTE",
    "KOMMUNE", "KOMMUN", "TRYKKERI", "BAGERI", "CONDOMINIO", "ASSOCIAZIONE", "ASOCIACION", "ASSOCIACAO",
    "VERENIGING", "PARROCCHIA", "PARISH", "PFARREI", "PFARRAMT", "FARNOST", "PARAFIA", "PAROHIA", "BORETTSLAG",
    "BORETTSLAGET", "SAMEIET", "BOSTADSRATTSFORENING", "BRF", "APOTHEEK", "JEUGDHUIS", "CAMARA", "MUNICIPAL",
    "MUNICIPIO", "MUNICIPALITY", "BOROUGH", "MENIGHET", "KIRKE", "KYRKA", "FORSAMLING", "CHURCH", "EGLISE", "CHIESA", "IGREJA",
    "EMBAIXADA", "EMBASSY", "BOTSCHAFT", "VELVYSLANECTVI", "VELVYSLANECTVO", "AMBASADA", "NAGYKOVETSEG",
    "VELEPOSLANSTVO", "AMBASSADE", "EMBAJADA", "AMBASCIATA", "KOSTEL", "KOSCIOL", "THEATER", "THEATRE", "TEATRO",
    "TEATR", "DIVADLO", "BROUWERIJ", "KAPSALON", "SZINHAZ", "OPERA", "KLINIK", "CLINIC", "CLINIQUE", "CLINICA",
    "GEMEINDE", "MARKTGEMEINDE", "STADT",
    // Towns' and districts' offices, faculties, rescue services, homes and publishers ('Obec Lhota', 'Gmina Nowa Wieś').
    "OBEC", "MESTO", "GMINA", "POWIAT", "STAROSTWO", "OBCINA", "OPCINA", "ZUPANIJA", "COMUNA", "ORASUL", "KOZSEG",
    "STADTVERWALTUNG", "FAKULTA", "FAKULTET", "WYDZIAL", "FACULTATEA", "POLICIE", "POLICJA", "POLIZEI", "POLITIA",
    "RENDORSEG", "FEUERWEHR", "HASICI", "STRAZ", "POMPIERI", "TUZOLTOSAG", "HOSPIC", "HOSPIZ", "HOSPICE", "DOMOV",
    "NAKLADATELSTVI", "VYDAVATELSTVO", "WYDAWNICTWO", "KIADO", "ZALOZBA", "NAKLADA", "EDITURA", "EGYHAZ", "PLEBANIA",
    "GIMNAZIJA", "COLEGIUL", "CLUBUL", "SOCIETATEA", "LIBRARY", "PHARMACY", "DENTAL", "VETERINARY", "INSURANCE",
    "SCHOOLS", "SCHULEN", "SKOLY", "ESCOLAS", "ESCUELAS", "AGRUPAMENTO", "LYCEE", "BANKA", "ELEMENTARY", "PTA", "AYUNTAMIENTO", "AJUNTAMENT", "CONCELLO", "DIPUTACION", "COMUNE",
    // A firm's department, where a contact person's name would stand ('Nákupní oddělení').
    "DEPARTMENT", "ABTEILUNG", "ODDELENI", "ODDELENIE", "DZIAL", "OSZTALY", "ODDELEK", "ODJEL", "DEPARTAMENT"};

// Marks that open an attention line ('t.a.v. J. Dvořák', 'z. Hd. Frau Berg', 'Attn: Accounts'), as header_key
// writes them: the words after one name whom a letter is for.
constexpr std::string_view ATTENTION_MARKS[] = {"T A V", "TAV", "Z HD", "ZHD", "Z H", "ATTN", "ATTENTION", "K RUKAM"};

// True when a word of `key` (as header_key writes it) names an institution or a trade.
bool institution_name(const std::string& key) {
    for (std::size_t at = 0; at < key.size();) {
        const std::size_t end = std::min(key.find(' ', at), key.size());
        const std::string_view word = std::string_view(key).substr(at, end - at);
        for (const std::string_view w : INSTITUTION_WORDS) {
            if (word == w) return true;
        }
        for (const std::string_view head : COMPOUND_HEADS) {
            if (word.size() >= head.size() + COMPOUND_LEAD && word.ends_with(head)) return true;
        }
        at = end + 1;
    }
    return false;
}

}  // namespace

std::string_view trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

namespace {

// Returns the pieces of `full` between commas, trimmed, empty ones left out.
std::vector<std::string_view> comma_pieces(std::string_view full) {
    std::vector<std::string_view> pieces;
    for (std::size_t at = 0; at <= full.size();) {
        const std::size_t comma = std::min(full.find(',', at), full.size());
        if (const std::string_view piece = trimmed(full.substr(at, comma - at)); !piece.empty()) pieces.push_back(piece);
        at = comma + 1;
    }
    return pieces;
}

}  // namespace

name_parts split_full_name(std::string_view full, bool family_first, bool one_given) {
    name_parts parts;
    // Comma-separated pieces: titles after the name ('Jana Nová, Ph.D.'), or 'Family, Given'.
    std::vector<std::string_view> pieces = comma_pieces(full);
    std::vector<std::string_view> after;  // the titles of the pieces after the name
    while (pieces.size() > 1) {
        const std::vector<std::string_view> w = words_of(pieces.back());
        if (!std::all_of(w.begin(), w.end(), [](std::string_view x) { return is_title(x, SUFFIX_TITLES); })) break;
        after.insert(after.begin(), w.begin(), w.end());
        pieces.pop_back();
    }
    if (pieces.empty()) return parts;
    std::vector<std::string_view> w = words_of(pieces[0]);
    std::size_t family_words = 1;
    if (pieces.size() >= 2) {
        // 'Novák, Jan': the family name first, then the given names.
        parts.reversed = true;
        while (w.size() > 1 && is_title(w.front(), PREFIX_TITLES)) {
            add_word(parts.prefix, w.front());
            w.erase(w.begin());
        }
        family_words = w.size();
        for (std::size_t k = 1; k < pieces.size(); ++k) {
            for (const std::string_view x : words_of(pieces[k])) w.push_back(x);
        }
        while (w.size() > family_words + 1 && is_title(w[family_words], PREFIX_TITLES)) {
            add_word(parts.prefix, w[family_words]);
            w.erase(w.begin() + static_cast<std::ptrdiff_t>(family_words));
        }
        while (w.size() > family_words + 1 && is_title(w.back(), SUFFIX_TITLES)) {
            after.insert(after.begin(), w.back());
            w.pop_back();
        }
    } else {
        take_titles(w, parts);
        if (const std::size_t front = family_first ? 0 : family_written_first(w); front > 0) {
            parts.reversed = true;
            family_words = front;
        } else if (!family_first && one_given && w.size() > 1) {
            // Four words of no particle or 'and' are two given names and two family names ('María José Sánchez
            // Ruiz'); 'Marta Soler i Puig' has one given name.
            const bool particles = std::any_of(w.begin(), w.end(), [](std::string_view x) {
                return is_title(x, PARTICLES) || std::find(std::begin(NAME_JOINERS), std::end(NAME_JOINERS), x) != std::end(NAME_JOINERS);
            });
            family_words = w.size() == SPANISH_FOUR && !particles ? 2 : w.size() - 1;
        } else if (!family_first) {
            while (family_words + 1 < w.size() && is_title(w[w.size() - family_words - 1], PARTICLES)) ++family_words;
        } else if (const std::string first = header_key(w[0]);
                   w.size() >= 3 && first.size() > MARRIED_MARK.size() + 2 && first.ends_with(MARRIED_MARK)) {
            family_words = 2;  // 'Kovácsné Tóth Mária': the husband's name with '-né', then her own family name
        }
    }
    for (const std::string_view x : after) add_word(parts.suffix, x);
    if (w.size() == 1) {
        add_word(parts.given, w[0]);
        return parts;
    }
    const bool family_at_front = parts.reversed || family_first;
    const std::size_t split = family_at_front ? family_words : w.size() - family_words;
    for (std::size_t k = 0; k < w.size(); ++k) add_word((k < split) == family_at_front ? parts.family : parts.given, w[k]);
    return parts;
}

bool only_particles(std::string_view words) {
    const std::vector<std::string_view> w = words_of(words);
    return !w.empty() && std::all_of(w.begin(), w.end(), [](std::string_view x) { return is_title(x, PARTICLES); });
}

std::string_view contact_person(std::string_view contact) {
    const std::string key = header_key(contact);
    for (const std::string_view mark : ATTENTION_MARKS) {
        if (!key.starts_with(mark) || (key.size() > mark.size() && key[mark.size()] != ' ')) continue;
        // Past the mark's letters in the value, and the signs after them.
        auto letters = std::count_if(mark.begin(), mark.end(), [](char c) { return c != ' '; });
        std::size_t at = 0;
        for (; at < contact.size() && letters > 0; ++at) letters -= values::is_letter(contact[at]) ? 1 : 0;
        const std::size_t name = contact.find_first_not_of(" .:", at);
        const std::string_view rest = name == std::string_view::npos ? std::string_view() : trimmed(contact.substr(name));
        return rest.find(' ') == std::string_view::npos ? std::string_view() : rest;
    }
    return contact;
}

bool legal_form_name(std::string_view name) {
    const std::string key = header_key(name);
    for (const std::string_view form : LEGAL_FORMS) {
        if (key.size() <= form.size() || !key.ends_with(form) || key[key.size() - form.size() - 1] != ' ') continue;
        // After a number the letters are a floor or a flat ('Hauptstraße 5, 2. OG'), not a firm's form.
        const std::size_t before = key.size() - form.size() - 1;
        if (!values::is_digit(key[before - 1])) return true;
    }
    for (const std::string_view form : LEADING_FORMS) {
        if (key.size() > form.size() + 1 && key.starts_with(form) && key[form.size()] == ' ') return true;
    }
    return false;
}

bool company_name(std::string_view name) {
    if (legal_form_name(name)) return true;
    // A name of one word may be a person's given name alone.
    const std::string key = header_key(name);
    return key.find(' ') != std::string::npos && institution_name(key);
}

}  // namespace rowcard
