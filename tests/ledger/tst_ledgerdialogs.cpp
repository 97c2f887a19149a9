#include "FrmMemo.h"
#include "FrmPayment.h"
#include "Grid.h"
#include "MemoStore.h"
#include "TestShop.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

namespace {
void key(int k)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k));
}
} // namespace

class TestLedgerDialogs : public QObject
{
    Q_OBJECT
private slots:
    void paymentOpensOnTheSuggestion();
    void paymentDateIsNormalised_data();
    void paymentDateIsNormalised();
    void paymentAmountMustBeANumber();
    void paymentClosedRecordsNothing();
    void memoLoadsSavesAndCloses();
};

void TestLedgerDialogs::paymentOpensOnTheSuggestion()
{
    TestShop shop;
    FrmPayment dialog(shop.context(), QStringLiteral("150,000"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.objectName(), QStringLiteral("frm입금"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("입금"));
    QCOMPARE(dialog.date(), QStringLiteral("2005.12.31"));
    QCOMPARE(dialog.amount(), QStringLiteral("150,000"));
    QCOMPARE(dialog.grid()->activeRow(), 2);
    // Typing replaces the suggestion; Enter on the amount confirms.
    QTest::keyClicks(dialog.grid()->view(), QStringLiteral("50000"));
    key(Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.amount(), QStringLiteral("50000"));
}

void TestLedgerDialogs::paymentDateIsNormalised_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("date");
    QTest::newRow("short") << "060102" << "2006.01.02";
    QTest::newRow("no date") << "13월" << "2005.12.31";
}

void TestLedgerDialogs::paymentDateIsNormalised()
{
    QFETCH(QString, typed);
    QFETCH(QString, date);
    TestShop shop;
    FrmPayment dialog(shop.context(), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.grid()->gotoCell(1, 1);
    typeText(dialog.grid()->view(), typed);
    key(Qt::Key_Return); // Enter on the date moves to the amount
    QCOMPARE(dialog.grid()->activeRow(), 2);
    QCOMPARE(dialog.date(), date);
    QVERIFY(dialog.isVisible());
}

void TestLedgerDialogs::paymentAmountMustBeANumber()
{
    TestShop shop;
    FrmPayment dialog(shop.context(), QString());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    typeText(dialog.grid()->view(), QStringLiteral("만원"));
    key(Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    QCOMPARE(shop.prompter().texts().size(), 1);
    QVERIFY(shop.prompter().texts().first().contains(QStringLiteral("숫자")));
}

void TestLedgerDialogs::paymentClosedRecordsNothing()
{
    TestShop shop;
    FrmPayment dialog(shop.context(), QStringLiteral("1,000"));
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton *>("cmdexit"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void TestLedgerDialogs::memoLoadsSavesAndCloses()
{
    TestShop shop;
    shop.session().curCustomerCode = 7;
    MemoStore(shop.base()).save(7, QStringLiteral("예전 메모"), false);
    {
        FrmMemo memo(shop.context());
        QCOMPARE(memo.objectName(), QStringLiteral("frm메모장"));
        QCOMPARE(memo.windowTitle(), QStringLiteral("메모장") + QString(84, ' ') + "[닫기:Esc]");
        QCOMPARE(memo.textBox()->toPlainText(), QStringLiteral("예전 메모"));
        memo.textBox()->setPlainText(QStringLiteral("바뀐 메모"));
        QTest::mouseClick(memo.findChild<QPushButton *>("Cmd취소"), Qt::LeftButton);
    }
    QCOMPARE(MemoStore(shop.base()).load(7).value(), QStringLiteral("예전 메모"));
    {
        FrmMemo memo(shop.context());
        memo.textBox()->setPlainText(QStringLiteral("고객's 메모"));
        QTest::mouseClick(memo.findChild<QPushButton *>("cmd저장"), Qt::LeftButton);
        QCOMPARE(memo.result(), int(QDialog::Accepted));
    }
    QCOMPARE(MemoStore(shop.base()).load(7).value(), QStringLiteral("고객's 메모"));
    {
        // Emptied and saved: the memo is gone, and the next search opens no window.
        FrmMemo memo(shop.context());
        QTest::mouseClick(memo.findChild<QPushButton *>("cmd신규"), Qt::LeftButton);
        QCOMPARE(memo.textBox()->toPlainText(), QString());
        QTest::mouseClick(memo.findChild<QPushButton *>("cmd저장"), Qt::LeftButton);
    }
    QVERIFY(!MemoStore(shop.base()).hasMemo(7));
}

QTEST_MAIN(TestLedgerDialogs)
#include "tst_ledgerdialogs.moc"
