"""Headers of the ninety-ninth held-out set (tests/prep/corpus/ninetyninth):
insurance tools. None of these sources is in headers.py nor in any of the
later *_headers.py files (unseen_headers.py to ninetyfifth_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken. Only five sources were found with a documented column list
in the time given to the search; the set has five exports, not six.
"""

SOURCES = {
    "slaidaho_filings": dict(
        source="Surplus Line Association of Idaho (the surplus lines brokers' filing portal: 'Guide to Filing via"
               " Bulk Upload', draft transactions from a CSV)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the association's knowledge base 'Guide to Filing via Bulk Upload' (slaidaho.atlassian.net/wiki/"
              "spaces/ISBPKB/pages/181501953): 'add it to the CSV file in the exact order below': Broker NPN*,"
              " Transaction Type* ('New, Renewal, Additional Premium, Return of Premium, Flat Cancel, Audit'),"
              " Policy #*, Insured*, ECP ('Y or N'), RPG, Effective Date, Endorsement Date ('Leave empty for"
              " New/Renewal'), Expiration Date, Broker Received Date, Insured Street Address 1, Insured Street"
              " Address 2, Insured City, Insured State, Insured ZIP, Multistate, Location of Risk same as Insured"
              " ('Y or N'), Location Street Address 1 and 2, Location City, State and ZIP, Line of Business"
              " ('Coverage Code (e.g. AH-001)'), Description, Insurer ('NAIC code; if there is more than one"
              " insurer, separate with the \"|\" symbol'), Percentage, Premium ('No decimal'), Broker Fee, Other"
              " Fee; the asterisks and the notes dropped from the names. 'create a template for the CSV file in"
              " Excel ... pick \"CSV\"': saved here as 'CSV UTF-8' (a signature, CRLF), since the plain 'CSV' of a"
              " US Excel would lose the Czech and Polish insureds' letters",
        header=["Broker NPN", "Transaction Type", "Policy #", "Insured", "ECP", "RPG", "Effective Date",
                "Endorsement Date", "Expiration Date", "Broker Received Date", "Insured Street Address 1",
                "Insured Street Address 2", "Insured City", "Insured State", "Insured ZIP", "Multistate",
                "Location of Risk same as Insured", "Location Street Address 1", "Location Street Address 2",
                "Location City", "Location State", "Location ZIP", "Line of Business", "Description", "Insurer",
                "Percentage", "Premium", "Broker Fee", "Other Fee"]),
    "clickclaims_adjusters": dict(
        source="ClickClaims (claims management for independent adjusting firms: 'Upload Files to CMS (Adjuster"
               " Bulk Upload)')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Upload Files to CMS (Adjuster Bulk Upload)' (support.clickclaims.com/"
              "support/solutions/articles/66000509290): 'Use the template's rows and columns ... save the file as"
              " a .CSV file': Username ('Required. Must be unique. If the Xactnet Address is a unique value, that"
              " may be used as the username'), CompanyName ('IA Firm Name goes here, if applicable'), NamePrefix"
              " ('Dr, Mr, Miss, Mrs, Ms'), LastName, FirstName, NameSuffix ('Sr, Jr, II, III, IV, V, MD, PhD,"
              " Esq'), PrimaryEmail, SecondaryEmail ('Will be ignored if the value is not an email address'),"
              " MobilePhone ('1112223333, (111) 222-3333, or 111-222-3333'); the stored copy breaks off in"
              " MobilePhone's note, so the list ends there. UTF-8 without a signature and CRLF taken",
        header=["Username", "CompanyName", "NamePrefix", "LastName", "FirstName", "NameSuffix", "PrimaryEmail",
                "SecondaryEmail", "MobilePhone"]),
    "oden_policies": dict(
        source="Policy Terminator (ODEN: cancellation and nonrenewal notices for insurance agencies; the Policy"
               " file of 'Import/Export File Layouts')", language="en", separator=",", encoding="cp1252",
        documented_as="field list",
        where="the program's help 'Import/Export File Layouts' (odenpt.com/help/ImportExportFileLayouts.html):"
              " 'Field names are in order and can be comma delimited', 'All fields must be accounted for even if"
              " blank', 'dates should not be enclosed with double quotes', a header row optional ('Field names"
              " present'); and its 'Policy' layout (odenpt.com/help/PolicyLayout.html): Insurance Type ('P' for"
              " Personal or 'C' for Commercial Lines), Applicable State, Policy Number, Policy Type ID, User"
              " Policy Type ID, Print Title, Carrier Number (NAIC), Branch Description, Producer Number, Named"
              " Insured Line 1, Named Insured Line 2, Named Insured Misc Line ('Misc line for extra information"
              " needed on policy'), Territory, User Defined Field 1 to 4; the stored copy breaks off in the fourth"
              " user field, so the list ends there. The names are the layout's descriptions. Code page 1252 (a US"
              " Windows program) and CRLF taken",
        header=["Insurance Type", "Applicable State", "Policy Number", "Policy Type ID", "User Policy Type ID",
                "Print Title", "Carrier Number", "Branch Description", "Producer Number", "Named Insured Line 1",
                "Named Insured Line 2", "Named Insured Misc Line", "Territory", "User Defined Field 1",
                "User Defined Field 2", "User Defined Field 3", "User Defined Field 4"]),
    "leadadvantage_leads": dict(
        source="Lead Advantage Pro (CRM for life and health insurance agents: 'Lead Import',"
               " LA_Pro_Lead_Import_Template.csv)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's wiki page on the lead import (leadadvantage.atlassian.net/wiki, page 200376352):"
              " 'DOWNLOAD TEMPLATE: LA_Pro_Lead_Import_Template.csv', 'Only First and Last Names are required ...'"
              " 'the column needs to be present but can be left blank', 'DO NOT send values in quotation', the"
              " table Lead_Date ('mm/dd/yyyy'), Prefix_Title ('Mr.'), First_Name, Middle_Initial ('Truncated after"
              " 1st character'), Last_Name, DOB ('mm/dd/yyyy In Past'), Gender ('M(ale)'), Marital_Status,"
              " Height_Inches, Weight_Pounds, SSN ('###-##-####'); after SSN the stored copy names only groups"
              " ('Phone (ALL)', 'Email (ALL)', 'Address1 (ALL') without their columns, so the list ends at SSN."
              " UTF-8 without a signature and CRLF taken",
        header=["Lead_Date", "Prefix_Title", "First_Name", "Middle_Initial", "Last_Name", "DOB", "Gender",
                "Marital_Status", "Height_Inches", "Weight_Pounds", "SSN"]),
    "apizeal_comisiones": dict(
        source="Apizeal (CRM and commission reconciliation for health insurance agencies: the Excel map of a"
               " carrier's commission statement)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's Spanish help article on the Excel map for reconciling commissions"
              " (docs.apizeal.com/es/articles/12821701): 'Primera Columna: Identificada con la letra \"A\". Es"
              " obligatorio dejar esta columna vacía', 'Segunda Columna ... Título: ID' ('Member ID del cliente'),"
              " 'Tercera Columna ... Nombre y Apellido del Cliente' with two options, one cell titled 'FULL NAME'"
              " or 'First Name' and 'Last Name' apart; the one-cell option taken. The stored copy ends after the"
              " third column, so the list does. The sheet saved as 'CSV UTF-8' by Excel (',', a signature, CRLF)",
        header=["", "ID", "FULL NAME"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: InsCipher (surplus lines tax filings: the stored field tables break off before any insured's"
    " column), ClariNet LS (insureds' contact details: the columns are in the downloadable template only; its"
    " Excel uploader lays insureds out in columns), ClickClaims' new claims upload (the stored table breaks off"
    " at LossDate, before any insured's column), APL agency management (fixed-width records), InsuredMine,"
    " Insureio and Applied Epic (fields mapped or entered by hand)",
    "Italian: Axicura (Netlevel's 'Importa contraenti': the column order is in the downloadable sheet only),"
    " Poligea (premium instalments, no person's columns)",
    "German: Insurgo (columns taken from its own export, none named), scan2find (GDV records, fixed width)",
    "Polish: Agent21 (commission statements only), Insly (reports described, no client import columns)",
    "Czech, Slovak and Hungarian: no broker's, agent's or insurer's client import with its own column names"
    " found in the stored pages",
    "French: ASSUR3D (the template's columns not in the stored copy)",
]
