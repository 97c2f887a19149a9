#include "TemplateLocator.h"
#include "TemplateReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Reading and checking template files, and finding them by the names screens use.
class TestReportTemplate : public QObject
{
    Q_OBJECT
private slots:
    void shippedAndFixtureTemplatesRead();
    void readsEverySetting();
    void errorsNameThePlace_data();
    void errorsNameThePlace();
    void templateNames_data();
    void templateNames();
    void shopFolderOverridesShippedTemplates();
};

namespace {

QStringList templateFiles()
{
    QStringList files;
    for (const QString &dir :
         {TemplateLocator::shippedDirs().constLast(), QStringLiteral(TORVIK_REPORT_FIXTURES)}) {
        for (const QFileInfo &f : QDir(dir).entryInfoList({QStringLiteral("*.json")}, QDir::Files))
            files << f.absoluteFilePath();
    }
    return files;
}

// A template around one detail band; items and the rest given as JSON text.
QByteArray withDetail(const QString &items, const QString &extra = QString())
{
    return QStringLiteral("{\"data\": {\"from\": \"정비부품\"}%1, \"detail\": {\"height\": 6, "
                          "\"items\": [%2]}}")
            .arg(extra, items)
            .toUtf8();
}

} // namespace

void TestReportTemplate::shippedAndFixtureTemplatesRead()
{
    const QStringList files = templateFiles();
    for (const char *name : {"정비부품.json", "부품가격표리스트.json", "고객현황.json"}) {
        bool found = false;
        for (const QString &f : files)
            found = found || f.endsWith(QLatin1Char('/') + QString::fromUtf8(name));
        QVERIFY2(found, name);
    }
    for (const QString &file : files) {
        QString error;
        const auto t = TemplateReader::readFile(file, &error);
        QVERIFY2(t.has_value(), qPrintable(error));
        QVERIFY(!t->title.isEmpty());
        QVERIFY(t->detail.present);
    }
}

void TestReportTemplate::readsEverySetting()
{
    QString error;
    const auto t = TemplateReader::readFile(
            QStringLiteral(TORVIK_REPORT_FIXTURES "/고객별내역.json"), &error);
    QVERIFY2(t, qPrintable(error));
    QCOMPARE(t->name, QStringLiteral("고객별내역"));
    QCOMPARE(t->pageSizeMm(), QSizeF(148, 105));
    QCOMPARE(t->margins, QMarginsF(8, 8, 8, 8));
    QCOMPARE(t->tables(), (QStringList {"정비내역", "고객", "고객미수금"}));
    QCOMPARE(t->joins.at(0).column, QStringLiteral("고객코드"));
    QVERIFY(!t->joins.at(0).inner);
    QCOMPARE(t->sort.size(), 2);
    QCOMPARE(t->formula(QStringLiteral("name"))->value, QStringLiteral("전체"));
    QCOMPARE(t->groups.size(), 1);
    QVERIFY(t->groups.at(0).repeatHeader);
    QCOMPARE(t->groups.at(0).key.column, QStringLiteral("고객코드"));
    const auto &amount = t->detail.items.at(2);
    QCOMPARE(amount.format, QStringLiteral("#,###"));
    QCOMPARE(amount.align, Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(amount.rect, QRectF(85, 0, 22, 6));
    QCOMPARE(amount.font.family, QStringLiteral("굴림"));
    QCOMPARE(amount.font.size, 8.0);

    const auto landscape = TemplateReader::readFile(
            TemplateLocator::shippedDirs().constLast() + QStringLiteral("/고객현황.json"), &error);
    QVERIFY2(landscape, qPrintable(error));
    QCOMPARE(landscape->orientation, QPageLayout::Landscape);
    QCOMPARE(landscape->pageSizeMm().toSize(), QSize(297, 210));
}

void TestReportTemplate::errorsNameThePlace_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("message");

    QTest::newRow("JSON error gives the line")
            << QByteArray("{\n  \"title\": \"x\",,\n}") << "2번째 줄";
    QTest::newRow("not an object") << QByteArray("[]") << "전체를 { } 로";
    QTest::newRow("unknown key") << QByteArray("{\"titel\": \"x\", \"data\": {\"from\": \"a\"}}")
                                 << "titel: 알 수 없는 항목";
    QTest::newRow("comments are allowed, no data")
            << QByteArray("{\"//\": \"note\"}") << "data: 읽을 테이블";
    QTest::newRow("unknown paper") << QByteArray("{\"paper\": \"A9\"}") << "paper: A3, A4";
    QTest::newRow("margins wider than the paper")
            << QByteArray("{\"paper\": \"A5\", \"margins\": 80}") << "여백이 용지보다";
    QTest::newRow("unknown font") << withDetail(
            "{\"at\": [0,0,10,6], \"text\": \"a\", \"font\": \"큰글씨\"}")
                                  << "detail.items[0].font: \"fonts\" 에 없는 글꼴 '큰글씨'";
    QTest::newRow("formula not declared")
            << withDetail("{\"at\": [0,0,10,6], \"text\": \"{@발행일자}\"}")
            << "detail.items[0].text: @발행일자: \"formulas\" 에 없는 수식";
    QTest::newRow("table the template does not read")
            << withDetail("{\"at\": [0,0,10,6], \"text\": \"{정비내역.부품명}\"}")
            << "{정비내역.부품명}: 양식이 읽지 않는 테이블";
    QTest::newRow("bad placeholder") << withDetail("{\"at\": [0,0,10,6], \"text\": \"{pgae}\"}")
                                     << "detail.items[0].text: {pgae}: 알 수 없는 이름";
    QTest::newRow("bad alignment")
            << withDetail("{\"at\": [0,0,10,6], \"text\": \"a\", \"align\": \"middle\"}")
            << "align: left, center, right";
    QTest::newRow("misspelt item key")
            << withDetail("{\"at\": [0,0,10,6], \"text\": \"a\", \"algin\": \"right\"}")
            << "detail.items[0].algin: 알 수 없는 항목";
    QTest::newRow("item without kind")
            << withDetail("{\"at\": [0,0,10,6]}") << "\"text\", \"line\", \"box\" 가운데 하나";
    QTest::newRow("three numbers for a box")
            << withDetail("{\"at\": [0,0,10], \"text\": \"a\"}") << "at: 숫자 4개의 배열";
    QTest::newRow("bad where") << QByteArray("{\"data\": {\"from\": \"정비부품\", \"where\": "
                                             "\"{정비부품.부품명} = \"}}")
                               << "data.where: 조건이 끝나지 않았습니다";
    QTest::newRow("bad sort") << QByteArray("{\"data\": {\"from\": \"정비부품\", \"sort\": "
                                            "[\"부품명\"]}}")
                              << "data.sort[0]: 정렬 필드";
    QTest::newRow("joined twice") << QByteArray("{\"data\": {\"from\": \"고객\", \"join\": "
                                                "[{\"table\": \"고객\"}]}}")
                                  << "두 번";
    QTest::newRow("group key without braces")
            << withDetail("", ", \"groups\": [{\"key\": \"정비부품.단위\"}]")
            << "groups[0].key: {테이블.열}";
    QTest::newRow("bands taller than the page") << withDetail(
            "", ", \"pageHeader\": {\"height\": 200}, \"pageFooter\": {\"height\": 100}")
                                                << "용지 안쪽 높이";
}

void TestReportTemplate::errorsNameThePlace()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, message);
    QString error;
    const auto t = TemplateReader::read(json, QStringLiteral("시험"), &error);
    QVERIFY(!t.has_value());
    QVERIFY2(error.startsWith(QStringLiteral("양식 시험")), qPrintable(error));
    QVERIFY2(error.contains(message), qPrintable(error));
}

void TestReportTemplate::templateNames_data()
{
    QTest::addColumn<QString>("callerPath");
    QTest::addColumn<QString>("name");
    QTest::newRow("data folder") << "C:\\voz\\RPT\\고객미수현황.RPT"
                                 << "고객미수현황";
    QTest::newRow("program folder") << "\\RPT\\점검정비내역서.rpt"
                                    << "점검정비내역서";
    QTest::newRow("lower case folder") << "C:\\voz\\rpt\\영수증.rpt"
                                       << "영수증";
    QTest::newRow("forward slashes") << "/home/shop/voz/RPT/정비부품.Rpt"
                                     << "정비부품";
    QTest::newRow("bare name") << "고객현황"
                               << "고객현황";
    QTest::newRow("dots in the name") << "C:\\RPT\\a.b.rpt"
                                      << "a.b";
}

void TestReportTemplate::templateNames()
{
    QFETCH(QString, callerPath);
    QTEST(TemplateLocator::templateName(callerPath), "name");
}

void TestReportTemplate::shopFolderOverridesShippedTemplates()
{
    QTemporaryDir shopRpt;
    const TemplateLocator locator(shopRpt.path());
    const QString shipped = locator.find(QStringLiteral("C:\\voz\\RPT\\정비부품.RPT"));
    QVERIFY(shipped.endsWith(QStringLiteral("/reports/templates/정비부품.json")));
    QCOMPARE(locator.find(QStringLiteral("c:\\voz\\rpt\\정비부품.rpt")), shipped);
    QVERIFY(locator.find(QStringLiteral("C:\\voz\\RPT\\없는양식.RPT")).isEmpty());
    QVERIFY(locator.find(QString()).isEmpty());

    // The shop's own file wins, whatever the case of its extension; an old-style .RPT file
    // of the same name is not a template and is passed over.
    QFile old(shopRpt.path() + QStringLiteral("/정비부품.RPT"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("\xd0\xcf\x11\xe0 binary");
    old.close();
    QCOMPARE(locator.find(QStringLiteral("정비부품.RPT")), shipped);
    QFile own(shopRpt.path() + QStringLiteral("/정비부품.JSON"));
    QVERIFY(own.open(QIODevice::WriteOnly));
    own.close();
    QCOMPARE(QFileInfo(locator.find(QStringLiteral("C:\\voz\\RPT\\정비부품.RPT")))
                     .absoluteFilePath(),
             QFileInfo(own).absoluteFilePath());
}

QTEST_GUILESS_MAIN(TestReportTemplate)
#include "tst_reporttemplate.moc"
