"""Headers of the ninety-fifth held-out set (tests/prep/corpus/ninetyfifth):
none of these sources is in headers.py nor in any of the later *_headers.py
files (unseen_headers.py to ninetyfirst_headers.py), nor in layouts_test.py,
nor in their NOT_FOUND lists. All of them serve people on the road: a
powersports dealers' rewards programme, a car rental agencies' review
service, a workshop's vehicle import, a fleet charging service's driver
contracts, a fleet maintenance program's customers and a motor dealer
system's sales leads. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "morethanrewards_customers": dict(
        source="More Than Rewards (loyalty programme for motorcycle and powersports dealers: the customers list"
               " from a Reynolds and Reynolds dealer system)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the programme's training page 'Reynolds and Reynolds Field Mapping - Customers'"
              " (training.morethanrewards.com/help/reynolds-and-reynolds-field-mapping---customers), 'Field mapping"
              " for the Custom Dealer System report', by field order: Customer ID, FirstName, LastName, Address1,"
              " Address2 ('Apt #, Suite #'), City, State ('CA'), Zip, HomePhone, WorkPhone, MobilePhone"
              " ('919-555-1234'), BeeperPhone ('This is the field that the rewards number is entered in your DMS"
              " system', 'AB1234'), Email, Birthday ('12/31/1999'), Fax, User1 to User4, Comments,"
              " OnScreenNotification (the last six 'can be left blank for Non-NXT EVO customers'). The report's"
              " separator and code page are not shown: ',', UTF-8 without a signature and CRLF taken",
        header=["Customer ID", "FirstName", "LastName", "Address1", "Address2", "City", "State", "Zip", "HomePhone",
                "WorkPhone", "MobilePhone", "BeeperPhone", "Email", "Birthday", "Fax", "User1", "User2", "User3",
                "User4", "Comments", "OnScreenNotification"]),
    "renterrated_renters": dict(
        source="Renter Rated (review invitations for car rental agencies: the renters' spreadsheet an agency"
               " sends)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the service's page 'Submitting Renter & Reservation Information' (renterrated.com/renter-reservation-"
              "information): 'The file should be in CSV (Comma-Separated Values) format and must contain the"
              " following information': Renter First Name, Renter Email Address, Reservation # ('a unique number"
              " or character set'), Dropoff-Date ('yyyy-mm-dd or yyyy-mm-dd-hh-mm'),"
              " Renter's City; 'The fields must be in exactly this order'. The names taken as the header row;"
              " UTF-8 without a signature and CRLF taken",
        header=["Renter First Name", "Renter Email Address", "Reservation #", "Dropoff-Date", "Renter's City"]),
    "onebookplus_vehicles": dict(
        source="OneBookPlus (Australian workshop booking and job cards: 'Bulk import vehicles from CSV', the"
               " vehicles with their owners)", language="en", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the vendor's help article 'Bulk import vehicles from CSV' (onebookplus.com.au/help/articles/bulk-"
              "import-vehicles-from-csv), its 'Sample CSV': rego,vin,make,model,year,colour,fuel_type,current_km,"
              "last_service_date,last_service_km,rego_state,rego_expiry_date,ctp_expiry_date,owner_name,"
              "owner_email,owner_phone, with a row like '1ABC234,...,2024-09-12,138000,VIC,2026-08-15,,Daniel"
              " O'Connor,fleet@acmepl...'; 'rego — the only required column', rego_state 'must match NSW / VIC /"
              " QLD / ...'. UTF-8 without a signature and CRLF taken",
        header=["rego", "vin", "make", "model", "year", "colour", "fuel_type", "current_km", "last_service_date",
                "last_service_km", "rego_state", "rego_expiry_date", "ctp_expiry_date", "owner_name", "owner_email",
                "owner_phone"]),
    "chargenow_contrats": dict(
        source="CHARGE NOW for Business (public charging for company fleets: 'Téléchargement groupé' of"
               " contracts, the drivers' template)", language="fr", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the vendor's French help article 'Création simultanée de plusieurs contrats via le téléchargement"
              " groupé' (support.chargenowforbusiness.com/hc/fr-fr/articles/360019747677): the Excel template"
              " 'Template.xlsx' with 'les renseignements obligatoires suivants': Numéro de carte, Groupe de"
              " flotte, Centre de coût, Tarif, Type de client, Sélection du gestionnaire, Salutations, Nom et"
              " prénom, Adresse e-mail, Nom et numéro de la rue, Code postal, Ville, Pays (the English page lists"
              " the same in this order). The template itself is not stored: the names as the French page gives"
              " them, the sheet saved as 'CSV UTF-8' by a French Excel (';', a signature, CRLF)",
        header=["Numéro de carte", "Groupe de flotte", "Centre de coût", "Tarif", "Type de client",
                "Sélection du gestionnaire", "Salutations", "Nom et prénom", "Adresse e-mail",
                "Nom et numéro de la rue", "Code postal", "Ville", "Pays"]),
    "rtafleet_customers": dict(
        source="RTA Fleet Management (fleet maintenance shops: 'Customer Import/Export', the outside customers"
               " a shop bills)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's manual 'Customer Import/Export' (docs.rtafleet.com/rta-manual/import-%2F-export-"
              "utilities/customer-import%2Fexport): 'exports your customer records into a delimited text file"
              " ... re-imported', 'Import Field Definitions': Facility ('int(5)'), Customer Number, Abbreviation"
              " ('must be unique'), Name, Ship address 1, Ship Address City, Ship Zip Code, Ship Phone, Ship"
              " Contact, Ship State, Billing Address 1, Billing Address City, Billing Zip Code, Billing Phone,"
              " Billing Name, Billing State, Tax Rate, Shop Rate, Parts Markup, Labor Tax, Labor Markup, GST Tax,"
              " Tire Markup, Outside Labor Markup, Outside Parts Markup ('decimal version', '.07 for 7%'); the"
              " stored copy breaks off there, so the list does. The delimiter is not named: ',', UTF-8 without a"
              " signature and CRLF taken",
        header=["Facility", "Customer Number", "Abbreviation", "Name", "Ship address 1", "Ship Address City",
                "Ship Zip Code", "Ship Phone", "Ship Contact", "Ship State", "Billing Address 1",
                "Billing Address City", "Billing Zip Code", "Billing Phone", "Billing Name", "Billing State",
                "Tax Rate", "Shop Rate", "Parts Markup", "Labor Tax", "Labor Markup", "GST Tax", "Tire Markup",
                "Outside Labor Markup", "Outside Parts Markup"]),
    "autoline_leads": dict(
        source="Keyloop Autoline (motor dealer management: CRM 'Import Leads' from a spreadsheet)", language="en",
        separator=",", encoding="cp1252", documented_as="field list",
        where="the system's help page 'Import Leads' (al-services-bnl.eu.keyloop.io/pbedl/help/9304E/English/"
              "MK_LEADS.html): 'import sales leads from a csv spreadsheet', 'The information on the spread sheet"
              " must be in the order of title, first name, surname, company name, telephone 1, telephone 2,"
              " vehicle registration number, vehicle description and notes', 'Any columns which are blank still"
              " need to exist'. The names as the sentence writes them, taken as a header row; a British"
              " Excel's CSV (',', code page 1252, CRLF) taken",
        header=["title", "first name", "surname", "company name", "telephone 1", "telephone 2",
                "vehicle registration number", "vehicle description", "notes"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Car rental: a rental system's 'Customer CSV Imports' (FirstName, OverrideDuplicate, DriversLicenseNumber..."
    " stored without its address, so not citable), HireTrack NX RentalDesk (equipment hire, not vehicles)",
    "Marinas: Dockwa, Molo, DockMaster, ClearWater, MarinaPro, Up2Boat and yabook (contracts, boats and screens"
    " described, no import columns)",
    "Dealers: DealerMine's call-list import (its layout page stored without its address), Dealr and Dealer"
    " Inspire (fields only described), eAutoDealer and GAIN DMS (mapped by hand or a sample only), DMServices"
    " (vehicle stock only, no people)",
    "Charging and fleets: eMabler Connect's driver import (a name and RFID tags only), CarCloud (the template is a"
    " download), Catch-e (card transactions, no people)",
    "Driving schools and bicycles: nothing stored with an import column list in German, Czech, Polish, Dutch or"
    " English",
]
