"""Headers of the seventy-eighth held-out set (tests/prep/corpus/seventyeighth):
couriers, parcel services and the tools that feed them. None of these sources
is in headers.py nor in any of the later *_headers.py files (unseen_headers.py
to seventyfifth_headers.py), nor in layouts_test.py, nor in their NOT_FOUND
lists. The entries are as in headers.py: source, language of the columns'
names, separator and encoding of the export, how the header is documented
("header row": the source shows the row itself; "field list": it lists the
names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "speedi_contacts": dict(
        source="SpeEDI Cargo (TradeWindow, New Zealand freight forwarding and customs manifests: 'Contacts file"
               " format', shippers and consignees)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'Contacts file format' (speedicargohelp.tradewindow.io/support/solutions/articles/"
              "51000286641-contacts-file-format): 'The first row of data must contain the column names ... can be"
              " in any order but must match those below exactly'; Name ('the name of a business or person'),"
              " IsClient, Address1, Address2, City, Region, PostCode, CountryCode, ContactPersonName ('the primary"
              " contact person'), Phone and Email ('for the primary contact person'), TswClientCode, IsCcaCode,"
              " QuarantineApprovedPremises, BusinessTaxNumber, AccordBusinessId, TswPaymentMethod,"
              " QuarantineAccountNumber, BillingCode, Notes, taken in that order; 'a CSV ... or a tab separated"
              " text file': ',' taken, UTF-8 without a signature and CRLF (the rows' end its manifest format asks"
              " for)",
        header=["Name", "IsClient", "Address1", "Address2", "City", "Region", "PostCode", "CountryCode",
                "ContactPersonName", "Phone", "Email", "TswClientCode", "IsCcaCode", "QuarantineApprovedPremises",
                "BusinessTaxNumber", "AccordBusinessId", "TswPaymentMethod", "QuarantineAccountNumber", "BillingCode",
                "Notes"]),
    "instantlabels_batch": dict(
        source="Instant Shipping Labels (US web tool buying carriers' labels in batches: 'CSV Import Guide &"
               " Template')", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the tool's page 'CSV Import Guide & Template' (instantshippinglabels.com/csv-import-guide): 'one row"
              " per shipment, UTF-8 encoding', the 'Full sample header (domestic + optional fields)' from_name,"
              " from_street1 ... from_email, to_name ('recipient'), to_street1, to_street2, to_city, to_state,"
              " to_zip, to_country ('ISO 2-letter'), to_phone, to_email, the parcel's measures, carrier,"
              " service_level, rate_priority, payment_method, stripe_token, email, wallet_address,"
              " insurance_amount, insurance_currency; no signature and CRLF taken",
        header=["from_name", "from_street1", "from_street2", "from_city", "from_state", "from_zip", "from_country",
                "from_phone", "from_email", "to_name", "to_street1", "to_street2", "to_city", "to_state", "to_zip",
                "to_country", "to_phone", "to_email", "parcel_length", "parcel_width", "parcel_height",
                "parcel_weight", "parcel_distance_unit", "parcel_mass_unit", "carrier", "service_level",
                "rate_priority", "payment_method", "stripe_token", "email", "wallet_address", "insurance_amount",
                "insurance_currency"]),
    "transdirect_orders": dict(
        source="Transdirect (Australian courier booking service: 'CSV field reference' of its CSV import"
               " template)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's developer centre 'CSV field reference' (developer-center.transdirect.com.au/"
              "integrations/csv-import/field-reference/): 'every field in the Transdirect CSV import template':"
              " Order ID, Goods description, Carrier ('Toll', 'TNT', 'Fastway'), Pickup date ('DD/MM/YYYY'),"
              " Address type ('Business, Commercial, Residential, Private'), Receiver name ('The full name of the"
              " person receiving the delivery'), Email address; the stored copy keeps the headings only so far"
              " (the receiver's phone and business name are described under no name), so the list ends there."
              " UTF-8 without a signature and CRLF taken",
        header=["Order ID", "Goods description", "Carrier", "Pickup date", "Address type", "Receiver name",
                "Email address"]),
    "sendit_receivers": dict(
        source="SendIT (FLIP's consignment program for Australian carriers: 'Uploading Receiver List')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'SendIT - Uploading Receiver List' (flip-eng.atlassian.net/wiki/spaces/OIUG/"
              "pages/2451648680): 'The list provided to us must be in an Excel document'; its table: Search Term"
              " (16), Company Name (30, mandatory), Address 1, Address 2, Suburb, State (3), Postcode (4), Contact"
              " Name, Phone Number (10), Email, Delivery Instructions. The sheet saved as 'CSV UTF-8' by an"
              " Australian Excel (',', a signature, CRLF)",
        header=["Search Term", "Company Name", "Address 1", "Address 2", "Suburb", "State", "Postcode",
                "Contact Name", "Phone Number", "Email", "Delivery Instructions"]),
    "devega_adressen": dict(
        source="devega (German mailing and fulfilment service: the address file for parcels it sends by DHL)",
        language="de", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Was muss bei der Erstellung einer Adressdatei für den Paketversand (DHL)"
              " beachtet werden?' (faq.devega.de/hc/de/articles/4402227096082): 'Die Spalten \"Name 1\" bis \"Name"
              " 3\" dienen für Unternehmensnamen und Ansprechpartner', 'Straße' and 'Hausnummer', 'PLZ' and 'Ort',"
              " and the warning that Excel drops a postal code's leading zero; the template itself is a download"
              " the stored copy does not hold, so only these seven names are taken, in that order. A German"
              " Excel's 'CSV UTF-8' (';', a signature, CRLF) taken",
        header=["Name 1", "Name 2", "Name 3", "Straße", "Hausnummer", "PLZ", "Ort"]),
    "canadapost_sdc": dict(
        source="Canada Post Smart Data Cleaner (the postal service's mailing list cleaning: 'File Format"
               " Guidelines', the address format 'unparsed2')", language="en", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the postal service's page 'File Format Guidelines for Smart Data Cleaner' (www.postescanada-"
              "canadapost.ca/cpo/mc/business/productsservices/sdc/fileformatguidelines.jsf): 'The columns in your"
              " file must match one of the 4 address formats', unparsed2 'Record ID | Address1 | Address2 | Muni |"
              " Prov | PC | Title | First Name | Last Name | Business Name'; 'All fields/columns must be"
              " represented, even if the cell contains no information', comma delimited (.csv) among the accepted"
              " types. UTF-8 without a signature and CRLF taken",
        header=["Record ID", "Address1", "Address2", "Muni", "Prov", "PC", "Title", "First Name", "Last Name",
                "Business Name"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Couriers: FedEx Ship Manager (its address books described, no import columns), PPL's klient.ppl.cz (the"
    " stored copy stops before its data import), Sendle and Starshipit (a template download, or columns dragged"
    " into place), Australia Post's Parcel Send and MyPost Business (only 'Row type' and four 'Deliver To' names"
    " in the stored copies), Canada Post's EST address book (fixed positions, no header row stored)",
    "Carriers' own address books whose fields are a form's, not a file's: Transvirtual's address list, a DPD"
    " shipping app's recipients (DPD is already in ninth_headers.py), Magyar Posta's feladójegyzék (a paper form)",
    "Already in earlier lists: Bliskapaczka, Polkurier, Intellisent, Uloženka, Deliveo, MyDHL+ in other"
    " languages (final_headers.py), Pitney Bowes' PitneyShip (the vendor of thirtyseventh_headers.py's SendPro)",
]
