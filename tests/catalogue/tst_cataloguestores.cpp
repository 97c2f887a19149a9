#include "CatalogueFixture.h"
#include "CodeStore.h"
#include "CustomerLookupStore.h"
#include "PartStore.h"
#include "PostalStore.h"
#include "Stores.h"
#include "TestShop.h"

#include <QtTest>

Q_DECLARE_METATYPE(PartTable)

namespace {

QStringList names(const std::optional<QList<CodeRecord>> &codes)
{
    QStringList out;
    if (codes) {
        for (const CodeRecord &c : *codes)
            out << c.name;
    }
    return out;
}

QStringList names(const std::optional<QList<PartRecord>> &parts)
{
    QStringList out;
    if (parts) {
        for (const PartRecord &p : *parts)
            out << p.name;
    }
    return out;
}

QStringList column(const std::optional<QList<QStringList>> &rows, int index)
{
    QStringList out;
    if (rows) {
        for (const QStringList &row : *rows)
            out << row.value(index);
    }
    return out;
}

void bothTables()
{
    QTest::addColumn<PartTable>("table");
    QTest::newRow("정비부품") << PartTable::Catalogue;
    QTest::newRow("참조부품") << PartTable::Reference;
}

} // namespace

class TestCatalogueStores : public QObject
{
    Q_OBJECT
private slots:
    void codeListOrderByCategory_data();
    void codeListOrderByCategory();
    void codeFindIsPrefixWithinCategory_data();
    void codeFindIsPrefixWithinCategory();
    void codeChangesRoundTrip();
    void typedTextIsData_data();
    void typedTextIsData();

    void partListByNameThenCode_data();
    void partListByNameThenCode();
    void partFindIsPrefixOnItsOwnTable_data();
    void partFindIsPrefixOnItsOwnTable();
    void partChangesRoundTrip_data();
    void partChangesRoundTrip();
    void priceFromText_data();
    void priceFromText();

    void addressText_data();
    void addressText();
    void postalSearchContains();

    void customerSearch_data();
    void customerSearch();
    void customerValues_data();
    void customerValues();
    void customerRowsCarryTheCode();
    void customerReport_data();
    void customerReport();
};

void TestCatalogueStores::codeListOrderByCategory_data()
{
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected");
    // Added in the order 쏘나타, 모닝, 그랜저 in every category.
    QTest::newRow("차종 by id") << "차종" << QStringList {"쏘나타", "모닝", "그랜저"};
    QTest::newRow("차량색상 by name") << "차량색상" << QStringList {"그랜저", "모닝", "쏘나타"};
    QTest::newRow("보험회사 as added") << "보험회사" << QStringList {"쏘나타", "모닝", "그랜저"};
    QTest::newRow("지출계정 as added") << "지출계정" << QStringList {"쏘나타", "모닝", "그랜저"};
}

void TestCatalogueStores::codeListOrderByCategory()
{
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    TestShop shop;
    for (const QString &c : CodeStore::categories()) {
        for (const char *name : {"쏘나타", "모닝", "그랜저"})
            addCode(shop, c, QString::fromUtf8(name));
    }
    CodeStore store(shop.base());
    QCOMPARE(names(store.list(category)), expected);
    QCOMPARE(CodeStore::categories(),
             (QStringList {"차종", "차량색상", "소속회사", "보험회사", "차량지역", "정비담당",
                           "수입계정", "지출계정"}));
    QVERIFY(!CodeStore::isCategory("고객"));
}

void TestCatalogueStores::codeFindIsPrefixWithinCategory_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty lists all by name")
            << "" << QStringList {"삼성화재", "현대캐피탈", "현대해상", "흥국 현대"};
    QTest::newRow("prefix") << "현대" << QStringList {"현대캐피탈", "현대해상"};
    QTest::newRow("inside is no match") << "화재" << QStringList {};
    QTest::newRow("whole name") << "삼성화재" << QStringList {"삼성화재"};
}

void TestCatalogueStores::codeFindIsPrefixWithinCategory()
{
    QFETCH(QString, prefix);
    QFETCH(QStringList, expected);
    TestShop shop;
    for (const char *name : {"현대해상", "삼성화재", "흥국 현대", "현대캐피탈"})
        addCode(shop, "보험회사", QString::fromUtf8(name));
    addCode(shop, "소속회사", "현대건설");
    CodeStore store(shop.base());
    QCOMPARE(names(store.find("보험회사", prefix)), expected);
}

void TestCatalogueStores::codeChangesRoundTrip()
{
    TestShop shop;
    CodeStore store(shop.base());
    const qint64 first = store.add("정비담당", "김정비");
    const qint64 second = store.add("정비담당", "박기사");
    QVERIFY(first > 0 && second > first);
    QVERIFY(store.rename(first, "김반장", "정비담당"));
    QCOMPARE(codeNames(shop, "정비담당"), (QStringList {"김반장", "박기사"}));
    QVERIFY(store.remove(second));
    QCOMPARE(codeNames(shop, "정비담당"), QStringList {"김반장"});
    // Keys are never given out twice.
    QVERIFY(store.add("정비담당", "이기사") > second);
}

void TestCatalogueStores::typedTextIsData_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("quote") << "O'Neil 카센터";
    QTest::newRow("statement") << "x'); delete from 기타참조; --";
    QTest::newRow("percent") << "100%";
    QTest::newRow("star") << "*특가";
    QTest::newRow("underscore") << "a_b";
    QTest::newRow("backslash") << "c:\\voz";
}

// A name with quotes or wildcards is stored as typed and found only by itself.
void TestCatalogueStores::typedTextIsData()
{
    QFETCH(QString, name);
    TestShop shop;
    CodeStore codes(shop.base());
    PartStore parts(shop.base(), PartTable::Catalogue);
    // Decoys a wildcard would match.
    for (const char *decoy : {"100원", "특가", "axb", "c:Xvoz", "O", "x"}) {
        codes.add("차량색상", QString::fromUtf8(decoy));
        parts.insert(PartRecord {0, QString::fromUtf8(decoy), {}, {}, 1, 1});
    }
    const qint64 id = codes.add("차량색상", name);
    QVERIFY(id > 0);
    QVERIFY(parts.insert(PartRecord {0, name, name, {}, 2, 3}) > 0);

    QCOMPARE(names(codes.find("차량색상", name)), QStringList {name});
    QCOMPARE(names(parts.findByPrefix(name)), QStringList {name});
    QVERIFY(codes.rename(id, name + name, "차량색상"));
    QCOMPARE(names(codes.find("차량색상", name + name)), QStringList {name + name});
    QCOMPARE(codeNames(shop, "차량색상").size(), 7);
}

void TestCatalogueStores::partListByNameThenCode_data()
{
    bothTables();
}

void TestCatalogueStores::partListByNameThenCode()
{
    QFETCH(PartTable, table);
    TestShop shop;
    const qint64 b1 = addPart(shop, table, "브레이크패드", 45000);
    addPart(shop, table, "오일필터", 8000);
    const qint64 b2 = addPart(shop, table, "브레이크패드", 40000);
    addPart(shop, table, "냉각수 보충", 5000);
    PartStore store(shop.base(), table);
    const auto parts = store.list();
    QVERIFY(parts);
    QCOMPARE(names(parts),
             (QStringList {"냉각수 보충", "브레이크패드", "브레이크패드", "오일필터"}));
    QCOMPARE(parts->at(1).code, b1);
    QCOMPARE(parts->at(2).code, b2);
    QCOMPARE(parts->at(2).price, 40000);
    QCOMPARE(names(store.all()),
             (QStringList {"브레이크패드", "오일필터", "브레이크패드", "냉각수 보충"}));
}

void TestCatalogueStores::partFindIsPrefixOnItsOwnTable_data()
{
    bothTables();
}

void TestCatalogueStores::partFindIsPrefixOnItsOwnTable()
{
    QFETCH(PartTable, table);
    const PartTable other
            = table == PartTable::Catalogue ? PartTable::Reference : PartTable::Catalogue;
    TestShop shop;
    for (const char *name : {"엔진오일 교환", "합성 엔진오일", "엔진오일(합성유) 교환", "에어필터"})
        addPart(shop, table, QString::fromUtf8(name));
    addPart(shop, other, "엔진오일 다른표");
    PartStore store(shop.base(), table);
    QCOMPARE(names(store.findByPrefix("엔진오일")),
             (QStringList {"엔진오일 교환", "엔진오일(합성유) 교환"}));
    QCOMPARE(names(store.findByPrefix("")).size(), 4);
    QCOMPARE(names(store.findByPrefix("없는부품")), QStringList {});
}

void TestCatalogueStores::partChangesRoundTrip_data()
{
    bothTables();
}

void TestCatalogueStores::partChangesRoundTrip()
{
    QFETCH(PartTable, table);
    TestShop shop;
    PartStore store(shop.base(), table);
    QCOMPARE(store.tableName(), PartStore::tableName(table));
    const qint64 code
            = store.insert(PartRecord {0, "타이어 O'Ring", "205/55R16", "EA", 110000, 66000});
    QVERIFY(code > 0);
    PartRecord part = *store.load(code);
    QCOMPARE(part.name, QStringLiteral("타이어 O'Ring"));
    QCOMPARE(part.spec, QStringLiteral("205/55R16"));
    QCOMPARE(part.price, 110000);
    QCOMPARE(part.cost, 66000);
    part.spec = "'";
    part.price = -5;
    QVERIFY(store.update(part));
    QCOMPARE(store.load(code)->spec, QStringLiteral("'"));
    QCOMPARE(store.load(code)->price, -5);
    QVERIFY(store.remove(code));
    QVERIFY(!store.load(code));
}

void TestCatalogueStores::priceFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("price");
    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("plain") << "35000" << qint64(35000);
    QTest::newRow("separators") << "1,234,567" << qint64(1234567);
    QTest::newRow("negative") << "-500" << qint64(-500);
    QTest::newRow("no number") << "abc" << qint64(0);
}

void TestCatalogueStores::priceFromText()
{
    QFETCH(QString, text);
    QFETCH(qint64, price);
    QCOMPARE(PartStore::priceFromText(text), price);
}

void TestCatalogueStores::addressText_data()
{
    QTest::addColumn<QVariant>("province");
    QTest::addColumn<QVariant>("district");
    QTest::addColumn<QVariant>("town");
    QTest::addColumn<QString>("expected");
    QTest::newRow("all parts") << QVariant("서울특별시") << QVariant("강남구") << QVariant("역삼동")
                               << "서울특별시 강남구 역삼동 ";
    QTest::newRow("null district") << QVariant("세종특별자치시") << QVariant()
                                   << QVariant("조치원읍") << "세종특별자치시 조치원읍 ";
    QTest::newRow("empty district") << QVariant("세종특별자치시") << QVariant("")
                                    << QVariant("조치원읍") << "세종특별자치시 조치원읍 ";
    QTest::newRow("nothing") << QVariant() << QVariant() << QVariant() << "";
}

void TestCatalogueStores::addressText()
{
    QFETCH(QVariant, province);
    QFETCH(QVariant, district);
    QFETCH(QVariant, town);
    QFETCH(QString, expected);
    QCOMPARE(PostalStore::addressText(province, district, town), expected);
}

void TestCatalogueStores::postalSearchContains()
{
    TestShop shop;
    addPostal(shop, "135-081", "서울특별시", "강남구", "역삼2동", "1~50");
    addPostal(shop, "135-080", "서울특별시", "강남구", "역삼1동", QVariant());
    addPostal(shop, "463-010", "경기도", "성남시 분당구", "정자동");
    addPostal(shop, "100-100", "서울특별시", "중구", "100%동");
    PostalStore store(shop.stores(), shop.prompter());
    const QList<AddressChoice> found = store.search(PostalStore::By::Town, "삼");
    QCOMPARE(found.size(), 2);
    QCOMPARE(found.at(0).postalCode, QStringLiteral("135-080"));
    QCOMPARE(found.at(0).address, QStringLiteral("서울특별시 강남구 역삼1동 "));
    QCOMPARE(found.at(0).lots, QString());
    QCOMPARE(found.at(1).lots, QStringLiteral("1~50"));
    QCOMPARE(store.search(PostalStore::By::Town, "%").size(), 1);
    QCOMPARE(store.search(PostalStore::By::PostalCode, "-08").size(), 2);
}

void TestCatalogueStores::customerSearch_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("고객명 begins, by name") << "고객명"
                                            << "김" << QStringList {"김민수", "김영희"};
    QTest::newRow("고객명 not inside") << "고객명"
                                       << "수" << QStringList {};
    QTest::newRow("고객명 empty: all by name")
            << "고객명"
            << "" << QStringList {"김민수", "김영희", "박김철", "이서연"};
    QTest::newRow("휴대폰 four digits anywhere, by name")
            << "휴대폰"
            << "1234" << QStringList {"김영희", "박김철"};
    QTest::newRow("차량번호 anywhere, by vehicle") << "차량번호"
                                                   << "12" << QStringList {"이서연", "김민수"};
    QTest::newRow("quote") << "고객명"
                           << "O'" << QStringList {};
    QTest::newRow("unknown kind: all in entry order")
            << "주소"
            << "김" << QStringList {"김영희", "박김철", "김민수", "이서연"};
}

void TestCatalogueStores::customerSearch()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TestShop shop;
    addCustomer(shop, "김영희", "서울34가5678", "모닝", "", "010-1234-0000");
    addCustomer(shop, "박김철", "경기56나7890", "K5", "대성운수", "011-1234-3400");
    addCustomer(shop, "김민수", "서울12다3456", "그랜저", "", "010-5555-6666");
    addCustomer(shop, "이서연", "부산12라1111", "레이", "한빛물류", "");
    CustomerLookupStore store(shop.base());
    QCOMPARE(column(store.customers(kind, text), 0), expected);
}

void TestCatalogueStores::customerValues_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // 고객명 of the rows
    QTest::newRow("소속회사 empty: only with a company, by company")
            << "소속회사"
            << "" << QStringList {"박김철", "이서연"};
    QTest::newRow("소속회사 begins") << "소속회사"
                                     << "한" << QStringList {"이서연"};
    QTest::newRow("고객명 empty: all by name")
            << "고객명"
            << "" << QStringList {"김민수", "김영희", "박김철", "이서연"};
    QTest::newRow("고객명 begins") << "고객명"
                                   << "김" << QStringList {"김민수", "김영희"};
    QTest::newRow("차량번호 anywhere") << "차량번호"
                                       << "56" << QStringList {"박김철", "김민수", "김영희"};
    QTest::newRow("차량번호 empty: all by vehicle")
            << "차량번호"
            << "" << QStringList {"박김철", "이서연", "김민수", "김영희"};
    QTest::newRow("other kind lists nothing") << "휴대폰"
                                              << "" << QStringList {};
}

void TestCatalogueStores::customerValues()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TestShop shop;
    addCustomer(shop, "김영희", "서울34가5678", "모닝", "", "");
    addCustomer(shop, "박김철", "경기56나7890", "K5", "대성운수", "");
    addCustomer(shop, "김민수", "서울12다3456", "그랜저", "", "");
    addCustomer(shop, "이서연", "부산12라1111", "레이", "한빛물류", "");
    CustomerLookupStore store(shop.base());
    QCOMPARE(column(store.values(kind, text), 0), expected);
}

void TestCatalogueStores::customerRowsCarryTheCode()
{
    TestShop shop;
    const qint64 code = addCustomer(shop, "김영희", "서울34가5678", "모닝", "대성운수", "010");
    CustomerLookupStore store(shop.base());
    const auto rows = store.customers("고객명", "김");
    QVERIFY(rows && rows->size() == 1);
    const QStringList columns = CustomerLookupStore::pickColumns();
    QCOMPARE(columns, (QStringList {"고객명", "차량번호", "차량명", "고객코드"}));
    QCOMPARE(rows->first(),
             (QStringList {"김영희", "서울34가5678", "모닝", QString::number(code)}));
    QCOMPARE(store.values("소속회사", "")->first(),
             (QStringList {"김영희", "서울34가5678", "대성운수", "모닝"}));
}

void TestCatalogueStores::customerReport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("selection");
    QTest::newRow("차량번호") << "차량번호"
                              << "+{고객.차량번호}"
                              << "{고객.차량번호} like '*12*'";
    QTest::newRow("고객명") << "고객명"
                            << "+{고객.고객명}"
                            << "{고객.고객명} like '12*'";
    QTest::newRow("자택전화") << "자택전화"
                              << "+{고객.고객명}"
                              << "{고객.자택전화} like '*12*'";
    QTest::newRow("직장전화") << "직장전화"
                              << "+{고객.고객명}"
                              << "{고객.직장전화} like '*12*'";
    QTest::newRow("휴대폰") << "휴대폰"
                            << "+{고객.고객명}"
                            << "{고객.휴대폰} like '*12*'";
    QTest::newRow("other") << "소속회사"
                           << ""
                           << "";
}

void TestCatalogueStores::customerReport()
{
    QFETCH(QString, kind);
    QFETCH(QString, sort);
    QFETCH(QString, selection);
    const ListPrintRequest request = CustomerLookupStore::customerReport(kind, "12");
    QCOMPARE(request.reportFile, QStringLiteral("C:\\voz\\RPT\\고객현황.RPT"));
    QCOMPARE(request.sortField, sort);
    QCOMPARE(request.selection, selection);
}

QTEST_MAIN(TestCatalogueStores)
#include "tst_cataloguestores.moc"
