"""The people of the seventy-seventh held-out set, as each source holds them."""

# A Harrisburg townhome association's units and owners (RunHOA): unit id, unit's street, city, state, zip, first
# owner's name, mailbox and phone, second owner's name, mailbox and phone, the owners' alternate street, city,
# state and zip.
RUNHOA77 = [
    ("6780", "6780 Albert Dr", "Harrisburg", "PA", "17112", "John Haley", "jhaley@comcast.net", "7178906178",
     "Paula Haley", "phaley@comcast.net", "7178906178", "", "", "", ""),
    ("6782", "6782 Albert Dr", "Harrisburg", "PA", "17112", "Tomáš Dvořák", "tomas.dvorak@gmail.com",
     "717-555-0142", "Jana Dvořáková", "jana.dvorakova@seznam.cz", "717-555-0143", "", "", "", ""),
    ("6784", "6784 Albert Dr", "Harrisburg", "PA", "17112", "Margaret O'Brien", "mobrien@verizon.net",
     "(717) 555-0177", "", "", "", "2201 Gulf Shore Blvd N", "Naples", "FL", "34102"),
    ("6786", "6786 Albert Dr", "Harrisburg", "PA", "17112", "Keystone Rentals LLC", "leasing@keystonerentals.com",
     "7175550190", "", "", "", "PO Box 1187", "Camp Hill", "PA", "17001"),
    ("6788", "6788 Albert Dr", "Harrisburg", "PA", "17112", "Katarzyna Wójcik", "kasia.wojcik@outlook.com",
     "4125550118", "Marek Wójcik", "kasia.wojcik@outlook.com", "4125550118", "", "", "", ""),
    ("6790", "6790 Albert Dr", "Harrisburg", "PA", "17112", "David Miller", "dmiller57@aol.com", "", "", "", "",
     "", "", "", ""),
    ("6792", "6792 Albert Dr", "Harrisburg", "PA", "17112", "László Szabó", "laszlo.szabo@freemail.hu",
     "+36 30 555 1234", "Zsuzsanna Szabó", "", "717-555-0155", "Rákóczi út 40.", "Pécs", "", "7621"),
    ("6794", "6794 Albert Dr", "Harrisburg", "PA", "17112", "Emily Chen", "emily.chen@pennstatehealth.org",
     "717-555-0161", "", "", "", "", "", "", ""),
    ("6796", "6796 Albert Dr", "Harrisburg", "PA", "17112", "Peter Hruška", "peter.hruska@azet.sk", "7175550108",
     "Mária Hrušková", "maria.hruskova@azet.sk", "7175550109", "", "", "", ""),
    ("6798", "6798 Albert Dr", "Harrisburg", "PA", "17112", "Robert Kline", "bob.kline@ptd.net", "717 555 0124",
     "", "", "", "", "", "", ""),
    ("6800", "6800 Albert Dr", "Harrisburg", "PA", "17112", "Anna Schneider", "anna.schneider@web.de",
     "717-555-0130", "Lukas Schneider", "lukas.schneider@web.de", "", "Kastanienallee 12", "Berlin", "", "10435"),
]

# An Austin subdivision's property roster (Home Herald): street, lot, block, monthly and annual dues, balance
# carried over, owner's name and mailbox.
HOMEHERALD77 = [
    ("412 Maple Ridge Dr", "1", "A", "$85.00", "", "0.00", "Sarah Whitfield", "sarah.whitfield@gmail.com"),
    ("416 Maple Ridge Dr", "2", "A", "$85.00", "", "170.00", "Jakub Procházka", "jakub.prochazka@email.cz"),
    ("420 Maple Ridge Dr", "3", "A", "85", "", "-25.00", "Maria Gonzalez", "mgonzalez@utexas.edu"),
    ("424 Maple Ridge Dr", "4", "A", "", "$1,020.00", "0.00", "Hollow Creek Homes LLC", "closings@hollowcreekhomes.com"),
    ("501 Cedar Bend Ln", "1", "B", "$85.00", "", "0.00", "Agnieszka Lewandowska", "a.lewandowska@wp.pl"),
    ("505 Cedar Bend Ln", "2", "B", "$85.00", "", "340.00", "Michael Brooks", ""),
    ("509 Cedar Bend Ln", "3", "B", "$85.00", "", "0.00", "Zoltán Kiss", "zoltan.kiss@gmail.com"),
    ("513 Cedar Bend Ln", "4", "B", "$85.00", "", "0.00", "Jennifer Nguyen", "jen.nguyen@icloud.com"),
    ("517 Cedar Bend Ln", "5", "B", "", "$1,020.00", "-85.00", "Ondřej Veselý", "ondrej.vesely@seznam.cz"),
    ("521 Cedar Bend Ln", "6", "B", "$85.00", "", "0.00", "Travis Reed", "travis.reed@yahoo.com"),
]

# A Gdańsk housing community's flats (bazawiedzy365): building, staircase, floor, flat, share's numerator and
# denominator, land register number, body's name, family name, given names, persons, area.
LOKALE77 = [
    ("Grunwaldzka 102", "A", "0", "1", "5234", "100000", "GD1G/00123456/7", "", "Kowalski", "Jan", "2", "52,3400"),
    ("Grunwaldzka 102", "A", "0", "2", "4810", "100000", "GD1G/00123457/4", "", "Nowak", "Janusz i Grażyna", "2",
     "48,1000"),
    ("Grunwaldzka 102", "A", "1", "3", "6125", "100000", "GD1G/00123458/1", "", "Jędrzejczak", "Paweł", "3",
     "61,2500"),
    ("Grunwaldzka 102", "A", "1", "4", "3902", "100000", "GD1G/00123459/8", "Gmina Miasta Gdańska", "", "", "0",
     "39,0200"),
    ("Grunwaldzka 102", "B", "0", "5", "5520", "100000", "GD1G/00123460/8", "", "Zielińska", "Ewa", "1", "55,2000"),
    ("Grunwaldzka 102", "B", "0", "6", "4475", "100000", "GD1G/00123461/5", "", "Dvořák", "Petr", "2", "44,7500"),
    ("Grunwaldzka 102", "B", "1", "7", "7010", "100000", "GD1G/00123462/2", "", "Ślęczka", "Małgorzata", "4",
     "70,1000"),
    ("Grunwaldzka 102", "B", "1", "8", "2865", "100000", "GD1G/00123463/9", "Apteka Pod Lwem sp. z o.o.", "", "",
     "0", "28,6500"),
    ("Grunwaldzka 102", "B", "2", "9", "5034", "100000", "GD1G/00123464/6", "", "Müller", "Klaus", "1", "50,3400"),
    ("Grunwaldzka 102", "B", "2", "10", "4952", "100000", "GD1G/00123465/3", "", "Kamińska", "Zofia", "2",
     "49,5200"),
]

# A Chicago home inspector's recommended contractors (Spectora): types, given, family, firm, mailbox, phone, web
# page, street, city, state, zip, country, description, status.
SPECTORA77 = [
    ("roofing;gutters", "Mike", "Sullivan", "Sullivan Roofing Inc.", "mike@sullivanroofing.com", "312-555-0148",
     "https://www.sullivanroofing.com", "4120 W Irving Park Rd", "Chicago", "IL", "60641", "US",
     "Free estimates, 10% off for our clients", "active"),
    ("electrical", "Marek", "Kowalczyk", "MK Electric LLC", "marek@mkelectric.us", "773-555-0112", "",
     "5310 S Archer Ave", "Chicago", "IL", "60632", "US", "Speaks Polish", "active"),
    ("plumbing;sewer", "", "", "Windy City Plumbing & Sewer", "service@windycityplumbing.com", "312-555-0190",
     "windycityplumbing.com", "2250 N Clybourn Ave", "Chicago", "IL", "60614", "US", "", "active"),
    ("hvac", "Dana", "Whitaker", "", "dana.whitaker@gmail.com", "(630) 555-0177", "", "", "Naperville", "IL", "",
     "US", "Independent, evenings", "active"),
    ("foundation;concrete", "Tomáš", "Černý", "Černý Foundation Repair", "tomas@cernyfoundation.com",
     "708-555-0133", "https://cernyfoundation.com", "7600 W 63rd St", "Summit", "IL", "60501", "US", "", "active"),
    ("pest", "", "", "North Shore Pest Control", "office@northshorepest.com", "847-555-0101", "",
     "1801 Skokie Blvd", "Northbrook", "IL", "60062", "US", "Termite letters for closings", "inactive"),
    ("chimney", "Brian", "Kelly", "Kelly Chimney Sweeps", "brian@kellychimney.com", "3125550166", "", "", "", "", "",
     "", "", "active"),
    ("radon;mold", "Ilona", "Tóth", "Clean Air Testing Co.", "ilona.toth@cleanairtesting.com", "224-555-0125",
     "https://www.cleanairtesting.com", "900 E Higgins Rd", "Elk Grove Village", "IL", "60007", "US", "", "active"),
    ("windows;doors", "Jason", "Park", "ClearView Windows", "jpark@clearviewwindows.ca", "416-555-0188", "",
     "88 Queen St E", "Toronto", "ON", "M5C 1S6", "CA", "Ontario jobs only", "active"),
    ("appliance", "Zdeněk", "Horák", "", "zdenek.horak@outlook.com", "773-555-0159", "", "3344 N Harlem Ave",
     "Chicago", "IL", "60634", "US", "", "active"),
]

# A Jersey Shore landlord's tenants (DLSN Properties' office app): property, tenant's name, unit, payment type,
# amount, season's first and last month, lease start and end, notes.
DLSN77 = [
    ("107", "Marta Kowalczyk", "A", "monthly", "1650", "", "", "2024-09-01", "2025-08-31", "renewed 2025"),
    ("107", "James O'Connell", "B", "monthly", "1475", "", "", "2023-06-01", "", ""),
    ("1020 Asbury", "Asbury Bait & Tackle", "Store", "yearly", "26400", "", "", "2022-01-01", "2026-12-31",
     "triple net"),
    ("1020 Asbury", "Ondřej Novotný", "2R", "seasonal", "9000", "May", "September", "2025-05-01", "2025-09-30",
     "summer staff"),
    ("1020 Asbury", "Priya Raman", "2F", "monthly", "1395", "", "", "2025-02-15", "", "pays by Zelle"),
    ("12 Ocean Ave", "Daniel Schwartz", "", "seasonal", "12500", "June", "August", "2025-06-01", "2025-08-31", ""),
    ("12 Ocean Ave", "Varga, Eszter", "Cottage", "monthly", "1200", "", "", "2024-11-01", "2025-10-31",
     "name as on the lease"),
    ("88", "Kevin Murphy", "1", "monthly", "1550", "", "", "2021-04-01", "", "dog, deposit held"),
    ("88", "Lucie Marešová", "2", "monthly", "1550", "", "", "2025-07-01", "2026-06-30", ""),
    ("88", "Shore Surf School LLC", "Garage", "seasonal", "3000", "May", "October", "2025-05-01", "2025-10-31", ""),
]

# A Pittsburgh mortgage broker's service providers (SphereLOS): firm, short name, role, point of contact,
# mailbox, street, city, state, zip.
SPHERELOS77 = [
    ("Allegheny Title & Settlement LLC", "Allegheny Title", "Title", "Karen Mitchell", "closings@alleghenytitle.com",
     "437 Grant St Ste 1200", "Pittsburgh", "PA", "15219"),
    ("Three Rivers Appraisal Group", "TRAG", "Appraisal", "Stanislav Horvat", "shorvat@3rappraisal.com",
     "1 Oxford Centre", "Pittsburgh", "PA", "15219"),
    ("Keystone Hazard Insurance Agency", "Keystone Hazard", "HazardInsurance", "", "quotes@keystonehazard.com",
     "2000 Smallman St", "Pittsburgh", "PA", "15222"),
    ("Nowak Flood Certification Services", "Nowak Flood", "FloodCertification", "Agnieszka Nowak",
     "agnieszka@nowakflood.com", "5500 Walnut St", "Pittsburgh", "PA", "15232"),
    ("Steel City Home Inspections", "Steel City Home Inspections", "Inspection", "Greg Palmer",
     "greg@steelcityinspect.com", "1800 Penn Ave", "Pittsburgh", "PA", "15222"),
    ("First Commonwealth Investor Services", "FC Investor", "Investor", "", "investorops@fcinvestor.com",
     "601 Philadelphia St", "Indiana", "PA", "15701"),
    ("Monongahela Survey Co.", "Mon Survey", "Survey", "Peter Kováč", "pkovac@monsurvey.com",
     "300 E Carson St", "Pittsburgh", "PA", "15203"),
    ("Liberty Escrow Partners", "Liberty Escrow", "Escrow", "Rachel Adams", "radams@libertyescrow.com",
     "1 PPG Pl", "Pittsburgh", "PA", "15222"),
    ("Tóth & Fischer Law PC", "Tóth & Fischer", "Attorney", "Gábor Tóth", "gtoth@tothfischer.law",
     "436 7th Ave", "Pittsburgh", "PA", "15219"),
]
