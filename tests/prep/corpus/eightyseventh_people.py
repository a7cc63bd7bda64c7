"""The people of the eighty-seventh held-out set, as each source holds them."""

# A Massachusetts town cemetery's plot owners (Holbrook Cemetery): object id, family name, given name, section,
# row, lot, graves, plot number, deed number. The town and a parish own plots too, with no given name.
HOLBROOK87 = [
    ("1", "Sullivan", "Margaret", "A", "3", "12", "2", "A-3-12", "1954-117"),
    ("2", "Wiśniewski", "Stanley J.", "A", "4", "2", "4", "A-4-2", "1961-022"),
    ("3", "Kowalczyk", "Helen", "B", "1", "7", "2", "B-1-7", "1972-301"),
    ("4", "Town of Holbrook", "", "B", "2", "1", "8", "B-2-1", ""),
    ("5", "Dvořák", "Josef", "B", "5", "15", "1", "B-5-15", "1988-044"),
    ("6", "O'Brien", "Francis X.", "C", "1", "3", "3", "C-1-3", "1947-009"),
    ("7", "Petraitis", "Ona", "C", "2", "11", "2", "C-2-11", "1979-215"),
    ("8", "St. Joseph Parish", "", "C", "6", "", "12", "C-6", "1931-001"),
    ("9", "Novak", "Frank", "D", "1", "4", "2", "D-1-4", "2003-118"),
    ("10", "DiMarco", "Angela", "D", "3", "9", "2", "D-3-9", "2011-067"),
    ("11", "Horváth", "István", "D", "4", "1", "1", "D-4-1", "2019-023"),
    ("12", "MacLeod", "Jean", "E", "1", "6", "4", "E-1-6", "2022-150"),
]

# A Wisconsin fire department's building preplan contacts: object id, the building's preplan id, the whole name,
# phone, mailbox and three 'y'/'n' flags. An alarm company and a utility stand as contacts for two buildings.
PREPLAN87 = [
    ("1", "{6F1C2A3B-1D4E-4B7A-9C21-0A5D7E8F9B10}", "Krzysztof Nowicki", "(414) 555-0132",
     "k.nowicki@southsidefoods.com", "y", "n", "y"),
    ("2", "{6F1C2A3B-1D4E-4B7A-9C21-0A5D7E8F9B10}", "Barbara Schultz", "414-555-0187", "", "n", "y", "y"),
    ("3", "{A2B94C11-77E0-4F3B-8D62-3E1B0C9A4D55}", "ADT Security Services", "800-555-0238",
     "alarmdispatch@adtcentral.com", "n", "n", "y"),
    ("4", "{A2B94C11-77E0-4F3B-8D62-3E1B0C9A4D55}", "Jiří Svoboda", "(262) 555-0145", "jiri.svoboda@outlook.com",
     "y", "y", "y"),
    ("5", "{C7D03E92-5A41-4C8E-B1F7-62D9A0E4C3B1}", "Melissa Kowalski", "(414) 555-0171",
     "mkowalski@baycrestapts.com", "y", "n", "y"),
    ("6", "{C7D03E92-5A41-4C8E-B1F7-62D9A0E4C3B1}", "Tomasz Zieliński", "414.555.0119", "", "n", "y", "n"),
    ("7", "{0E8B6D14-2F3C-4A59-AE07-91C5B2D8F6A2}", "We Energies", "800-555-0152", "", "n", "n", "y"),
    ("8", "{0E8B6D14-2F3C-4A59-AE07-91C5B2D8F6A2}", "Gregory Hansen", "(414) 555-0106",
     "ghansen@hansenmachine.com", "y", "y", "y"),
    ("9", "{4B71F0A8-C9D2-4E16-8A3B-5F0E7C2D1A94}", "Zsuzsanna Tóth", "(262) 555-0190", "zsuzsa.toth@gmail.com",
     "n", "y", "y"),
    ("10", "{4B71F0A8-C9D2-4E16-8A3B-5F0E7C2D1A94}", "Daniel Reyes", "", "dreyes@stlukeschurch.org", "y", "n",
     "y"),
    ("11", "{9D2E5C70-3B8A-4F41-B6E9-07A1C4D2E8F3}", "Lucie Horáková", "(414) 555-0163",
     "lucie.horakova@seznam.cz", "n", "y", "n"),
    ("12", "{9D2E5C70-3B8A-4F41-B6E9-07A1C4D2E8F3}", "Patrick Murphy", "414-555-0128 x214",
     "pmurphy@murphylaw.com", "y", "n", "y"),
]

# A state permit register's facility owners: object id, owner id, the owner's name (a firm, a body or a person),
# the mailing street or post office box, city, state and ZIP.
TDI87 = [
    ("1", "10452", "Lone Star Storage Partners LLC", "2100 Ross Ave Ste 3300", "Dallas", "TX", "75201"),
    ("2", "10453", "Gulf Coast Terminals Inc.", "PO Box 2418", "Corpus Christi", "TX", "78403-2418"),
    ("3", "10461", "Tomáš Horváth", "8214 Windy Ridge Dr", "Houston", "TX", "77064"),
    ("4", "10470", "City of Bryan", "300 S Texas Ave", "Bryan", "TX", "77803"),
    ("5", "10488", "Brazos Valley Cold Storage, Ltd.", "4500 Old Hearne Rd", "Bryan", "TX", "77803"),
    ("6", "10502", "Marek Kowalczyk", "1507 Elm St Apt 12", "Denton", "TX", "76201"),
    ("7", "10517", "Permian Fuel & Supply Co.", "PO Box 1120", "Odessa", "TX", "79760"),
    ("8", "10523", "Hill Country Propane LP", "615 W Main St", "Fredericksburg", "TX", "78624"),
    ("9", "10531", "Linda Pokorny", "RR 2 Box 44", "Schulenburg", "TX", "78956"),
    ("10", "10546", "Rio Grande Valley Ag Co-op", "1900 N Cage Blvd", "Pharr", "TX", "78577"),
    ("11", "10552", "Victoria County", "101 N Bridge St", "Victoria", "TX", "77901"),
    ("12", "10568", "Zoltan Nagy", "3320 Harwood Rd", "Bedford", "TX", "76021-4102"),
    ("13", "10571", "Alamo Fleet Services Inc", "11230 Wurzbach Rd", "San Antonio", "TX", "78230"),
]

# A Welsh county council's caravan park sites: object id, the site's own id, park, site number, account number,
# prefix, given name, family name, the owner's first address line. A holiday-let firm owns two sites.
CARAVAN87 = [
    ("1", "2001", "Harbourside", "A14", "CP004112", "Mrs", "Gwen", "Pritchard", "12 Heol y Felin"),
    ("2", "2002", "Harbourside", "A15", "CP004113", "Mr", "Paweł", "Kamiński", "Flat 3, 41 Cardigan Road"),
    ("3", "2003", "Harbourside", "B02", "CP004120", "", "", "Seaview Holiday Lets Ltd", "Unit 7 Parc Teifi"),
    ("4", "2004", "Harbourside", "B03", "CP004121", "", "", "Seaview Holiday Lets Ltd", "Unit 7 Parc Teifi"),
    ("5", "2011", "Dolau", "C01", "CP004207", "Mr", "Rhys", "Morgan", "Tŷ Gwyn, Lon Fach"),
    ("6", "2012", "Dolau", "C02", "CP004208", "Ms", "Kateřina", "Veselá", "27 Alexandra Road"),
    ("7", "2013", "Dolau", "C05", "CP004211", "Dr", "Alun", "Hughes", "4 Penglais Terrace"),
    ("8", "2014", "Dolau", "C06", "CP004212", "Mr", "Dafydd", "ap Iwan", "Fferm Pencraig"),
    ("9", "2021", "Cae Glas", "D10", "CP004301", "Mrs", "Jolanta", "Wójcik", "88 Victoria Street"),
    ("10", "2022", "Cae Glas", "D11", "CP004302", "Mr", "Gareth", "Lloyd-Jones", "The Old Rectory, Church Lane"),
    ("11", "2023", "Cae Glas", "D12", "CP004303", "Miss", "Sian", "Evans", ""),
    ("12", "2024", "Cae Glas", "D14", "CP004305", "Mr", "Ferenc", "Szabó", "5 Maes y Dref"),
]

# A Portuguese green-belt programme's landowners (Cordão Verde): object id, the whole name, mailbox, mobile as an
# integer (no '+351', no blanks), global id, tax number. A parish council and a farm company own plots too.
CORDAO87 = [
    ("1", "Maria Ferreira da Silva", "maria.fsilva@sapo.pt", "912345678",
     "{3F2A1B0C-9D8E-4F7A-B6C5-D4E3F2A1B0C9}", "123456789"),
    ("2", "António Rodrigues Gomes", "", "936112245", "{7A6B5C4D-3E2F-4A1B-9C8D-7E6F5A4B3C2D}", "187654321"),
    ("3", "Junta de Freguesia de Castanheira", "geral@jf-castanheira.pt", "",
     "{0B1C2D3E-4F5A-4B6C-8D7E-9F0A1B2C3D4E}", "507123456"),
    ("4", "Jana Nováková", "jana.novakova@email.cz", "", "{5E4D3C2B-1A0F-4E9D-8C7B-6A5F4E3D2C1B}", "298765432"),
    ("5", "José Pereira Marques", "jpmarques@gmail.com", "965443210", "{9C8B7A6F-5E4D-4C3B-A2F1-0E9D8C7B6A5F}",
     "165432198"),
    ("6", "Herdade do Vale Escuro, Lda.", "info@valeescuro.pt", "917700112",
     "{2D3E4F5A-6B7C-4D8E-9F0A-1B2C3D4E5F6A}", "514998877"),
    ("7", "Sofia Martins Almeida", "sofia.m.almeida@hotmail.com", "", "{8F7E6D5C-4B3A-4F2E-9D1C-0B8A7F6E5D4C}",
     "234567891"),
    ("8", "Klaus Becker", "k.becker@web.de", "927889001", "{1A2B3C4D-5E6F-4A7B-8C9D-0E1F2A3B4C5D}",
     "301122334"),
    ("9", "Manuel Costa Dias", "", "", "{6C5D4E3F-2A1B-4C0D-9E8F-7A6B5C4D3E2F}", "145678923"),
    ("10", "Piotr Zając", "piotr.zajac@wp.pl", "968123456", "{4E5F6A7B-8C9D-4E0F-A1B2-C3D4E5F6A7B8}",
     "287766554"),
    ("11", "Fernanda Lopes Almeida", "fernanda.almeida@iol.pt", "910223344",
     "{B1C2D3E4-F5A6-4B7C-8D9E-0F1A2B3C4D5E}", "198877665"),
]

# A Georgia county's owners' mailing list: object id, location id, owner as the tax roll writes it (family name
# first, capitals, or a firm or body), two mailing lines, city, state. No postal code in the stored part.
MAILING87 = [
    ("1", "100231", "WILLIAMS ROBERT", "1412 OAK GROVE RD", "", "CARROLLTON", "GA"),
    ("2", "100232", "NOVAK JAN", "PO BOX 318", "", "BREMEN", "GA"),
    ("3", "100240", "CITY OF CARROLLTON", "315 BRADLEY ST", "", "CARROLLTON", "GA"),
    ("4", "100247", "JOHNSON PATRICIA", "88 MAPLE ST", "APT 4B", "VILLA RICA", "GA"),
    ("5", "100255", "KOWALSKI MAREK", "2270 NEWNAN RD", "", "CARROLLTON", "GA"),
    ("6", "100263", "SOUTHERN PINE HOLDINGS LLC", "3500 PIEDMONT RD NE", "STE 200", "ATLANTA", "GA"),
    ("7", "100270", "HARRIS DOROTHY", "16 LAKEVIEW DR", "", "TEMPLE", "GA"),
    ("8", "100278", "SZABO ANDRAS", "C/O SZABO ERIKA", "415 PINE ST", "BOWDON", "GA"),
    ("9", "100284", "FIRST BAPTIST CHURCH OF WHITESBURG", "PO BOX 96", "", "WHITESBURG", "GA"),
    ("10", "100291", "DVORAKOVA PETRA", "7781 HWY 27 N", "", "ROOPVILLE", "GA"),
    ("11", "100298", "BROWN JAMES", "560 RIVER BEND CT", "", "ANNISTON", "AL"),
    ("12", "100305", "CARROLL COUNTY BOARD OF EDUCATION", "164 INDEPENDENCE DR", "", "CARROLLTON", "GA"),
]
