"""Headers of the ninety-first held-out set (tests/prep/corpus/ninetyfirst):
digital business cards, an event platform's lead list, a contact manager's
import and two lead lists of sales apps. None of these sources is in
headers.py nor in any of the later *_headers.py files, nor in layouts_test.py,
nor in their NOT_FOUND lists. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.

Only five sources were found with a documented column list in the time given
to the search, not six: card-scanning apps (CamCard, Sansan, Eight, Covve)
name their export's columns nowhere in the stored material (see NOT_FOUND).
"""

SOURCES = {
    "profyle_people": dict(
        source="Profyle Card (UK digital business cards with NFC cards: the enterprise portal's People export)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Exporting People Data' (www.profylecard.com/help/exporting-people-data/), its"
              " 'Person Export CSV Column Reference': id, prefix, first_name, last_name, email, mobile, position,"
              " department, nominals ('PhD, MBA, CISSP'), pronouns, bio, nfc_card_id ('First 6 characters'),"
              " nfc_card_enabled ('true, false'), linked_in, twitter, instagram, group, address ('semicolon-separated',"
              " '123 Main St;Suite 100;London;;SW1A 1AA;GB'), locations ('disabled, group, list, custom'),"
              " location_ids ('\"xyz123456,abc987654\"'); the stored copy breaks off at 'Linked Profyles Settings',"
              " so the list ends with location_ids. 'Importing People Data' gives the file: 'Encoding: UTF-8',"
              " 'Delimiter: Comma (,)', 'First row must contain column names'; no signature and CRLF taken",
        header=["id", "prefix", "first_name", "last_name", "email", "mobile", "position", "department", "nominals",
                "pronouns", "bio", "nfc_card_id", "nfc_card_enabled", "linked_in", "twitter", "instagram", "group",
                "address", "locations", "location_ids"]),
    "talque_leads": dict(
        source="talque (German event platform: the lead list sent to exhibitors and sponsors after an event)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ 'Lead list - contact information for your partners' (web.talque.com/en/faq/"
              "lead-list), 'Format of the Lead List': 'First Name, Last Name, Email, Company Name, Job title, Origin,"
              " Country'; 'Origin' is 'Chat' (a personal chat contact) or 'Profile' (the stored copy breaks off"
              " there). The list is mailed as a file whose separator and encoding are not shown: ',' and UTF-8"
              " without a signature, CRLF taken",
        header=["First Name", "Last Name", "Email", "Company Name", "Job title", "Origin", "Country"]),
    "toomaker_contacts": dict(
        source="toomaker (Taiwanese business management: 客戶管理 > 聯絡人 > 批次導入, the contacts' CSV)",
        language="zh-Hant", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's guide '聯絡人管理' (toomaker.com/zh-Hant/docs/guide/customer/contact), 'csv 欄位':"
              " displayName (聯絡人的完整姓名), familyName (姓氏), givenName (名字), middleName (中間名, 如有), email,"
              " phone, position (職位或頭銜), in this order; the guide adds that the name may be set family first or"
              " given first. Encoding and line end not shown: UTF-8 without a signature and CRLF taken",
        header=["displayName", "familyName", "givenName", "middleName", "email", "phone", "position"]),
    "tuco_leads": dict(
        source="Tuco AI (US sales outreach app: 'Upload Leads', the CSV of leads)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's docs 'Upload Leads' (docs.tuco.ai/features/upload-leads), 'Prepare Your CSV File':"
              " the required firstName, lastName, email, phone ('include country code'), then the optional"
              " altPhone1, altPhone2, altPhone3, altEmail1, altEmail2, altEmail3, companyName, jobTitle,"
              " linkedinUrl, notes, in this order; 'Any additional columns will be stored as custom fields'."
              " Encoding and line end not shown: UTF-8 without a signature and CRLF taken",
        header=["firstName", "lastName", "email", "phone", "altPhone1", "altPhone2", "altPhone3", "altEmail1",
                "altEmail2", "altEmail3", "companyName", "jobTitle", "linkedinUrl", "notes"]),
    "intelous_leads": dict(
        source="Intelous (AI prospecting app: the lead CSV it imports and validates)", language="en", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the vendor's FAQ '4.4 Lead Import & Validation' (docs.intelous.ai/FAQ/4-4-lead-import-validation):"
              " 'Required: FullName, Email, Title, Company. Optional columns: Country, PhoneNumber, LinkedInURL',"
              " in this order; a job title of at most 50 characters, no duplicate mailbox in one file. Encoding and"
              " line end not shown: UTF-8 without a signature and CRLF taken",
        header=["FullName", "Email", "Title", "Company", "Country", "PhoneNumber", "LinkedInURL"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Card scanners: CamCard, ABBYY Business Card Reader, ScanBizCards, WorldCard, snapADDY CardScanner (nothing"
    " stored with a column list), Sansan (its import format is a download, the columns not named; Sansan Data"
    " Hub's output list not stored), Eight (only what it digitises, no file columns), Covve (only what it syncs),"
    " ApeosPlus Cards R (the CSV's columns not in the stored part), Scan to Salesforce (the mapping is a picture)",
    "Digital business cards: Blinq (only its CRM field mapping), Popl, HiHello, Mobilo, Linq, Knowee (nothing"
    " stored with a column list); Profyle Card's collected contacts (their download's columns not named)",
    "Lead capture at fairs: Captello / Lead Liaison, vFairs, Grip, Brella, ExpoPlatform, Jublia, Cadence,"
    " Scan2Lead, LeadLog, GatherDigital, Delegia (exports described, no column names), a sound engineers'"
    " convention's pretixSCAN lead scanning (pretix is named in an earlier list)",
    "Address books: a Finnish intranet's Personal Address Book (eleven fields by position, no header row),"
    " Alibaba Mail's address book (the template is a picture), CyberMail, sync.blue and dococab (named in"
    " earlier lists)",
]
