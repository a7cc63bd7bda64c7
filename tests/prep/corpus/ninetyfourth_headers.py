"""Headers of the ninety-fourth held-out set (tests/prep/corpus/ninetyfourth):
learning platforms, language schools and an alumni office. None of these
sources is in headers.py nor in any of the later *_headers.py files, nor in
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
    "campuscafe_constituents": dict(
        source="Campus Cafe (US college student information system: Alum/Dev, 'Batch Constituent Upload' of"
               " alumni, donors and friends)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the vendor's knowledge base 'Batch Constituent Upload' (campus-cafe.document360.io/v1/docs/"
              "batch-constituent-upload, and the same page on campuscafesoftware.atlassian.net/wiki/spaces/KB1/"
              "pages/454853996): 'your spreadsheet must include the following columns': ID_NUMBER ('Constituent's"
              " SSN'), FIRST_NAME, M_INIT ('Middle initial'), LAST_NAME_1, LAST_NAME_2 ('Appends to last name'),"
              " BIRTH_DATE ('YYYYMMDD'), SEX, PHONE_NUMBER ('Home phone number', '1112223333 or 111.222.3333'),"
              " ADDRESS_1, ADDRESS_2, CITY, STATE, ZIP, DEPARTMENT, MAJOR, CLASS_OF, EMAIL, MOBILE_PHONE,"
              " DEGREE, DEGREE_CODE1, SPOUSE_FIRST, SPOUSE_LAST, SPOUSE_DECEASED. The page asks for an Excel"
              " workbook; the sheet is taken as Excel saves it as 'CSV UTF-8' (',', a signature, CRLF)",
        header=["ID_NUMBER", "FIRST_NAME", "M_INIT", "LAST_NAME_1", "LAST_NAME_2", "BIRTH_DATE", "SEX",
                "PHONE_NUMBER", "ADDRESS_1", "ADDRESS_2", "CITY", "STATE", "ZIP", "DEPARTMENT", "MAJOR",
                "CLASS_OF", "EMAIL", "MOBILE_PHONE", "DEGREE", "DEGREE_CODE1", "SPOUSE_FIRST", "SPOUSE_LAST",
                "SPOUSE_DECEASED"]),
    "edools_alunos": dict(
        source="Edools (Brazilian online course platform: bulk invitation of students from a CSV with a header)",
        language="en", separator=";", encoding="utf-8", documented_as="field list",
        where="the platform's published instructions for bulk invitations (gist.github.com/passalini/"
              "ab9f3519fe07ca6e971303d4611837f1, the same text at pastebin.com/wECg8zaG), its second form, 'um"
              " arquivo .csv contendo as demais informações referentes a alunos ... deve possuir um cabeçalho':"
              " first_name, last_name, email, cpf, phone, skype, company_name, company_position, born_at,"
              " biography, cover_image_url, username, rg, extra_phone, social_profile_disabled,"
              " notifications_disabled, blocked, school_product_id, in this order (the pastebin copy adds"
              " twitter and facebook, left out). 'O arquivo pode ser separado tanto por vírgula como por"
              " ponto-e-vírgula': ';' taken, as a Brazilian Excel writes it; the date's form is not shown,"
              " 'YYYY-MM-DD' taken; UTF-8 without a signature and CRLF taken",
        header=["first_name", "last_name", "email", "cpf", "phone", "skype", "company_name", "company_position",
                "born_at", "biography", "cover_image_url", "username", "rg", "extra_phone",
                "social_profile_disabled", "notifications_disabled", "blocked", "school_product_id"]),
    "nichoos_membros": dict(
        source="Nichoos (Brazilian community and members' area platform: 'Convidando usuários manualmente ou"
               " por planilha')", language="pt", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's help article 'Convidando usuários manualmente ou por planilha' (intercom.help/"
              "nichooshelp/pt-BR/articles/11273091): 'A primeira linha deve conter exatamente os seguintes"
              " títulos': Nome, Email, WhatsApp ('(011)99999-9999'), Celular, Nascimento ('01/01/2001'), Sexo"
              " ('Masculino/Feminino'), CPF, RG, CEP ('99999999'), Logradouro, Número, Complemento, Cidade,"
              " Estado ('Abreviação do Estado'), País ('Brasil'), DataExpiração, Etiquetas ('ID,ID,ID'); the"
              " stored copy breaks off in the note on Etiquetas, so the list ends there. Separator and encoding"
              " are not shown: ',' (a 'planilha CSV'), UTF-8 without a signature and CRLF taken",
        header=["Nome", "Email", "WhatsApp", "Celular", "Nascimento", "Sexo", "CPF", "RG", "CEP", "Logradouro",
                "Número", "Complemento", "Cidade", "Estado", "País", "DataExpiração", "Etiquetas"]),
    "oxfordtesting_students": dict(
        source="Oxford English Testing (Oxford University Press: placement and practice tests for language"
               " schools, 'How to prepare a data file for students in your organisation')", language="en",
        separator=",", encoding="utf-8", documented_as="header row",
        where="the service's help page (www.oxfordenglishtesting.com/ShowHtml.aspx?id=1681&langtype=2057): 'the"
              " column headings, and the order of them, MUST be exactly as follows': Student ID, Class name, Last"
              " name, First name, Email, User name, Password, Date of birth, First language, Gender; 'an Excel"
              " file (*.xls), a comma separated file (*.csv), a Unicode (*.txt)'. The date's form is not in the"
              " stored copy: 'dd/mm/yyyy' taken (the British English page); UTF-8 without a signature and CRLF"
              " taken",
        header=["Student ID", "Class name", "Last name", "First name", "Email", "User name", "Password",
                "Date of birth", "First language", "Gender"]),
    "prosvita_students": dict(
        source="Prosvita (Ukrainian school platform: 'Data Import', the student template)", language="en",
        separator=";", encoding="utf-8", documented_as="header row",
        where="the vendor's docs 'Data Import' (docs.prosvita.ua/school-settings/imports): 'Imports are"
              " performed from CSV with a ; delimiter', 'Column names in the templates must not be changed', the"
              " example table: Last Name, First Name, Middle Name, Section, Educational Section, Educational"
              " Subsection, Subject, Teacher, Email; 'The import must contain data in the school's language'."
              " UTF-8 without a signature and CRLF taken",
        header=["Last Name", "First Name", "Middle Name", "Section", "Educational Section",
                "Educational Subsection", "Subject", "Teacher", "Email"]),
    "cloudbase_group": dict(
        source="Cloud-Base (software for language schools and educational travel: a group enrolment's 'Upload"
               " Students')", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's wiki 'Upload Students' (cloud-base.atlassian.net/wiki, page 409665572): 'Data file"
              " column headings must exactly match the wording of the column headings in the Group Member"
              " section ... e.g. First Name, Last Name, Date of Birth', 'type Yes in the Group Leader column'. Only"
              " these four are named in the stored copy, so only they are taken; 'save as a CSV file' from Excel:"
              " ',', UTF-8 without a signature, CRLF and 'dd/mm/yyyy' (a British Excel) taken",
        header=["First Name", "Last Name", "Date of Birth", "Group Leader"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Learning platforms: Docebo, Brightspace, LearnUpon, iSpring Learn, Litmos, Kajabi (nothing stored with a"
    " column list), Escola LMS (known only from its package's own import code, left alone), Open edX (a"
    " course_id column named in release notes only)",
    "Brazilian members' areas: Entrega Digital (columns given by position only, no header names), HubChannel"
    " (the columns only in its sample sheet)",
    "Alumni: Hivebrite (nothing stored with a column list)",
    "Language schools: SchoolManager (the columns only in its sample sheet), Cars and Stars Online (a template"
    " download, no names)",
    "Dance, driving and music schools: Arthur Murray's studio migration sheet (described, no column names);"
    " Polish driving school software (e-kierowca: documents, no import); French auto-école software (nothing"
    " stored)",
]
