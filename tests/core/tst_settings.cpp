#include "Settings.h"

#include <QTemporaryDir>
#include <QtTest>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void freshStoreGivesDefaults();
    void keysIgnoreLetterCase();
    void sectionsIgnoreLetterCase();
    void valuesSurviveANewInstance();
    void documentKindSections_data();
    void documentKindSections();
    void marginsAsTyped();
    void namedEntries();
};

void TestSettings::freshStoreGivesDefaults()
{
    QTemporaryDir dir;
    Settings s(dir.path());
    QCOMPARE(s.noMsg(), QStringLiteral("0"));
    QCOMPARE(s.backgroundPicture(), QString());
    QCOMPARE(s.leftMargin(Settings::DocumentKind::Bankbook), 0);
    QCOMPARE(s.topMargin(Settings::DocumentKind::Bankbook), 0);
    QVERIFY(!s.amountOption());
    QCOMPARE(s.value("voz", "없는섹션", "없는키", "기본"), QStringLiteral("기본"));
    QCOMPARE(s.intValue("voz", "없는섹션", "없는키", 7), 7);
}

void TestSettings::keysIgnoreLetterCase()
{
    QTemporaryDir dir;
    Settings s(dir.path());
    s.setValue("voz", "통장정리", "TopMargin", "3");
    QCOMPARE(s.value("voz", "통장정리", "topmargin"), QStringLiteral("3"));
    s.setValue("voz", "통장정리", "TOPMARGIN", "5");
    QCOMPARE(s.value("voz", "통장정리", "TopMargin"), QStringLiteral("5"));
    QCOMPARE(s.topMargin(Settings::DocumentKind::Bankbook), 5);
    // One entry, not two spellings of it.
    QSettings raw(dir.path() + "/voz.ini", QSettings::IniFormat);
    raw.beginGroup(QStringLiteral("통장정리"));
    QCOMPARE(raw.childKeys().size(), 1);
}

void TestSettings::sectionsIgnoreLetterCase()
{
    QTemporaryDir dir;
    Settings s(dir.path());
    s.setValue("voz", "Registration", "금액", "1");
    QCOMPARE(s.value("voz", "registration", "금액"), QStringLiteral("1"));
    QVERIFY(s.amountOption());
}

void TestSettings::valuesSurviveANewInstance()
{
    QTemporaryDir dir;
    Settings(dir.path()).setBackgroundPicture(QStringLiteral("/사진/바탕 화면.jpg"));
    QCOMPARE(Settings(dir.path()).backgroundPicture(), QStringLiteral("/사진/바탕 화면.jpg"));
}

void TestSettings::documentKindSections_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("section");
    const char *names[] = {"세금계산서", "거래명세표", "DM인쇄", "정비내역서",
                           "작업지시서", "영수증", "통장정리"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(names[i]) << i << QString::fromUtf8(names[i]);
}

void TestSettings::documentKindSections()
{
    QFETCH(int, kind);
    QFETCH(QString, section);
    QCOMPARE(Settings::documentKindSection(static_cast<Settings::DocumentKind>(kind)), section);
}

void TestSettings::marginsAsTyped()
{
    QTemporaryDir dir;
    Settings s(dir.path());
    s.setMargins(Settings::DocumentKind::Bankbook, "2", "x1");
    bool number = true;
    QCOMPARE(s.leftMargin(Settings::DocumentKind::Bankbook, &number), 2);
    QVERIFY(number);
    QCOMPARE(s.topMargin(Settings::DocumentKind::Bankbook, &number), 0);
    QVERIFY(!number);
    QCOMPARE(s.value("voz", "통장정리", "TopMargin"), QStringLiteral("x1"));
    QCOMPARE(s.leftMargin(Settings::DocumentKind::Receipt), 0);
}

void TestSettings::namedEntries()
{
    QTemporaryDir dir;
    Settings s(dir.path());
    s.setNoMsg("1");
    QCOMPARE(s.value("Torvik", "환경설정", "nomsg"), QStringLiteral("1"));
    s.setBackupDataPath("/data/DBS");
    QCOMPARE(s.value("Backup", "DB경로", "경로"), QStringLiteral("/data/DBS"));
    s.setAmountOption(true);
    QCOMPARE(s.value("voz", "Registration", "금액"), QStringLiteral("1"));
    s.setValue("Halvard SMS", "환경설정", "AppPath", "/opt/sms");
    QCOMPARE(s.smsAppPath(), QStringLiteral("/opt/sms"));
    s.setValue("Halvard크로샷", "환경설정", "apppath", "/opt/fax");
    QCOMPARE(s.crossShotAppPath(), QStringLiteral("/opt/fax"));
    s.setScheduleAppPath("/opt/schedule");
    QCOMPARE(s.value("Kestrel스케줄", "General", "AppPath"), QStringLiteral("/opt/schedule"));
    s.setCashbookAppPath("/opt/cash");
    QCOMPARE(s.cashbookAppPath(), QStringLiteral("/opt/cash"));
}

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
