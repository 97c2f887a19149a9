#include "AppContext.h"
#include "CatalogueFixture.h"
#include "FrmPartEdit.h"
#include "FrmPartPick.h"
#include "Grid.h"
#include "Session.h"
#include "TestShop.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

using Col = FrmPartPick::Column;

// The pick-list as the look-up opens it, shown without a modal loop.
struct Pick
{
    explicit Pick(TestShop &shop, const QString &search = QString())
        : shop(shop)
        , window(shop.context())
    {
        shop.session().lookupSearchText = search;
        window.setDialogRunner(script.runner());
        loaded = window.load();
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the pick-list did not become active");
    }
    Grid *grid() const { return window.grid(); }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QString::fromUtf8(name));
    }

    TestShop &shop;
    DialogScript script;
    FrmPartPick window;
    bool loaded = false;
};

// Types the five values into frm부품수정 as a user would and presses the given button.
DialogScript::Step editPart(const QStringList &values, const char *button = "cmdok")
{
    return [values, button](QDialog &dialog) {
        auto *edit = qobject_cast<FrmPartEdit *>(&dialog);
        QVERIFY(edit);
        Grid *g = edit->grid();
        for (int row = 1; row <= 5; ++row) {
            const QString value = values.value(row - 1);
            if (value.isNull())
                continue;
            g->gotoCell(1, row);
            g->setFocus();
            QTest::keyClick(g->view(), Qt::Key_F2);
            QTest::keyClick(gridKeys(g), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(gridKeys(g), Qt::Key_Delete);
            typeText(gridKeys(g), value);
            QTest::keyClick(gridKeys(g), Qt::Key_Return);
        }
        QTest::mouseClick(dialog.findChild<QPushButton *>(QString::fromUtf8(button)),
                          Qt::LeftButton);
    };
}

void addSample(TestShop &shop)
{
    addPart(shop, PartTable::Catalogue, "에어필터", 12000, 7000, "", "EA");
    addPart(shop, PartTable::Catalogue, "엔진오일 교환", 35000, 21000, "4L", "회");
    addPart(shop, PartTable::Catalogue, "엔진오일(합성유) 교환", 65000, 39000, "4L", "회");
    addPart(shop, PartTable::Catalogue, "합성 엔진오일", 70000, 42000);
}

} // namespace

class TestPartPick : public QObject
{
    Q_OBJECT
private slots:
    void listsNamesBeginningWithTheSearch_data();
    void listsNamesBeginningWithTheSearch();
    void pickHandsBackTheRow_data();
    void pickHandsBackTheRow();
    void statementTakesTheNameFromTheSearchText_data();
    void statementTakesTheNameFromTheSearchText();
    void newPartIsStoredAndListedLast();
    void newPartClosedWithoutName_data();
    void newPartClosedWithoutName();
    void changePartStoresTheRow();
    void changeOnRowWithoutItemOpensNothing();
    void editDialogKeys();
    void editDialogKeepsPricesNumbers_data();
    void editDialogKeepsPricesNumbers();
};

void TestPartPick::listsNamesBeginningWithTheSearch_data()
{
    QTest::addColumn<QString>("search");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty: every part by name")
            << ""
            << QStringList {"에어필터", "엔진오일 교환", "엔진오일(합성유) 교환", "합성 엔진오일"};
    QTest::newRow("beginning only")
            << "엔진오일" << QStringList {"엔진오일 교환", "엔진오일(합성유) 교환"};
    QTest::newRow("nothing") << "타이어" << QStringList {};
    QTest::newRow("wildcard is text") << "%" << QStringList {};
}

void TestPartPick::listsNamesBeginningWithTheSearch()
{
    QFETCH(QString, search);
    QFETCH(QStringList, expected);
    TestShop shop;
    addSample(shop);
    addPart(shop, PartTable::Reference, "엔진오일 참조");
    shop.session().partEditBuffer = QStringList {"x", "x", "x", "x", "x"};
    Pick p(shop, search);
    QVERIFY(p.loaded);
    QCOMPARE(p.window.objectName(), QStringLiteral("frm정비부품조회"));
    QCOMPARE(p.window.windowTitle(), QStringLiteral("정비부품조회 ( F2 = 신규, F3 = 수정 ) "));
    QCOMPARE(p.grid()->objectName(), QStringLiteral("vs2"));
    QCOMPARE(p.grid()->text(Col::Spec, 0), QStringLiteral("부품규격"));
    QVERIFY(p.grid()->isColumnHidden(Col::Cost));
    QVERIFY(p.grid()->isColumnHidden(Col::Code));
    QCOMPARE(columnTexts(p.grid(), Col::Name), expected);
    QCOMPARE(shop.session().partEditBuffer, QStringList(5, QString()));
    // Read-only: typing does not change a listed item.
    if (!expected.isEmpty()) {
        typeText(p.grid()->view(), "x");
        QVERIFY(!p.grid()->editMode());
    }
}

void TestPartPick::pickHandsBackTheRow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected"); // "" = no choice
    QTest::newRow("double click") << "double" << 2 << "엔진오일 교환";
    QTest::newRow("enter") << "enter" << 3 << "엔진오일(합성유) 교환";
    QTest::newRow("double click on an empty row") << "double" << 6 << "";
    QTest::newRow("close button") << "close" << 1 << "";
}

void TestPartPick::pickHandsBackTheRow()
{
    QFETCH(QString, how);
    QFETCH(int, row);
    QFETCH(QString, expected);
    TestShop shop;
    addSample(shop);
    shop.session().popupCaller = "1";
    Pick p(shop);
    if (how == "double") {
        doubleClickCell(p.grid(), Col::Name, row);
    } else if (how == "enter") {
        p.grid()->gotoCell(Col::Name, row);
        QTest::keyClick(p.grid()->view(), Qt::Key_Return);
    } else {
        QTest::mouseClick(p.button("cmdexit"), Qt::LeftButton);
    }
    QVERIFY(!p.window.isVisible());
    if (expected.isEmpty()) {
        QVERIFY(!p.window.choice());
        return;
    }
    QVERIFY(p.window.choice());
    const PartChoice choice = *p.window.choice();
    QCOMPARE(choice.name, expected);
    QCOMPARE(choice.price, row == 2 ? 35000 : 65000);
    QCOMPARE(choice.cost, row == 2 ? 21000 : 39000);
    QCOMPARE(choice.spec, QStringLiteral("4L"));
    QCOMPARE(choice.code, p.grid()->text(Col::Code, row).toLongLong());
    // Only the statement reads the search text back.
    QCOMPARE(shop.session().lookupSearchText, QString());
}

void TestPartPick::statementTakesTheNameFromTheSearchText_data()
{
    QTest::addColumn<bool>("choose");
    QTest::newRow("chosen") << true;
    QTest::newRow("closed") << false;
}

void TestPartPick::statementTakesTheNameFromTheSearchText()
{
    QFETCH(bool, choose);
    TestShop shop;
    addSample(shop);
    shop.session().popupCaller = "333";
    Pick p(shop);
    if (choose)
        doubleClickCell(p.grid(), Col::Name, 1);
    else
        QTest::mouseClick(p.button("cmdexit"), Qt::LeftButton);
    QCOMPARE(shop.session().lookupSearchText, choose ? QStringLiteral("에어필터") : QString());
}

void TestPartPick::newPartIsStoredAndListedLast()
{
    TestShop shop;
    addSample(shop);
    Pick p(shop, "엔진");
    p.script.then(editPart({"O'Neil 필터", "", "EA", "15,000", "9000"}));
    p.grid()->setFocus();
    QTest::keyClick(p.grid()->view(), Qt::Key_F2);

    QCOMPARE(p.script.opened(), QStringList {"frm부품수정"});
    QCOMPARE(p.script.captions(), QStringList {"신규부품을 등록하세요"});
    const QStringList stored = partNames(shop, PartTable::Catalogue);
    QCOMPARE(stored.last(), QStringLiteral("O'Neil 필터"));
    const PartRecord part = PartStore(shop.base(), PartTable::Catalogue).list()->first();
    QCOMPARE(part.name, QStringLiteral("O'Neil 필터"));
    QCOMPARE(part.unit, QStringLiteral("EA"));
    QCOMPARE(part.price, 15000);
    QCOMPARE(part.cost, 9000);
    // The whole catalogue in the order of entry, the new part active.
    QCOMPARE(columnTexts(p.grid(), Col::Name), stored);
    QCOMPARE(QPoint(p.grid()->activeCol(), p.grid()->activeRow()), QPoint(Col::Name, 5));
    QVERIFY(p.window.isVisible());
}

void TestPartPick::newPartClosedWithoutName_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    QTest::newRow("닫기") << "cmdexit"
                          << "타이어";
    QTest::newRow("확인 without a name") << "cmdok"
                                         << "";
}

void TestPartPick::newPartClosedWithoutName()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    TestShop shop;
    addSample(shop);
    Pick p(shop);
    p.script.then(editPart({name, "", "", "1000", ""}, button == "cmdok" ? "cmdok" : "cmdexit"));
    QTest::mouseClick(p.button("cmdok"), Qt::LeftButton);
    QCOMPARE(p.script.opened(), QStringList {"frm부품수정"});
    QCOMPARE(partNames(shop, PartTable::Catalogue).size(), 4);
    if (button == "cmdexit")
        QCOMPARE(shop.session().partEditBuffer, QStringList(5, QString()));
}

void TestPartPick::changePartStoresTheRow()
{
    TestShop shop;
    addSample(shop);
    Pick p(shop);
    QStringList shown;
    p.script.then([&](QDialog &dialog) {
        shown = qobject_cast<FrmPartEdit *>(&dialog)->values();
        editPart({"가 엔진오일 교환", QString(), QString(), "36000", QString()})(dialog);
    });
    p.grid()->gotoCell(Col::Name, 2);
    p.grid()->setFocus();
    QTest::keyClick(p.grid()->view(), Qt::Key_F3);

    QCOMPARE(p.script.captions(), QStringList {"부품을 수정하세요"});
    QCOMPARE(shown, (QStringList {"엔진오일 교환", "4L", "회", "35,000", "21,000"}));
    const qint64 code = p.grid()->text(Col::Code, 2).toLongLong();
    const PartRecord part = *PartStore(shop.base(), PartTable::Catalogue).load(code);
    QCOMPARE(part.name, QStringLiteral("가 엔진오일 교환"));
    QCOMPARE(part.spec, QStringLiteral("4L"));
    QCOMPARE(part.price, 36000);
    QCOMPARE(part.cost, 21000);
    // The row shows the change where it was; the list is not sorted again.
    QCOMPARE(p.grid()->text(Col::Name, 2), QStringLiteral("가 엔진오일 교환"));
    QCOMPARE(p.grid()->text(Col::Price, 2), QStringLiteral("36000"));
    QCOMPARE(p.grid()->text(Col::Name, 1), QStringLiteral("에어필터"));
    QCOMPARE(partNames(shop, PartTable::Catalogue).size(), 4);
}

void TestPartPick::changeOnRowWithoutItemOpensNothing()
{
    TestShop shop;
    addSample(shop);
    Pick p(shop);
    p.grid()->gotoCell(Col::Name, 7);
    QTest::mouseClick(p.button("cmde"), Qt::LeftButton);
    QVERIFY(p.script.opened().isEmpty());
}

void TestPartPick::editDialogKeys()
{
    TestShop shop;
    FrmPartEdit edit(shop.context());
    edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    QCOMPARE(edit.objectName(), QStringLiteral("frm부품수정"));
    Grid *g = edit.grid();
    QCOMPARE(g->activeRow(), 1);
    for (int row = 2; row <= 5; ++row) {
        QTest::keyClick(gridKeys(g), Qt::Key_Return);
        QCOMPARE(g->activeRow(), row);
    }
    QTest::keyClick(gridKeys(g), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), edit.findChild<QPushButton *>("cmdok"));
    // The unit holds four characters.
    g->gotoCell(1, 3);
    g->setFocus();
    typeText(g->view(), "ABCDEF");
    QTest::keyClick(gridKeys(g), Qt::Key_Return);
    QCOMPARE(g->text(1, 3), QStringLiteral("ABCD"));
    QTest::mouseClick(edit.findChild<QPushButton *>("cmdok"), Qt::LeftButton);
    QCOMPARE(shop.session().partEditBuffer, (QStringList {"", "", "ABCD", "", ""}));
}

void TestPartPick::editDialogKeepsPricesNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<int>("beeps");
    QTest::newRow("number") << "35000"
                            << "35,000" << 0;
    QTest::newRow("with separators") << "1,200"
                                     << "1,200" << 0;
    QTest::newRow("negative") << "-500"
                              << "-500" << 0;
    QTest::newRow("no number") << "만원"
                               << "7,000" << 1;
}

void TestPartPick::editDialogKeepsPricesNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(int, beeps);
    TestShop shop;
    FrmPartEdit edit(shop.context());
    edit.setValues({"와이퍼", "", "EA", "7000", "4000"});
    edit.show();
    QVERIFY(QTest::qWaitForWindowActive(&edit));
    Grid *g = edit.grid();
    QCOMPARE(g->text(1, 4), QStringLiteral("7,000"));
    g->gotoCell(1, 4);
    g->setFocus();
    typeText(g->view(), typed);
    QTest::keyClick(gridKeys(g), Qt::Key_Return);
    QCOMPARE(g->text(1, 4), kept);
    QCOMPARE(shop.prompter().beeps(), beeps);
}

QTEST_MAIN(TestPartPick)
#include "tst_partpick.moc"
