#include "DemoShop.h"
#include "ScriptedPrompter.h"
#include "Stores.h"

#include <QTemporaryDir>
#include <QtTest>

// The benchmarks and the demo start trust the generated shop: it must look like a shop the
// program itself could have written.
class TestDemoShop : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void holdsWhatWasAskedFor();
    void summaryAgreesWithTheLines();
    void linesFollowTheLedgerRules();
    void customersAreComplete();
    void refusesAnExistingShop();

private:
    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<Stores> m_stores;
    DemoShop::Result m_result;
};

void TestDemoShop::initTestCase()
{
    DemoShop::Options options;
    options.customers = 300;
    options.lines = 25000;
    options.parts = 150;
    m_result = DemoShop::generate(m_dir.path(), options);
    QVERIFY2(m_result.error.isEmpty(), qPrintable(m_result.error));
    m_stores = std::make_unique<Stores>(DataPaths::fromRoot(m_dir.path()));
    QVERIFY(m_stores->openBase(m_prompter));
    QVERIFY(m_stores->openMaintenance(m_prompter));
    QVERIFY(m_stores->openPostal(m_prompter));
}

void TestDemoShop::holdsWhatWasAskedFor()
{
    Database &base = m_stores->base();
    QCOMPARE(base.scalar("SELECT count(*) FROM 고객").toInt(), 300);
    QCOMPARE(m_stores->maintenance().scalar("SELECT count(*) FROM 정비내역").toInt(), 25000);
    QCOMPARE(base.scalar("SELECT count(*) FROM 정비부품").toInt(), 150);
    QCOMPARE(base.scalar("SELECT count(*) FROM 참조부품").toInt(), 150);
    QCOMPARE(base.scalar("SELECT count(DISTINCT gubun) FROM 기타참조").toInt(), 8);
    QCOMPARE(base.scalar("SELECT count(*) FROM 사용자등록 WHERE 코드 = 9999").toInt(), 1);
    QVERIFY(m_stores->postal().scalar("SELECT count(*) FROM 우편번호").toInt() > 100);
    QCOMPARE(m_stores->maintenance()
                     .scalar("SELECT count(*) FROM 정비내역 WHERE 고객코드 = ?",
                             {m_result.heavyCustomer})
                     .toInt(),
             999);
}

void TestDemoShop::summaryAgreesWithTheLines()
{
    const QVariant disagreeing = m_stores->maintenance().scalar(
            "SELECT count(*) FROM (SELECT 고객코드, sum(금액) a, sum(활인) d, sum(판매금액) s, "
            "sum(입금액) p FROM 정비내역 GROUP BY 고객코드) x "
            "LEFT JOIN 고객미수금 m USING (고객코드) WHERE m.고객코드 IS NULL "
            "OR m.판매금액 <> x.a OR m.할인 <> x.d OR m.받을금액 <> x.s OR m.입금액 <> x.p "
            "OR m.미수금 <> x.s - x.p");
    QCOMPARE(disagreeing.toInt(), 0);
    QVERIFY(m_stores->base().scalar("SELECT count(*) FROM 고객미수금 WHERE 미수금 > 0").toInt() > 0);
}

void TestDemoShop::linesFollowTheLedgerRules()
{
    Database &m = m_stores->maintenance();
    QCOMPARE(m.scalar("SELECT count(*) FROM 정비내역 WHERE 구분 = '1' AND "
                      "(금액 <> 판매단가 * 수량 OR 판매금액 <> 금액 - 활인 OR 입금액 <> 0)")
                     .toInt(),
             0);
    QCOMPARE(m.scalar("SELECT count(*) FROM 정비내역 WHERE 구분 = '2' AND "
                      "(부품명 <> '< 입금 >' OR 금액 <> 0 OR 판매금액 <> 0 OR 입금액 <= 0)")
                     .toInt(),
             0);
    QCOMPARE(m.scalar("SELECT count(*) FROM 정비내역 WHERE 구분 NOT IN ('1', '2') "
                      "OR 상태 <> 'A' OR 통장 <> 0 OR length(정비일자) <> 10 "
                      "OR 정비일자 NOT GLOB '[12][0-9][0-9][0-9].[01][0-9].[0-3][0-9]'")
                     .toInt(),
             0);
    // Keys follow the dates, as when the lines were entered day by day.
    QCOMPARE(m.scalar("SELECT count(*) FROM 정비내역 a JOIN 정비내역 b "
                      "ON b.정비코드 = a.정비코드 + 1 WHERE b.정비일자 < a.정비일자")
                     .toInt(),
             0);
    QVERIFY(m.scalar("SELECT count(*) FROM 정비내역 WHERE 부품명 LIKE '엔진오일%' AND 주행 > 0")
                    .toInt()
            > 0);
    QVERIFY(m.scalar("SELECT count(*) FROM 정비내역 WHERE 활인 > 0").toInt() > 0);
}

void TestDemoShop::customersAreComplete()
{
    Database &base = m_stores->base();
    QCOMPARE(base.scalar("SELECT count(*) FROM 고객 c LEFT JOIN 통장 t ON t.Code = c.고객코드 "
                         "WHERE t.Code IS NULL OR t.line <> 0")
                     .toInt(),
             0);
    QCOMPARE(base.scalar("SELECT count(*) FROM 고객 WHERE 고객명 = '' OR 차량번호 = '' "
                         "OR 보험만기 NOT GLOB '[12][0-9][0-9][0-9].[01][0-9].[0-3][0-9]'")
                     .toInt(),
             0);
    // Vehicle numbers fit the 12 bytes the ledger keeps: two Hangul, two digits, one Hangul,
    // four digits.
    QCOMPARE(base.scalar("SELECT count(*) FROM 고객 WHERE length(차량번호) <> 9").toInt(), 0);
}

void TestDemoShop::refusesAnExistingShop()
{
    const DemoShop::Result again = DemoShop::generate(m_dir.path(), DemoShop::Options());
    QVERIFY(!again.error.isEmpty());
    QCOMPARE(m_stores->base().scalar("SELECT count(*) FROM 고객").toInt(), 300);
}

QTEST_MAIN(TestDemoShop)
#include "tst_demoshop.moc"
