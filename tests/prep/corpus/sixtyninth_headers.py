"""Headers of the sixty-ninth held-out set (tests/prep/corpus/sixtyninth):
none of these sources is in headers.py nor in any of the later *_headers.py
files (unseen_headers.py to sixtyseventh_headers.py), nor in layouts_test.py,
nor in their NOT_FOUND lists. All are buyers of shops and marketplaces: a
marketplace's order report, a shop platform's customer import, a shipping
app's and a fulfilment house's order files, a shop platform's member download
and a shop module's orders export. The entries are as in headers.py: source,
language of the columns' names, separator and encoding of the export, how the
header is documented ("header row": the source shows the row itself; "field
list": it lists the names in this order) and where.

Nothing here is made up: where a source shows only part of its columns, only
that part is taken, and the note says so. Where the separator, encoding or
line end is the user's setting, or the source does not show it, the note says
which was taken.
"""

SOURCES = {
    "ebay_orders": dict(
        source="eBay (Merchant Integration Platform: the order report a seller downloads, CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="eBay's developer guide 'Order report' of the MIP user guide (developer.ebay.com/api-docs/"
              "user-guides/static/mip-user-guide/mip-definitions-order-report.html): 'The fields in the table below"
              " are ordered according to their order in the CSV order report response file': orderID, channelID"
              " ('EBAY_US, EBAY_GB, or EBAY_IT'), merchantOrderID, createdDate ('YYYY-MM-DDTHH:MM:SS'), buyerID"
              " ('The buyer's eBay user ID'), buyerEmail, buyerName ('The buyer's name'), buyerFirstName,"
              " buyerLastName, buyerAddressID; the stored copy breaks off at the next name ('buyerN...'), so the"
              " ten are taken and the shipping columns after them are not. Encoding and line end are not shown:"
              " UTF-8 without a signature and LF taken",
        header=["orderID", "channelID", "merchantOrderID", "createdDate", "buyerID", "buyerEmail", "buyerName",
                "buyerFirstName", "buyerLastName", "buyerAddressID"]),
    "jumpseller_customers": dict(
        source="Jumpseller (Chilean web shop platform: 'Customer Import', the customers' CSV)", language="en",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Jumpseller's support page 'Customers Options Explained' (jumpseller.in/support/customers-import/):"
              " 'The first row must include column headers', 'Values must be separated by a delimiter, which is"
              " expected to be a comma', then the table of column names: Email, Phone, Category, Language ('en, es,"
              " pt'), Password, Accepts Marketing ('yes' or 'no'), Billing country, Billing region, Billing"
              " municipality, Billing name, Billing surname, Billing address, Billing city, Billing postal code;"
              " the stored copy breaks off there, so the list does. (The Spanish page translates the names;"
              " the English ones are taken.) UTF-8 without a signature and CRLF taken",
        header=["Email", "Phone", "Category", "Language", "Password", "Accepts Marketing", "Billing country",
                "Billing region", "Billing municipality", "Billing name", "Billing surname", "Billing address",
                "Billing city", "Billing postal code"]),
    "shipandco_orders": dict(
        source="Ship&co (Japanese shipping app for web shops: 'Uploading CSV Files', the orders' CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="Ship&co's help article 'Uploading CSV Files' (support.shipandco.com/hc/en-us/articles/226141008),"
              " its 'CSV File Guide': 1. Order Name, 2. Currency Code, 3. Recipient Province ('If there is no"
              " states/provinces code (e.g. Japan), please input the province/prefecture name'), 4. Recipient"
              " Country Code ('ISO alpha-2'), 5. Recipient ZIP, 6. Recipient First Name, 7. Recipient Last Name ('if"
              " the Recipient Company is left blank, this field MUST BE FILLED IN'), 8. Recipient Phone ('up to 10"
              " digits'), 9. Recipient Address 1, 10. Recipient City, 11. Recipient Company, 12. Date, 13. Recipient"
              " Mail, 14. Recipient Address 2; the stored copy breaks off after the fourteenth, so the list does."
              " (The page's newer version writes the names run together, OrderName, RecipientFirstName, and its"
              " stored copy ends after RecipientPhone.) UTF-8 without a signature and CRLF taken",
        header=["Order Name", "Currency Code", "Recipient Province", "Recipient Country Code", "Recipient ZIP",
                "Recipient First Name", "Recipient Last Name", "Recipient Phone", "Recipient Address 1",
                "Recipient City", "Recipient Company", "Date", "Recipient Mail", "Recipient Address 2"]),
    "missingink_orders": dict(
        source="Missing Ink (US print and fulfilment house: 'Fulfillment CSV Formatting', orders sent as CSV)",
        language="en", separator=",", encoding="utf-8", documented_as="field list",
        where="the vendor's knowledge base 'Fulfillment CSV Formatting' (support.missingink.com/knowledgebase/"
              "fulfillment-csv-formatting/): 'Each line (row) in your file should reference a single SKU for an"
              " order'; the table of columns: order id ('note the lack of underscore'), ship_name ('Shipping label"
              " name'), ship_attn ('Shipping label attention'), ship_email, ship_phone, ship_address_1,"
              " ship_address_2 ('Apt, Suite, etc.'), ship_city, ship_state, ship_zipcode, ship_country ('Two"
              " letter'); the stored copy breaks off there, and the page's example row adds product_sku,"
              " product_qty, product_name, which are taken after them. UTF-8 without a signature and CRLF taken",
        header=["order id", "ship_name", "ship_attn", "ship_email", "ship_phone", "ship_address_1", "ship_address_2",
                "ship_city", "ship_state", "ship_zipcode", "ship_country", "product_sku", "product_qty",
                "product_name"]),
    "cafe24_members": dict(
        source="Cafe24 (Korean web shop platform: 고객관리, 회원정보 조회, the members' download)", language="ko",
        separator=",", encoding="utf-8", documented_as="field list",
        where="Cafe24's notice '[고객관리] 회원정보 다운로드 시 부하 개선 안내' (shopnotice.cafe24.com, 2014-10-23):"
              " '다운로드 기본 항목', for 회원정보 조회: [이름, 회원등급, 나이, 이메일, 휴대폰번호, 총 사용 적립금,"
              " 사용가능 적립금, 회원 가입일]. The notice does not show the file's encoding: UTF-8 with a signature"
              " (code page 949 would lose the European members' letters) and CRLF taken",
        header=["이름", "회원등급", "나이", "이메일", "휴대폰번호", "총 사용 적립금", "사용가능 적립금", "회원 가입일"]),
    "eestore_orders": dict(
        source="Store (Exp:resso's shop module for ExpressionEngine: a shop's orders CSV export template)",
        language="en", separator=",", encoding="utf-8", documented_as="header row",
        where="a shop owner's template 'Store Orders CSV Export' (gist.github.com/3Easy/4e2ca319bbdfd99d4400):"
              " the header 'Order ID, Email, Shipping Name, Shipping Address 1, Shipping Address 2, Shipping City,"
              " Shipping State, Shipping Postcode, Shipping Country, Order Items' and the row '{order_id},"
              " {order_email}, {shipping_name}, ... {shipping_state_name}, {shipping_postcode},"
              " {shipping_country_name}, {items}{sku} x {item_qty} {/items}': ', ' between the fields, so every"
              " name and value but the first starts with a blank, nothing quoted, the state and the country by"
              " name. UTF-8 without a signature and CRLF taken",
        header=["Order ID", " Email", " Shipping Name", " Shipping Address 1", " Shipping Address 2", " Shipping City",
                " Shipping State", " Shipping Postcode", " Shipping Country", " Order Items"]),
}

# Looked for and not found with a documented column list in the stored
# material searched, beyond the other header modules' lists.
NOT_FOUND = [
    "Marketplaces: Kaufland (the sales report is named, its columns are not), Trendyol (API fields only), Shopee"
    " (nothing stored), Mercado Libre (billing reports only), Discogs (the order's API schema only), Gumroad (the"
    " webhook's fields, no export columns), Via Varejo's marketplace order report (the customer columns M to V"
    " are not named)",
    "Shop platforms: Big Cartel (orders downloaded as CSV, no column list), Tiendanube (the columns only in a"
    " picture), Loja Integrada and Bagy (the column tables are not in the stored copies), Lana and Primaseller"
    " (the e-mail column's name is lost in the stored copies), WiziShop, Oxatis, Storeden, CCV Shop,"
    " Mijnwebwinkel and Afterbuy (nothing stored with a column list), apt-shop (the input form's fields only)",
]
