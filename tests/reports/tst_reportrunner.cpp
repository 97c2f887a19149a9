#include "PageModel.h"
#include "ReportOutput.h"
#include "ReportPageView.h"
#include "ReportPreview.h"
#include "ReportRunner.h"
#include "ReportTestTools.h"
#include "TestShop.h"

#include <QComboBox>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace ReportTestTools;

// The report component as screens use it: settings kept between runs, formulas, the
// destinations, the preview window and what the user is told when a report cannot be made.
class TestReportRunner : public QObject
{
    Q_OBJECT
private slots:
    void failuresAreToldNotCrashed_data();
    void failuresAreToldNotCrashed();
    void screensMayReportFailuresThemselves();
    void settingsAreKeptUntilSetAgain();
    void formulasFillTheTemplatesFields();
    void pdfDestinationWritesTheFile();
    void previewShowsAndTurnsPages();
    void printerPathPaintsTheSamePages();
    void noPrinterIsToldClearly();

private:
    static void addCustomers(TestShop &shop);
};

void TestReportRunner::addCustomers(TestShop &shop)
{
    for (const char *name : {"김민수", "이철수", "김영희", "박지훈"})
        shop.addCustomer(QString::fromUtf8(name), QStringLiteral("서울12가3456"));
}

void TestReportRunner::failuresAreToldNotCrashed_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("sort");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("dataFile");
    QTest::addColumn<int>("destination");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("message");

    const QString customers = QStringLiteral("C:\\voz\\RPT\\고객현황.RPT");
    const QString okPdf = QStringLiteral("out.pdf");
    QTest::newRow("template missing")
            << "C:\\voz\\RPT\\없는양식.RPT"
            << ""
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::TemplateNotFound)
            << "보고서 양식을 찾을 수 없습니다: C:\\voz\\RPT\\없는양식.RPT";
    QTest::newRow("template broken")
            << "깨진양식"
            << ""
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::TemplateInvalid) << "양식 깨진양식: 1번째 줄";
    QTest::newRow("template names no such column")
            << "잘못된열"
            << ""
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::TemplateInvalid)
            << "양식 잘못된열의 {고객.휴대전화}: 고객 테이블에 "
               "그런 열이 없습니다";
    QTest::newRow("selection unreadable")
            << customers << "{고객.고객명} = "
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::Selection) << "선택 조건을 읽을 수 없습니다";
    QTest::newRow("selection names no such column")
            << customers << "{고객.이름} = 'a'"
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::Selection)
            << "{고객.이름}: 고객 테이블에 그런 열이 없습니다";
    QTest::newRow("selection names a table not read")
            << customers << "{정비내역.구분} = '1'"
            << ""
            << ""
            << "" << 2 << okPdf << int(ReportError::Selection) << "읽지 않는 테이블";
    QTest::newRow("sort key unreadable")
            << customers << ""
            << "+고객명"
            << ""
            << "" << 2 << okPdf << int(ReportError::Sort) << "정렬 필드는";
    QTest::newRow("sort key names no such column")
            << customers << ""
            << "+{고객.없는열}"
            << ""
            << "" << 2 << okPdf << int(ReportError::Sort) << "그런 열이 없습니다";
    QTest::newRow("formula unreadable")
            << customers << ""
            << ""
            << "발행일자 2005"
            << "" << 2 << okPdf << int(ReportError::Formula) << "이름 = '값'";
    QTest::newRow("data file unknown") << customers << ""
                                       << ""
                                       << ""
                                       << "c:\\voz\\Dbs\\없는.mdb" << 2 << okPdf
                                       << int(ReportError::DataFile) << "알 수 없는 자료 화일";
    QTest::newRow("PDF without a file name")
            << customers << ""
            << ""
            << ""
            << "" << 2 << "" << int(ReportError::Output) << "PDF 화일 이름이 없습니다";
    QTest::newRow("PDF into a missing folder")
            << customers << ""
            << ""
            << ""
            << "" << 2 << "없는폴더/out.pdf" << int(ReportError::Output)
            << "PDF 화일을 만들 수 없습니다";
    QTest::newRow("unknown destination")
            << customers << ""
            << ""
            << ""
            << "" << 7 << okPdf << int(ReportError::Output) << "알 수 없는 출력 대상";
}

void TestReportRunner::failuresAreToldNotCrashed()
{
    QFETCH(QString, report);
    QFETCH(QString, selection);
    QFETCH(QString, sort);
    QFETCH(QString, formula);
    QFETCH(QString, dataFile);
    QFETCH(int, destination);
    QFETCH(QString, pdf);
    QFETCH(int, number);
    QFETCH(QString, message);
    TestShop shop;
    addCustomers(shop);
    writeTemplate(shop, QStringLiteral("깨진양식"), "{ \"title\": ");
    writeTemplate(shop, QStringLiteral("잘못된열"),
                  "{\"data\": {\"from\": \"고객\"}, \"detail\": {\"height\": 6, \"items\": "
                  "[{\"at\": [0, 0, 50, 6], \"text\": \"{고객.휴대전화}\"}]}}");
    ReportRunner runner(shop.context());
    runner.SetReportFile(report);
    runner.SetSelection(selection);
    runner.SetSortField(0, sort);
    runner.SetFormula(0, formula);
    runner.SetDataFile(0, dataFile);
    runner.SetDestination(destination);
    const QString pdfPath = pdf.isEmpty() ? QString() : shop.root() + QLatin1Char('/') + pdf;
    runner.SetPdfFile(pdfPath);
    QVERIFY(!runner.RunReport());
    QCOMPARE(runner.lastError().number, number);
    QCOMPARE(shop.prompter().shown().size(), 1);
    const auto &shown = shop.prompter().shown().first();
    QVERIFY2(shown.text.contains(message), qPrintable(shown.text));
    QCOMPARE(shown.title, QStringLiteral("출력 오류"));
    QVERIFY(!pdfPath.isEmpty() ? !QFileInfo::exists(pdfPath) : true);
    QVERIFY(!runner.preview());
}

void TestReportRunner::screensMayReportFailuresThemselves()
{
    TestShop shop;
    ReportRunner runner(shop.context());
    runner.setShowErrors(false);
    runner.SetReportFile(QStringLiteral("C:\\voz\\rpt\\영수증없음.rpt"));
    QVERIFY(!runner.RunReport());
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(runner.lastError().number, int(ReportError::TemplateNotFound));
    QVERIFY(!runner.lastError().text.isEmpty());
}

// Each setting stays until the screen sets it again, as one component serves all the
// buttons of a screen.
void TestReportRunner::settingsAreKeptUntilSetAgain()
{
    TestShop shop;
    addCustomers(shop);
    ReportRunner runner(shop.context());
    runner.SetReportFile(QStringLiteral("C:\\voz\\RPT\\고객현황.RPT"));
    runner.SetDestination(ReportRunner::ToPdf);
    runner.SetPdfFile(shop.root() + QStringLiteral("/list.pdf"));
    runner.SetSelection(QStringLiteral("{고객.고객명} like '김*'"));
    runner.SetSortField(0, QStringLiteral("-{고객.고객명}"));
    const auto namesPrinted = [&] {
        QStringList names;
        for (const QString &t : allTexts(runner.lastPages())) {
            if (t == QStringLiteral("김민수") || t == QStringLiteral("김영희")
                || t == QStringLiteral("이철수") || t == QStringLiteral("박지훈")) {
                names << t;
            }
        }
        return names;
    };
    QVERIFY(runner.RunReport());
    QCOMPARE(namesPrinted(), (QStringList {"김영희", "김민수"}));
    runner.SetSelection(QString());
    QVERIFY(runner.RunReport());
    QCOMPARE(namesPrinted(), (QStringList {"이철수", "박지훈", "김영희", "김민수"}));
    runner.SetSortField(0, QStringLiteral("+{고객.고객명}"));
    QVERIFY(runner.RunReport());
    QCOMPARE(namesPrinted(), (QStringList {"김민수", "김영희", "박지훈", "이철수"}));
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestReportRunner::formulasFillTheTemplatesFields()
{
    TestShop shop;
    const qint64 kim = shop.addCustomer(QStringLiteral("김민수"), QStringLiteral("서울12가3456"));
    addLine(shop, kim, QStringLiteral("2005.12.01"), QStringLiteral("엔진오일"), 30000);
    installFixture(shop, QStringLiteral("고객별내역"));
    ReportRunner runner(shop.context());
    runner.SetReportFile(QStringLiteral("C:\\voz\\RPT\\고객별내역.rpt"));
    runner.SetDestination(ReportRunner::ToPdf);
    runner.SetPdfFile(shop.root() + QStringLiteral("/f.pdf"));
    runner.SetFormula(0, QStringLiteral("발행일자 = '2005.12.31'"));
    runner.SetFormula(1, QStringLiteral("Type = '이 양식에는 없는 이름'"));
    QVERIFY(runner.RunReport());
    QCOMPARE(allTexts(runner.lastPages()).first(), QStringLiteral("발행 2005.12.31 전체"));
    runner.SetFormula(2, QStringLiteral("name = 'O'Neil'"));
    QVERIFY(runner.RunReport());
    QCOMPARE(allTexts(runner.lastPages()).first(), QStringLiteral("발행 2005.12.31 O'Neil"));
    // A slot emptied again gives the template's own value back.
    runner.SetFormula(2, QString());
    runner.SetFormula(0, QStringLiteral("발행일자 = ''"));
    QVERIFY(runner.RunReport());
    QCOMPARE(allTexts(runner.lastPages()).first(), QStringLiteral("발행  전체"));
    QVERIFY(shop.prompter().shown().isEmpty());
}

void TestReportRunner::pdfDestinationWritesTheFile()
{
    if (!havePdfToText())
        QSKIP("pdftotext is not installed");
    TestShop shop;
    addShopRecord(shop);
    addPart(shop, QStringLiteral("참조부품"), QStringLiteral("브레이크패드(앞)"), 45000,
            QStringLiteral("쏘나타"), QStringLiteral("SET"));
    addPart(shop, QStringLiteral("참조부품"), QStringLiteral("에어컨필터"), 15000,
            QStringLiteral("공용"), QStringLiteral("EA"));
    ReportRunner runner(shop.context());
    runner.setToday(QStringLiteral("2006.01.02"));
    runner.SetReportFile(QStringLiteral("C:\\voz\\RPT\\부품가격표리스트.RPT"));
    runner.SetSelection(QStringLiteral("{참조부품.부품명} <> ''"));
    runner.SetDestination(ReportRunner::ToPdf);
    const QString pdf = shop.root() + QStringLiteral("/가격표.pdf");
    runner.SetPdfFile(pdf);
    QVERIFY(runner.RunReport());
    const QString text = pdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("부품가격표")), qPrintable(text));
    // Purchase price before selling price, as on the reference price screen.
    QVERIFY(text.contains(QStringLiteral("부품명규격단위매입단가판매단가")));
    QVERIFY(text.contains(QStringLiteral("1브레이크패드(앞)쏘나타SET22,50045,000")));
    QVERIFY(text.contains(QStringLiteral("2에어컨필터공용EA7,50015,000")));
    QVERIFY(text.contains(QStringLiteral("총2품목")));
    QVERIFY(text.contains(QStringLiteral("1/1")));
}

void TestReportRunner::previewShowsAndTurnsPages()
{
    TestShop shop;
    installFixture(shop, QStringLiteral("짧은쪽"));
    for (int i = 1; i <= 30; ++i)
        addPart(shop, QStringLiteral("참조부품"), QStringLiteral("부품%1").arg(i), i * 1000);
    QWidget screen;
    ReportRunner runner(shop.context(), &screen);
    runner.SetReportFile(QStringLiteral("짧은쪽"));
    runner.SetDestination(ReportRunner::ToPreview);
    QVERIFY(runner.RunReport());
    QPointer<ReportPreview> preview = runner.preview();
    QVERIFY(preview);
    QVERIFY(preview->isVisible());
    QVERIFY(!preview->isModal());
    QCOMPARE(preview->windowTitle(), QStringLiteral("짧은 쪽 - 미리보기"));
    auto *count = preview->findChild<QLabel *>(QStringLiteral("lblPageCount"));
    auto *page = preview->findChild<QSpinBox *>(QStringLiteral("spnPage"));
    auto *next = preview->findChild<QPushButton *>(QStringLiteral("cmdNext"));
    auto *previous = preview->findChild<QPushButton *>(QStringLiteral("cmdPrevious"));
    auto *zoom = preview->findChild<QComboBox *>(QStringLiteral("cboZoom"));
    QVERIFY(count && page && next && previous && zoom);
    QCOMPARE(count->text(), QStringLiteral("/ 4 쪽"));
    QCOMPARE(page->value(), 1);
    QVERIFY(!previous->isEnabled());
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(preview->currentPage(), 1);
    QCOMPARE(page->value(), 2);
    QTest::keyClick(preview, Qt::Key_End);
    QCOMPARE(preview->currentPage(), 3);
    QVERIFY(!next->isEnabled());
    QTest::keyClick(preview, Qt::Key_PageUp);
    QCOMPARE(preview->currentPage(), 2);
    page->setValue(1);
    QCOMPARE(preview->currentPage(), 0);

    zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
    const QSize at100 = preview->view()->sizeHint();
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("200%")));
    QVERIFY(preview->view()->sizeHint().width() > at100.width() * 1.8);
    QTest::keyClick(preview, Qt::Key_Minus, Qt::ControlModifier);
    QVERIFY(preview->view()->sizeHint().width() < at100.width() * 1.8);

    // The sheet is painted: dark text on white paper.
    zoom->setCurrentIndex(zoom->findText(QStringLiteral("100%")));
    const QImage image = preview->view()->grab().toImage();
    QVERIFY(!image.isNull());
    int dark = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            dark += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
    }
    QVERIFY(dark > 50);

    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!preview);
    QVERIFY(!runner.preview());
}

void TestReportRunner::printerPathPaintsTheSamePages()
{
    if (!havePdfToText())
        QSKIP("pdftotext is not installed");
    TestShop shop;
    addPart(shop, QStringLiteral("참조부품"), QStringLiteral("와이퍼 블레이드"), 12000);
    ReportRunner runner(shop.context());
    runner.SetReportFile(QStringLiteral("부품가격표리스트"));
    runner.SetDestination(ReportRunner::ToPdf);
    runner.SetPdfFile(shop.root() + QStringLiteral("/direct.pdf"));
    QVERIFY(runner.RunReport());
    // A printer that writes PDF stands in for the real one.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString printed = shop.root() + QStringLiteral("/printed.pdf");
    printer.setOutputFileName(printed);
    QString error;
    QVERIFY2(ReportOutput::print(runner.lastPages(), printer, 2, &error), qPrintable(error));
    const QString one = pdfText(shop.root() + QStringLiteral("/direct.pdf"));
    QCOMPARE(pdfText(printed), printer.supportsMultipleCopies() ? one : one + one);
    QCOMPARE(pdfPages(printed), printer.supportsMultipleCopies() ? 1 : 2);
}

void TestReportRunner::noPrinterIsToldClearly()
{
    if (!QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a default printer; the test would print");
    TestShop shop;
    // The template asks for the printer; the screen sets no destination.
    writeTemplate(shop, QStringLiteral("안내"),
                  "{\"title\": \"안내\", \"destination\": \"printer\", \"copies\": 2, "
                  "\"data\": {\"from\": \"안내장\"}, \"detail\": {\"height\": 10, \"items\": "
                  "[{\"at\": [0, 0, 100, 10], \"text\": \"{안내장.안내장내역}\"}]}}");
    ReportRunner runner(shop.context());
    runner.SetReportFile(QStringLiteral("C:\\voz\\RPT\\안내.RPT"));
    QVERIFY(!runner.RunReport());
    QCOMPARE(runner.lastError().number, int(ReportError::Output));
    QCOMPARE(shop.prompter().texts().size(), 1);
    QVERIFY(shop.prompter().texts().first().contains(QStringLiteral("기본 프린터가 없습니다")));
}

QTEST_MAIN(TestReportRunner)
#include "tst_reportrunner.moc"
