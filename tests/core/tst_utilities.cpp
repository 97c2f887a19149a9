#include "DateUtil.h"
#include "FieldKeys.h"
#include "InputMode.h"
#include "NumberFormat.h"
#include "Session.h"
#include "TextUtil.h"
#include "WindowTools.h"

#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

class TestUtilities : public QObject
{
    Q_OBJECT
private slots:
    void normDate_data();
    void normDate();
    void monthEnd_data();
    void monthEnd();
    void weekdays_data();
    void weekdays();
    void setToday();
    void byteLen_data();
    void byteLen();
    void cutByBytes_data();
    void cutByBytes();
    void fixWidth_data();
    void fixWidth();
    void formatNumber_data();
    void formatNumber();
    void parseWholeNumber_data();
    void parseWholeNumber();
    void enterAndArrowsMoveTheFocus();
    void fieldSelectsAllOnFocus();
    void unloadAllButKeepsTheNamedWindow();
    void hangulModeAsksTheInputMethod();
};

void TestUtilities::normDate_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("full") << "2005.12.31" << "2005.12.31";
    QTest::newRow("six digits") << "051231" << "2005.12.31";
    QTest::newRow("eight digits") << "20051231" << "2005.12.31";
    QTest::newRow("five digits") << "51231" << "2005.12.31";
    QTest::newRow("four digits") << "1231" << "2000.12.31";
    QTest::newRow("year 29") << "290101" << "2029.01.01";
    QTest::newRow("year 30") << "300101" << "1930.01.01";
    QTest::newRow("year 99") << "99.02.28" << "1999.02.28";
    QTest::newRow("leap day") << "2004.02.29" << "2004.02.29";
    QTest::newRow("no leap day") << "2005.02.29" << "";
    QTest::newRow("month 13") << "2005.13.01" << "";
    QTest::newRow("day 32") << "2005.01.32" << "";
    QTest::newRow("letters") << "abc" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("dash is no separator") << "2005-12-31" << "";
    QTest::newRow("spaces around") << " 2005.12.31 " << "2005.12.31";
    QTest::newRow("too many digits") << "1234567890" << "";
    QTest::newRow("zero") << "0" << "";
}

void TestUtilities::normDate()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(NormDate(typed, QStringLiteral(".")), expected);
}

void TestUtilities::monthEnd_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("leap February") << 2004 << 2 << QDate(2004, 2, 29);
    QTest::newRow("February") << 2005 << 2 << QDate(2005, 2, 28);
    QTest::newRow("December") << 2005 << 12 << QDate(2005, 12, 31);
    QTest::newRow("April") << 2005 << 4 << QDate(2005, 4, 30);
    QTest::newRow("century") << 1900 << 2 << QDate(1900, 2, 28);
}

void TestUtilities::monthEnd()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QDate, expected);
    QCOMPARE(MonthEnd(year, month), expected);
}

void TestUtilities::weekdays_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("saturday") << QDate(2005, 12, 31) << "토요일" << 7;
    QTest::newRow("sunday") << QDate(2006, 1, 1) << "일요일" << 1;
    QTest::newRow("monday") << QDate(2005, 3, 7) << "월요일" << 2;
    QTest::newRow("wednesday") << QDate(2026, 12, 9) << "수요일" << 4;
}

void TestUtilities::weekdays()
{
    QFETCH(QDate, date);
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(KorWeekday(date.year(), date.month(), date.day()), name);
    QCOMPARE(WeekdayNo(date.year(), date.month(), date.day()), number);
    QCOMPARE(KorWeekday(2005, 2, 30), QString());
    QCOMPARE(WeekdayNo(2005, 2, 30), 0);
}

void TestUtilities::setToday()
{
    Session session;
    SetToday(session);
    QCOMPARE(session.workDate, QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd")));
    QCOMPARE(session.workDate.size(), 10);
}

void TestUtilities::byteLen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("ascii") << "abc 123" << 7;
    QTest::newRow("hangul") << "홍길동" << 6;
    QTest::newRow("mixed") << "서울12가3456" << 12;
    QTest::newRow("full-width symbol") << "㈜한빛" << 6;
}

void TestUtilities::byteLen()
{
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(ByteLen(text), bytes);
}

void TestUtilities::cutByBytes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("crosses the limit") << "가나다" << 5 << "가나 ";
    QTest::newRow("exact") << "가나다" << 4 << "가나";
    QTest::newRow("shorter") << "abc" << 7 << "abc";
    QTest::newRow("six syllables into 10 bytes") << "남궁민수연희" << 10 << "남궁민수연";
    QTest::newRow("mixed crossing") << "a가b나" << 4 << "a가b";
    QTest::newRow("ascii then hangul crossing") << "ab가" << 3 << "ab ";
    QTest::newRow("exactly as long") << "홍길동" << 6 << "홍길동";
    QTest::newRow("zero") << "abc" << 0 << "";
}

void TestUtilities::cutByBytes()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(CutByBytes(text, n), expected);
    if (ByteLen(text) >= n)
        QCOMPARE(ByteLen(CutByBytes(text, n)), n);
}

void TestUtilities::fixWidth_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("expected");
    QTest::newRow("hangul padded") << QVariant(QStringLiteral("가나")) << 5 << "가나   ";
    QTest::newRow("cut") << QVariant(QStringLiteral("abcdef")) << 3 << "abc";
    QTest::newRow("null") << QVariant() << 2 << "  ";
    QTest::newRow("empty") << QVariant(QString()) << 3 << "   ";
    QTest::newRow("exact") << QVariant(QStringLiteral("abc")) << 3 << "abc";
    QTest::newRow("number") << QVariant(1234) << 6 << "1234  ";
}

void TestUtilities::fixWidth()
{
    QFETCH(QVariant, value);
    QFETCH(int, n);
    QFETCH(QString, expected);
    QCOMPARE(FixWidth(value, n), expected);
}

void TestUtilities::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("thousands") << 1234567.0 << "#,###" << "1,234,567";
    QTest::newRow("zero empty") << 0.0 << "#,###" << "";
    QTest::newRow("zero shown") << 0.0 << "#,##0" << "0";
    QTest::newRow("small") << 999.0 << "#,##0" << "999";
    QTest::newRow("negative") << -30000.0 << "#,###" << "-30,000";
    QTest::newRow("half up") << 1234.5 << "#,###" << "1,235";
    QTest::newRow("half away from zero") << -1234.5 << "#,##0" << "-1,235";
    QTest::newRow("below half") << 0.4 << "#,###" << "";
    QTest::newRow("bankbook") << 45230.0 << "#,###,###" << "45,230";
    QTest::newRow("bankbook zero") << 0.0 << "#,###,###" << "";
    QTest::newRow("estimate") << 123456789.0 << "###,###,###" << "123,456,789";
    QTest::newRow("estimate zero") << 0.0 << "###,###,###" << "";
    QTest::newRow("fourteen digits") << 99999999999999.0 << "#,###" << "99,999,999,999,999";
    QTest::newRow("vat") << 2727.2727 << "#,##0" << "2,727";
}

void TestUtilities::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, pattern);
    QFETCH(QString, expected);
    QCOMPARE(FormatNumber(value, pattern), expected);
}

void TestUtilities::parseWholeNumber_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("maxDigits");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("plain") << "30000" << 14 << true << qint64(30000);
    QTest::newRow("separators") << "1,234,567" << 14 << true << qint64(1234567);
    QTest::newRow("negative") << "-5,000" << 14 << true << qint64(-5000);
    QTest::newRow("fourteen digits") << "99999999999999" << 14 << true << qint64(99999999999999);
    QTest::newRow("fifteen digits refused") << "999999999999999" << 14 << false << qint64(0);
    QTest::newRow("leading zeros") << "0000000000000001" << 14 << true << qint64(1);
    QTest::newRow("quantity limit") << "123456" << 5 << false << qint64(0);
    QTest::newRow("letters") << "12a" << 14 << false << qint64(0);
    QTest::newRow("fraction") << "1.5" << 14 << false << qint64(0);
    QTest::newRow("empty") << "" << 14 << false << qint64(0);
    QTest::newRow("sign only") << "-" << 14 << false << qint64(0);
}

void TestUtilities::parseWholeNumber()
{
    QFETCH(QString, typed);
    QFETCH(int, maxDigits);
    QFETCH(bool, valid);
    QFETCH(qint64, expected);
    const auto n = ParseWholeNumber(typed, maxDigits);
    QCOMPARE(n.has_value(), valid);
    if (valid)
        QCOMPARE(*n, expected);
}

void TestUtilities::enterAndArrowsMoveTheFocus()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    QLineEdit *fields[3];
    for (auto &f : fields) {
        f = new QLineEdit(&window);
        layout->addWidget(f);
        FieldKeys::install(f, FieldKeys::MoveOnEnter);
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    fields[0]->setFocus();
    QTest::keyClick(fields[0], Qt::Key_Return);
    QVERIFY(fields[1]->hasFocus());
    QTest::keyClick(fields[1], Qt::Key_Down);
    QVERIFY(fields[2]->hasFocus());
    QTest::keyClick(fields[2], Qt::Key_Up);
    QVERIFY(fields[1]->hasFocus());
    QTest::keyClick(fields[1], Qt::Key_A);
    QVERIFY(fields[1]->hasFocus());
    QCOMPARE(fields[1]->text(), QStringLiteral("a"));
}

void TestUtilities::fieldSelectsAllOnFocus()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *a = new QLineEdit(QStringLiteral("first"), &window);
    auto *b = new QLineEdit(QStringLiteral("서울12가3456"), &window);
    layout->addWidget(a);
    layout->addWidget(b);
    FieldKeys::install(b);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    a->setFocus();
    b->setFocus();
    QTRY_COMPARE(b->selectedText(), b->text());
}

void TestUtilities::unloadAllButKeepsTheNamedWindow()
{
    QMainWindow main;
    main.setObjectName(QStringLiteral("frm주화면"));
    auto *area = new QMdiArea(&main);
    main.setCentralWidget(area);
    QWidget *screens[2];
    for (int i = 0; i < 2; ++i) {
        screens[i] = new QWidget;
        screens[i]->setObjectName(i == 0 ? QStringLiteral("frm정비내역") : QStringLiteral("frm달력"));
        area->addSubWindow(screens[i])->show();
    }
    QWidget other;
    other.setObjectName(QStringLiteral("FrmSMS"));
    main.show();
    other.show();
    UnloadAllBut(QStringLiteral("FRM정비내역")); // letter case does not matter
    QVERIFY(main.isVisible());
    QVERIFY(screens[0]->isVisible());
    QVERIFY(!other.isVisible());
    QVERIFY(!screens[1]->isVisible());
}

void TestUtilities::hangulModeAsksTheInputMethod()
{
    QLineEdit field;
    SetHangulMode(&field, false);
    QVERIFY(field.inputMethodHints() & Qt::ImhPreferLatin);
    SetHangulMode(&field, true);
    QVERIFY(!(field.inputMethodHints() & Qt::ImhPreferLatin));
}

QTEST_MAIN(TestUtilities)
#include "tst_utilities.moc"
