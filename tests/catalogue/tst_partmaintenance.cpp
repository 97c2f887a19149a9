#include "AppContext.h"
#include "CatalogueFixture.h"
#include "FrmPartMaintenance.h"
#include "Grid.h"
#include "GridStyle.h"
#include "PartStore.h"
#include "TestShop.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {

using Col = FrmPartMaintenance::Column;

PartMaintenanceSetup setupNamed(const QString &name)
{
    return name == QLatin1String("catalogue") ? PartMaintenanceSetup::catalogue()
                                              : PartMaintenanceSetup::reference();
}

// The screen on its own, shown and active, as the menu opens it.
struct Screen
{
    Screen(TestShop &shop, const PartMaintenanceSetup &setup)
        : shop(shop)
        , window(shop.context(), setup)
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the screen did not become active");
    }
    Grid *grid() const { return window.grid(); }
    QPushButton *button(const char *name) const
    {
        return window.findChild<QPushButton *>(QString::fromUtf8(name));
    }
    // Column of the selling and of the purchase price in this screen.
    int priceCol() const { return window.setup().costFirst ? Col::SecondPrice : Col::FirstPrice; }
    int costCol() const { return window.setup().costFirst ? Col::FirstPrice : Col::SecondPrice; }
    std::optional<PartRecord> stored(qint64 code) const
    {
        return PartStore(shop.base(), window.setup().table).load(code);
    }

    TestShop &shop;
    FrmPartMaintenance window;
};

// Answers like ScriptedPrompter and lets a test look at the screen while a question is open.
class PeekingPrompter : public ScriptedPrompter
{
public:
    std::function<void()> onQuestion;
    bool question(const QString &text, const QString &title, bool defaultYes) override
    {
        if (onQuestion)
            onQuestion();
        return ScriptedPrompter::question(text, title, defaultYes);
    }
};

void bothScreens()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("frm부품등록") << "catalogue";
    QTest::newRow("frm참조부품") << "reference";
}

} // namespace

class TestPartMaintenance : public QObject
{
    Q_OBJECT
private slots:
    void opensOnTheWholeList_data();
    void opensOnTheWholeList();
    void emptyListStartsOnRowOne_data();
    void emptyListStartsOnRowOne();
    void nameCreatesTheRecordWithWhatWasTyped_data();
    void nameCreatesTheRecordWithWhatWasTyped();
    void editsOfStoredRowsAreStoredAndMoveOn_data();
    void editsOfStoredRowsAreStoredAndMoveOn();
    void enterMoves_data();
    void enterMoves();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void deleteOnEmptyRowAsksNothing();
    void closeAsks();
    void printButtonNeedsThePrinter_data();
    void printButtonNeedsThePrinter();
    void comingBackRefills();
    void twinScreensKeepTheirTables();
};

void TestPartMaintenance::opensOnTheWholeList_data()
{
    bothScreens();
}

void TestPartMaintenance::opensOnTheWholeList()
{
    QFETCH(QString, screen);
    const PartMaintenanceSetup setup = setupNamed(screen);
    TestShop shop;
    addPart(shop, setup.table, "오일필터", 8000, 4800, "", "EA");
    const qint64 pad1 = addPart(shop, setup.table, "브레이크패드", 45000, 27000, "앞", "SET");
    const qint64 pad2 = addPart(shop, setup.table, "브레이크패드", 40000, 24000, "뒤", "SET");
    Screen s(shop, setup);

    QCOMPARE(s.window.objectName(), setup.objectName);
    QCOMPARE(s.window.windowTitle(), setup.caption);
    Grid *g = s.grid();
    QCOMPARE(g->objectName(), QStringLiteral("vs2"));
    QCOMPARE(g->text(s.priceCol(), 0), QStringLiteral("판매단가"));
    QCOMPARE(g->text(s.costCol(), 0), QStringLiteral("매입단가"));
    QVERIFY(g->isColumnHidden(Col::Code));
    QCOMPARE(columnTexts(g, Col::Name), (QStringList {"브레이크패드", "브레이크패드", "오일필터"}));
    // Equal names by code.
    QCOMPARE(g->text(Col::Code, 1), QString::number(pad1));
    QCOMPARE(g->text(Col::Code, 2), QString::number(pad2));
    QCOMPARE(g->text(s.priceCol(), 2), QStringLiteral("40000"));
    QCOMPARE(g->text(s.costCol(), 2), QStringLiteral("24000"));
    QCOMPARE(g->text(Col::Unit, 3), QStringLiteral("EA"));
    QCOMPARE(QPoint(g->activeCol(), g->activeRow()), QPoint(Col::Name, 4));
    QVERIFY(g->maxRows() >= 500);
    QCOMPARE(s.button("cmdp5")->text(), QStringLiteral("출력(&P)"));
    QCOMPARE(s.button("cmdexit")->text(), QStringLiteral("닫기(&K)"));
}

void TestPartMaintenance::emptyListStartsOnRowOne_data()
{
    bothScreens();
}

void TestPartMaintenance::emptyListStartsOnRowOne()
{
    QFETCH(QString, screen);
    TestShop shop;
    Screen s(shop, setupNamed(screen));
    QCOMPARE(s.grid()->dataRowCount(), 0);
    QCOMPARE(QPoint(s.grid()->activeCol(), s.grid()->activeRow()), QPoint(Col::Name, 1));
}

void TestPartMaintenance::nameCreatesTheRecordWithWhatWasTyped_data()
{
    bothScreens();
}

// Values typed into a row without a record wait in the grid; the name stores them all.
void TestPartMaintenance::nameCreatesTheRecordWithWhatWasTyped()
{
    QFETCH(QString, screen);
    const PartMaintenanceSetup setup = setupNamed(screen);
    TestShop shop;
    addPart(shop, setup.table, "에어필터", 12000);
    Screen s(shop, setup);
    Grid *g = s.grid();

    typeIntoCell(g, s.priceCol(), 2, "35000");
    typeIntoCell(g, s.costCol(), 2, "21000");
    typeIntoCell(g, Col::Spec, 2, "4L");
    QCOMPARE(partNames(shop, setup.table), QStringList {"에어필터"});
    QVERIFY(g->text(Col::Code, 2).isEmpty());

    typeIntoCell(g, Col::Name, 2, "엔진오일 O'Neil");
    QCOMPARE(partNames(shop, setup.table), (QStringList {"에어필터", "엔진오일 O'Neil"}));
    const qint64 code = g->text(Col::Code, 2).toLongLong();
    QVERIFY(code > 0);
    const PartRecord part = *s.stored(code);
    QCOMPARE(part.spec, QStringLiteral("4L"));
    QCOMPARE(part.price, 35000);
    QCOMPARE(part.cost, 21000);
    // Enter went on to the next column.
    QCOMPARE(QPoint(g->activeCol(), g->activeRow()), QPoint(Col::Spec, 2));

    // A second edit of the name changes that record, it adds none.
    typeIntoCell(g, Col::Name, 2, "엔진오일");
    QCOMPARE(partNames(shop, setup.table), (QStringList {"에어필터", "엔진오일"}));

    // Only a price on the next row stores nothing.
    typeIntoCell(g, s.priceCol(), 3, "5000");
    QCOMPARE(partNames(shop, setup.table).size(), 2);
}

void TestPartMaintenance::editsOfStoredRowsAreStoredAndMoveOn_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QPoint>("cursor"); // where the cursor goes afterwards
    for (const char *screen : {"catalogue", "reference"}) {
        const QString s = QString::fromLatin1(screen);
        QTest::addRow("%s spec", screen) << s << int(Col::Spec) << "205/55" << QPoint(3, 1);
        QTest::addRow("%s unit", screen) << s << int(Col::Unit) << "EA" << QPoint(4, 1);
        QTest::addRow("%s column 4", screen) << s << int(Col::FirstPrice) << "7000" << QPoint(5, 1);
        QTest::addRow("%s column 5", screen)
                << s << int(Col::SecondPrice) << "9000" << QPoint(1, 2);
        QTest::addRow("%s emptied price", screen)
                << s << int(Col::FirstPrice) << "" << QPoint(5, 1);
    }
}

void TestPartMaintenance::editsOfStoredRowsAreStoredAndMoveOn()
{
    QFETCH(QString, screen);
    QFETCH(int, col);
    QFETCH(QString, typed);
    QFETCH(QPoint, cursor);
    const PartMaintenanceSetup setup = setupNamed(screen);
    TestShop shop;
    const qint64 code = addPart(shop, setup.table, "와이퍼", 12000, 6000, "600mm", "EA");
    addPart(shop, setup.table, "전조등 전구", 8000, 4000);
    Screen s(shop, setup);
    Grid *g = s.grid();
    g->gotoCell(col, 1);
    g->setFocus();
    if (typed.isEmpty()) {
        // Emptying a cell: start the edit, delete its text, end it.
        QTest::keyClick(g->view(), Qt::Key_F2);
        QTest::keyClick(gridKeys(g), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(gridKeys(g), Qt::Key_Delete);
        QTest::keyClick(gridKeys(g), Qt::Key_Return);
    } else {
        typeIntoCell(g, col, 1, typed);
    }

    const PartRecord part = *s.stored(code);
    const auto expect = [&](int column, const QString &before) {
        return column == col ? typed : before;
    };
    QCOMPARE(part.spec, expect(Col::Spec, "600mm"));
    QCOMPARE(part.unit, expect(Col::Unit, "EA"));
    // Purchase and selling price each from their own column; empty is 0.
    const QString price = expect(s.priceCol(), "12000");
    const QString cost = expect(s.costCol(), "6000");
    QCOMPARE(part.price, price.isEmpty() ? 0 : price.toLongLong());
    QCOMPARE(part.cost, cost.isEmpty() ? 0 : cost.toLongLong());
    QCOMPARE(QPoint(g->activeCol(), g->activeRow()), cursor);
    QCOMPARE(partNames(shop, setup.table).size(), 2);
}

void TestPartMaintenance::enterMoves_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<QPoint>("cursor");
    QTest::newRow("name to spec") << 1 << int(Col::Name) << QPoint(2, 1);
    QTest::newRow("empty name stays") << 2 << int(Col::Name) << QPoint(1, 2);
    QTest::newRow("spec to unit") << 2 << int(Col::Spec) << QPoint(3, 2);
    QTest::newRow("unit to price") << 1 << int(Col::Unit) << QPoint(4, 1);
    QTest::newRow("price to price") << 1 << int(Col::FirstPrice) << QPoint(5, 1);
    QTest::newRow("last column to next row") << 1 << int(Col::SecondPrice) << QPoint(1, 2);
}

void TestPartMaintenance::enterMoves()
{
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(QPoint, cursor);
    TestShop shop;
    addPart(shop, PartTable::Catalogue, "세차", 15000);
    Screen s(shop, PartMaintenanceSetup::catalogue());
    Grid *g = s.grid();
    g->gotoCell(col, row);
    g->setFocus();
    QTest::keyClick(g->view(), Qt::Key_Return);
    QCOMPARE(QPoint(g->activeCol(), g->activeRow()), cursor);
    QVERIFY(!g->editMode());
    QCOMPARE(partNames(shop, PartTable::Catalogue), QStringList {"세차"});
}

void TestPartMaintenance::deleteAsksFirst_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("yes");
    QTest::newRow("frm부품등록 yes") << "catalogue" << true;
    QTest::newRow("frm부품등록 no") << "catalogue" << false;
    QTest::newRow("frm참조부품 yes") << "reference" << true;
    QTest::newRow("frm참조부품 no") << "reference" << false;
}

void TestPartMaintenance::deleteAsksFirst()
{
    QFETCH(QString, screen);
    QFETCH(bool, yes);
    const PartMaintenanceSetup setup = setupNamed(screen);
    TestShop shop;
    addPart(shop, setup.table, "가");
    addPart(shop, setup.table, "나");
    addPart(shop, setup.table, "다");
    PeekingPrompter prompter;
    AppContext context {shop.session(), prompter, shop.settings(), shop.stores()};
    FrmPartMaintenance window(context, setup);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    Grid *g = window.grid();
    g->gotoCell(Col::Name, 2);
    g->setFocus();
    QList<QColor> marked;
    prompter.onQuestion = [&] {
        for (int c = Col::Name; c <= Col::Code; ++c)
            marked << g->backColor(c, 2);
    };
    if (yes)
        prompter.answerYes();
    else
        prompter.answerNo();
    QTest::keyClick(g->view(), Qt::Key_F4);

    QCOMPARE(prompter.texts(), QStringList {"현재 선택하신 부품내역을 삭제하시겠습니까?"});
    QCOMPARE(prompter.titles(), QStringList {"자료 삭제"});
    QCOMPARE(prompter.beeps(), 1);
    // Columns 1 to 5 light red while asked.
    QCOMPARE(marked,
             (QList<QColor> {GridStyle::red(), GridStyle::red(), GridStyle::red(), GridStyle::red(),
                             GridStyle::red(), QColor(Qt::white)}));
    if (yes) {
        QCOMPARE(partNames(shop, setup.table), (QStringList {"가", "다"}));
        QCOMPARE(columnTexts(g, Col::Name), (QStringList {"가", "다"}));
    } else {
        QCOMPARE(partNames(shop, setup.table), (QStringList {"가", "나", "다"}));
        QCOMPARE(columnTexts(g, Col::Name), (QStringList {"가", "나", "다"}));
    }
    for (int c = Col::Name; c <= Col::SecondPrice; ++c)
        QCOMPARE(g->backColor(c, 2), QColor(Qt::white));
    QVERIFY(g->hasFocus());
}

void TestPartMaintenance::deleteOnEmptyRowAsksNothing()
{
    TestShop shop;
    addPart(shop, PartTable::Catalogue, "가");
    Screen s(shop, PartMaintenanceSetup::catalogue());
    s.grid()->gotoCell(Col::Name, 2);
    s.grid()->setFocus();
    QTest::keyClick(s.grid()->view(), Qt::Key_F4);
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(partNames(shop, PartTable::Catalogue), QStringList {"가"});
}

void TestPartMaintenance::closeAsks()
{
    TestShop shop;
    Screen s(shop, PartMaintenanceSetup::reference());
    shop.prompter().answerNo();
    QTest::mouseClick(s.button("cmdexit"), Qt::LeftButton);
    QVERIFY(s.window.isVisible());
    shop.prompter().answerYes();
    QTest::mouseClick(s.button("cmdexit"), Qt::LeftButton);
    QVERIFY(!s.window.isVisible());
    QCOMPARE(shop.prompter().texts(),
             QStringList(2, QStringLiteral("부품등록을 종료하시겠습니까?")));
    QCOMPARE(shop.prompter().titles(), QStringList(2, QStringLiteral("나가기")));
    QCOMPARE(shop.prompter().shown().first().icon, MsgIcon::Question);
}

void TestPartMaintenance::printButtonNeedsThePrinter_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("selection");
    QTest::newRow("frm부품등록") << "catalogue"
                                 << "C:\\voz\\RPT\\정비부품.RPT"
                                 << "{정비부품.부품명} <> ''";
    QTest::newRow("frm참조부품") << "reference"
                                 << "C:\\voz\\RPT\\부품가격표리스트.RPT"
                                 << "{참조부품.부품명} <> ''";
}

void TestPartMaintenance::printButtonNeedsThePrinter()
{
    QFETCH(QString, screen);
    QFETCH(QString, report);
    QFETCH(QString, selection);
    TestShop shop;
    Screen s(shop, setupNamed(screen));
    QVERIFY(!s.button("cmdp5")->isEnabled());
    QList<ListPrintRequest> printed;
    s.window.setListPrinter([&](AppContext &, QWidget *parent, const ListPrintRequest &r) {
        QCOMPARE(parent, &s.window);
        printed << r;
    });
    QVERIFY(s.button("cmdp5")->isEnabled());
    QTest::mouseClick(s.button("cmdp5"), Qt::LeftButton);
    QCOMPARE(printed.size(), 1);
    QCOMPARE(printed.first().reportFile, report);
    QCOMPARE(printed.first().selection, selection);
}

// Back from another window of the work area, the screen shows the list as stored now.
void TestPartMaintenance::comingBackRefills()
{
    TestShop shop;
    addPart(shop, PartTable::Catalogue, "나");
    QMdiArea area;
    area.resize(1200, 800);
    auto *screen = new FrmPartMaintenance(shop.context(), PartMaintenanceSetup::catalogue());
    QMdiSubWindow *parts = area.addSubWindow(screen);
    auto *other = new QWidget;
    QMdiSubWindow *otherSub = area.addSubWindow(other);
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    parts->show();
    area.setActiveSubWindow(parts);
    QCOMPARE(columnTexts(screen->grid(), Col::Name), QStringList {"나"});

    otherSub->show();
    area.setActiveSubWindow(otherSub);
    addPart(shop, PartTable::Catalogue, "가");
    screen->grid()->gotoCell(Col::Spec, 1);
    area.setActiveSubWindow(parts);
    QCOMPARE(columnTexts(screen->grid(), Col::Name), (QStringList {"가", "나"}));
    QCOMPARE(QPoint(screen->grid()->activeCol(), screen->grid()->activeRow()),
             QPoint(Col::Name, 3));
}

// One component, two parameter sets: each screen writes only its own table.
void TestPartMaintenance::twinScreensKeepTheirTables()
{
    TestShop shop;
    Screen catalogue(shop, PartMaintenanceSetup::catalogue());
    typeIntoCell(catalogue.grid(), Col::FirstPrice, 1, "100");
    typeIntoCell(catalogue.grid(), Col::Name, 1, "정비");
    Screen reference(shop, PartMaintenanceSetup::reference());
    typeIntoCell(reference.grid(), Col::FirstPrice, 1, "100");
    typeIntoCell(reference.grid(), Col::Name, 1, "참조");
    QCOMPARE(partNames(shop, PartTable::Catalogue), QStringList {"정비"});
    QCOMPARE(partNames(shop, PartTable::Reference), QStringList {"참조"});
    // Column 4 is the selling price in one and the purchase price in the other.
    QCOMPARE(PartStore(shop.base(), PartTable::Catalogue).list()->first().price, 100);
    QCOMPARE(PartStore(shop.base(), PartTable::Catalogue).list()->first().cost, 0);
    QCOMPARE(PartStore(shop.base(), PartTable::Reference).list()->first().price, 0);
    QCOMPARE(PartStore(shop.base(), PartTable::Reference).list()->first().cost, 100);
}

QTEST_MAIN(TestPartMaintenance)
#include "tst_partmaintenance.moc"
