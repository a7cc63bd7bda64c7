"""Headers of the sixty-sixth held-out set (tests/prep/corpus/sixtysixth):
address books of webmail and mail servers. None of these sources is in
headers.py nor in any of the later *_headers.py files, nor in layouts_test.py,
nor in their NOT_FOUND lists. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "cybermail_addressbook": dict(
        source="CyberMail (CyberSolutions' Japanese webmail: the personal address book in its 'CyberMail CSV' form)",
        language="ja", separator=",", encoding="utf-8", documented_as="header row",
        where="the vendor's support article 'アドレス帳インポート用のCSVファイルのフォーマット' (cloud-sup.cybersolutions.co.jp/"
              "hc/ja/articles/360039527791): the whole row from 階層情報 to 役職, five columns named '(予約フィールド)'"
              " ('何も記入しないでください'), '文字コード' 1 for UTF-8, 2 Big5, 3 gb2312; the home address has a country,"
              " the company's none. The file written in UTF-8 ('文字コード' 1) without a signature, CRLF taken; the"
              " birth date's form is not shown: 'yyyy/mm/dd' taken",
        header=["階層情報", "(予約フィールド)", "表示名", "文字コード", "個人メールアドレス1", "名", "姓", "性別", "生年月日", "備考", "写真URL", "職業",
                "住所(個人)国", "カスタマイズ1", "カスタマイズ2", "カスタマイズ3", "カスタマイズ4", "カスタマイズ5", "カスタマイズ6", "カスタマイズ7", "カスタマイズ8",
                "(予約フィールド)", "住所(個人)都道府県", "住所(個人)郵便番号", "住所(個人)市区町村", "住所(個人)市区町村以降", "URL(個人)", "個人電話番号1",
                "個人電話番号2", "FAX番号(個人)", "携帯番号(個人)1", "携帯番号(個人)2", "個人メールアドレス2", "個人メールアドレス3", "ICQ1", "AIM1",
                "MSN Messenger1", "Skype1", "Yahoo! Messenger1", "OICQ1", "カスタマイズ9", "カスタマイズ10", "(予約フィールド)",
                "(予約フィールド)", "会社名", "住所(会社)都道府県", "住所(会社)郵便番号", "住所(会社)市区町村", "住所(会社)市区町村以降", "URL(会社)", "会社電話番号1",
                "会社電話番号2", "FAX番号(会社)", "携帯番号(会社)1", "携帯番号(会社)2", "会社メールアドレス1", "会社メールアドレス2", "ICQ2", "AIM2",
                "MSN Messenger2", "Skype2", "Yahoo! Messenger2", "OICQ2", "カスタマイズ11", "カスタマイズ12", "部署", "役職"]),
    "qualitia_mails": dict(
        source="mails 2.x (Qualitia's cloud webmail, Japan: 'アドレス帳のインポート', the personal address book)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'アドレス帳のインポート' (help.qualitiacloud.com/help/mails2.x/addressbook_100507.html):"
              " 'インポートするCSVファイルは文字コードUTF-8で', 'ヘッダー名は変更できません': GROUP (groups from the root,"
              " '/' between them), the mailbox, NAME (名前), GLOBAL NAME (フリガナ), TEL, ITEM1 (default 会社名), ITEM2"
              " (部署名), ITEM3 (役職名), MEMO. The stored copy has lost the mailbox's header name from the table;"
              " the page's note 'EMAIL, NAMEの値は必須です' names it EMAIL, which is taken. CRLF taken",
        header=["GROUP", "EMAIL", "NAME", "GLOBAL NAME", "TEL", "ITEM1", "ITEM2", "ITEM3", "MEMO"]),
    "alibaba_mail_contacts": dict(
        source="Alibaba Mail (Alibaba Cloud's business mail: 'Batch import or export a personal address book')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help 'Batch import or export a personal address book' (help.aliyun.com/en/"
              "document_detail/444373.html): 'Required columns: Name and Email. Optional: Mobile Phone Number,"
              " Backup Email.'; the template itself is an image, so the four named columns are taken in that"
              " order. The encoding is chosen at import: UTF-8 without a signature and CRLF taken",
        header=["Name", "Email", "Mobile Phone Number", "Backup Email"]),
    "kmail_contacts": dict(
        source="Kmail (Kawasaki Medical School's webmail: 'CSV file for importing contacts')", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="the school's Kmail manual '連絡先のインポート用CSVファイルの形式について' (gkweb.kawasaki-m.ac.jp/kmail/"
              "manual): '1行目にKmailのアドレス帳の項目名に対応するCSVファイルのフィールド名を定義してください', the names"
              " accepted for each item in the manual's order; where it gives several (FullName, Full Name,"
              " EmailDisplayName...) the spaced form is taken: Full Name, First Name, Last Name, Nick Name, E-mail"
              " Address, Home Street, Home City, Home State, Home Postal Code, Home Country, Web Page, Home Fax,"
              " Home Phone, Mobile Phone, Business Email, Company, Department, Job Title, Office Location, Business"
              " Street, Business City, Business State, Business Postal Code, Business Country, Business Web Page,"
              " Business Fax, Business Phone, Birthday, Other Email, Notes. Encoding, line end and the birthday's"
              " form are not shown: UTF-8 with a signature (a Japanese Excel's 'CSV UTF-8'), CRLF and"
              " 'yyyy/mm/dd' taken",
        header=["Full Name", "First Name", "Last Name", "Nick Name", "E-mail Address", "Home Street", "Home City",
                "Home State", "Home Postal Code", "Home Country", "Web Page", "Home Fax", "Home Phone", "Mobile Phone",
                "Business Email", "Company", "Department", "Job Title", "Office Location", "Business Street",
                "Business City", "Business State", "Business Postal Code", "Business Country", "Business Web Page",
                "Business Fax", "Business Phone", "Birthday", "Other Email", "Notes"]),
    "syncblue_contacts": dict(
        source="sync.blue (a German contacts and calendar sync service: a CSV file of contacts synced into mail"
               " and address book apps)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's help 'How do I sync contacts from CSV file to other apps?' (help.sync.blue/hc/en-us/"
              "articles/5959302509458): 'The file must be formatted in the utf-8 character set', 'The order of"
              " these columns is irrelevant, the names of the columns are not': internal_id, display_name,"
              " family_name, given_name, company, department, position, phone_work, phone_home, phone_fax,"
              " phone_mobile, phone_pager, phone_other, birthday ('2022-06-11'); numbers written '+4923648873040'"
              " and several of a kind '+4923648873040';'+4923648873050'. The stored copy has lost the name of"
              " the mailbox's column (only its description 'Email address' and 'john@doe.com' are left), so that"
              " column is left out. Comma and CRLF taken",
        header=["internal_id", "display_name", "family_name", "given_name", "company", "department", "position",
                "phone_work", "phone_home", "phone_fax", "phone_mobile", "phone_pager", "phone_other", "birthday"]),
    "cybermail_accounts": dict(
        source="CyberMail (CyberSolutions' mail server, Japan: the administrator's import of user accounts, which"
               " also fills the shared address book)", language="en", separator=",", encoding="utf-8",
        documented_as="header row",
        where="the vendor's FAQ on importing user accounts from CSV (sup.cybersolutions.co.jp/otrs/public.pl,"
              " FAQ item 342): '最初の行にフィールドコードを指定してください', the example 'UserID,Type,Password,Level,"
              "LastName,FirstName,Email,Custom1,Custom2,Memo', Type '0:一般アカウント,1:グループ代表アカウント', 'Custom1"
              " … 部署 Custom2 … 役職 Memo … 備考', 'Emailは、メール送受信に使用するアドレスではなく、共有アドレス帳を作成"
              "したときに表示されるアドレスです', 'SJIS、UTF-8をサポート': UTF-8 without a signature and CRLF taken",
        header=["UserID", "Type", "Password", "Level", "LastName", "FirstName", "Email", "Custom1", "Custom2",
                "Memo"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Desktop mail programs: Mailbird, The Bat!, Spike, Foxmail, Becky! and EdMax (nothing stored with a column"
    " list), hellcore-mailer and Pegasus-era tools (columns matched by hand)",
    "Webmail and groupware: Atmail (only an FAQ: the columns are defined at import), MDaemon's WorldClient,"
    " SquirrelMail (its address book help names form fields, no file), GroupWise (its own .nab format; CSV"
    " columns not listed), Synology Contacts and MailPlus (vCard only), Infomaniak (a ticketing guest list,"
    " not the address book), Huawei KooMail and NetEase and Tencent business mail (templates are downloads)",
    "Japanese webmail: Active! mail (only Outlook's and Windows Mail's names mapped to its own; its own CSV"
    " form breaks off in the stored copy), CM Mail (numbered columns, no header row), Yahoo!'s address book"
    " through PowerAddress (Yahoo is named in earlier lists)",
    "Korean: Hiworks and LINE WORKS (members chosen per download, no fixed columns)",
    "Russian and Bulgarian webmail: Yandex Mail, Mail.ru, Dir.bg (nothing stored with a column list)",
]
