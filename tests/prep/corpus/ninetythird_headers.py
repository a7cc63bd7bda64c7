"""Headers of the ninety-third held-out set (tests/prep/corpus/ninetythird):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are as
in headers.py: source, language of the columns' names, separator and encoding
of the export, how the header is documented ("header row": the source shows
the row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "mas_customer": dict(
        source="MAS Software (Indonesian accounting and distribution: 'Membuat Master Customer Menggunakan Impor"
               " Via Excel')", language="id", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Membuat Master Customer Menggunakan Impor Via Excel' (help.mas-software.com/"
              "id/articles/5543983-membuat-master-customer-menggunakan-impor-via-excel), 'Step 3: Lengkapi Informasi"
              " di Excel': Kode Customer, Nama Customer, Kode Wilayah ('JKT, BDG'), Nama Wilayah, Kode Currency"
              " ('IDR, USD'), Syarat Bayar ('D30 artinya kredit 30hari'), Batas Kredit ('tanpa ada tanda titik atau"
              " koma'), Kode Sales, Alamat, NPWP, Pemilik Npwp, AlamatPajak, Telepon, HubunganDengan ('nama orang yang"
              " biasa kontak dengan customer'), Jabatan ('jabatan dari orang yang biasa kontak'), Email, Type"
              " Identitas ('NIK atau Paspor'), No Identitas; the stored copy breaks off at the next 'Kode ...', so"
              " the list ends at No Identitas. The sheet saved as 'CSV UTF-8' by an Indonesian Excel (';', a"
              " signature, CRLF)",
        header=["Kode Customer", "Nama Customer", "Kode Wilayah", "Nama Wilayah", "Kode Currency", "Syarat Bayar",
                "Batas Kredit", "Kode Sales", "Alamat", "NPWP", "Pemilik Npwp", "AlamatPajak", "Telepon",
                "HubunganDengan", "Jabatan", "Email", "Type Identitas", "No Identitas"]),
    "pharmapoc_customers": dict(
        source="Pharmapoc (Vietnamese pharmaceutical distribution: 'Customers Template', Customers.csv)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's developer page 'Customers' (developers.pharmapoc.com/api/customers), the 'Customers"
              " Template' table of fields: Code, Name, Region ('South', 'North'), Area ('Tỉnh An Giang',"
              " 'TP. Hà Nội'), Subarea ('Huyện An Phú', 'Quận Ba Đình'), Ward ('Xã Nam Hải', 'Phường 5'), Address,"
              " Type, Segment, Phone, Email, Owner's name, Action ('Put DELETE or nothing'), in this order;"
              " separator and encoding are not shown: ',' and UTF-8 without a signature (the areas' Vietnamese"
              " letters) and CRLF taken",
        header=["Code", "Name", "Region", "Area", "Subarea", "Ward", "Address", "Type", "Segment", "Phone", "Email",
                "Owner's name", "Action"]),
    "zimba_clients": dict(
        source="Zimba (Ugandan savings and credit cooperative software: the Data Importer's 'Clients' template)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's user manual 'Clients' (zimba.gitbook.io/user-manual/product-guides/data-importer/"
              "clients), 'Fields': First Name, Last Name, Email, Savings Officer ID, Membership Fee, Message Consent"
              " ('1' or '0'), Gender ('female' or 'male'), Date of Birth ('YYYY-MM-DD'), NIN, Primary Telephone"
              " Number ('starting with the country code 256 ... e.g., 256774369093'), Secondary Telephone Number,"
              " Business Name, Business Registration Number, Occupation, Business Address Line 1, Next of Kin Name,"
              " Next of Kin NIN, Next of Kin Relationship; the stored copy breaks off in the last one's text, so the"
              " list ends there. Separator and encoding are not shown: ',', UTF-8 without a signature and CRLF"
              " taken",
        header=["First Name", "Last Name", "Email", "Savings Officer ID", "Membership Fee", "Message Consent",
                "Gender", "Date of Birth", "NIN", "Primary Telephone Number", "Secondary Telephone Number",
                "Business Name", "Business Registration Number", "Occupation", "Business Address Line 1",
                "Next of Kin Name", "Next of Kin NIN", "Next of Kin Relationship"]),
    "finexo_clients": dict(
        source="Finexo PMS (Indian practice management for chartered accountants: 'Clients import')",
        language="en-IN", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support page 'Clients import' (pmssupport.finexo.in/clients/clients-import): 'Required"
              " columns: Name, Type of Client. Optional columns: File No, PAN, TAN, Trade Name, GSTIN, Mobile,"
              " Email, etc.'; only the named columns are taken, in the page's order ('etc.' names nothing). 'Save"
              " the file as CSV': ',', a signature (an Indian Excel's 'CSV UTF-8') and CRLF taken",
        header=["Name", "Type of Client", "File No", "PAN", "TAN", "Trade Name", "GSTIN", "Mobile", "Email"]),
    "humedit_customers": dict(
        source="Humedit (Philippine accounting: Sales > Customer, 'Optimized Upload', CustomerFileFormat)",
        language="en-PH", separator=",", encoding="cp1252", documented_as="field list",
        where="the vendor's manual '4.1.2 Customer', '4.1.2.2 Add Customer Via Import Function' (humedit.ph/"
              "?p=25340): 'you can see the following columns (all in all, there are 29 columns)': ManualCode,"
              " Customer, Category, PWDorSCDNo, TIN, Zipcode, BusinessStyle, ContactPerson; the stored copy breaks"
              " off inside the ninth name ('ContactNu'), so only the first eight are taken. The Excel file saved as"
              " 'CSV (Comma delimited)' by a Philippine Excel: code page 1252, ',', CRLF",
        header=["ManualCode", "Customer", "Category", "PWDorSCDNo", "TIN", "Zipcode", "BusinessStyle",
                "ContactPerson"]),
    "eschool_students": dict(
        source="eSchool SIAKAD Plus (Indonesian school information system: Student Affairs > Student > Import Data)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Import Data' (eschoolwebsitefuma.ubig.web.id/en/docs/admin/student-affairs/student/"
              "import-data), 'CSV Format Structure': first_name, last_name ('can be left blank if none'), mobile,"
              " gender ('male or female'), dob ('dd-mm-yyyy'), admission_date, current_address, permanent_address"
              " ('can be the same as current address'), guardian_email, guardian_first_name, guardian_gender,"
              " guardian_mobile, in this order; '.csv (Comma delimited)'. UTF-8 without a signature (a sheet saved"
              " from Google Sheets or LibreOffice, which the page names too) and CRLF taken",
        header=["first_name", "last_name", "mobile", "gender", "dob", "admission_date", "current_address",
                "permanent_address", "guardian_email", "guardian_first_name", "guardian_gender", "guardian_mobile"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Indonesian: Jurnal (Mekari; the supplier list is cut after its tenth column in the stored copy and the"
    " customer page is not stored), Lion Parcel (the customer template's table is cut after 'Alamat')",
    "Hebrew: Caspit and Frontask CRM (columns mapped by hand at import), Rubicon by Nahala Systems (the columns"
    " are in the attached format file only)",
    "Arabic: Daftra (fields mapped by hand), Fatoorah.sa and eDariba (the entry form only, no file layout)",
    "Turkish: Luca (invoice transfer by user-made rules), bulut4 (address-book import mapped by hand)",
    "English (India): Refrens (invoice upload only), EduQfix (the pupil template's columns shown as a picture,"
    " the list in the text cut after the birth date)",
]
