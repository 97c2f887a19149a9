#include "Cursor.h"
#include "DataAccess.h"
#include "Schema.h"
#include "TestShop.h"
#include "TextUtil.h"

#include <QSqlRecord>

#include <QtTest>

namespace {

// What a store holds: its table definitions and the rows of the given tables.
QString dump(Database &db, const QStringList &tables)
{
    QString out;
    auto q = db.query(QStringLiteral("SELECT type, name, sql FROM sqlite_master "
                                     "ORDER BY type, name"));
    while (q && q->next())
        out += q->value(0).toString() + q->value(1).toString() + q->value(2).toString() + '\n';
    for (const QString &table : tables) {
        auto rows = db.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        while (rows && rows->next()) {
            for (int i = 0; i < rows->record().count(); ++i)
                out += rows->value(i).toString() + '|';
            out += '\n';
        }
    }
    return out;
}

// A base store as older versions of the program left it: no 정비업등록번호, 통장 or 메모장.
void makeOlderBase(Database &db)
{
    const QStringList sql = {
        "DROP TABLE 통장", "DROP TABLE 메모장",
        "CREATE TABLE 사용자등록_old (코드 INTEGER, 사용자명 TEXT, 사업자번호 TEXT, 대표자명 TEXT, "
        "업태 TEXT, 업종 TEXT, 전화번호 TEXT, 팩스번호 TEXT, 우편번호 TEXT, 주소 TEXT)",
        "DROP TABLE 사용자등록", "ALTER TABLE 사용자등록_old RENAME TO 사용자등록",
        "INSERT INTO 사용자등록 VALUES (9999, '한빛카센터', '123-45-67890', '김대표', '서비스', "
        "'정비', '02-123-4567', '', '123-456', '서울시')",
    };
    for (const QString &s : sql)
        QVERIFY2(db.exec(s), qPrintable(db.lastError()));
}

void runBaseSteps(TestShop &shop)
{
    Schema::addRegistrationNumber(shop.prompter(), shop.base());
    QVERIFY(Schema::ensureBankbookTable(shop.base()));
    Schema::fillBankbookRows(shop.prompter(), shop.base());
    QVERIFY(Schema::ensureMemoTable(shop.base()));
    QVERIFY(Schema::ensureBaseIndexes(shop.base()));
}

} // namespace

class TestSchema : public QObject
{
    Q_OBJECT
private slots:
    void newStoresHaveEveryTable_data();
    void newStoresHaveEveryTable();
    void bankbookIndexIsNamedPK();
    void olderBaseIsCompleteAfterOneStartAndUnchangedAfterTwo();
    void bankbookFillRule_data();
    void bankbookFillRule();
    void olderMaintenanceStoreGetsFlagColumns();
    void failedCreationLeavesNoStore();
};

void TestSchema::newStoresHaveEveryTable_data()
{
    QTest::addColumn<int>("store"); // 0 base, 1 maintenance, 2 postal
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("고객") << 0 << "고객"
                        << QStringList{"고객코드", "고객명", "차량번호", "차량명", "차량색상",
                                       "차량년식", "보험회사", "보험만기", "검사만기", "자택전화",
                                       "직장전화", "휴대폰", "삐삐", "소속회사", "주민번호",
                                       "등록일자", "우편번호", "주소", "기타사항"};
    QTest::newRow("고객미수금") << 0 << "고객미수금"
                           << QStringList{"고객코드", "판매금액", "할인", "받을금액", "입금액", "미수금"};
    for (const char *t : {"정비부품", "참조부품"}) {
        QTest::newRow(t) << 0 << QString::fromUtf8(t)
                         << QStringList{"부품코드", "부품명", "규격", "단위", "판매단가", "매입단가"};
    }
    QTest::newRow("기타참조") << 0 << "기타참조" << QStringList{"id", "name", "gubun"};
    QTest::newRow("통장") << 0 << "통장" << QStringList{"Code", "line"};
    QTest::newRow("사용자등록") << 0 << "사용자등록"
                           << QStringList{"코드", "사용자명", "정비업등록번호", "사업자번호",
                                          "대표자명", "업태", "업종", "전화번호", "팩스번호",
                                          "우편번호", "주소"};
    QTest::newRow("암호관리") << 0 << "암호관리" << QStringList{"계정", "암호"};
    QTest::newRow("메모장") << 0 << "메모장" << QStringList{"고객코드", "메모"};
    QTest::newRow("안내장") << 0 << "안내장" << QStringList{"코드", "안내장내역"};
    QTest::newRow("견적서") << 0 << "견적서"
                         << QStringList{"부품명", "규격", "단위", "단가", "수량", "금액", "비고"};
    QTest::newRow("정비내역") << 1 << "정비내역"
                          << QStringList{"정비코드", "정비일자", "구분", "고객코드", "부품코드",
                                         "부품명", "규격", "판매단가", "수량", "금액", "활인",
                                         "판매금액", "입금액", "주행", "정비담당", "통장", "상태"};
    QTest::newRow("우편번호") << 2 << "우편번호"
                          << QStringList{"우편번호", "시도", "구군", "동면", "번지"};
}

void TestSchema::newStoresHaveEveryTable()
{
    QFETCH(int, store);
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    TestShop shop;
    Database &db = store == 0 ? shop.base() : store == 1 ? shop.maintenance() : shop.stores().postal();
    QCOMPARE(db.columns(table), columns);
}

void TestSchema::bankbookIndexIsNamedPK()
{
    TestShop shop;
    QCOMPARE(shop.base()
                     .scalar(QStringLiteral("SELECT tbl_name FROM sqlite_master "
                                            "WHERE type = 'index' AND name = 'PK'"))
                     .toString(),
             QStringLiteral("통장"));
    // An ordinary index: two rows of one customer are allowed.
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 통장 VALUES (1, 0), (1, 3)")));
}

void TestSchema::olderBaseIsCompleteAfterOneStartAndUnchangedAfterTwo()
{
    TestShop shop;
    makeOlderBase(shop.base());
    for (const char *name : {"갑", "을"})
        QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 고객 (고객명) VALUES (?)"),
                                 {QString::fromUtf8(name)}));

    runBaseSteps(shop);
    QVERIFY(shop.prompter().shown().isEmpty());
    QVERIFY(shop.base().columns(QStringLiteral("사용자등록")).contains(QStringLiteral("정비업등록번호")));
    QCOMPARE(shop.base().scalar(QStringLiteral("SELECT 정비업등록번호 FROM 사용자등록")).toString(),
             QString());
    QVERIFY(!shop.base().scalar(QStringLiteral("SELECT 정비업등록번호 FROM 사용자등록")).isNull());
    QVERIFY(shop.base().hasTable(QStringLiteral("메모장")));
    QCOMPARE(shop.base().scalar(QStringLiteral("SELECT group_concat(Code || ':' || line) FROM 통장"))
                     .toString(),
             QStringLiteral("1:0,2:0"));

    const QStringList tables = {"사용자등록", "통장", "메모장", "고객"};
    const QString once = dump(shop.base(), tables);
    runBaseSteps(shop);
    QCOMPARE(dump(shop.base(), tables), once);
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestSchema::bankbookFillRule_data()
{
    QTest::addColumn<int>("customers");
    QTest::addColumn<QString>("existing"); // 통장 rows before, "code:line,..."
    QTest::addColumn<QString>("expected");
    QTest::newRow("no customers") << 0 << QString() << QString();
    QTest::newRow("every customer, line 0") << 3 << QString() << QStringLiteral("1:0,2:0,3:0");
    QTest::newRow("one row stops the fill") << 3 << QStringLiteral("2:7") << QStringLiteral("2:7");
    QTest::newRow("a row of nobody also stops it") << 2 << QStringLiteral("99:1")
                                                   << QStringLiteral("99:1");
}

void TestSchema::bankbookFillRule()
{
    QFETCH(int, customers);
    QFETCH(QString, existing);
    QFETCH(QString, expected);
    TestShop shop;
    for (int i = 0; i < customers; ++i)
        QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 고객 (고객명) VALUES ('x')")));
    for (const QString &row : existing.split(',', Qt::SkipEmptyParts)) {
        QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 통장 VALUES (?, ?)"),
                                 {row.section(':', 0, 0).toInt(), row.section(':', 1).toInt()}));
    }
    Schema::fillBankbookRows(shop.prompter(), shop.base());
    Schema::fillBankbookRows(shop.prompter(), shop.base());
    QCOMPARE(NullToStr(shop.base().scalar(QStringLiteral(
                     "SELECT group_concat(Code || ':' || line) FROM (SELECT * FROM 통장 ORDER BY rowid)"))),
             expected);
}

void TestSchema::olderMaintenanceStoreGetsFlagColumns()
{
    TestShop shop;
    Database &m = shop.maintenance();
    QVERIFY(m.exec(QStringLiteral("DROP TABLE 정비내역")));
    QVERIFY(m.exec(QStringLiteral("CREATE TABLE 정비내역 (정비코드 INTEGER PRIMARY KEY AUTOINCREMENT, "
                                  "정비일자 TEXT, 구분 TEXT, 고객코드 INTEGER, 부품명 TEXT, "
                                  "판매금액 INTEGER, 입금액 INTEGER)")));
    QVERIFY(m.exec(QStringLiteral("INSERT INTO 정비내역 (정비일자, 구분, 고객코드, 부품명, 판매금액) "
                                  "VALUES ('2005.01.02', '1', 1, '엔진오일', 30000), "
                                  "('2005.01.03', '2', 1, '< 입금 >', 0)")));
    Schema::upgradeMaintenance(shop.prompter(), m);
    QCOMPARE(m.scalar(QStringLiteral("SELECT group_concat(통장 || 상태) FROM 정비내역")).toString(),
             QStringLiteral("0A,0A"));
    const QString once = dump(m, {"정비내역"});
    Schema::upgradeMaintenance(shop.prompter(), m);
    QCOMPARE(dump(m, {"정비내역"}), once);
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestSchema::failedCreationLeavesNoStore()
{
    TestShop shop(false, false);
    // A file where the DBS folder should be makes the first start fail cleanly.
    QFile blocker(shop.root() + QStringLiteral("/DBS"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    QVERIFY(!shop.stores().createMissing(&error));
    QVERIFY(!error.isEmpty());
}

QTEST_MAIN(TestSchema)
#include "tst_schema.moc"
