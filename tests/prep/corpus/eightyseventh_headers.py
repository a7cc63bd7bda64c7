"""Headers of the eighty-seventh held-out set (tests/prep/corpus/eightyseventh):
none of these sources is in headers.py nor in any of the later *_headers.py
files, nor in layouts_test.py, nor in their NOT_FOUND lists. All six are
public-sector registers kept as hosted tables of a map service (a town's
cemetery deeds, a fire department's building contacts, a state's permit
register, a council's caravan parks, a Portuguese green-belt programme's
landowners and a county's owners' mailing list); such a table is exported as
CSV with its fields' names as the header, and the service's own page lists
those fields in order. The entries are as in headers.py: source, language of
the columns' names, separator and encoding of the export, how the header is
documented ("header row": the source shows the row itself; "field list": it
lists the names in this order) and where.

Nothing here is made up: where the stored page shows only part of a table's
fields, only that part is taken, and the note says so. The separator,
encoding and line end are not shown on these pages: the note says which was
taken.
"""

SOURCES = {
    "holbrook_cemetery": dict(
        source="Holbrook Cemetery (a town cemetery's deed register as a hosted table: 'HolbrookCemetery')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the table's page of the map service (services.arcgis.com/DN2fPfpggEPlLhP6/ArcGIS/rest/services/"
              "Holbrook_Cemetery/FeatureServer/1), 'Fields': OBJECTID, Own_Last_Name, Own_First_Name, Section, Row,"
              " Lot (an integer), Num_Graves, Plot_Num, Deed_Num; the stored copy breaks off after Deed_Num, so the"
              " list ends there. UTF-8 without a signature, ',' and CRLF taken",
        header=["OBJECTID", "Own_Last_Name", "Own_First_Name", "Section", "Row", "Lot", "Num_Graves", "Plot_Num",
                "Deed_Num"]),
    "preplan_contacts": dict(
        source="a fire department's building preplans (a hosted 'Single_Preplan_Feature_Service': its 'Contacts'"
               " table)", language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the table's page of the map service (services.arcgis.com/0ZRg6WRC7mxSLyKX/ArcGIS/rest/services/"
              "Single_Preplan_Feature_Service/FeatureServer/23), 'Name: Contacts', 'Display Field: con_name',"
              " 'Fields': OBJECTID, relate_id_con (a GUID, alias 'relate_id'), con_name ('Contact Name'), con_phone"
              " ('Contact Phone'), con_email ('Contact Email'), is_manager_con ('Is Manager', 'y'/'n'),"
              " is_occupant_con ('Is Occupant', 'y'/'n'), in_emerg_con ('Notify in Case of Emergency'); the stored"
              " copy breaks off there, so the list ends with in_emerg_con. UTF-8 without a signature, ',' and CRLF"
              " taken",
        header=["OBJECTID", "relate_id_con", "con_name", "con_phone", "con_email", "is_manager_con",
                "is_occupant_con", "in_emerg_con"]),
    "tdi_facility_owners": dict(
        source="a state permit register's facility owners (a hosted table 'TDIPermitData.DBO.tblAll_Facility_Owners_')",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the table's page of the map service (services2.arcgis.com/4aUxCaDLaSFPHO9o/ArcGIS/rest/services/TDI/"
              "FeatureServer/1), 'Display Field: NameofOwner', 'Fields': OBJECTID, Owner_ID (a double, 'Owner ID'),"
              " NameofOwner ('Name of Owner'), MailAddress ('Mail Address'), MailCity, MailState, MailZip; the page"
              " goes on to 'Templates', so this is the whole table. UTF-8 without a signature, ',' and CRLF taken",
        header=["OBJECTID", "Owner_ID", "NameofOwner", "MailAddress", "MailCity", "MailState", "MailZip"]),
    "caravan_ownership": dict(
        source="a council's caravan parks register (a hosted 'Caravan_Information' service: its 'Ownership' table)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the table's page of the map service (services.arcgis.com/kNPftFdcdm7bfDuO/ArcGIS/rest/services/"
              "Caravan_Information/FeatureServer/2), 'Name: Ownership', 'Display Field: First_Name', 'Fields':"
              " OBJECTID, OBJECT_ID, Caravan_Park, Site_No ('Site Number'), Account_No, Prefix, First_Name,"
              " Last_Name, Address1 (alias 'Address'); the stored copy breaks off after Address1, so the list ends"
              " there. UTF-8 without a signature, ',' and CRLF taken",
        header=["OBJECTID", "OBJECT_ID", "Caravan_Park", "Site_No", "Account_No", "Prefix", "First_Name",
                "Last_Name", "Address1"]),
    "cordao_verde_proprietarios": dict(
        source="Cordão Verde (a Portuguese green-belt fire-break programme's map service: the landowners' table"
               " 'Proprietarios')", language="pt", separator=";", encoding="utf-8", documented_as="field list",
        where="the table's page of the map service (services3.arcgis.com/HZiQ86FNEvCVDWWt/ArcGIS/rest/services/"
              "Cordao_Verde_Visualizacao_Total_v2/FeatureServer/1), 'Name: Proprietarios', 'Display Field: Nome',"
              " 'Fields': OBJECTID, Nome, Email, Telemovel (an integer, alias 'Telemóvel'), GlobalID,"
              " NIF_Proprietario ('NIF Proprietário', 9 characters), related to 'Terrenos'; the page goes on to"
              " 'Templates', so this is the whole table. The CSV opened and saved again as 'CSV UTF-8' by a"
              " Portuguese Excel (';', a signature, CRLF) taken",
        header=["OBJECTID", "Nome", "Email", "Telemovel", "GlobalID", "NIF_Proprietario"]),
    "mailing_addresses_owners": dict(
        source="a Georgia county's owners' mailing addresses (a hosted 'Mailing_Addresses' service: its"
               " 'Mailing_Address' table)", language="en", separator=",", encoding="utf-8",
        documented_as="field list",
        where="the service's layers page (services2.arcgis.com/OKqf9cl3ItPM5Rid/ArcGIS/rest/services/"
              "Mailing_Addresses/FeatureServer/layers), 'Mailing_Address (132)', 'Display Field: PO_NAME', 'Fields':"
              " OBJECTID, LOCID (an integer), OWNER, MAILADD1, MAILADD2, PO_NAME, STATE_ABBR; the stored copy breaks"
              " off after STATE_ABBR, so the list ends there (no postal code in it). The owners written as a tax"
              " roll writes them, family name first in capitals. UTF-8 without a signature, ',' and CRLF taken",
        header=["OBJECTID", "LOCID", "OWNER", "MAILADD1", "MAILADD2", "PO_NAME", "STATE_ABBR"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Czech, Slovak and Polish town offices: residents' and waste-fee payers' imports (only the municipalities'"
    " decrees on the fees are stored, no file's columns)",
    "German: Hundesteuer and Bürger imports of municipal software (nothing stored with a column list; Zürich's"
    " open dog data has keepers' ids and ages, no contacts)",
    "Utilities: Oracle Utilities Opower's person fields (the stored copy breaks off after first_name), Opower's"
    " legacy billing customer fields (described, not listed), Oracle's storm restoration customer file (no"
    " person's name)",
    "Parking: ParkPow (vehicles and tags, the file's columns are the user's), AMANDA's active parking permits"
    " (the stored pages show operations, not fields)",
    "Dog licences and cemeteries as hosted tables: the dog tables list breeds and suburbs, no keeper; the"
    " interment tables list the deceased, no contact",
    "Mass notification: Everbridge (contacts synchronised, no file's columns stored)",
]
