#include "Cursor.h"
#include "DataAccess.h"
#include "LikePattern.h"
#include "TestShop.h"
#include "TextUtil.h"
#include "Transaction.h"

#include <QtTest>

class TestDatabase : public QObject
{
    Q_OBJECT
private slots:
    void openTblMissingTableShowsQueryMessage();
    void openTblOnClosedStoreShowsMdbMessage();
    void openQueryBadStatementTitles();
    void openMdbMissingFileShowsError();
    void showMsgEmptyTitleIsApplicationTitle();
    void addFieldExistingColumnInOtherCase();
    void addFieldTextSizeOneAcceptsEmpty();
    void addFieldMissingTable();
    void textValuesRoundTrip_data();
    void textValuesRoundTrip();
    void countersAreNeverReused();
    void transactionCommitAndRollback();
    void nestedTransactionsRollBackInner();
    void likePatternsMatchTypedTextLiterally_data();
    void likePatternsMatchTypedTextLiterally();
    void maintenanceStoreJoinsBaseTables();
};

void TestDatabase::openTblMissingTableShowsQueryMessage()
{
    TestShop shop;
    Cursor c;
    QVERIFY(!OpenTbl(shop.prompter(), shop.base(), c, QStringLiteral("없는테이블")));
    QCOMPARE(shop.prompter().shown().size(), 1);
    const auto shown = shop.prompter().shown().first();
    QCOMPARE(shown.title, QStringLiteral("Query"));
    QCOMPARE(shown.text.section(QLatin1Char('\n'), 1), QStringLiteral("없는테이블"));
    QCOMPARE(shown.text.section(QLatin1Char('\n'), 0, 0),
             QStringLiteral("Jet Data Base Engine의 식을 확인하세요."));
    QCOMPARE(shop.prompter().beeps(), 1);
}

void TestDatabase::openTblOnClosedStoreShowsMdbMessage()
{
    TestShop shop(true, false);
    Cursor c;
    QVERIFY(!OpenTbl(shop.prompter(), shop.base(), c, QStringLiteral("고객")));
    QCOMPARE(shop.prompter().shown().first().title, QStringLiteral("MDB 오류"));
    QCOMPARE(shop.prompter().shown().first().text,
             QStringLiteral("Data Base MDB가 선언되지 않았습니다.\n고객"));
}

void TestDatabase::openQueryBadStatementTitles()
{
    TestShop shop;
    Cursor c;
    QVERIFY(!OpenQuery(shop.prompter(), shop.base(), c, QStringLiteral("select nothing from 고객")));
    QCOMPARE(shop.prompter().shown().last().title, QStringLiteral("Query"));
    QVERIFY(OpenQuery(shop.prompter(), shop.base(), c,
                      QStringLiteral("select count(*) from 고객 where 고객명 = ?"),
                      {QStringLiteral("x")}));
    QCOMPARE(c.recordCount(), 1);
    QCOMPARE(c.value(0).toInt(), 0);
}

void TestDatabase::openMdbMissingFileShowsError()
{
    TestShop shop(false, false);
    Database db(QStringLiteral("missing"));
    QVERIFY(!OpenMdb(shop.prompter(), db, shop.root() + QStringLiteral("/DBS/없음.db")));
    QCOMPARE(shop.prompter().shown().first().title, QStringLiteral("Error"));
    QVERIFY(!QFile::exists(shop.root() + QStringLiteral("/DBS/없음.db")));
}

void TestDatabase::showMsgEmptyTitleIsApplicationTitle()
{
    TestShop shop;
    ShowMsg(shop.prompter(), QStringLiteral("안내"));
    QCOMPARE(shop.prompter().shown().first().title, QStringLiteral("Torvik"));
    QCOMPARE(shop.prompter().shown().first().icon, MsgIcon::None);
}

void TestDatabase::addFieldExistingColumnInOtherCase()
{
    TestShop shop;
    Database &db = shop.base();
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE t (Name TEXT DEFAULT '', n INTEGER)")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO t (Name, n) VALUES ('a', 5)")));
    QVERIFY(!DAO_AddField(shop.prompter(), db, QStringLiteral("t"), QStringLiteral("NAME"),
                          FieldType::Text, 20, true, QStringLiteral("UPDATE t SET n = 0")));
    QCOMPARE(db.columns(QStringLiteral("t")), QStringList({"Name", "n"}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT n FROM t")).toInt(), 5); // follow-up not run
    QVERIFY(shop.prompter().shown().isEmpty());

    // A new column runs its follow-up once.
    QVERIFY(DAO_AddField(shop.prompter(), db, QStringLiteral("t"), QStringLiteral("flag"),
                         FieldType::Long, 0, false, QStringLiteral("UPDATE t SET n = 0")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT n FROM t")).toInt(), 0);
    QCOMPARE(db.scalar(QStringLiteral("SELECT flag FROM t")).toInt(), 0);
}

void TestDatabase::addFieldTextSizeOneAcceptsEmpty()
{
    TestShop shop;
    Database &db = shop.base();
    QVERIFY(db.exec(QStringLiteral("CREATE TABLE t (a INTEGER)")));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO t (a) VALUES (1)")));
    QVERIFY(DAO_AddField(shop.prompter(), db, QStringLiteral("t"), QStringLiteral("s"),
                         FieldType::Text, 1, true));
    auto q = db.query(QStringLiteral("SELECT type FROM pragma_table_info('t') WHERE name = 's'"));
    QVERIFY(q && q->next());
    QCOMPARE(q->value(0).toString(), QStringLiteral("TEXT(1)"));
    QVERIFY(db.exec(QStringLiteral("INSERT INTO t (a, s) VALUES (2, ?)"), {QString("")}));
    QCOMPARE(db.scalar(QStringLiteral("SELECT s FROM t WHERE a = 2")).toString(), QString());
    QVERIFY(!db.scalar(QStringLiteral("SELECT s FROM t WHERE a = 2")).isNull());
    QCOMPARE(db.scalar(QStringLiteral("SELECT s FROM t WHERE a = 1")).toString(), QString());
}

void TestDatabase::addFieldMissingTable()
{
    TestShop shop;
    QVERIFY(!DAO_AddField(shop.prompter(), shop.base(), QStringLiteral("없음"),
                          QStringLiteral("c"), FieldType::Long, 0, false,
                          QStringLiteral("UPDATE 없음 SET c = 0")));
    QCOMPARE(shop.prompter().shown().size(), 1);
    QVERIFY(shop.prompter().shown().first().text.startsWith(QStringLiteral("Error ")));
    QVERIFY(shop.prompter().shown().first().text.contains(
            QStringLiteral("in procedure DAO_AddField of Module mdlCommonHV\n"
                           "[TABLE]: 없음,    [FIELD]: c")));
}

void TestDatabase::textValuesRoundTrip_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("quote") << QStringLiteral("O'Brien's 차");
    QTest::newRow("sql") << QStringLiteral("' or ''='");
    QTest::newRow("hangul") << QStringLiteral("홍길동 12가3456");
    QTest::newRow("wildcards") << QStringLiteral("100% *할인* _x_");
    QTest::newRow("empty") << QString("");
    QTest::newRow("double quote and backslash") << QStringLiteral("\"엔진\\오일\"");
}

void TestDatabase::textValuesRoundTrip()
{
    QFETCH(QString, value);
    TestShop shop;
    const qint64 code = shop.addCustomer(value, value);
    Cursor c;
    QVERIFY(OpenQuery(shop.prompter(), shop.base(), c,
                      QStringLiteral("select 고객명, 차량번호, 기타사항 from 고객 where 고객코드 = ?"),
                      {code}));
    QCOMPARE(c.recordCount(), 1);
    QCOMPARE(c.text(QStringLiteral("고객명")), value);
    QCOMPARE(c.text(QStringLiteral("차량번호")), value);
    // A column nobody wrote holds '' rather than Null.
    QVERIFY(!c.value(QStringLiteral("기타사항")).isNull());
    QCOMPARE(c.text(QStringLiteral("기타사항")), QString());
}

void TestDatabase::countersAreNeverReused()
{
    TestShop shop;
    const qint64 first = shop.addCustomer(QStringLiteral("가"), QStringLiteral("1"));
    const qint64 second = shop.addCustomer(QStringLiteral("나"), QStringLiteral("2"));
    QCOMPARE(second, first + 1);
    QVERIFY(shop.base().exec(QStringLiteral("DELETE FROM 고객 WHERE 고객코드 = ?"), {second}));
    const qint64 third = shop.addCustomer(QStringLiteral("다"), QStringLiteral("3"));
    QVERIFY(third > second);

    Database &m = shop.maintenance();
    QVERIFY(m.exec(QStringLiteral("INSERT INTO 정비내역 (고객코드, 부품명) VALUES (?, ?)"),
                   {first, QStringLiteral("엔진오일")}));
    const qint64 line = m.lastInsertId();
    QVERIFY(line > 0);
    QCOMPARE(m.scalar(QStringLiteral("SELECT 상태 FROM 정비내역 WHERE 정비코드 = ?"), {line})
                     .toString(),
             QStringLiteral("A"));
}

void TestDatabase::transactionCommitAndRollback()
{
    TestShop shop;
    Database &db = shop.base();
    {
        Transaction t(db);
        QVERIFY(t.isActive());
        shop.addCustomer(QStringLiteral("남김"), QStringLiteral("1"));
        QVERIFY(t.commit());
    }
    {
        Transaction t(db);
        shop.addCustomer(QStringLiteral("버림"), QStringLiteral("2"));
        QVERIFY(!db.exec(QStringLiteral("INSERT INTO 없는표 VALUES (1)")));
        // leaving the scope without commit takes the insert back
    }
    QVERIFY(db.lastError().contains(QStringLiteral("없는표")));
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(고객명) FROM 고객")).toString(),
             QStringLiteral("남김"));
}

void TestDatabase::nestedTransactionsRollBackInner()
{
    TestShop shop;
    Database &db = shop.base();
    {
        Transaction outer(db);
        shop.addCustomer(QStringLiteral("밖"), QStringLiteral("1"));
        {
            Transaction inner(db);
            QVERIFY(inner.isActive());
            shop.addCustomer(QStringLiteral("안"), QStringLiteral("2"));
        }
        QVERIFY(outer.commit());
    }
    QCOMPARE(db.scalar(QStringLiteral("SELECT group_concat(고객명) FROM 고객")).toString(),
             QStringLiteral("밖"));
    // A new outer guard starts a real transaction again.
    Transaction again(db);
    QVERIFY(again.isActive());
    QVERIFY(again.commit());
}

void TestDatabase::likePatternsMatchTypedTextLiterally_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("begins");
    QTest::addColumn<QString>("expected");
    QTest::newRow("prefix") << QStringLiteral("엔진") << true << QStringLiteral("엔진오일,엔진오일 교환");
    QTest::newRow("prefix misses inside") << QStringLiteral("오일") << true << QString();
    QTest::newRow("contains") << QStringLiteral("오일") << false
                              << QStringLiteral("미션오일,엔진오일,엔진오일 교환");
    QTest::newRow("percent is data") << QStringLiteral("100%") << true << QStringLiteral("100% 합성유");
    QTest::newRow("underscore is data") << QStringLiteral("a_b") << false << QStringLiteral("a_b 필터");
    QTest::newRow("star is data") << QStringLiteral("*") << false << QStringLiteral("특*가");
    QTest::newRow("quote is data") << QStringLiteral("O'") << true << QStringLiteral("O'ring");
    QTest::newRow("backslash") << QStringLiteral("\\") << false << QStringLiteral("역\\슬래시");
    QTest::newRow("empty begins matches all") << QString() << true
                                              << QStringLiteral("100% 합성유,O'ring,a_b 필터,axb 필터,"
                                                                "미션오일,엔진오일,엔진오일 교환,"
                                                                "역\\슬래시,특*가");
}

void TestDatabase::likePatternsMatchTypedTextLiterally()
{
    QFETCH(QString, typed);
    QFETCH(bool, begins);
    QFETCH(QString, expected);
    TestShop shop;
    Database &db = shop.base();
    for (const QString &name :
         {QStringLiteral("엔진오일"), QStringLiteral("엔진오일 교환"), QStringLiteral("미션오일"),
          QStringLiteral("100% 합성유"), QStringLiteral("a_b 필터"), QStringLiteral("axb 필터"),
          QStringLiteral("특*가"), QStringLiteral("O'ring"), QStringLiteral("역\\슬래시")}) {
        QVERIFY(db.exec(QStringLiteral("INSERT INTO 정비부품 (부품명) VALUES (?)"), {name}));
    }
    const QString pattern = begins ? LikePattern::beginsWith(typed) : LikePattern::contains(typed);
    const QVariant found = db.scalar(
            QStringLiteral("SELECT group_concat(부품명, ',') FROM (SELECT 부품명 FROM 정비부품 "
                           "WHERE 부품명") + LikePattern::likeClause()
                    + QStringLiteral(" ORDER BY 부품명)"),
            {pattern});
    QCOMPARE(NullToStr(found), expected);
}

void TestDatabase::maintenanceStoreJoinsBaseTables()
{
    TestShop shop;
    const qint64 code = shop.addCustomer(QStringLiteral("홍길동"), QStringLiteral("서울12가3456"));
    QVERIFY(shop.base().exec(QStringLiteral("INSERT INTO 고객미수금 (고객코드, 미수금) VALUES (?, 5000)"),
                             {code}));
    Database &m = shop.maintenance();
    QVERIFY(m.exec(QStringLiteral("INSERT INTO 정비내역 (고객코드, 정비일자, 부품명, 판매금액) "
                                  "VALUES (?, '2005.12.31', '엔진오일', 30000)"),
                   {code}));
    Cursor c;
    QVERIFY(OpenQuery(shop.prompter(), m, c,
                      QStringLiteral("SELECT 고객.고객명, 고객미수금.미수금, 정비내역.판매금액 "
                                     "FROM 정비내역 LEFT JOIN 고객 ON 고객.고객코드 = 정비내역.고객코드 "
                                     "LEFT JOIN 고객미수금 ON 고객미수금.고객코드 = 고객.고객코드")));
    QCOMPARE(c.recordCount(), 1);
    QCOMPARE(c.text(QStringLiteral("고객명")), QStringLiteral("홍길동"));
    QCOMPARE(c.value(QStringLiteral("미수금")).toLongLong(), 5000);
    QCOMPARE(c.value(QStringLiteral("판매금액")).toLongLong(), 30000);
}

QTEST_MAIN(TestDatabase)
#include "tst_database.moc"
