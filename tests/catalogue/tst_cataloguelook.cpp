#include "FrmAddress.h"
#include "FrmCodeEntry.h"
#include "FrmCodePick.h"
#include "FrmCodes.h"
#include "FrmCustomerPick.h"
#include "FrmCustomerPick2.h"
#include "FrmPartEdit.h"
#include "FrmPartMaintenance.h"
#include "FrmPartPick.h"
#include "Grid.h"
#include "Session.h"
#include "TestShop.h"

#include <QAbstractButton>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QtTest>

#include <functional>
#include <memory>

using Make = std::function<QWidget *(TestShop &)>;
Q_DECLARE_METATYPE(Make)

namespace {

const ListPrinter kPrinter = [](AppContext &, QWidget *, const ListPrintRequest &) {
};

// The focusable controls in Tab order (a cycle), read from the control named first.
QStringList tabOrder(QWidget *window, const QString &first)
{
    QStringList out;
    for (QWidget *w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(window) && w->isEnabled())
            out << w->objectName();
    }
    const qsizetype at = out.indexOf(first);
    return at < 0 ? out : out.mid(at) + out.mid(0, at);
}

} // namespace

// Every catalogue window: whole texts on its buttons, labels and column headers, and the
// Tab key walking the controls in working order.
class TestCatalogueLook : public QObject
{
    Q_OBJECT
private slots:
    void windowsLookFinished_data();
    void windowsLookFinished();
};

void TestCatalogueLook::windowsLookFinished_data()
{
    QTest::addColumn<Make>("make");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("frm부품등록") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmPartMaintenance(s.context(), PartMaintenanceSetup::catalogue());
        w->setListPrinter(kPrinter);
        return w;
    }) << QStringList {"vs2", "cmdp5", "cmdexit"};
    QTest::newRow("frm참조부품") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmPartMaintenance(s.context(), PartMaintenanceSetup::reference());
        w->setListPrinter(kPrinter);
        return w;
    }) << QStringList {"vs2", "cmdp5", "cmdexit"};
    QTest::newRow("frm기타자료") << Make([](TestShop &s) -> QWidget * {
        return new FrmCodes(s.context());
    }) << QStringList {"cmd_0", "cmd_1", "cmd_2", "cmd_3", "cmd_4",
                       "cmd_5", "cmd_6", "cmd_7", "vs1",   "cmdexit"};
    QTest::newRow("frm기타자료조회") << Make([](TestShop &s) -> QWidget * {
        s.session().codeCategory = "보험회사";
        auto *w = new FrmCodePick(s.context());
        w->load();
        return w;
    }) << QStringList {"vs1", "cmdok", "cmde", "cmdexit"};
    QTest::newRow("frm참조") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmCodeEntry(s.context());
        w->setWindowTitle("보험회사 신규등록 하세요");
        return w;
    }) << QStringList {"text1", "cmdok", "cmdexit"};
    QTest::newRow("frm정비부품조회") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmPartPick(s.context());
        w->load();
        return w;
    }) << QStringList {"vs2", "cmdok", "cmde", "cmdexit"};
    QTest::newRow("frm부품수정") << Make([](TestShop &s) -> QWidget * {
        return new FrmPartEdit(s.context());
    }) << QStringList {"vs1", "cmdok", "cmdexit"};
    QTest::newRow("frm고객조회") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmCustomerPick(s.context());
        w->setListPrinter(kPrinter);
        w->load();
        return w;
    }) << QStringList {"vs1", "cmdok", "cmdexit", "cmdp5"};
    QTest::newRow("frm고객조회2") << Make([](TestShop &s) -> QWidget * {
        auto *w = new FrmCustomerPick2(s.context());
        w->load();
        return w;
    }) << QStringList {"vs1", "cmdok", "cmdexit"};
    QTest::newRow("frm주소") << Make([](TestShop &s) -> QWidget * {
        return new FrmAddress(s.context());
    }) << QStringList {"vs2", "cmdok", "cmdexit"};
}

void TestCatalogueLook::windowsLookFinished()
{
    QFETCH(Make, make);
    QFETCH(QStringList, order);
    TestShop shop;
    std::unique_ptr<QWidget> window(make(shop));
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));

    QCOMPARE(tabOrder(window.get(), order.first()), order);
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisible())
            continue;
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        QVERIFY2(button->height() >= button->sizeHint().height(), qPrintable(button->text()));
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        QVERIFY2(label->width() >= label->minimumSizeHint().width(), qPrintable(label->text()));
        QVERIFY2(label->height() >= label->minimumSizeHint().height(), qPrintable(label->text()));
    }
    for (const QTableView *view : window->findChildren<QTableView *>()) {
        const Grid *grid = Grid::of(view);
        QVERIFY(grid);
        const QFontMetrics metrics(view->horizontalHeader()->font());
        for (int c = 1; c <= grid->maxCols(); ++c) {
            if (grid->isColumnHidden(c) || view->horizontalHeader()->isHidden())
                continue;
            const QString header = grid->text(c, 0);
            QVERIFY2(view->columnWidth(c - 1) > metrics.horizontalAdvance(header),
                     qPrintable(header));
        }
        // Every visible column shows whole within the view.
        QVERIFY2(view->horizontalHeader()->length() <= view->viewport()->width() + 1,
                 qPrintable(window->objectName()));
    }
}

QTEST_MAIN(TestCatalogueLook)
#include "tst_cataloguelook.moc"
