"""Headers of the sixty-fourth held-out set (tests/prep/corpus/sixtyfourth):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to sixtythird_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "werkstattnxt_kunden": dict(
        source="Werkstatt.NXT (KSR: German garage management, the customers' file of 'Kunden- und Fahrzeugdaten"
               " in Werkstatt.NXT importieren')", language="de", separator=";", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help article 'Kunden- und Fahrzeugdaten in Werkstatt.NXT importieren'"
              " (ksr.helpjuice.com/de_DE/562314-basics/2581945-kunden-und-fahrzeugdaten-in-werkstattnxt-importieren),"
              " 'Datei für Kundendaten': 'Die einzelnen Spalten innerhalb der CSV-Datei müssen durch ein Semikolon"
              " (;) getrennt sein', 'in der ersten Zeile folgende Spalten in exakt der folgenden Schreibweise':"
              " AlteKundennummer, Debitorennummer, Anrede ('keine Angabe, Herr, Frau'), Titel, Vorname, Nachname"
              " (both for a person), Organisationsname ('Falls es sich bei dem Kunden um eine Organisation"
              " handelt'; to be left empty for a person). The stored copy breaks off there, so the list does. The"
              " code page is not named: UTF-8 with a signature (a German Excel's 'CSV UTF-8') and CRLF taken",
        header=["AlteKundennummer", "Debitorennummer", "Anrede", "Titel", "Vorname", "Nachname",
                "Organisationsname"]),
    "auxo_customers": dict(
        source="Auxo Workshop (New Zealand garage management: the Customer template of its data conversions)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Data Conversion Templates' (learn.auxosoftware.com/en/articles/"
              "10051855-data-conversion-templates), 'Customer': Customer Type ('\"I\" = Individual, \"C\" ="
              " Company'), Customer ID, First Name ('Mandatory when customer type = I'), Last Name, Company Name"
              " ('Mandatory when customer type = C'), Mobile Number ('Do not enter the country code (+64)'), Phone"
              " Number ('Include the area code (07) if possible'; both 'Only numeric values'), Email Address,"
              " Business Number, Billing Address ('Postal address e.g. 75 Leicester Avenue, Tamatea, Napier,"
              " 4112'), Delivery Address ('Add if different than postal'), Tax Number ('GST Number or ABN'), Tax"
              " Rate ('15%', '0%'), Terms of Payment ('Cash', '[Credit] 20th Day of Next Month', ...), Notes, in"
              " this order; the stored copy ends in the line of Notes, so the list does. UTF-8 without a"
              " signature and CRLF taken",
        header=["Customer Type", "Customer ID", "First Name", "Last Name", "Company Name", "Mobile Number",
                "Phone Number", "Email Address", "Business Number", "Billing Address", "Delivery Address",
                "Tax Number", "Tax Rate", "Terms of Payment", "Notes"]),
    "gazoop_customers": dict(
        source="Gazoop (booking and dispatch software for transport and service firms: its customer import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support page 'How do you import customer data from a self-created CSV file?'"
              " (www.gazoop.com/support/7/customers/249/import/831/how_do_you_import_customer_data_from_a_self_"
              "created_csv_file), 'What column names can I use in my CSV File?': First Name ('This can be either"
              " the first name or the full name for the customer'), Last Name, Company Name, Phone Number ('in"
              " international format and clear of any spaces or special characters', '18779472626'), Phone Number"
              " Type ('\"mobile\" or \"landline\"'), Email, Address 1 ('either the first line of the customers"
              " address OR the full address'), Address 2, City, State/County; the stored copy ends there, so the"
              " list does. 'The minimum required is First Name and Telephone'. UTF-8 without a signature and CRLF"
              " taken",
        header=["First Name", "Last Name", "Company Name", "Phone Number", "Phone Number Type", "Email",
                "Address 1", "Address 2", "City", "State/County"]),
    "whiparound_drivers": dict(
        source="Whip Around (fleet inspections and maintenance: the Bulk Upload template for new drivers)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Bulk Upload New Drivers' (help.whiparound.com/en/articles/"
              "5162326-bulk-upload-new-drivers), 'Required Fields': First Name, Last Name, App Username ('We"
              " recommend firstname.lastname; John.Smith OR their company email address'), App Password, Team"
              " Name, Mobile Phone ('7045555555 (will add country code when it uploads, based on the user's"
              " timezone)'); 'save your document in a .CSV format'. Only the required fields are named, and only"
              " they are taken. UTF-8 without a signature and CRLF taken",
        header=["First Name", "Last Name", "App Username", "App Password", "Team Name", "Mobile Phone"]),
    "vehichaul_drivers": dict(
        source="Vehichaul (vehicle transport dispatch: a carrier's drivers uploaded as a .csv file)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'How do I create a new driver?' (help.vehichaul.com/en/articles/"
              "1040055-how-do-i-create-a-new-driver), 'Uploading from the Upload screen': 'Mandatory name,"
              " identifier', 'Optional phone, email, mc_number, dot_number, drivers_license', 'Column names must"
              " match exactly'; the sample file is not in the stored copy: the names in the order listed, UTF-8"
              " without a signature and CRLF taken",
        header=["name", "identifier", "phone", "email", "mc_number", "dot_number", "drivers_license"]),
    "loadsmart_drivers": dict(
        source="Loadsmart Carrier TMS (trucking carriers' management: the 'drivers-import-template' of Bulk Import)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Importing Drivers' (community.loadsmart.com/hc/en-us/articles/"
              "15133559734035-Importing-Drivers): 'Please do not change the column header names': name ('Driver's"
              " full name', 'John Adams'), email, phone ('Driver's primary phone number'), second_phone, active"
              " ('TRUE or FALSE'), truck ('Driver's assigned truck number', '001'), trailer ('0049'),"
              " private_data.ssn ('222.33.4444'); the stored copy breaks off after it, so the list ends there."
              " UTF-8 without a signature and CRLF taken",
        header=["name", "email", "phone", "second_phone", "active", "truck", "trailer", "private_data.ssn"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Fleet and telematics: Samsara (the bulk article points to a separate page of driver columns; the stored"
    " copies name only Username, Password, Name and Phone, not as a template), GPS Insight (the import columns"
    " only in a third-party copy of its page), Masternaut Connect (its sample's header row is removed before"
    " import), Powerfleet, Drivewyze, Roadeazy (the template's fields cut off after the first two names),"
    " Verizon Connect Scenarios, Orcoda and PayByPhone Business (fields described, no names in order)",
    "Dealers' service departments: Tjekvik (the CSV appointment columns are past the stored part of every"
    " language's page), AutoVHC (numbered fields F1 to F43 of a DMS export, no header row shown), Dealr (fields"
    " only described)",
    "Garages and rental: Tekmetric, Shopmonkey, Mitchell 1, ALLDATA Manage and Complete Auto Reports (fields of a"
    " form, no import columns), bswork (fields mapped by hand), CARS+ (its column chart not in the stored copy),"
    " BARS (form fields only), any.rentals (the field list cut off)",
    "Taxi and transport booking: TaxiCaller and Autocab (customer accounts described, no import columns)",
    "Czech and Polish: CarRental by Eurosoftworks (the address book described, no import), SPZ by MILK (the"
    " columns only in sample workbooks), no Polish workshop or fleet tool with an import column list stored",
]
