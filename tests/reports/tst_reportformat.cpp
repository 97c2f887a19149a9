#include "ReportContext.h"
#include "ReportFormat.h"
#include "ReportRows.h"
#include "ReportText.h"
#include "RunningTotals.h"

#include <QtTest>

// Number and date formats and the placeholders of template texts.
class TestReportFormat : public QObject
{
    Q_OBJECT
private slots:
    void formats_data();
    void formats();
    void texts_data();
    void texts();
    void badTexts_data();
    void badTexts();
    void runningSumFollowsTheRows();

private:
    ReportRows rows() const;
};

void TestReportFormat::formats_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");

    QTest::newRow("#,### groups") << QVariant(1234567) << "#,###"
                                  << "1,234,567";
    QTest::newRow("#,### zero is empty") << QVariant(0) << "#,###"
                                         << "";
    QTest::newRow("#,##0 zero") << QVariant(0) << "#,##0"
                                << "0";
    QTest::newRow("#,##0 negative") << QVariant(-1234) << "#,##0"
                                    << "-1,234";
    QTest::newRow("half away from zero") << QVariant(1234.5) << "#,##0"
                                         << "1,235";
    QTest::newRow("negative half") << QVariant(-2.5) << "#,##0"
                                   << "-3";
    QTest::newRow("text with separators") << QVariant(QStringLiteral("12,345")) << "#,##0"
                                          << "12,345";
    QTest::newRow("a formula's amount text") << QVariant(QStringLiteral("-1,000")) << "#,###"
                                             << "-1,000";
    QTest::newRow("empty text stays empty") << QVariant(QString()) << "#,##0"
                                            << "";
    QTest::newRow("Null stays empty") << QVariant() << "#,##0"
                                      << "";
    QTest::newRow("a name is left alone") << QVariant(QStringLiteral("전체")) << "#,##0"
                                          << "전체";
    QTest::newRow("decimals") << QVariant(1234.567) << "#,##0.00"
                              << "1,234.57";
    QTest::newRow("no grouping") << QVariant(1234567) << "0"
                                 << "1234567";
    QTest::newRow("text around") << QVariant(15000) << "#,##0원"
                                 << "15,000원";
    QTest::newRow("estimate pattern") << QVariant(987654321) << "###,###,###"
                                      << "987,654,321";
    QTest::newRow("date as is") << QVariant(QStringLiteral("2005.12.31")) << "yyyy.mm.dd"
                                << "2005.12.31";
    QTest::newRow("month and day") << QVariant(QStringLiteral("2005.03.07")) << "mm.dd"
                                   << "03.07";
    QTest::newRow("Korean date") << QVariant(QStringLiteral("2005.03.07")) << "yyyy년 m월 d일"
                                 << "2005년 3월 7일";
    QTest::newRow("short year") << QVariant(QStringLiteral("2005.03.07")) << "yy/mm/dd"
                                << "05/03/07";
    QTest::newRow("no date") << QVariant(QStringLiteral("미정")) << "mm.dd"
                             << "미정";
    QTest::newRow("impossible date") << QVariant(QStringLiteral("2005.02.30")) << "mm.dd"
                                     << "2005.02.30";
    QTest::newRow("no pattern, whole double") << QVariant(3.0) << ""
                                              << "3";
    QTest::newRow("no pattern, text") << QVariant(QStringLiteral("엔진오일")) << ""
                                      << "엔진오일";
}

void TestReportFormat::formats()
{
    QFETCH(QVariant, value);
    QFETCH(QString, pattern);
    QTEST(ReportFormat::apply(value, pattern), "text");
}

ReportRows TestReportFormat::rows() const
{
    ReportRows r;
    r.setColumns({ReportField {"정비내역", "부품명"}, ReportField {"정비내역", "판매금액"},
                  ReportField {"정비내역", "입금액"}, ReportField {"정비내역", "정비일자"}});
    r.append({QStringLiteral("엔진오일"), 30000, 0, QStringLiteral("2005.12.01")});
    r.append({QStringLiteral("< 입금 >"), 0, 20000, QStringLiteral("2005.12.02")});
    r.append({QStringLiteral("타이어"), 120000, 0, QStringLiteral("2005.12.03")});
    return r;
}

void TestReportFormat::texts_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");

    QTest::newRow("literal") << "정비부품 단가표" << 0 << ""
                             << "정비부품 단가표";
    QTest::newRow("column") << "{정비내역.부품명}" << 2 << ""
                            << "타이어";
    QTest::newRow("column in words") << "품명: {정비내역.부품명}!" << 0 << ""
                                     << "품명: 엔진오일!";
    QTest::newRow("column names ignore case") << "{정비내역.부품명}" << 0 << ""
                                              << "엔진오일";
    QTest::newRow("item format") << "{정비내역.판매금액}" << 2 << "#,###"
                                 << "120,000";
    QTest::newRow("own format wins") << "{정비내역.판매금액:#,##0}원" << 1 << "#,###"
                                     << "0원";
    QTest::newRow("date format") << "{정비내역.정비일자:mm.dd}" << 0 << ""
                                 << "12.01";
    QTest::newRow("formula") << "발행일자 {@발행일자}" << 0 << ""
                             << "발행일자 2005.12.31";
    QTest::newRow("formula name ignores case") << "{@xdate}" << 0 << ""
                                               << "2005.12.01";
    QTest::newRow("shop record") << "{사용자등록.사용자명}" << 0 << ""
                                 << "한빛 카센터";
    QTest::newRow("page of pages") << "{page} / {pages}" << 0 << ""
                                   << "2 / 5";
    QTest::newRow("row number") << "{rownum}" << 2 << ""
                                << "3";
    QTest::newRow("today") << "{today}" << 0 << ""
                           << "2006.01.02";
    QTest::newRow("work date") << "{workdate:yyyy년}" << 0 << ""
                               << "2005년";
    QTest::newRow("sum") << "{sum(정비내역.판매금액):#,##0}" << 0 << ""
                         << "150,000";
    QTest::newRow("sum with braces inside") << "{sum({정비내역.판매금액}):#,##0}" << 0 << ""
                                            << "150,000";
    QTest::newRow("count") << "{count()}건" << 0 << ""
                           << "3건";
    QTest::newRow("count of values") << "{count(정비내역.부품명)}" << 0 << ""
                                     << "3";
    QTest::newRow("min max avg") << "{min(정비내역.판매금액)} {max(정비내역.판매금액)} "
                                    "{avg(정비내역.판매금액)}"
                                 << 0 << ""
                                 << "0 120000 50000";
    QTest::newRow("arithmetic") << "{정비내역.판매금액 * 2 - 10000 / 2:#,##0}" << 0 << ""
                                << "55,000";
    QTest::newRow("brackets") << "{(정비내역.판매금액 + 10000) / 4}" << 0 << ""
                              << "10000";
    QTest::newRow("formula text as number") << "{@전미수 + 정비내역.판매금액:#,##0}" << 0 << ""
                                            << "31,234";
    QTest::newRow("texts joined") << "{정비내역.부품명 + ' 교환'}" << 0 << ""
                                  << "엔진오일 교환";
    QTest::newRow("division by zero is empty") << "{정비내역.판매금액 / 0:#,##0}" << 0 << ""
                                               << "";
    QTest::newRow("running balance")
            << "{@전미수 + runningSum(정비내역.판매금액 - 정비내역.입금액):#,##0}" << 1 << ""
            << "11,234";
    QTest::newRow("literal braces") << "{{정비내역.부품명}}" << 0 << ""
                                    << "{정비내역.부품명}";
    QTest::newRow("no row: columns empty") << "[{정비내역.부품명}]" << -1 << ""
                                           << "[]";
}

void TestReportFormat::texts()
{
    QFETCH(QString, source);
    QFETCH(int, row);
    QFETCH(QString, format);
    QString error;
    const ReportText text = ReportText::parse(source, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const ReportRows data = rows();
    const QHash<QString, QString> formulas {
            {"발행일자", "2005.12.31"}, {"xdate", "2005.12.01"}, {"전미수", "1,234"}};
    const QHash<QString, QVariant> shop {{"사용자명", QStringLiteral("한빛 카센터")}};
    RunningTotals running;
    ReportContext c;
    c.rows = &data;
    c.row = row;
    c.scopeBegin = 0;
    c.scopeEnd = data.count();
    c.page = 2;
    c.pages = 5;
    c.formulas = &formulas;
    c.shop = &shop;
    c.today = QStringLiteral("2006.01.02");
    c.workDate = QStringLiteral("2005.12.31");
    c.running = &running;
    QTEST(text.evaluate(c, format), "text");
}

void TestReportFormat::badTexts_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    QTest::newRow("unclosed") << "합계 {sum(정비내역.금액)"
                              << "'}'가 없습니다";
    QTest::newRow("stray }") << "합계 }"
                             << "'{' 없이 '}'";
    QTest::newRow("empty") << "{}"
                           << "비어 있습니다";
    QTest::newRow("unknown name") << "{pgae}"
                                  << "알 수 없는 이름 'pgae'";
    QTest::newRow("unknown function") << "{total(정비내역.금액)}"
                                      << "알 수 없는 함수 'total'";
    QTest::newRow("nested aggregate") << "{sum(count())}"
                                      << "다른 집계";
    QTest::newRow("missing column") << "{정비내역.}"
                                    << "열 이름이 없습니다";
    QTest::newRow("missing formula name") << "{@}"
                                          << "수식 이름이 없습니다";
    QTest::newRow("dangling operator") << "{정비내역.금액 +}"
                                       << "식이 끝나지 않았습니다";
    QTest::newRow("sum without value") << "{sum()}"
                                       << "값이 있어야";
}

void TestReportFormat::badTexts()
{
    QFETCH(QString, source);
    QFETCH(QString, message);
    QString error;
    ReportText::parse(source, &error);
    QVERIFY2(error.contains(message), qPrintable(error));
}

// Evaluated row by row, as the layout does, and again from the start.
void TestReportFormat::runningSumFollowsTheRows()
{
    QString error;
    const ReportText text = ReportText::parse(
            QStringLiteral("{runningSum(정비내역.판매금액 - 정비내역.입금액)}"), &error);
    const ReportRows data = rows();
    RunningTotals running;
    ReportContext c;
    c.rows = &data;
    c.running = &running;
    QStringList seen;
    for (int row : {0, 1, 2, 2, 0}) {
        c.row = row;
        seen << text.evaluate(c, QString());
    }
    QCOMPARE(seen, (QStringList {"30000", "10000", "130000", "130000", "30000"}));
}

QTEST_GUILESS_MAIN(TestReportFormat)
#include "tst_reportformat.moc"
