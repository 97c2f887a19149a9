#include "CatalogueFixture.h"
#include "CatalogueLookups.h"
#include "CustomerStore.h"
#include "FrmLedger.h"
#include "Grid.h"
#include "LedgerFields.h"
#include "Session.h"
#include "TestShop.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

namespace {

using G = LedgerGrid;

DialogScript::Step pickRow(const char *grid, int row, QStringList *listed)
{
    return [grid, row, listed](QDialog &dialog) {
        Grid *g = Grid::of(dialog.findChild<QTableView *>(QString::fromUtf8(grid)));
        QVERIFY(g);
        *listed = columnTexts(g, 1);
        doubleClickCell(g, 1, row);
    };
}

} // namespace

// The ledger screen with the real look-up windows: what it hands over and what comes back.
class TestLedgerLookups : public QObject
{
    Q_OBJECT
private slots:
    void ledgerTakesTheChoices();
};

void TestLedgerLookups::ledgerTakesTheChoices()
{
    TestShop shop;
    CatalogueLookups lookups;
    DialogScript script;
    lookups.setDialogRunner(script.runner());
    shop.context().lookups = &lookups;
    addPart(shop, PartTable::Catalogue, "에어필터", 12000);
    addPart(shop, PartTable::Catalogue, "에어컨필터", 15000);
    addPart(shop, PartTable::Catalogue, "세차", 10000);
    addCode(shop, "정비담당", "박반장");
    addCode(shop, "정비담당", "박기사");
    CustomerRecord record;
    record[CustomerRecord::Name] = "홍길동";
    record[CustomerRecord::VehicleRegion] = "서울";
    record[CustomerRecord::VehicleNumber] = "12가3456";
    const qint64 code = CustomerStore(shop.stores()).insert(record);
    record[CustomerRecord::Name] = "김철수";
    record[CustomerRecord::VehicleNumber] = "34나5678";
    CustomerStore(shop.stores()).insert(record);

    FrmLedger ledger(shop.context());
    ledger.setMemoWindow([](AppContext &, QWidget *) {});
    ledger.show();
    QVERIFY(QTest::qWaitForWindowActive(&ledger));

    // An empty search word: the customer look-up on every vehicle, by number.
    QStringList listed;
    script.then(pickRow("vs1", 1, &listed));
    ledger.findChild<QComboBox *>("cbo1")->setCurrentIndex(0);
    auto *word = ledger.findChild<QLineEdit *>("Text2");
    word->setFocus();
    word->clear();
    QTest::keyClick(word, Qt::Key_Return);
    QCOMPARE(script.opened(), QStringList {"frm고객조회"});
    QCOMPARE(listed, (QStringList {"홍길동", "김철수"}));
    QCOMPARE(shop.session().curCustomerCode, code);
    QCOMPARE(ledger.fields()->field(CustomerRecord::Name)->text(), QStringLiteral("홍길동"));

    // Two parts begin with the typed text: the pick-list shows them by name.
    Grid *lines = ledger.lines()->grid();
    lines->setFocus();
    QTRY_COMPARE(lines->activeCol(), int(G::Text));
    script.then(pickRow("vs2", 2, &listed));
    typeText(QApplication::focusWidget(), "에어");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(script.opened().last(), QStringLiteral("frm정비부품조회"));
    QCOMPARE(listed, (QStringList {"에어컨필터", "에어필터"}));
    QCOMPARE(lines->text(G::Text, 1), QStringLiteral("에어필터"));
    QCOMPARE(lines->text(G::Price, 1), QStringLiteral("12000"));

    // Two mechanics begin with 박: the code pick-list of 정비담당.
    lines->gotoCell(G::Mechanic, 1);
    lines->setFocus();
    script.then(pickRow("vs1", 1, &listed));
    typeText(QApplication::focusWidget(), "박");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    QCOMPARE(script.opened().last(), QStringLiteral("frm기타자료조회"));
    QCOMPARE(listed, (QStringList {"박기사", "박반장"}));
    QCOMPARE(lines->text(G::Mechanic, 1), QStringLiteral("박기사"));
    QCOMPARE(script.stepsLeft(), 0);
}

QTEST_MAIN(TestLedgerLookups)
#include "tst_ledgerlookups.moc"
