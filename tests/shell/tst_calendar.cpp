#include "FrmCalendar.h"
#include "TestShop.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

namespace {

struct Calendar
{
    Calendar(TestShop &shop, const QDate &today)
        : window(shop.context(), today)
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("the calendar did not become active");
        grid = window.findChild<QTableWidget *>(QStringLiteral("Sp달력"));
        ok = window.findChild<QPushButton *>(QStringLiteral("cmdok"));
    }
    void click(int row, int column)
    {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QString active() const { return window.cellText(grid->currentRow(), grid->currentColumn()); }
    FrmCalendar window;
    QTableWidget *grid = nullptr;
    QPushButton *ok = nullptr;
};

const QDate kToday(2005, 12, 31);

} // namespace

class TestCalendar : public QObject
{
    Q_OBJECT
private slots:
    void listsAroundThisYear();
    void monthLayout_data();
    void monthLayout();
    void todaysDayIsActive_data();
    void todaysDayIsActive();
    void pickedDayBecomesWorkDate();
    void emptyCellReturnsToThisMonth();
    void dayCellChangesNothing();
    void okWithoutDay();
    void escapeAsks_data();
    void escapeAsks();
};

void TestCalendar::listsAroundThisYear()
{
    TestShop shop;
    Calendar c(shop, kToday);
    auto *years = c.window.findChild<QComboBox *>(QStringLiteral("CmbYY"));
    auto *months = c.window.findChild<QComboBox *>(QStringLiteral("CmbMM"));
    QCOMPARE(years->count(), 11);
    QCOMPARE(years->itemText(0), QStringLiteral("2000"));
    QCOMPARE(years->itemText(10), QStringLiteral("2010"));
    QCOMPARE(years->currentText(), QStringLiteral("2005"));
    QCOMPARE(months->count(), 12);
    QCOMPARE(months->currentText(), QStringLiteral("12"));
    QCOMPARE(c.grid->columnCount(), 7);
    QCOMPARE(c.grid->rowCount(), 6);
    QCOMPARE(c.window.windowTitle(), QStringLiteral("달력"));
    QCOMPARE(c.ok->text(), QStringLiteral("확인(&S)"));
}

void TestCalendar::monthLayout_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("firstColumn"); // of the 1st, Sunday = 0
    QTest::addColumn<int>("lastDay");
    QTest::addColumn<int>("rowsUsed");
    QTest::newRow("leap February") << 2004 << 2 << 0 << 29 << 5;
    QTest::newRow("leap February of a century") << 2000 << 2 << 2 << 29 << 5;
    QTest::newRow("plain February on four rows") << 2009 << 2 << 0 << 28 << 4;
    QTest::newRow("starts on Saturday: six rows") << 2005 << 10 << 6 << 31 << 6;
    QTest::newRow("30 days from Saturday: six rows") << 2006 << 4 << 6 << 30 << 6;
    QTest::newRow("December") << 2005 << 12 << 4 << 31 << 5;
}

void TestCalendar::monthLayout()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, firstColumn);
    QFETCH(int, lastDay);
    QFETCH(int, rowsUsed);
    TestShop shop;
    Calendar c(shop, kToday);
    c.window.showMonth(year, month);
    QCOMPARE(c.window.year(), year);
    QCOMPARE(c.window.month(), month);
    int expected = 1 - firstColumn;
    int lastRow = -1;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 7; ++column, ++expected) {
            const bool day = expected >= 1 && expected <= lastDay;
            QCOMPARE(c.window.cellText(row, column), day ? QString::number(expected) : QString());
            if (day)
                lastRow = row;
        }
    }
    QCOMPARE(lastRow + 1, rowsUsed);
}

void TestCalendar::todaysDayIsActive_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("active");
    QTest::newRow("this month") << 12 << "31";
    QTest::newRow("another month with that day") << 3 << "31";
    QTest::newRow("a month without it") << 2 << "";
}

void TestCalendar::todaysDayIsActive()
{
    QFETCH(int, month);
    QFETCH(QString, active);
    TestShop shop;
    Calendar c(shop, kToday);
    QCOMPARE(c.active(), QStringLiteral("31"));
    c.window.showMonth(2005, month);
    QCOMPARE(c.active(), active);
}

void TestCalendar::pickedDayBecomesWorkDate()
{
    TestShop shop;
    Calendar c(shop, kToday);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.12.31"));
    int changes = 0;
    shop.session().statusSink = [&changes] {
        ++changes;
    };
    c.window.showMonth(2005, 3);
    // 1 March 2005 is a Tuesday: the 7th is the Monday of the second row.
    QCOMPARE(c.window.cellText(1, 1), QStringLiteral("7"));
    c.click(1, 1);
    QTest::mouseClick(c.ok, Qt::LeftButton);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.03.07"));
    QCOMPARE(changes, 1);
    QCOMPARE(c.window.result(), int(QDialog::Accepted));
    QVERIFY(!c.window.isVisible());
}

void TestCalendar::emptyCellReturnsToThisMonth()
{
    TestShop shop;
    Calendar c(shop, kToday);
    c.window.showMonth(2004, 2);
    c.click(5, 6);
    QCOMPARE(c.window.year(), 2005);
    QCOMPARE(c.window.month(), 12);
    QCOMPARE(c.active(), QStringLiteral("31"));
}

void TestCalendar::dayCellChangesNothing()
{
    TestShop shop;
    Calendar c(shop, kToday);
    c.window.showMonth(2004, 2);
    c.click(2, 3);
    QCOMPARE(c.window.year(), 2004);
    QCOMPARE(c.window.month(), 2);
    QCOMPARE(c.active(), QStringLiteral("18"));
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestCalendar::okWithoutDay()
{
    TestShop shop;
    Calendar c(shop, kToday);
    c.window.showMonth(2005, 2); // no 31st: nothing is active
    QTest::mouseClick(c.ok, Qt::LeftButton);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.12.31"));
    QCOMPARE(shop.prompter().shown().size(), 1);
    QVERIFY(c.window.isVisible());
}

void TestCalendar::escapeAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes closes") << true;
    QTest::newRow("no stays") << false;
}

void TestCalendar::escapeAsks()
{
    QFETCH(bool, yes);
    TestShop shop;
    Calendar c(shop, kToday);
    c.window.showMonth(2005, 3);
    yes ? shop.prompter().answerYes() : shop.prompter().answerNo();
    QTest::keyClick(c.grid, Qt::Key_Escape);
    QCOMPARE(shop.prompter().texts(), QStringList {"작업일자 선택을 종료하시겠습니까?"});
    QCOMPARE(shop.prompter().titles(), QStringList {"나가기"});
    QCOMPARE(c.window.isVisible(), !yes);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.12.31"));
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
