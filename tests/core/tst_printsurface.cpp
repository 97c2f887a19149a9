#include "PrinterSurface.h"
#include "RecordingPrintSurface.h"

#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestPrintSurface : public QObject
{
    Q_OBJECT
private slots:
    void initPrinterSetsTheBase();
    void printLinePositions_data();
    void printLinePositions();
    void printingMovesToTheNextLine();
    void pagesAndDocuments();
    void printerSurfaceWritesHangulToPdf();
};

void TestPrintSurface::initPrinterSetsTheBase()
{
    RecordingPrintSurface s;
    s.setFont(QStringLiteral("굴림"), 13, true);
    s.setColor(Qt::red);
    s.setX(500);
    InitPrinter(s);
    QCOMPARE(s.fontFamily(), QStringLiteral("굴림체"));
    QCOMPARE(s.fontSize(), 9.75);
    QVERIFY(!s.bold());
    QCOMPARE(s.color(), QColor(Qt::black));
    QCOMPARE(s.x(), 0.0);
}

void TestPrintSurface::printLinePositions_data()
{
    QTest::addColumn<int>("topMargin");
    QTest::addColumn<int>("line");
    QTest::addColumn<double>("twips");
    QTest::newRow("top of page") << 0 << 0 << 48.0;       // 0.2 / 6 inch
    QTest::newRow("line 3") << 0 << 3 << 768.0;           // 3.2 / 6 inch
    QTest::newRow("margin 2, line 3") << 2 << 3 << 1248.0;
    QTest::newRow("240 twips a line") << 0 << 33 << 7968.0;
}

void TestPrintSurface::printLinePositions()
{
    QFETCH(int, topMargin);
    QFETCH(int, line);
    QFETCH(double, twips);
    RecordingPrintSurface s;
    SetPrintLine(s, topMargin, line);
    QCOMPARE(s.y(), twips);
}

void TestPrintSurface::printingMovesToTheNextLine()
{
    RecordingPrintSurface s;
    InitPrinter(s);
    s.setFontSize(10);
    s.setColumn(15); // 14 half-width characters of a 10 point fixed font
    s.setY(1000);
    s.printText(QStringLiteral("엔진오일 교환"));
    QCOMPARE(s.x(), 0.0);
    QVERIFY(s.y() > 1000);
    s.setColor(QColor(255, 0, 0));
    s.printText(QStringLiteral("다음 엔진오일 교환시기"));
    QCOMPARE(s.texts().size(), 2);
    QCOMPARE(s.texts().at(0).x, 1400.0);
    QCOMPARE(s.texts().at(0).y, 1000.0);
    QCOMPARE(s.texts().at(0).size, 10.0);
    QCOMPARE(s.texts().at(1).x, 0.0);
    QCOMPARE(s.texts().at(1).color, QColor(255, 0, 0));
}

void TestPrintSurface::pagesAndDocuments()
{
    RecordingPrintSurface s;
    s.printText(QStringLiteral("1"));
    s.newPage();
    s.printText(QStringLiteral("2"));
    s.endDoc();
    s.printText(QStringLiteral("3"));
    QCOMPARE(s.texts().at(0).page, 0);
    QCOMPARE(s.texts().at(1).page, 1);
    QCOMPARE(s.texts().at(2).page, 0);
    QCOMPARE(s.texts().at(2).document, 1);
    QCOMPARE(s.endedDocuments(), 1);
}

void TestPrintSurface::printerSurfaceWritesHangulToPdf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.pdf"));
    {
        QPdfWriter pdf(path);
        PrinterSurface s(&pdf);
        InitPrinter(s);
        SetPrintLine(s, 0, 3);
        s.setColumn(3);
        s.printText(QStringLiteral("2005.12.31"));
        s.newPage();
        s.printText(QStringLiteral("엔진오일교환"));
        s.endDoc();
        QVERIFY(!s.hasError());
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput()).remove(QRegularExpression("\\s"));
    QVERIFY2(out.contains(QStringLiteral("2005.12.31")), qPrintable(out));
    QVERIFY2(out.contains(QStringLiteral("엔진오일교환")), qPrintable(out));
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    QVERIFY(info.waitForFinished(20000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+2")));
}

QTEST_MAIN(TestPrintSurface)
#include "tst_printsurface.moc"
