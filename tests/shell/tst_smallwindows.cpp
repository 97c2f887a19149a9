#include "FrmBackground.h"
#include "FrmInfo.h"
#include "FrmInitMsg.h"
#include "FrmProgress.h"
#include "TestShop.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

namespace {

void writePicture(const QString &path)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path));
}

void writeText(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class TestSmallWindows : public QObject
{
    Q_OBJECT
private slots:
    void progressWrapsToZero_data();
    void progressWrapsToZero();
    void progressMaximum_data();
    void progressMaximum();
    void noticeClosesItself();
    void initMsgWritesEveryClick();
    void initMsgShowsThePicture();
    void backgroundListsPictures();
    void backgroundChosen();
    void backgroundWithoutPicture();
    void backgroundThatCannotBeShown();
};

void TestSmallWindows::progressWrapsToZero_data()
{
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("position");
    QTest::newRow("up to the maximum") << 100 << 100;
    QTest::newRow("one more wraps") << 101 << 0;
    QTest::newRow("and goes on") << 103 << 2;
}

void TestSmallWindows::progressWrapsToZero()
{
    QFETCH(int, steps);
    QFETCH(int, position);
    FrmProgress progress;
    progress.SetFormMode(QStringLiteral("자료 정리 중"), 100);
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.windowTitle(), QStringLiteral("자료 정리 중"));
    for (int i = 0; i < steps; ++i)
        progress.ProgInc();
    QCOMPARE(progress.value(), position);
}

void TestSmallWindows::progressMaximum_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("expected");
    QTest::newRow("as given") << 250 << 250;
    QTest::newRow("one") << 1 << 1;
    QTest::newRow("largest") << 32767 << 32767;
    QTest::newRow("above the largest") << 100000 << 32767;
    QTest::newRow("zero keeps the old one") << 0 << 50;
    QTest::newRow("negative keeps the old one") << -3 << 50;
}

void TestSmallWindows::progressMaximum()
{
    QFETCH(int, maximum);
    QFETCH(int, expected);
    FrmProgress progress;
    progress.SetFormMode(QStringLiteral("첫째"), 50);
    progress.ProgInc();
    progress.ProgInc();
    progress.SetFormMode(QStringLiteral("둘째"), maximum);
    QCOMPARE(progress.maximum(), expected);
    QCOMPARE(progress.value(), 0);
}

void TestSmallWindows::noticeClosesItself()
{
    QString seen;
    QString name;
    QTimer::singleShot(100, [&] {
        if (auto *notice = qobject_cast<FrmInfo *>(QApplication::activeModalWidget())) {
            name = notice->objectName();
            seen = notice->findChild<QLabel *>(QStringLiteral("spname"))->text();
        }
    });
    // Nothing here closes it: returning at all is the point.
    FrmInfo::showNotice(QStringLiteral("사용자정보가 저장되었습니다...."), nullptr);
    QCOMPARE(name, QStringLiteral("frm정보"));
    QCOMPARE(seen, QStringLiteral("사용자정보가 저장되었습니다...."));
}

void TestSmallWindows::initMsgWritesEveryClick()
{
    TestShop shop;
    FrmInitMsg notice(shop.context(), shop.root());
    QCOMPARE(notice.windowTitle(), QStringLiteral("안내 메세지"));
    auto *check = notice.findChild<QCheckBox *>(QStringLiteral("Check1"));
    QCOMPARE(check->text(), QStringLiteral("다음부터 이 화면을 띄우지 않음."));
    QVERIFY(!check->isChecked());
    QCOMPARE(shop.settings().noMsg(), QStringLiteral("0"));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(shop.settings().noMsg(), QStringLiteral("1"));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(shop.settings().noMsg(), QStringLiteral("0"));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(shop.settings().value("Torvik", "환경설정", "NoMsg"), QStringLiteral("1"));

    auto *close = notice.findChild<QPushButton *>(QStringLiteral("cmdClose"));
    QCOMPARE(close->text(), QStringLiteral("닫기(&C)"));
}

void TestSmallWindows::initMsgShowsThePicture()
{
    TestShop shop;
    {
        FrmInitMsg notice(shop.context(), shop.root());
        auto *picture = notice.findChild<QLabel *>(QStringLiteral("Picture1"));
        QVERIFY(picture->pixmap().isNull());
    }
    QVERIFY(QDir(shop.root()).mkpath("Image"));
    writePicture(shop.root() + "/Image/SoftwareInfoMsg.jpg");
    FrmInitMsg notice(shop.context(), shop.root());
    auto *picture = notice.findChild<QLabel *>(QStringLiteral("Picture1"));
    QCOMPARE(picture->pixmap().size(), QSize(40, 30));
}

void TestSmallWindows::backgroundListsPictures()
{
    TestShop shop;
    writePicture(shop.root() + "/a.jpg");
    writePicture(shop.root() + "/c.bmp");
    writeText(shop.root() + "/b.jpg", "no picture");
    writeText(shop.root() + "/memo.txt", "text");
    FrmBackground chooser(shop.context(), {});
    QCOMPARE(chooser.windowTitle(), QStringLiteral("배경화면 선택"));
    // It opens on the shop's data folder.
    QCOMPARE(chooser.folder(), QDir(shop.root()).absolutePath());
    auto *files = chooser.findChild<QListWidget *>(QStringLiteral("File1"));
    QStringList listed;
    for (int i = 0; i < files->count(); ++i)
        listed << files->item(i)->text();
    QCOMPARE(listed, (QStringList {"a.jpg", "b.jpg", "c.bmp"}));

    QVERIFY(chooser.clickFile("a.jpg"));
    QCOMPARE(chooser.previewedFile(), shop.root() + "/a.jpg");
    QVERIFY(!chooser.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());
    // A file that is no picture is ignored.
    QVERIFY(chooser.clickFile("b.jpg"));
    QCOMPARE(chooser.previewedFile(), shop.root() + "/a.jpg");
}

void TestSmallWindows::backgroundChosen()
{
    TestShop shop;
    QVERIFY(QDir(shop.root()).mkpath("그림"));
    const QString folder = shop.root() + "/그림";
    writePicture(folder + "/배경.jpg");
    QStringList applied;
    FrmBackground chooser(shop.context(), [&](const QString &path) {
        applied << path;
        return true;
    });
    chooser.setFolder(folder);
    QVERIFY(chooser.clickFile("배경.jpg"));
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("vaBtn1")), Qt::LeftButton);
    QCOMPARE(applied, QStringList {folder + "/배경.jpg"});
    QCOMPARE(shop.settings().backgroundPicture(), QDir::toNativeSeparators(folder + "/배경.jpg"));
    QCOMPARE(shop.prompter().texts(), QStringList {"바탕화면이 변경되었습니다!"});
    QCOMPARE(shop.prompter().titles(), QStringList {"변경완료"});
}

void TestSmallWindows::backgroundWithoutPicture()
{
    TestShop shop;
    int applied = 0;
    FrmBackground chooser(shop.context(), [&](const QString &) {
        ++applied;
        return true;
    });
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("vaBtn1")), Qt::LeftButton);
    QCOMPARE(applied, 0);
    QCOMPARE(shop.settings().backgroundPicture(), QString());
    QCOMPARE(shop.prompter().shown().size(), 1);
}

void TestSmallWindows::backgroundThatCannotBeShown()
{
    TestShop shop;
    writePicture(shop.root() + "/a.jpg");
    FrmBackground chooser(shop.context(), [](const QString &) { return false; });
    QVERIFY(chooser.clickFile("a.jpg"));
    QTest::mouseClick(chooser.findChild<QPushButton *>(QStringLiteral("vaBtn1")), Qt::LeftButton);
    QCOMPARE(shop.settings().backgroundPicture(), QString());
    QCOMPARE(shop.prompter().titles(), QStringList {"바탕화면 없슴"});
    QCOMPARE(shop.prompter().shown().first().icon, MsgIcon::Critical);
}

QTEST_MAIN(TestSmallWindows)
#include "tst_smallwindows.moc"
