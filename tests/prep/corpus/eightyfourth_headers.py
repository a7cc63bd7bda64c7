"""Headers of the eighty-fourth held-out set (tests/prep/corpus/eightyfourth):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. The entries are
as in headers.py: source, language of the columns' names, separator and
encoding of the export, how the header is documented ("header row": the
source shows the row itself; "field list": it lists the names in this order)
and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "cognito_users": dict(
        source="Amazon Cognito (AWS's identity service for sign-in: a user pool's 'Importing users from a CSV"
               " file')", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the developer guide 'Creating the user import CSV file' (docs.aws.amazon.com/cognito/latest/"
              "developerguide/cognito-user-pools-using-import-tool-csv-header.html): 'The downloaded user import"
              " CSV header file looks like the following string': cognito:username,name,given_name,family_name,"
              "middle_name,nickname,preferred_username,profile,picture,website,email,email_verified,gender,"
              "birthdate,zoneinfo,locale,phone_number,phone_number_verified,address,updated_at,"
              "cognito:mfa_enabled; the pool has no custom attributes, so the row is that string. 'email_verified"
              " or phone_number_verified' must be true, phone numbers in the pool's '+' form; UTF-8 without a"
              " signature and CRLF taken",
        header=["cognito:username", "name", "given_name", "family_name", "middle_name", "nickname",
                "preferred_username", "profile", "picture", "website", "email", "email_verified", "gender",
                "birthdate", "zoneinfo", "locale", "phone_number", "phone_number_verified", "address", "updated_at",
                "cognito:mfa_enabled"]),
    "officesuite_users": dict(
        source="OfficeSuite UC (Broadview Networks' hosted phone system: 'Import Users', the users and"
               " locations of a tenant)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the tenant administrator's help 'Import Users' (officesuite.broadviewnet.net/webhelp/en/Tenant/"
              "AdminRef_ImportUsers.html): 'The following are the headings for a CVS file that will import"
              " correctly': Type (User,Location), FirstName, LastName, Email, HomePhone (digits), MobilePhone"
              " (digits), Extension (digits), Language, IncomingDID, OutgoingCLID, Privacy, PAI, HFAback, Locked,"
              " Hold, DirAccess, MaxDevices, Twin, SCR, ODCR, VM, Agent, Dsite, DsiteCLID, NumCallDsite,"
              " DsiteZone, CAdmin, EAdmin, CallProfile, KeyProfile, PIN, SysPIN; 'The header row is mandatory',"
              " 'Mandatory columns: Type, and LastName', flags 'y,n'. UTF-8 without a signature and CRLF taken",
        header=["Type", "FirstName", "LastName", "Email", "HomePhone", "MobilePhone", "Extension", "Language",
                "IncomingDID", "OutgoingCLID", "Privacy", "PAI", "HFAback", "Locked", "Hold", "DirAccess",
                "MaxDevices", "Twin", "SCR", "ODCR", "VM", "Agent", "Dsite", "DsiteCLID", "NumCallDsite",
                "DsiteZone", "CAdmin", "EAdmin", "CallProfile", "KeyProfile", "PIN", "SysPIN"]),
    "voxer_users": dict(
        source="Voxer Business (push-to-talk team messaging: 'Bulk Upload of New Users')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Bulk Upload of New Users' (support.voxer.com/hc/en-us/articles/204331333): 'create"
              " a .csv spreadsheet with the following required columns: First, Last, E-mail, Phone'; the sample"
              " template is a download, so the four are taken in that order; a spreadsheet's 'CSV' export,"
              " UTF-8 without a signature and CRLF taken",
        header=["First", "Last", "E-mail", "Phone"]),
    "meetergo_users": dict(
        source="meetergo (German appointment scheduling with video meetings: 'Nutzer per CSV importieren', a"
               " company's users and teams)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'Nutzer per CSV importieren' (help.meetergo.com/de/team-management/"
              "csv-import-users): 'Deine CSV-Datei braucht mindestens eine email-Spalte. Alle anderen Spalten"
              " sind optional': email, firstName, lastName, title ('Berufsbezeichnung'), phone ('+49 170"
              " 1234567'), timezone ('Europe/Berlin'), language ('de'), isAdmin ('true/false'), teamName"
              " ('Vertrieb DACH'), teamRole ('admin/user'), in this order; the names are English under a German"
              " help. UTF-8 without a signature and CRLF taken",
        header=["email", "firstName", "lastName", "title", "phone", "timezone", "language", "isAdmin", "teamName",
                "teamRole"]),
    "workstyleos_workers": dict(
        source="Workstyle OS (Japanese office platform: reception, seats and the staff directory; 'ワーカーを"
               "一括登録する', the workers' CSV)", language="ja", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help (help.workstyleos.com/hc/ja/articles/360051326813), 'CSVファイルにワーカー情報を"
              "入力する': メールアドレス(*), 姓(漢字)(*), 名(漢字), せい(ひらがな), めい(ひらがな), 表示名, 権限,"
              " パスワード, グループ, SMS通知用の電話番号 ('電話番号の先頭の0の前に「'」を入力'), 内線番号, 検索キー,"
              " 離職 ('空欄または0の入力で現職者、1の入力で離職者'), コード, ワーカーメッセージ, SlackユーザーID; the"
              " '(*)' marks a required item and is no part of the name; the stored copy breaks off after"
              " SlackユーザーID, so the list ends there. The template is a download: a sheet saved as 'CSV UTF-8'"
              " (a signature, CRLF) taken, since code page 932 has no room for the Czech and Polish staff's"
              " letters",
        header=["メールアドレス", "姓(漢字)", "名(漢字)", "せい(ひらがな)", "めい(ひらがな)", "表示名", "権限",
                "パスワード", "グループ", "SMS通知用の電話番号", "内線番号", "検索キー", "離職", "コード",
                "ワーカーメッセージ", "SlackユーザーID"]),
    "connector_pbx_users": dict(
        source="the Microsoft Teams phone connector whose knowledge base is kb.connectorsupport.com (a hosted"
               " PBX's users linked to Teams: 'Bulk user import', the PBX users' template)", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the knowledge base article 'Bulk user import' (kb.connectorsupport.com/support/solutions/articles/"
              "80000082507-bulk-user-import), 'Template Types', 'PBX Users': SIPUsername, Name, Email, PhoneNumber,"
              " AuthUsername, Password, ExternalId, with 'Examples: jbteams1, Joanne Bailey, jb@domain.com,"
              " +441234567890, user_jb1234567890, ...'; Name 'Real name here', Email 'MUST match the teams email"
              " address of the user', PhoneNumber 'The user's phone number on the PBX', E.164 kept as text so"
              " Excel leaves the '+'. UTF-8 without a signature and CRLF taken",
        header=["SIPUsername", "Name", "Email", "PhoneNumber", "AuthUsername", "Password", "ExternalId"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Identity and single sign-on: Okta (the template holds each org's own profile attributes; the stored help"
    " names only login, firstName, lastName and email, not the file's order), JumpCloud (a PowerShell module"
    " writes the template; no column list stored), IBM Verify (the names come from an API call; only a"
    " four-column example stored)",
    "Team chat and meetings: Slack's member list export (no column names stored), Rocket.Chat (users added"
    " through an API, no file), Chatwork (the bulk import's item table breaks off after Language, and its"
    " second row of keywords is not shown), ClickUp's people export (names no mailbox column)",
    "Phone systems: RingCentral (an XLS template download), Nextiva (a template download), Vonage Contact Center"
    " (the column list breaks off), ConnecttoTeams (the template is a download), Connexin's hosted PBX (the"
    " headings are a picture), Sinch UCaaS (a reference file download)",
    "Password managers: Bitwarden (its CSV holds vault items, no people), Passbolt (nothing stored with a"
    " column list)",
]
