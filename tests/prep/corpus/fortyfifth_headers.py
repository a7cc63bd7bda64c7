"""Headers of the forty-fifth held-out set (tests/prep/corpus/fortyfifth):
address books of scanners and copiers, a phone system and a webmail. None of
these sources is in headers.py nor in any of the later *_headers.py files
(unseen_headers.py to fortythird_headers.py), nor in layouts_test.py, nor in
their NOT_FOUND lists. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "ricoh_program_info": dict(
        source="Ricoh network scanner (IS760D: Web Status Monitor, 'Entered Program Information', the e-mail"
               " destination list)", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the scanner's manual, appendix 'E-mail Address Book Data Format and Device Tag Information'"
              " (ricoh.manymanuals.de/print-scan/is760d/installation-guide-22765/284): lines 1 to 5 '#Entered"
              " Program Information', '#Format Version:3.1.1.0', '#Obtained Date:...', '#Device Name:...',"
              " '#Address:...', line 6 '#Program No.,Type,Name,Displayed Name,Freq.,Title 1,Title 2,Title 3,"
              "E-mail,Sender,Password,User Code, Assigned Group', then one destination a line with every value in"
              " square brackets and ', ' between ('[00001], [A], [Sam], [Sam], [1], ...'); Type 'A' a user, 'G' a"
              " group; the default name '<device name>_addr.csv'. Code page not shown: UTF-8 and CRLF taken",
        header=["Program No.", "Type", "Name", "Displayed Name", "Freq.", "Title 1", "Title 2", "Title 3", "E-mail",
                "Sender", "Password", "User Code", "Assigned Group"]),
    "topaccess_addressbook": dict(
        source="Toshiba e-STUDIO copiers (TopAccess: 'Importing Address Book Data')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the e-STUDIO165/205 manual, 'Importing Address Book Data' (manualsdump.com/en/manuals/"
              "toshiba-e-studio165-e-studio205/157674/105): 'comma-deliminated CSV files', the example"
              ' \'"NAME","Email Address","Tel Number","ABB_ID","OT_ID","Search Letter"\' with every value quoted;'
              " NAME up to 20 letters, 'Tel Number' is the fax number, ABB_ID 001 to 999, OT_ID 1 to 75; code"
              " page not shown: UTF-8 and CRLF taken",
        header=["NAME", "Email Address", "Tel Number", "ABB_ID", "OT_ID", "Search Letter"]),
    "scansnap_mail_address_book": dict(
        source="Fujitsu ScanSnap N1800 network scanner (User Editor: 'File Format of Mail Address Book Loaded"
               " from a File')", language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="the scanner's operator's guide, page 508 (www.easymanua.ls/fujitsu/scansnap-n1800/manual?p=508):"
              " 'UNICODE (UTF-8) is used for the file character set', the row '\"User Name\",\"Group Name\","
              "\"Distribution List Name\",\"First Name\",\"Last Name\",\"E-mail Address\"'; a group name starts"
              " with '\\' ('\\group01\\group02'); every value quoted as in the row shown; CRLF taken",
        header=["User Name", "Group Name", "Distribution List Name", "First Name", "Last Name", "E-mail Address"]),
    "canon_addressbook": dict(
        source="Canon imageRUNNER ADVANCE (Remote UI: address book exported as CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Canon's online manual 'Address Book Items' (oip.manual.canon/USRMA-4816-zz-CSL-2425-enUV/contents/"
              "devu-mcn_mng-rui-setdata_impt_expt-indivi-adrs.html): the header lines '# Canon AddressBook CSV"
              " version: 0x0002', '# CharSet: UTF-8', '# SubAddressBookName: ...', '# DB Version: 0x010a', then"
              " the body's attributes objectclass ('email', 'g3fax', 'ifax', 'remotefilesystem', 'groupfids'),"
              " cn (destination name), cnread (phonetic), cnshort (one-touch button name); the stored copy breaks"
              " off after cnshort, so the list ends there. CRLF taken",
        header=["objectclass", "cn", "cnread", "cnshort"]),
    "snep_contatos": dict(
        source="SNEP (Brazilian open-source PBX: contacts imported from CSV)", language="pt", separator=",",
        encoding="utf-8", documented_as="field list",
        where="the project's issue 'Erro na importação de contatos em CSV' (bitbucket.org/snepdev/snep-3/issues/"
              "58): 'tem que se identificar as colunas como \"nome, CEP, telefone e endereço\"', and the answer"
              " that only those fields exist; separator, code page and line end not shown: ',', UTF-8 and CRLF"
              " taken",
        header=["nome", "CEP", "telefone", "endereço"]),
    "nazwa_cloud_mail": dict(
        source="nazwa.pl Cloud Mail (Polish hosting's webmail: 'Import kontaktów do Cloud Mail')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the host's knowledge base 'Import kontaktów do Cloud Mail' (www.nazwa.pl/pomoc/baza-wiedzy/"
              "import-kontaktow-do-cloud-mail/): 'nagłówki kolumn, oddzielone od siebie przecinkami, bez spacji',"
              " the example 'First Name,Last Name,E-mail Address', a file of mailboxes alone allowed; the page's"
              " longer list of usual headers breaks off after 'Primary Email', so only the example's row is"
              " taken; UTF-8 and CRLF taken",
        header=["First Name", "Last Name", "E-mail Address"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Copiers and scanners: Xerox WorkCentre (the sample file's columns are not shown; the Document Centre's list"
    " has no header row), Konica Minolta bizhub (vCard only), Muratec (fields mapped at import), OKI and Xerox"
    " FaxCentre directories (no header row), Ricoh IM C series (two of the row names in the stored copy)",
    "Groupware: Cybozu Garoon (the CSV format page not stored), SOGo, Kopano and EGroupware (no column list"
    " stored)",
    "Phones: Fanvil, Htek, Akuvox (nothing stored), Polycom (only a conversion script's output described)",
    "Mail clients: Mailwink (the table of headers is not in the stored copy)",
]
