#include "NumberFormat.h"
#include "ReportBuilder.h"
#include "ReportError.h"
#include "ReportMeasure.h"
#include "ReportOutput.h"
#include "ReportRequest.h"
#include "ReportTestTools.h"
#include "TestShop.h"

#include <QtTest>

using namespace ReportTestTools;

// Records read with the screens' selections and sort keys, laid out into pages: control
// breaks, sums, page breaks, fitting texts into their columns, and the PDF made from it.
class TestReportEngine : public QObject
{
    Q_OBJECT
private slots:
    void sortAndSelection_data();
    void sortAndSelection();
    void selectionAcrossJoinedStores();
    void groupBreaksAndSums();
    void pageBreaksRepeatThePageHeader();
    void groupHeaderRepeatsOnEveryPageOfItsGroup();
    void textsStayInTheirColumns();
    void emptyResultStillPrintsItsFrame();
    void pdfHoldsTheRows();
    void dataFilesNameStores_data();
    void dataFilesNameStores();

private:
    static void addCustomers(TestShop &shop);
    static QStringList names(const ReportBuilder &builder);
};

namespace {

bool build(ReportBuilder &builder, const ReportRequest &request)
{
    builder.setToday(QStringLiteral("2006.01.02"));
    ReportError error;
    const bool ok = builder.build(request, error);
    if (!ok)
        qWarning("%s", qPrintable(error.text));
    return ok;
}

} // namespace

void TestReportEngine::addCustomers(TestShop &shop)
{
    const struct
    {
        const char *name;
        const char *vehicle;
        const char *mobile;
    } customers[] = {
            {"김민수", "서울12가3456", "010-1234-5678"},
            {"김영희", "경기34나1234", "010-9999-0000"},
            {"이철수", "서울56다7890", "010-5555-1234"},
            {"O'Neil", "인천12가0001", ""},
            {"100%상사", "서울99라9999", ""},
            {"1000상사", "부산11마1111", ""},
            {"박지훈", "", "010-2222-3333"},
    };
    for (const auto &c : customers) {
        const qint64 code
                = shop.addCustomer(QString::fromUtf8(c.name), QString::fromUtf8(c.vehicle));
        shop.base().exec(QStringLiteral("UPDATE 고객 SET 휴대폰 = ? WHERE 고객코드 = ?"),
                         {QString::fromUtf8(c.mobile), code});
    }
}

QStringList TestReportEngine::names(const ReportBuilder &builder)
{
    QStringList out;
    const ReportField name {QStringLiteral("고객"), QStringLiteral("고객명")};
    for (int r = 0; r < builder.rows().count(); ++r)
        out << builder.rows().value(r, name).toString();
    return out;
}

void TestReportEngine::sortAndSelection_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("all, by the template's own key")
            << ""
            << "" << QStringList {"100%상사", "1000상사", "O'Neil", "김민수",
                                  "김영희",   "박지훈",   "이철수"};
    QTest::newRow("name begins with") << "{고객.고객명} like '김*'"
                                      << "+{고객.고객명}" << QStringList {"김민수", "김영희"};
    QTest::newRow("vehicle contains, by vehicle")
            << "{고객.차량번호} like '*12가*'"
            << "+{고객.차량번호}" << QStringList {"김민수", "O'Neil"};
    QTest::newRow("mobile contains") << "{고객.휴대폰} like '*1234*'"
                                     << "+{고객.고객명}" << QStringList {"김민수", "이철수"};
    QTest::newRow("quote typed in the name") << "{고객.고객명} like 'O'N*'"
                                             << "+{고객.고객명}" << QStringList {"O'Neil"};
    QTest::newRow("typed % is a percent sign") << "{고객.고객명} like '100%*'"
                                               << "+{고객.고객명}" << QStringList {"100%상사"};
    QTest::newRow("descending") << "{고객.고객명} like '김*'"
                                << "-{고객.고객명}" << QStringList {"김영희", "김민수"};
    QTest::newRow("empty vehicles left out")
            << "{고객.차량번호} <> ''"
            << "+{고객.고객명}"
            << QStringList {"100%상사", "1000상사", "O'Neil", "김민수", "김영희", "이철수"};
    QTest::newRow("or in brackets") << "({고객.고객명} = '김민수' or {고객.고객명} = '이철수') and "
                                       "{고객.차량번호} like '서울*'"
                                    << "" << QStringList {"김민수", "이철수"};
    QTest::newRow("nothing matches") << "{고객.고객명} = '없는 사람'"
                                     << "" << QStringList {};
}

void TestReportEngine::sortAndSelection()
{
    QFETCH(QString, selection);
    QFETCH(QString, sort);
    TestShop shop;
    addCustomers(shop);
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\고객현황.RPT");
    request.selection = selection;
    if (!sort.isEmpty())
        request.sortFields.insert(0, sort);
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    QTEST(names(builder), "names");
}

// 고객, 고객미수금 and 정비내역 live in two stores; the report reads them in one statement.
void TestReportEngine::selectionAcrossJoinedStores()
{
    TestShop shop;
    const qint64 kim = shop.addCustomer(QStringLiteral("김민수"), QStringLiteral("서울12가3456"));
    const qint64 lee = shop.addCustomer(QStringLiteral("이철수"), QStringLiteral("서울56다7890"));
    addLine(shop, kim, QStringLiteral("2005.11.30"), QStringLiteral("엔진오일"), 30000);
    addLine(shop, kim, QStringLiteral("2005.12.01"), QStringLiteral("타이어"), 120000);
    addLine(shop, kim, QStringLiteral("2005.12.02"), QStringLiteral("< 입금 >"), 0, 50000);
    addLine(shop, lee, QStringLiteral("2005.12.03"), QStringLiteral("와이퍼"), 15000);
    setReceivable(shop, kim, 100000);
    setReceivable(shop, lee, 0);
    installFixture(shop, QStringLiteral("고객별내역"));

    ReportRequest request;
    request.reportFile = QStringLiteral("고객별내역");
    request.dataFiles = {{0, QStringLiteral("c:\\voz\\Dbs\\기초자료.mdb")},
                         {1, QStringLiteral("c:\\voz\\Dbs\\정비내역.mdb")}};
    request.selection = QStringLiteral("{고객미수금.미수금} <> 0 and {정비내역.구분} = '1' and "
                                       "{정비내역.정비일자} >= '2005.12.01'");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    QCOMPARE(builder.rows().count(), 1);
    QCOMPARE(builder.rows().value(0, ReportField {"정비내역", "부품명"}).toString(),
             QStringLiteral("타이어"));
}

void TestReportEngine::groupBreaksAndSums()
{
    TestShop shop;
    const qint64 kim = shop.addCustomer(QStringLiteral("김민수"), QStringLiteral("서울12가3456"));
    const qint64 lee = shop.addCustomer(QStringLiteral("이철수"), QStringLiteral("서울56다7890"));
    // Stored out of order: the report sorts by customer, then date.
    addLine(shop, lee, QStringLiteral("2005.12.05"), QStringLiteral("배터리"), 95000);
    addLine(shop, kim, QStringLiteral("2005.12.03"), QStringLiteral("타이어"), 120000);
    addLine(shop, kim, QStringLiteral("2005.12.01"), QStringLiteral("엔진오일"), 30000);
    addLine(shop, lee, QStringLiteral("2005.12.01"), QStringLiteral("와이퍼"), 15000);
    addLine(shop, kim, QStringLiteral("2005.12.02"), QStringLiteral("< 입금 >"), 0, 20000);
    setReceivable(shop, kim, 130000);
    setReceivable(shop, lee, 110000);
    installFixture(shop, QStringLiteral("고객별내역"));

    ReportRequest request;
    request.reportFile = QStringLiteral("고객별내역");
    request.formulas = {{0, QStringLiteral("발행일자 = '2005.12.31'")},
                        {1, QStringLiteral("전미수 = '1,000'")}};
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    QCOMPARE(builder.pages().pageCount(), 1);
    const QStringList expected {
            "발행 2005.12.31 전체",
            "고객 김민수 3건",
            "2005.12.01",
            "엔진오일",
            "30,000",
            "31,000",
            "2005.12.02",
            "< 입금 >",
            "11,000", // a payment: no amount, the balance goes down
            "2005.12.03",
            "타이어",
            "120,000",
            "131,000",
            "소계 150,000 미수 130,000",
            "고객 이철수 2건",
            "2005.12.01",
            "와이퍼",
            "15,000",
            "146,000",
            "2005.12.05",
            "배터리",
            "95,000",
            "241,000",
            "소계 110,000 미수 110,000",
            "합계 260,000",
            "머리글",
            "1 / 1 쪽합계 260,000",
    };
    QCOMPARE(builder.pages().texts(0), expected);
}

void TestReportEngine::pageBreaksRepeatThePageHeader()
{
    TestShop shop;
    installFixture(shop, QStringLiteral("짧은쪽"));
    for (int i = 1; i <= 30; ++i)
        addPart(shop, QStringLiteral("참조부품"), QStringLiteral("부품%1").arg(i), i * 1000);
    ReportRequest request;
    request.reportFile = QStringLiteral("짧은쪽");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    const PageModel &model = builder.pages();
    // 60 mm inside the margins, less an 8 mm header and a 5 mm footer: nine 5 mm records.
    QCOMPARE(model.pageCount(), 4);
    QStringList rows;
    for (int p = 0; p < model.pageCount(); ++p) {
        const QStringList texts = model.texts(p);
        QVERIFY2(texts.contains(QStringLiteral("머리글 2006.01.02")), qPrintable(texts.join('|')));
        QVERIFY(texts.contains(QStringLiteral("부품명")));
        QVERIFY(texts.contains(QStringLiteral("판매단가")));
        QVERIFY(texts.contains(QStringLiteral("%1 / 4").arg(p + 1)));
        int onPage = 0;
        for (const PageItem &item : model.pages.at(p).items) {
            if (item.kind != PageItem::Text || !item.text.startsWith(QStringLiteral("부품")))
                continue;
            if (item.text == QStringLiteral("부품명"))
                continue;
            rows << item.text;
            ++onPage;
            // Below the header, above the footer.
            QVERIFY(item.rect.top() >= 5 + 8 - 0.01);
            QVERIFY(item.rect.bottom() <= 70 - 5 - 5 + 0.01);
        }
        QCOMPARE(onPage, p < 3 ? 9 : 3);
    }
    QStringList expected;
    for (int i = 1; i <= 30; ++i)
        expected << QStringLiteral("부품%1").arg(i);
    QCOMPARE(rows, expected);
}

void TestReportEngine::groupHeaderRepeatsOnEveryPageOfItsGroup()
{
    TestShop shop;
    const qint64 kim = shop.addCustomer(QStringLiteral("김민수"), QStringLiteral("서울12가3456"));
    const qint64 lee = shop.addCustomer(QStringLiteral("이철수"), QStringLiteral("서울56다7890"));
    for (int day = 1; day <= 16; ++day) {
        addLine(shop, kim, QStringLiteral("2005.12.%1").arg(day, 2, 10, QLatin1Char('0')),
                QStringLiteral("정비%1").arg(day), 1000);
    }
    addLine(shop, lee, QStringLiteral("2005.12.01"), QStringLiteral("와이퍼"), 15000);
    installFixture(shop, QStringLiteral("고객별내역"));
    ReportRequest request;
    request.reportFile = QStringLiteral("고객별내역");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    const PageModel &model = builder.pages();
    QCOMPARE(model.pageCount(), 2);
    QVERIFY(model.texts(0).contains(QStringLiteral("고객 김민수 16건")));
    QVERIFY(model.texts(1).contains(QStringLiteral("고객 김민수 16건")));
    QVERIFY(model.texts(1).contains(QStringLiteral("고객 이철수 1건")));
    QVERIFY(!model.texts(0).contains(QStringLiteral("고객 이철수 1건")));
    QCOMPARE(model.texts(0).count(QStringLiteral("머리글")), 1);
    QCOMPARE(model.texts(1).count(QStringLiteral("머리글")), 1);
    // Page sums count the records of their own page.
    const QString first = model.texts(0).constLast();
    const QString second = model.texts(1).constLast();
    QVERIFY2(first.startsWith(QStringLiteral("1 / 2 쪽합계 ")), qPrintable(first));
    QVERIFY2(second.startsWith(QStringLiteral("2 / 2 쪽합계 ")), qPrintable(second));
    const auto sumOf = [](const QString &footer) {
        return footer.section(QLatin1Char(' '), 4).remove(QLatin1Char(',')).toInt();
    };
    QCOMPARE(sumOf(first) + sumOf(second), 31000);
    QVERIFY(model.texts(1).contains(QStringLiteral("합계 31,000")));
}

void TestReportEngine::textsStayInTheirColumns()
{
    TestShop shop;
    installFixture(shop, QStringLiteral("좁은칸"));
    const QString longName = QStringLiteral("아주 긴 부품 이름이 들어가는 칸");
    const QString longSpec = QStringLiteral("205/55R16 사계절 타이어 한국 키너지");
    addPart(shop, QStringLiteral("참조부품"), longName, 12345678, longSpec,
            QStringLiteral("박스(대형 묶음)"));
    addPart(shop, QStringLiteral("참조부품"), QStringLiteral("오일필터"), 9000,
            QStringLiteral("공용"), QStringLiteral("EA"));
    ReportRequest request;
    request.reportFile = QStringLiteral("좁은칸");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    const QList<PageItem> &items = builder.pages().pages.at(0).items;
    const ReportMeasure measure;
    double firstRowBottom = 0;
    QStringList specLines;
    bool sawName = false, sawAmount = false, sawUnit = false;
    double secondRowTop = 1e9;
    for (const PageItem &item : items) {
        if (item.kind != PageItem::Text)
            continue;
        // Every text fits its box on every device the layout measures for.
        QVERIFY2(measure.width(item.font, item.text) <= item.rect.width() + 0.01,
                 qPrintable(item.text));
        const double column = item.rect.left() - 10; // left margin
        if (column < 19) {
            if (item.text == QStringLiteral("오일필터")) {
                secondRowTop = item.rect.top();
            } else {
                QVERIFY(longName.startsWith(item.text)); // cut, not squeezed
                QVERIFY(item.text.size() < longName.size());
                QCOMPARE(item.font.size, 9.0);
                sawName = true;
            }
        } else if (column < 39) {
            if (item.text != QStringLiteral("공용")) {
                specLines << item.text;
                firstRowBottom = qMax(firstRowBottom, item.rect.bottom());
            }
        } else if (column < 51) {
            if (item.text == QStringLiteral("12,345,678")) {
                QVERIFY(item.font.size < 9.0); // an amount is shrunk, never cut
                sawAmount = true;
            }
        } else if (item.text != QStringLiteral("EA")) {
            QCOMPARE(item.text, QStringLiteral("박스(대형 묶음)"));
            QVERIFY(item.font.size < 9.0);
            sawUnit = true;
        }
    }
    QVERIFY(sawName && sawAmount && sawUnit);
    QVERIFY(specLines.size() >= 2);
    QCOMPARE(specLines.join(QLatin1Char(' ')), longSpec);
    // The wrapped row grew: the next record starts below its last line.
    QVERIFY(secondRowTop >= firstRowBottom - 0.01);
    // Lines marked to stretch follow the grown row.
    bool stretched = false;
    for (const PageItem &item : items) {
        if (item.kind == PageItem::Line && item.line.x1() == item.line.x2()
            && item.line.y1() == 10) {
            QVERIFY(item.line.y2() > 16.01);
            QCOMPARE(item.line.y2(), secondRowTop);
            stretched = true;
        }
    }
    QVERIFY(stretched);
}

void TestReportEngine::emptyResultStillPrintsItsFrame()
{
    TestShop shop;
    addShopRecord(shop);
    addPart(shop, QStringLiteral("정비부품"), QStringLiteral("오일필터"), 9000);
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\정비부품.RPT");
    request.selection = QStringLiteral("{정비부품.부품명} = '없는 부품'");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    QCOMPARE(builder.pages().pageCount(), 1);
    const QStringList texts = builder.pages().texts(0);
    QVERIFY(texts.contains(QStringLiteral("정비부품 단가표")));
    QVERIFY(texts.contains(QStringLiteral("한빛 카센터")));
    QVERIFY(texts.contains(QStringLiteral("출력일자 : 2006.01.02")));
    QVERIFY(texts.contains(QStringLiteral("총 0 품목")));
    QVERIFY(texts.contains(QStringLiteral("1 / 1")));
    QVERIFY(!texts.contains(QStringLiteral("오일필터")));
}

void TestReportEngine::pdfHoldsTheRows()
{
    if (!havePdfToText())
        QSKIP("pdftotext is not installed");
    TestShop shop;
    addShopRecord(shop);
    for (int i = 1; i <= 50; ++i) {
        addPart(shop, QStringLiteral("정비부품"),
                QStringLiteral("엔진오일%1호").arg(i, 2, 10, QLatin1Char('0')), i * 1500,
                QStringLiteral("5W-30"), QStringLiteral("L"));
    }
    addPart(shop, QStringLiteral("정비부품"), QStringLiteral(""), 1); // no name: not printed
    ReportRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\정비부품.RPT");
    request.selection = QStringLiteral("{정비부품.부품명} <> ''");
    ReportBuilder builder(shop.context());
    QVERIFY(build(builder, request));
    const QString pdf = shop.root() + QStringLiteral("/정비부품.pdf");
    QString error;
    QVERIFY2(ReportOutput::writePdf(builder.pages(), pdf, &error), qPrintable(error));
    QCOMPARE(pdfPages(pdf), builder.pages().pageCount());
    QCOMPARE(builder.pages().pageCount(), 2);
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("한빛카센터")), qPrintable(text.left(300)));
    QVERIFY(text.contains(QStringLiteral("정비부품단가표")));
    QVERIFY(text.contains(QStringLiteral("출력일자:2006.01.02")));
    QVERIFY(text.contains(QStringLiteral("부품명규격단위판매단가매입단가")));
    for (int i = 1; i <= 50; ++i) {
        const QString row = QStringLiteral("%1엔진오일%2호5W-30L%3%4")
                                    .arg(i)
                                    .arg(i, 2, 10, QLatin1Char('0'))
                                    .arg(FormatNumber(i * 1500), FormatNumber(i * 750));
        QVERIFY2(text.contains(row), qPrintable(row));
    }
    QVERIFY(text.contains(QStringLiteral("1/2")));
    QVERIFY(text.contains(QStringLiteral("2/2")));
    QVERIFY(text.contains(QStringLiteral("총50품목")));
}

void TestReportEngine::dataFilesNameStores_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("store");
    QTest::newRow("base") << "c:\\voz\\Dbs\\기초자료.mdb"
                          << "base";
    QTest::newRow("maintenance") << "C:\\VOZ\\DBS\\정비내역.MDB"
                                 << "maintenance";
    QTest::newRow("this program's file") << "/home/shop/voz/DBS/기초자료.db"
                                         << "base";
    QTest::newRow("postal") << "c:\\voz\\Dbs\\우편번호.mdb"
                            << "postal";
    QTest::newRow("unknown") << "c:\\voz\\Dbs\\InOutCash.mdb"
                             << "";
}

void TestReportEngine::dataFilesNameStores()
{
    QFETCH(QString, path);
    QTEST(ReportBuilder::storeOfDataFile(path), "store");
}

QTEST_MAIN(TestReportEngine)
#include "tst_reportengine.moc"
