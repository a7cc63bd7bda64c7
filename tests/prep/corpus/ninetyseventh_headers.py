"""Headers of the ninety-seventh held-out set (tests/prep/corpus/ninetyseventh):
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
    "gocardless_customers": dict(
        source="GoCardless (Direct Debit collection: the dashboard's 'Standard Customers export')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's support article 'Customer reports' (support.gocardless.com/hc/en-au/articles/"
              "17144227208476-Customer-reports), its table of columns A to Q: id ('Customer ID'), created_at,"
              " the customer's email address (column C, its name lost in the stored copy, 'email' as the"
              " customer object names it), given_name, family_name, company_name ('if applicable'), address_line1,"
              " address_line2, address_line3, city, region, postal code (written 'postal_code' like its"
              " neighbours), country_code, language, swedish_identity_number ('Autogiro mandates only'),"
              " active_mandates; the optional metadata column Q is left out. UTF-8 without a signature and CRLF"
              " taken",
        header=["id", "created_at", "email", "given_name", "family_name", "company_name", "address_line1",
                "address_line2", "address_line3", "city", "region", "postal_code", "country_code", "language",
                "swedish_identity_number", "active_mandates"]),
    "centtrip_payments": dict(
        source="Centtrip (business payments and FX: the one-time batch payment template)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ 'What are the validation rules for my one-time batch payment template?'"
              " (support.centtrip.com/faqs/what-are-the-validation-rules-for-my-one-time-batch-payment-template):"
              " Amount, Reason, Reference, CountryCode ('2 characters ISO format'), CurrencyCode, FirstName"
              " ('required if CompanyName empty'), LastName, CompanyName ('required if FirstName and LastName"
              " empty'), Address, City, PostCode, State ('required for USA payments'), BankAccountNumber, IBAN,"
              " BankClabe, BankSortCode, BankBIC, BankABA, DefaultPaymentReason, in this order; its sister FAQ on"
              " the recipient template says CountryCode is 'the two-letter country code of the recipients bank'."
              " UTF-8 without a signature and CRLF taken",
        header=["Amount", "Reason", "Reference", "CountryCode", "CurrencyCode", "FirstName", "LastName",
                "CompanyName", "Address", "City", "PostCode", "State", "BankAccountNumber", "IBAN", "BankClabe",
                "BankSortCode", "BankBIC", "BankABA", "DefaultPaymentReason"]),
    "qonto_beneficiaries": dict(
        source="Qonto (business account: 'Upload beneficiaries (CSV)')", language="en", separator=";",
        encoding="utf-8", documented_as="field list",
        where="the vendor's German help article 'Kann ich mehrere Zahlungsempfänger auf einmal angeben?'"
              " (help.qonto.com/de/articles/4359572): 'Ihre Datei muss die folgenden 3 Spalten getrennt durch ein"
              " Semikolon (;) enthalten': NAME, IBAN, EMAIL, 'Diese Spaltenüberschriften müssen in Englisch sein',"
              " NAME and IBAN required, EMAIL may stay empty. UTF-8 without a signature and CRLF taken",
        header=["NAME", "IBAN", "EMAIL"]),
    "peach_paymentlinks": dict(
        source="Peach Payments (South African payment gateway: bulk payment links)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's developer page 'Bulk payment links CSV parameters' (developer.peachpayments.com/docs/"
              "bulk-payment-links-parameters): INVOICE_ID ('[a-zA-Z0-9]{8,16}'), AMOUNT, CUSTOMER_SURNAME,"
              " CUSTOMER_GIVEN_NAME, CURRENCY, CUSTOMER_EMAIL, CUSTOMER_MOBILE ('Format should be +27123456789'),"
              " CUSTOMER_WHATSAPP; the stored copy breaks off at CUSTOMER_WHATSAPP, so the list ends there."
              " UTF-8 without a signature and CRLF taken",
        header=["INVOICE_ID", "AMOUNT", "CUSTOMER_SURNAME", "CUSTOMER_GIVEN_NAME", "CURRENCY", "CUSTOMER_EMAIL",
                "CUSTOMER_MOBILE", "CUSTOMER_WHATSAPP"]),
    "indiegogo_pledges": dict(
        source="Indiegogo (crowdfunding pledge manager: 'Importing pledges' from an external campaign)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Importing pledges' (help.indiegogo.com/article/603-importing-pledges),"
              " 'The Excel file has to include the following': Backer number ('optional'), Backer name ('the full"
              " name of the backer'), Email, Reward title; the stored copy breaks off inside Reward title's note,"
              " so the list ends there. The sheet saved as 'CSV UTF-8' by Excel (',', a signature, CRLF)",
        header=["Backer number", "Backer name", "Email", "Reward title"]),
    "multivia_empfaenger": dict(
        source="Multivia Suite (German payments software for firms: 'Empfängerkonten importieren')",
        language="en", separator=";", encoding="latin-1", documented_as="field list",
        where="the vendor's web help on importing payees' accounts (web.multivia-suite.de/mvweb/DE/Content/"
              "d29e10768.htm): 'Die erste Zeile enthält die nachfolgend aufgeführten Spaltenüberschriften':"
              " RECIPIENT_NAME, RECIPIENT_ID, RECIPIENT_STREET ('Straße und Hausnummer'), RECIPIENT_CITY ('Stadt'),"
              " RECIPIENT_COUNTRY_CODE_ISO, RECIPIENT_PHONE, RECIPIENT_EMAIL, ACCOUNT_COUNTRY_CODE_ISO, IBAN, BIC,"
              " NATIONAL_ACCOUNT_NUMBER, NATIONAL_BANK_CODE, ESR_NUMBER_CH, BANK_NAME, BANK_STREET, BANK_CITY,"
              " POSTAL_ACCOUNT_NUMBER_CH, CORRESPONDING_ACCOUNT, CLEARING_SYSTEM_CODE, DESCRIPTION; the stored copy"
              " breaks off at DESCRIPTION, so the list ends there. 'Stellen Sie sicher, dass die Importdaten"
              " ISO-codiert sind': ISO 8859-1 taken; the separator is not shown: ';' and CRLF taken",
        header=["RECIPIENT_NAME", "RECIPIENT_ID", "RECIPIENT_STREET", "RECIPIENT_CITY", "RECIPIENT_COUNTRY_CODE_ISO",
                "RECIPIENT_PHONE", "RECIPIENT_EMAIL", "ACCOUNT_COUNTRY_CODE_ISO", "IBAN", "BIC",
                "NATIONAL_ACCOUNT_NUMBER", "NATIONAL_BANK_CODE", "ESR_NUMBER_CH", "BANK_NAME", "BANK_STREET",
                "BANK_CITY", "POSTAL_ACCOUNT_NUMBER_CH", "CORRESPONDING_ACCOUNT", "CLEARING_SYSTEM_CODE",
                "DESCRIPTION"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "English: Recurly (the accounts export's table is cut after account_code in the stored copy), Chargebee and"
    " Paystack (API fields only), Helcim (the customer object only), SumUp Invoices (customer import described,"
    " no column names), RazorpayX (the contacts template's stored list names the fund account columns only),"
    " Currencycloud Direct (its bulk upload's column table is not in the stored copy), Revolut Business (a"
    " template download only), Wise (batch columns named without their order)",
    "Lithuanian: Paysera (the MOKESIS field table is cut in the stored copy)",
    "Spanish: Paylands (payment links by e-mail and SMS: the form's fields described, no file columns)",
    "Dutch and French: Mollie (no customer export columns), Ulule, KissKissBankBank (nothing stored with a column"
    " list)",
    "German: Startnext (nothing stored with a column list)",
]
