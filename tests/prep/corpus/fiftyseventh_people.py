"""The people of the fifty-seventh held-out set, as each source holds them."""

# A Czech machine maker's Suzhou subsidiary in WeCom: name, account, post, department, sex, mobile, desk
# phone, personal mailbox; Chinese names family name first in characters, the Europeans given name first.
WECOM57 = [
    ("王磊", "WangLei", "销售经理", "销售部", "男", "13812345678", "0512-62881001", "wanglei@163.com"),
    ("李娜", "LiNa", "会计", "财务部", "女", "13962211234", "0512-62881002", ""),
    ("Tomáš Novotný", "TomasNovotny", "总经理", "管理层", "男", "+420 603 112 233", "0512-62881000",
     "tomas.novotny@seznam.cz"),
    ("张敏", "ZhangMin", "工程师", "技术部", "女", "15051234567", "", "zhangmin@qq.com"),
    ("Katarzyna Wójcik", "KatarzynaWojcik", "质量经理", "质量部", "女", "18662345678", "0512-62881005",
     "k.wojcik@wp.pl"),
    ("刘洋", "LiuYang", "采购专员", "采购部", "男", "13771239876", "0512-62881006", ""),
    ("陈静", "ChenJing", "行政助理", "行政部", "女", "13913579246", "0512-62881007", "chenjing@126.com"),
    ("Péter Kiss", "PeterKiss", "技术总监", "技术部", "男", "+36 30 456 7890", "", "peter.kiss@freemail.hu"),
    ("赵强", "ZhaoQiang", "", "生产部", "男", "13515151515", "", ""),
    ("Jana Horáková", "JanaHorakova", "人事经理", "行政部", "女", "18900001111", "0512-62881009",
     "jana.horakova@email.cz"),
    ("周杰", "ZhouJie", "司机", "行政部", "男", "13600001234", "", ""),
    ("Marek Zieliński", "MarekZielinski", "项目经理", "技术部", "男", "+48 601 234 567", "0512-62881011",
     "marek.zielinski@onet.pl"),
]

# A Czech glassworks' Tokyo sales office in LINE WORKS: family, given, their readings, login, personal mailbox.
LINEWORKS57 = [
    ("山田", "太郎", "ヤマダ", "タロウ", "t.yamada", "taro.yamada@gmail.com"),
    ("佐藤", "花子", "サトウ", "ハナコ", "h.sato", ""),
    ("Dvořák", "Jiří", "ドヴォルザーク", "イジー", "j.dvorak", "jiri.dvorak@seznam.cz"),
    ("鈴木", "一郎", "スズキ", "イチロウ", "i.suzuki", "ichiro.suzuki@yahoo.co.jp"),
    ("高橋", "美咲", "タカハシ", "ミサキ", "m.takahashi", "misaki.t@docomo.ne.jp"),
    ("Nowak", "Agnieszka", "ノヴァク", "アグニェシュカ", "a.nowak", "agnieszka.nowak@gmail.com"),
    ("田中", "健", "タナカ", "ケン", "k.tanaka", ""),
    ("伊藤", "由美", "イトウ", "ユミ", "y.ito", "yumi.ito@icloud.com"),
    ("Šimková", "Lucie", "", "", "l.simkova", "lucie.simkova@email.cz"),
    ("渡辺", "翔太", "ワタナベ", "ショウタ", "s.watanabe", "shota.watanabe@ezweb.ne.jp"),
]

# A Dresden water utility's on-call list in its Braintower SMS gateway: name, number (as the gateway takes it),
# mailbox, alarm groups.
BRAINTOWER57 = [
    ("Thomas Müller", "00491707654321", "t.mueller@wasser-dresden.de", "Bereitschaft,Klaerwerk"),
    ("Anja Richter", "00491623454321", "", "Bereitschaft"),
    ("Pavel Černý", "00420731222333", "pavel.cerny@seznam.cz", "Klaerwerk"),
    ("Schulz, Katrin", "004915112345678", "k.schulz@wasser-dresden.de", "Leitstelle"),
    ("Michael Neumann", "00491729988776", "m.neumann@wasser-dresden.de", "Bereitschaft,Leitstelle"),
    ("Ewa Kowalczyk", "0048501987654", "", "Netz"),
    ("Sebastian Krüger", "00491601112233", "s.krueger@wasser-dresden.de", ""),
    ("Zuzana Baláž", "00421905334455", "zuzana.balaz@azet.sk", "Netz"),
    ("Frank Zimmermann", "00491578887766", "f.zimmermann@wasser-dresden.de", "Klaerwerk,Netz,Leitstelle"),
    ("Ilona Varga", "0036301112233", "ilona.varga@gmail.com", "Bereitschaft"),
]

# A Vienna language school's WhatsApp contacts (Swiftchats): given, family, phone, mailbox, groups, street,
# city, state, postal code, country.
SWIFTCHATS57 = [
    ("Lukas", "Gruber", "+436641234567", "lukas.gruber@gmx.at", "Deutsch B1 | Abendkurs", "Mariahilfer Straße 45",
     "Wien", "Wien", "1060", "Austria"),
    ("Tereza", "Svobodová", "+420777888999", "tereza.svobodova@seznam.cz", "Deutsch A2", "", "", "", "", ""),
    ("Bartosz", "Lewandowski", "+48512345678", "", "Deutsch A1", "Favoritenstraße 120/3/12", "Wien", "", "1100",
     "AT"),
    ("Anna", "Huber", "+436509876543", "anna.huber@aon.at", "Englisch C1", "Hauptplatz 4", "Mödling",
     "Niederösterreich", "2340", "Austria"),
    ("Réka", "Szabó", "+36209998877", "reka.szabo@freemail.hu", "Deutsch B2 | Prüfung", "", "", "", "", ""),
    ("Milan", "Kováč", "+421908111222", "milan.kovac@azet.sk", "Deutsch A2", "Laxenburger Straße 8", "Wien", "Wien",
     "1100", "Österreich"),
    ("Sophie", "", "+436601112233", "", "Englisch B2", "", "", "", "", ""),
    ("Matej", "Horvat", "+38641222333", "matej.horvat@gmail.com", "Deutsch B1", "Ottakringer Straße 60", "Wien",
     "", "1160", "Austria"),
    ("Julia", "Wagner", "+4369912345678", "julia.wagner@chello.at", "Italienisch A1 | Abendkurs", "", "", "", "",
     "Austria"),
    ("Ionuț", "Popa", "+40722333444", "ionut.popa@yahoo.com", "Deutsch A1", "Brünner Straße 34", "Wien", "Wien",
     "1210", "Austria"),
    ("Stefan", "Berger", "+43 664 555 6677", "s.berger@outlook.com", "Englisch C1", "", "", "", "", ""),
]

# A Brno volunteers' association's reminders (RapidPro): phone, Telegram id, mailbox, whole name, contact's
# UUID, language, registration date.
RAPIDPRO57 = [
    ("+420731456789", "", "jan.kratochvil@gmail.com", "Jan Kratochvíl", "", "ces", "2025-09-01"),
    ("+420602998877", "482913776", "", "Petra Malá", "", "ces", "2025-09-03"),
    ("", "517730221", "oksana.shevchenko@ukr.net", "Oksana Shevchenko", "", "ukr", "2025-09-10"),
    ("+421915223344", "", "martin.bielik@azet.sk", "Martin Bielik", "", "slk", "2025-10-02"),
    ("+48698123456", "390018443", "magda.kaminska@wp.pl", "Magdalena Kamińska", "", "pol", "2025-10-15"),
    ("+420777123987", "", "", "Vojtěch Král", "7d1c2e5a-3b4f-4c6d-9e8f-0a1b2c3d4e5f", "ces", "2024-03-20"),
    ("+36705556677", "", "bence.toth@gmail.com", "Bence Tóth", "", "hun", "2025-11-04"),
    ("+420608444555", "601234987", "lenka.vesela@centrum.cz", "Lenka Veselá", "", "ces", "2025-11-20"),
    ("+4917612345678", "", "lisa.becker@web.de", "Lisa Becker", "", "deu", "2026-01-08"),
    ("+420720111222", "", "", "Ondřej Pospíšil", "", "ces", "2026-01-12"),
]

# A Yokohama trading house's address book (どこでもキャビネット): display name, reading, mailbox, mobile, the
# mobile's own mailbox, office phone, office fax, company. European names typed without their accents, as a
# Shift_JIS file holds them.
DOCOCAB57 = [
    ("山本 大輔", "ヤマモト ダイスケ", "d.yamamoto@kaigai-boeki.co.jp", "090-1234-5678", "daisuke.y@docomo.ne.jp",
     "045-123-4567", "045-123-4568", "海外貿易株式会社"),
    ("中村 さくら", "ナカムラ サクラ", "sakura.nakamura@example-shoji.jp", "080-2345-6789", "", "03-3456-7890", "",
     "横浜商事株式会社"),
    ("Petr Svoboda", "ペトル スヴォボダ", "petr.svoboda@sklarna-bohemia.cz", "+420 602 345 678", "",
     "+420 483 123 456", "+420 483 123 457", "Sklarna Bohemia s.r.o."),
    ("小林 誠", "コバヤシ マコト", "", "090-8765-4321", "makoto.k@ezweb.ne.jp", "", "", ""),
    ("株式会社みなと物流", "カブシキガイシャ ミナトブツリュウ", "info@minato-butsuryu.co.jp", "", "", "045-987-6543",
     "045-987-6544", "株式会社みなと物流"),
    ("Anna Kowalska", "アンナ コヴァルスカ", "anna.kowalska@polimex.pl", "+48 601 222 333", "", "+48 22 555 66 77",
     "", "Polimex Sp. z o.o."),
    ("加藤 恵", "カトウ メグミ", "megumi.kato@kaigai-boeki.co.jp", "070-1111-2222", "megumi-k@softbank.ne.jp",
     "045-123-4570", "045-123-4568", "海外貿易株式会社"),
    ("吉田 隆", "ヨシダ タカシ", "t.yoshida@nihon-glass.jp", "", "", "06-6123-4567", "06-6123-4568", "日本硝子工業"),
    ("Laszlo Nagy", "ラースロー ナジ", "laszlo.nagy@herend-export.hu", "+36 30 777 8899", "", "", "",
     "Herend Export Kft."),
    ("松本 愛", "マツモト アイ", "", "080-5555-6666", "ai.matsumoto@i.softbank.jp", "", "", ""),
]
