"""Headers of the fifty-seventh held-out set (tests/prep/corpus/fiftyseventh):
none of these sources is in headers.py nor in any of the later
*_headers.py files (unseen_headers.py to fiftythird_headers.py), nor in
layouts_test.py, nor in their NOT_FOUND lists. The entries are as in
headers.py: source, language of the columns' names, separator and encoding of
the export, how the header is documented ("header row": the source shows the
row itself; "field list": it lists the names in this order) and where.

All six keep the address books of phones and messengers: two business
messengers' member files, an SMS gateway's address book, a WhatsApp
messaging tool's and a Telegram and SMS messaging platform's contact imports,
and a Japanese office service's address book with the feature phones'
mailboxes.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "wecom_chengyuan": dict(
        source="WeCom (企业微信, Tencent's business messenger: the member directory's file import)",
        language="zh", separator=",", encoding="utf-8", documented_as="field list",
        where="a Tencent mail reseller's help 'How to add members to WeCom' (www.3col.com.cn/news_in/1984) and"
              " a help copy of the same steps (baike.kxxai.com/126.html): '下载文件模板,根据模板的格式,批量编辑好成员"
              "的姓名、英文ID、职务、部门、性别、手机、座机、个人邮箱等信息,其中姓名、手机、部门是必填字段'; the names in"
              " that order. The template is a spreadsheet: saved as 'CSV UTF-8' by Excel (',', a signature, CRLF)",
        header=["姓名", "英文ID", "职务", "部门", "性别", "手机", "座机", "个人邮箱"]),
    "lineworks_members": dict(
        source="LINE WORKS (business messenger: the members' bulk-add sample file)", language="ja",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's admin guide 'メンバーの一括追加' (guide.worksmobile.com/ja/admin/admin-guide/"
              "manage-members/members/bulk-add-modify-member-sample-file-guide), 'サンプルファイルの入力項目': 姓 /"
              " 名前, 姓 (フリガナ) / 名 (フリガナ), ID, and among the required items for members who set their own"
              " password 個人メールアドレス; the stored copy ends at ID, so only these are taken, the personal"
              " mailbox placed after ID. Saved as 'CSV UTF-8' by Excel (',', a signature, CRLF): Shift_JIS would"
              " lose the Czech and Polish members' letters",
        header=["姓", "名前", "姓 (フリガナ)", "名 (フリガナ)", "ID", "個人メールアドレス"]),
    "braintower_addressbook": dict(
        source="Braintower SMS Gateway (a SIM-card SMS appliance: 'Import contacts' into its address book)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the vendor's manual 'Kontakte importieren' (docs.braintower.de/display/SMSGWDOC340/"
              "Kontakte+importieren): 'The CSV file needs to be structured according to the following scheme':"
              " Name of the contact, Telephone number, Email address, Groups, with rows like 'jane_doe;"
              "00491707654321;;Group4' and 'Group1,Group2'; 'The collumns must be separated by ; (semicolon)'."
              " The scheme's heading is written as the file's first row; UTF-8 without a signature and CRLF taken",
        header=["Name of the contact", "Telephone number", "Email address", "Groups"]),
    "swiftchats_contacts": dict(
        source="Swiftchats (WhatsApp business messaging: 'Bulk Import' of contacts)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the product's documentation 'Contacts' (swiftchats-documentation.axis96.com/customer/contacts),"
              " 'Standard Fields': First name (Required), Last name, Phone (Required) ('Must start with the"
              " country code'), Email, Group name ('separate the group names in the same cell using a pipe"
              " symbol (|)'), Street, City, State, Zip, Country; the dynamic fields left out. CSV or Excel;"
              " UTF-8 without a signature and CRLF taken",
        header=["First name", "Last name", "Phone", "Email", "Group name", "Street", "City", "State", "Zip",
                "Country"]),
    "rapidpro_contacts": dict(
        source="RapidPro (SMS and Telegram messaging platform, rapidpro.app: 'Contact Import')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the service's help 'Contact Import' (rapidpro.app/contact-import): Phone ('Numbers in E164"
              " format'), Telegram ('Telegram user identifiers'), Email, Name ('Complete name for each contact'),"
              " UUID, Language ('ISO 639-3'), custom fields written as 'Field:Registration_Date', in this order."
              " The file is a spreadsheet: saved as CSV, UTF-8 without a signature and CRLF taken",
        header=["Phone", "Telegram", "Email", "Name", "UUID", "Language", "Field:Registration_Date"]),
    "dococab_adrform": dict(
        source="どこでもキャビネット (Otsuka Corporation's たよれーる office service: the address book's input form"
               " 'adrform.csv')", language="ja", separator=",", encoding="cp932", documented_as="field list",
        where="the service's help 'アドレス情報をインポートする' (dococab.tayoreru.com/support/help_r/"
              "office_riyousya_dcb_054_6.html): the downloaded form's items 表示名, フリガナ, 電子メールアドレス,"
              " 携帯電話, 携帯メールアドレス (the mobile phone's own mailbox), 勤務先電話番号, 勤務先ファックス, 会社名;"
              " the stored copy breaks off after 会社名, so the list ends there. A Japanese Excel saves it in"
              " Shift_JIS (code page 932), ',' and CRLF",
        header=["表示名", "フリガナ", "電子メールアドレス", "携帯電話", "携帯メールアドレス", "勤務先電話番号",
                "勤務先ファックス", "会社名"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Phone apps: Business Contacts for iOS (H2 Software: the header row is below the stored part), SA Contacts,"
    " Android 'contacts to CSV' apps (nothing stored), Zoiper (nothing stored)",
    "Messengers: Threema Work (the contact list is kept in its cockpit, no file columns), DingTalk (the template's"
    " columns are not named), Webex Control Hub's contacts (Webex is named in an earlier list), Zoom Phone's"
    " shared directory (the columns are in a sample file only)",
    "Desk and DECT phones: Spectralink and Ascom IP-DECT central phone books, Unify OpenScape Desk Phone,"
    " innovaphone, Obihai, UniFi Talk (nothing stored), VTech VSP600 (its directory file is XML), a Finnish"
    " council's personal address book import (the product is not named)",
    "SIM and gateways: Dekart SIM Manager (no column list), Portech MV-370S SMS contacts (columns by letter, no"
    " names), Teltonika routers (no contact file), Garmin inReach (nothing stored)",
    "Japanese: PHONE APPLI PEOPLE (the TSV's items are not in the stored copy)",
]
