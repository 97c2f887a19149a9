#include "CustomerStore.h"
#include "LedgerStore.h"
#include "MemoStore.h"
#include "TestShop.h"
#include "TextUtil.h"

#include <QtTest>

namespace {

CustomerRecord customer(const QString &name, const QString &region, const QString &number)
{
    CustomerRecord r;
    r[CustomerRecord::Name] = name;
    r[CustomerRecord::VehicleRegion] = region;
    r[CustomerRecord::VehicleNumber] = number;
    return r;
}

LedgerLine service(qint64 customer, const QString &date, const QString &text, qint64 price,
                   qint64 quantity, qint64 discount)
{
    LedgerLine l;
    l.customer = customer;
    l.date = date;
    l.text = text;
    l.price = price;
    l.quantity = quantity;
    l.amount = price * quantity;
    l.discount = discount;
    l.due = l.amount - l.discount;
    return l;
}

int count(Database &db, const QString &sql, qint64 code)
{
    return db.scalar(sql, {code}).toInt();
}

} // namespace

class TestLedgerStores : public QObject
{
    Q_OBJECT
private slots:
    void fieldsAreCutToTheirBytes_data();
    void fieldsAreCutToTheirBytes();
    void residentNumberParts_data();
    void residentNumberParts();
    void insertAddsBankbookRowAndSummary();
    void searchByKindMatchesAnywhere_data();
    void searchByKindMatchesAnywhere();
    void duplicateVehicle();
    void updateRoundTripsEveryField();
    void deleteRemovesEverythingButTheMemo();
    void deleteIsAllOrNothing();
    void summaryFollowsEveryChange();
    void linesComeInLedgerOrder();
    void tooLargeAmountsAreRefused();
    void failedSummaryTakesTheLineBack();
    void refreshWritesOnlyWhatDiffers();
    void memoSaveRules_data();
    void memoSaveRules();
};

void TestLedgerStores::fieldsAreCutToTheirBytes_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("six-syllable name") << int(CustomerRecord::Name) << "남궁민수연희" << "남궁민수연";
    QTest::newRow("name split mid-syllable") << int(CustomerRecord::Name) << "abc가나다라" << "abc가나다 ";
    QTest::newRow("region") << int(CustomerRecord::VehicleRegion) << "서울특별" << "서울";
    QTest::newRow("number") << int(CustomerRecord::VehicleNumber) << "12가34567" << "12가3456";
    QTest::newRow("postal code trimmed") << int(CustomerRecord::PostalCode) << "  135-080  " << "135-080";
    QTest::newRow("remarks fit") << int(CustomerRecord::Remarks) << "단골" << "단골";
}

void TestLedgerStores::fieldsAreCutToTheirBytes()
{
    QFETCH(int, field);
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    CustomerRecord r;
    r[field] = typed;
    QCOMPARE(r.cut()[field], stored);
}

void TestLedgerStores::residentNumberParts_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("stored");
    QTest::newRow("both") << "750312" << "1234567" << "750312-1234567";
    QTest::newRow("first only") << "750312" << "" << "750312";
    QTest::newRow("none") << "" << "" << "";
}

void TestLedgerStores::residentNumberParts()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, stored);
    CustomerRecord r;
    r[CustomerRecord::ResidentFirst] = first;
    r[CustomerRecord::ResidentSecond] = second;
    QCOMPARE(r.residentNumber(), stored);
    CustomerRecord back;
    back.setResidentNumber(stored);
    QCOMPARE(back[CustomerRecord::ResidentFirst], first);
    QCOMPARE(back[CustomerRecord::ResidentSecond], second);
}

void TestLedgerStores::insertAddsBankbookRowAndSummary()
{
    TestShop shop;
    CustomerStore store(shop.stores());
    const qint64 code = store.insert(customer("홍길동", "서울", "12가3456").cut());
    QVERIFY(code > 0);
    QCOMPARE(count(shop.base(), "SELECT line FROM 통장 WHERE Code = ?", code), 0);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 통장 WHERE Code = ?", code), 1);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 고객미수금 WHERE 고객코드 = ? AND 미수금 = 0", code), 1);
    const auto loaded = store.load(code);
    QVERIFY(loaded);
    QCOMPARE(loaded->vehicle(), QStringLiteral("서울12가3456"));
    QCOMPARE((*loaded)[CustomerRecord::VehicleRegion], QStringLiteral("서울"));
    QCOMPARE((*loaded)[CustomerRecord::VehicleNumber], QStringLiteral("12가3456"));
}

void TestLedgerStores::searchByKindMatchesAnywhere_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("vehicle fragment") << "차량번호" << "3456" << QStringList{"홍길동", "O'Neil"};
    QTest::newRow("name inside") << "고객명" << "길" << QStringList{"홍길동"};
    QTest::newRow("quote is data") << "고객명" << "O'N" << QStringList{"O'Neil"};
    QTest::newRow("percent is data") << "고객명" << "%" << QStringList{"100%상사"};
    QTest::newRow("mobile") << "휴대폰" << "1234" << QStringList{"100%상사"};
    QTest::newRow("nothing") << "자택전화" << "999" << QStringList{};
}

void TestLedgerStores::searchByKindMatchesAnywhere()
{
    QFETCH(QString, kind);
    QFETCH(QString, word);
    QFETCH(QStringList, names);
    TestShop shop;
    CustomerStore store(shop.stores());
    store.insert(customer("홍길동", "서울", "12가3456"));
    store.insert(customer("O'Neil", "경기", "34나3456"));
    CustomerRecord c = customer("100%상사", "부산", "56다7890");
    c[CustomerRecord::Mobile] = "010-1234-5678";
    store.insert(c);
    const auto found = store.search(kind, word, 10);
    QVERIFY(found);
    QStringList got;
    for (const CustomerRecord &r : *found)
        got << r[CustomerRecord::Name];
    QCOMPARE(got, names);
}

void TestLedgerStores::duplicateVehicle()
{
    TestShop shop;
    CustomerStore store(shop.stores());
    const qint64 a = store.insert(customer("갑", "서울", "12가3456"));
    const qint64 b = store.insert(customer("을", "경기", "34나5678"));
    QVERIFY(store.isDuplicateVehicle("서울12가3456"));
    QVERIFY(!store.isDuplicateVehicle("서울99가9999"));
    QVERIFY(!store.isDuplicateVehicle("서울12가3456", a)); // its own number
    QVERIFY(store.isDuplicateVehicle("서울12가3456", b));  // another customer's
    QVERIFY(!store.search("차량번호", "x", 1).value().size());
    QVERIFY(!store.search("주소", "x", 1)); // not a search kind
}

void TestLedgerStores::updateRoundTripsEveryField()
{
    TestShop shop;
    CustomerStore store(shop.stores());
    CustomerRecord r = customer("김'철수", "서울", "12가3456");
    r.code = store.insert(r);
    for (int f = 0; f < CustomerRecord::FieldCount; ++f) {
        if (f != CustomerRecord::VehicleRegion && f != CustomerRecord::VehicleNumber
            && f != CustomerRecord::ResidentFirst && f != CustomerRecord::ResidentSecond)
            r[f] = QStringLiteral("값%1").arg(f);
    }
    r[CustomerRecord::ResidentFirst] = "750312";
    r[CustomerRecord::ResidentSecond] = "1234567";
    QCOMPARE(store.update(r), CustomerStore::UpdateResult::Updated);
    const auto back = store.load(r.code);
    QVERIFY(back);
    QVERIFY(back->fields == r.fields);
    CustomerRecord missing = r;
    missing.code = 999;
    QCOMPARE(store.update(missing), CustomerStore::UpdateResult::Missing);
}

void TestLedgerStores::deleteRemovesEverythingButTheMemo()
{
    TestShop shop;
    CustomerStore customers(shop.stores());
    LedgerStore ledger(shop.stores());
    const qint64 code = customers.insert(customer("홍길동", "서울", "12가3456"));
    const qint64 other = customers.insert(customer("남", "서울", "99가9999"));
    QVERIFY(ledger.insertLine(service(code, "2005.12.31", "엔진오일", 30000, 1, 0)));
    QVERIFY(ledger.insertLine(service(other, "2005.12.31", "필터", 8000, 1, 0)));
    QVERIFY(MemoStore(shop.base()).save(code, "단골", false));
    QVERIFY(customers.remove(code));
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 고객 WHERE 고객코드 = ?", code), 0);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 고객미수금 WHERE 고객코드 = ?", code), 0);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 통장 WHERE Code = ?", code), 0);
    QCOMPARE(count(shop.maintenance(), "SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?", code), 0);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 메모장 WHERE 고객코드 = ?", code), 1);
    QCOMPARE(count(shop.maintenance(), "SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?", other), 1);
}

void TestLedgerStores::deleteIsAllOrNothing()
{
    TestShop shop;
    CustomerStore customers(shop.stores());
    LedgerStore ledger(shop.stores());
    const qint64 code = customers.insert(customer("홍길동", "서울", "12가3456"));
    QVERIFY(ledger.insertLine(service(code, "2005.12.31", "엔진오일", 30000, 1, 0)));
    // The last of the four deletes fails.
    QVERIFY(shop.maintenance().exec("CREATE TRIGGER no_delete BEFORE DELETE ON 정비내역 "
                                    "BEGIN SELECT RAISE(ABORT, '잠김'); END"));
    QVERIFY(!customers.remove(code));
    QVERIFY(customers.lastError().contains("잠김"));
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 고객 WHERE 고객코드 = ?", code), 1);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 고객미수금 WHERE 고객코드 = ?", code), 1);
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 통장 WHERE Code = ?", code), 1);
}

void TestLedgerStores::summaryFollowsEveryChange()
{
    TestShop shop;
    CustomerStore customers(shop.stores());
    LedgerStore ledger(shop.stores());
    const qint64 code = customers.insert(customer("홍길동", "서울", "12가3456"));
    const auto stored = [&] { return ledger.storedSummary(code).value(); };

    LedgerLine oil = service(code, "2005.12.31", "엔진오일", 30000, 1, 5000);
    oil.lineCode = ledger.insertLine(oil);
    QVERIFY(oil.lineCode > 0);
    QCOMPARE(stored(), (ReceivableSummary{30000, 5000, 25000, 0, 25000}));

    QVERIFY(ledger.insertLine(service(code, "2005.12.31", "타이어", 112500, 2, 0)));
    QCOMPARE(stored().due, 250000);
    const qint64 payment = ledger.insertPayment(code, "2005.12.31", 100000);
    QVERIFY(payment > 0);
    QCOMPARE(stored().balance, 150000);
    QVERIFY(ledger.insertPayment(code, "2005.12.31", 150000));
    QCOMPARE(stored().balance, 0); // a fully paid customer keeps a row holding 0
    QVERIFY(ledger.insertPayment(code, "2006.01.02", -20000));
    QCOMPARE(stored().paid, 230000);
    QCOMPARE(stored().balance, 20000);

    QVERIFY(ledger.deleteLine(payment, code));
    QCOMPARE(stored().balance, 120000);

    oil.discount = 0;
    oil.due = oil.amount;
    QVERIFY(ledger.updateLine(oil));
    QCOMPARE(stored(), (ReceivableSummary{255000, 0, 255000, 130000, 125000}));
    QCOMPARE(ledger.computeSummary(code).value(), stored());
}

void TestLedgerStores::linesComeInLedgerOrder()
{
    TestShop shop;
    LedgerStore ledger(shop.stores());
    const qint64 code = shop.addCustomer("갑", "서울12가3456");
    ledger.insertLine(service(code, "2006.01.01", "나중", 1000, 1, 0));
    ledger.insertPayment(code, "2005.12.31", 500);
    ledger.insertLine(service(code, "2005.12.31", "먼저", 1000, 1, 0));
    QStringList texts;
    const QList<LedgerLine> lines = ledger.lines(code).value();
    for (const LedgerLine &l : lines)
        texts << l.date + ' ' + l.text;
    QCOMPARE(texts, QStringList({"2005.12.31 < 입금 >", "2005.12.31 먼저", "2006.01.01 나중"}));
    const LedgerLine payment = ledger.lines(code).value().first();
    QVERIFY(payment.isPayment());
    QCOMPARE(payment.spec, QStringLiteral("0"));
    QCOMPARE(payment.paid, 500);
    QCOMPARE(count(shop.maintenance(), "SELECT count(*) FROM 정비내역 WHERE 고객코드 = ? "
                                       "AND 통장 = 0 AND 상태 = 'A'", code), 3);
}

void TestLedgerStores::tooLargeAmountsAreRefused()
{
    TestShop shop;
    LedgerStore ledger(shop.stores());
    const qint64 code = shop.addCustomer("갑", "서울12가3456");
    LedgerLine huge = service(code, "2005.12.31", "대형", LedgerLine::kMaxAmount, 2, 0);
    QCOMPARE(ledger.insertLine(huge), 0);
    QVERIFY(!ledger.lastError().isEmpty());
    QCOMPARE(count(shop.maintenance(), "SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?", code), 0);
    QVERIFY(ledger.insertLine(service(code, "2005.12.31", "최대", LedgerLine::kMaxAmount, 1, 0)));
}

void TestLedgerStores::failedSummaryTakesTheLineBack()
{
    TestShop shop;
    CustomerStore customers(shop.stores());
    LedgerStore ledger(shop.stores());
    const qint64 code = customers.insert(customer("홍길동", "서울", "12가3456"));
    QVERIFY(shop.base().exec("CREATE TRIGGER no_summary BEFORE UPDATE ON 고객미수금 "
                             "BEGIN SELECT RAISE(ABORT, '요약 실패'); END"));
    QCOMPARE(ledger.insertLine(service(code, "2005.12.31", "엔진오일", 30000, 1, 0)), 0);
    QCOMPARE(count(shop.maintenance(), "SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?", code), 0);
}

void TestLedgerStores::refreshWritesOnlyWhatDiffers()
{
    TestShop shop;
    LedgerStore ledger(shop.stores());
    const qint64 code = shop.addCustomer("갑", "서울12가3456");
    QVERIFY(shop.maintenance().exec("INSERT INTO 정비내역 (고객코드, 정비일자, 구분, 금액, 판매금액) "
                                    "VALUES (?, '2005.12.31', '1', 7000, 7000)", {code}));
    QVERIFY(!ledger.storedSummary(code)); // lines typed in by older versions, no summary yet
    QCOMPARE(ledger.refreshSummary(code).value().balance, 7000);
    QCOMPARE(ledger.storedSummary(code).value().balance, 7000);
    QVERIFY(shop.base().exec("CREATE TRIGGER no_summary BEFORE UPDATE ON 고객미수금 "
                             "BEGIN SELECT RAISE(ABORT, 'x'); END"));
    QVERIFY(ledger.refreshSummary(code)); // agrees already: nothing written
}

void TestLedgerStores::memoSaveRules_data()
{
    QTest::addColumn<bool>("hadMemo");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored"); // "-" for no row
    QTest::newRow("new memo") << false << "오일 교환 주기 짧음" << "오일 교환 주기 짧음";
    QTest::newRow("changed memo") << true << "고객's 메모" << "고객's 메모";
    QTest::newRow("emptied memo is removed") << true << "" << "-";
    QTest::newRow("nothing typed stores nothing") << false << "" << "-";
}

void TestLedgerStores::memoSaveRules()
{
    QFETCH(bool, hadMemo);
    QFETCH(QString, text);
    QFETCH(QString, stored);
    TestShop shop;
    MemoStore memos(shop.base());
    if (hadMemo)
        QVERIFY(memos.save(7, "예전 메모", false));
    QCOMPARE(memos.load(7).has_value(), hadMemo);
    QVERIFY(memos.save(7, text, hadMemo));
    QCOMPARE(memos.load(7).value_or("-"), stored);
    QCOMPARE(memos.hasMemo(7), stored != "-");
    QCOMPARE(count(shop.base(), "SELECT count(*) FROM 메모장 WHERE 고객코드 = ?", 7), stored == "-" ? 0 : 1);
}

QTEST_MAIN(TestLedgerStores)
#include "tst_ledgerstores.moc"
