#include "CatalogueFixture.h"
#include "CustomerLookupStore.h"
#include "ListReports.h"
#include "PageModel.h"
#include "PartMaintenanceSetup.h"
#include "ReportPreview.h"
#include "ReportRunner.h"
#include "TestShop.h"

#include <QWidget>
#include <QtTest>

namespace {

QStringList allTexts(const PageModel &model)
{
    QStringList out;
    for (int page = 0; page < model.pages.size(); ++page)
        out << model.texts(page);
    return out;
}

} // namespace

// The print buttons' requests run through the report engine with the shipped templates.
class TestListReports : public QObject
{
    Q_OBJECT
private slots:
    void partLists_data();
    void partLists();
    void customerList_data();
    void customerList();
};

void TestListReports::partLists_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("정비부품") << "catalogue";
    QTest::newRow("부품가격표리스트") << "reference";
}

void TestListReports::partLists()
{
    QFETCH(QString, screen);
    const PartMaintenanceSetup setup = screen == "catalogue" ? PartMaintenanceSetup::catalogue()
                                                             : PartMaintenanceSetup::reference();
    const PartTable other
            = setup.table == PartTable::Catalogue ? PartTable::Reference : PartTable::Catalogue;
    TestShop shop;
    addPart(shop, setup.table, "에어필터", 12000, 7000, "표준규격");
    addPart(shop, setup.table, "O'Neil 필터", 15000, 9000);
    addPart(shop, setup.table, "", 1, 1, "이름없는규격");
    addPart(shop, other, "다른목록", 1, 1);
    QWidget parent;
    ReportRunner runner(shop.context(), &parent);
    QVERIFY(ListReports::run(runner, setup.report));
    const QStringList texts = allTexts(runner.lastPages());
    QVERIFY(texts.contains("에어필터"));
    QVERIFY(texts.contains("O'Neil 필터"));
    QVERIFY(texts.contains("표준규격"));
    // The list leaves out items without a name, and those of the other list.
    QVERIFY(!texts.contains("이름없는규격"));
    QVERIFY(!texts.contains("다른목록"));
    QVERIFY(runner.preview());
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestListReports::customerList_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("printed");
    QTest::addColumn<QStringList>("left");
    QTest::newRow("휴대폰 contains")
            << "휴대폰"
            << "1234" << QStringList {"김영희", "박김철"} << QStringList {"김민수"};
    QTest::newRow("고객명 begins")
            << "고객명"
            << "김" << QStringList {"김민수", "김영희"} << QStringList {"박김철"};
    QTest::newRow("quote") << "고객명"
                           << "O'N" << QStringList {"O'Neil"} << QStringList {"김영희"};
    QTest::newRow("no selection: everybody")
            << "소속회사"
            << "x" << QStringList {"김영희", "박김철", "김민수", "O'Neil"} << QStringList {};
}

void TestListReports::customerList()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, printed);
    QFETCH(QStringList, left);
    TestShop shop;
    addCustomer(shop, "김영희", "서울34가5678", "모닝", "", "010-1234-0000");
    addCustomer(shop, "박김철", "경기56나7890", "K5", "", "011-1234-3400");
    addCustomer(shop, "김민수", "서울12다3456", "그랜저", "", "010-5555-6666");
    addCustomer(shop, "O'Neil", "서울99라9999", "레이", "", "");
    QWidget parent;
    ReportRunner runner(shop.context(), &parent);
    QVERIFY(ListReports::run(runner, CustomerLookupStore::customerReport(kind, text)));
    const QStringList texts = allTexts(runner.lastPages());
    for (const QString &name : printed)
        QVERIFY2(texts.contains(name), qPrintable(name));
    for (const QString &name : left)
        QVERIFY2(!texts.contains(name), qPrintable(name));
}

QTEST_MAIN(TestListReports)
#include "tst_listreports.moc"
