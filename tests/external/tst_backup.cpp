#include "BackupTool.h"
#include "FrmMsgBackUp.h"
#include "RecordingLauncher.h"
#include "TestShop.h"

#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

// The tool only has to exist; it is never started here.
static void placeTool(const QString &folder)
{
    QFile tool(QDir(folder).filePath(BackupTool::toolName()));
    QVERIFY(tool.open(QIODevice::WriteOnly));
}

// A shop whose program folder holds the backup tool (or not), and the tool run through a
// launcher that only records.
struct Backup
{
    explicit Backup(bool withTool = true)
        : tool(shop.context(), launcher)
    {
        if (withTool)
            placeTool(shop.root());
        tool.setProgramFolder(shop.root());
    }
    TestShop shop;
    RecordingLauncher launcher;
    BackupTool tool;
};

class TestBackup : public QObject
{
    Q_OBJECT
private slots:
    void backupModes_data();
    void backupModes();
    void restoreModes_data();
    void restoreModes();
    void answeringNoStartsNothing();
    void quietBackupAsksNothing();
    void onceStartedNothingStartsAgain();
    void missingToolKeepsProgramRunning();
    void refusedStartKeepsProgramRunning();
    void keepWindowClosesTheOthers();
    void autoAnswers_data();
    void autoAnswers();
    void autoAfterStartClosesWithoutDialog();
    void storesAreFlushedBeforeTheToolStarts();
    void dialogTextAndButtons();
    void dialogAnswers_data();
    void dialogAnswers();
};

void TestBackup::backupModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("disk") << 0 << "데이터 백업(하드)" << QStringList();
    QTest::newRow("server") << 1 << "데이터 백업(서버)" << QStringList {"SERVERUP"};
    QTest::newRow("after-sales") << 2 << "데이터 백업(AS)" << QStringList {"AS"};
}

void TestBackup::backupModes()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QStringList, arguments);
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    shop.prompter().answerYes();
    QVERIFY(tool.ExecBackUp(mode, false, QString()));
    QCOMPARE(shop.prompter().shown().size(), 1);
    const auto &question = shop.prompter().shown().first();
    QCOMPARE(question.kind, ScriptedPrompter::Kind::Question);
    QCOMPARE(question.title, title);
    QCOMPARE(question.text,
             QStringLiteral("안전한 백업을 위하여 현재 사용중인 Torvik 프로그램을 "
                            "종료합니다.\r\n계속하시겠습니까?"));
    QCOMPARE(launcher.starts().size(), 1);
    QCOMPARE(launcher.starts().first().program, shop.root() + "/데이터압축.EXE");
    QCOMPARE(launcher.starts().first().arguments, arguments);
    QVERIFY(shop.session().backupStarted);
}

void TestBackup::restoreModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("0") << 0 << QStringList();
    QTest::newRow("1 unzips") << 1 << QStringList {"UNZIP"};
    QTest::newRow("2") << 2 << QStringList();
}

void TestBackup::restoreModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, arguments);
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    shop.prompter().answerYes();
    QVERIFY(tool.ExecRestore(mode, QString()));
    QCOMPARE(shop.prompter().titles(), QStringList {"데이터 내려받기"});
    QCOMPARE(shop.prompter().texts().first(),
             QStringLiteral("안전한 복구를 위하여 현재 사용중인 Torvik 프로그램을 종료합니다.\r\n"
                            "계속하시겠습니까?"));
    QCOMPARE(launcher.starts().size(), 1);
    QCOMPARE(launcher.starts().first().arguments, arguments);
    QVERIFY(shop.session().backupStarted);
}

void TestBackup::answeringNoStartsNothing()
{
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    shop.prompter().answerNo(2);
    QVERIFY(!tool.ExecBackUp(BackupTool::Disk, false, QString()));
    QVERIFY(!tool.ExecRestore(1, QString()));
    QVERIFY(launcher.starts().isEmpty());
    QVERIFY(!shop.session().backupStarted);
}

void TestBackup::quietBackupAsksNothing()
{
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    QVERIFY(tool.ExecBackUp(BackupTool::Server, true, QString()));
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(launcher.starts().first().arguments, QStringList {"SERVERUP"});
}

void TestBackup::onceStartedNothingStartsAgain()
{
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    QVERIFY(tool.ExecBackUp(BackupTool::Disk, true, QString()));
    shop.prompter().clear();
    QVERIFY(!tool.ExecBackUp(BackupTool::Disk, false, QString()));
    QVERIFY(!tool.ExecRestore(1, QString()));
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(launcher.starts().size(), 1);
}

void TestBackup::missingToolKeepsProgramRunning()
{
    Backup b(false);
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;

    shop.prompter().answerYes(2);
    QVERIFY(!tool.ExecBackUp(BackupTool::Disk, false, QString()));
    QVERIFY(!tool.ExecRestore(1, QString()));
    QVERIFY(launcher.starts().isEmpty());
    QVERIFY(!shop.session().backupStarted);
    const QStringList texts = shop.prompter().texts();
    QCOMPARE(texts.size(), 4);
    QVERIFY(texts.at(1).startsWith("Error 53 ("));
    QVERIFY(texts.at(1).endsWith(") in procedure ExecBackUp of Module mdlBackUp"));
    QVERIFY(texts.at(1).contains(BackupTool::toolName()));
    QVERIFY(texts.at(3).endsWith(") in procedure ExecRestore of Module mdlBackUp"));
}

void TestBackup::refusedStartKeepsProgramRunning()
{
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;
    launcher.failWith(QStringLiteral("실행 권한이 없습니다"));

    QVERIFY(!tool.ExecBackUp(BackupTool::Disk, true, QString()));
    QVERIFY(!shop.session().backupStarted);
    QCOMPARE(shop.prompter().texts(),
             QStringList {"Error 75 (실행 권한이 없습니다) in procedure ExecBackUp of Module "
                          "mdlBackUp"});
}

void TestBackup::keepWindowClosesTheOthers()
{
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;
    QStringList kept;
    tool.setCloseOthers([&kept](const QString &keep) { kept << keep; });

    QVERIFY(tool.ExecBackUp(BackupTool::Disk, true, QString()));
    QVERIFY(kept.isEmpty());
    shop.session().backupStarted = false;
    QVERIFY(tool.ExecBackUp(BackupTool::Disk, true, QStringLiteral("frm주화면")));
    QCOMPARE(kept, QStringList {"frm주화면"});
}

void TestBackup::autoAnswers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("starts");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("서버백업") << 0 << true << 1 << QStringList {"SERVERUP"};
    QTest::newRow("하드백업") << 1 << true << 1 << QStringList();
    QTest::newRow("종료") << 2 << true << 0 << QStringList();
    QTest::newRow("취소") << 3 << false << 0 << QStringList();
}

void TestBackup::autoAnswers()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(int, starts);
    QFETCH(QStringList, arguments);
    Backup b;
    TestShop &shop = b.shop;
    RecordingLauncher &launcher = b.launcher;
    BackupTool &tool = b.tool;
    int asked = 0;
    tool.setChoiceDialog([&] {
        ++asked;
        return answer;
    });

    QCOMPARE(tool.ExecBackUpAuto(QString()), closes);
    QCOMPARE(asked, 1);
    // No further question: the dialog was the question.
    QVERIFY(shop.prompter().shown().isEmpty());
    QCOMPARE(launcher.starts().size(), starts);
    QCOMPARE(shop.session().backupStarted, starts == 1);
    if (starts == 1)
        QCOMPARE(launcher.starts().first().arguments, arguments);
}

void TestBackup::autoAfterStartClosesWithoutDialog()
{
    TestShop shop;
    RecordingLauncher launcher;
    BackupTool tool(shop.context(), launcher);
    int asked = 0;
    tool.setChoiceDialog([&] {
        ++asked;
        return 3;
    });
    shop.session().backupStarted = true;
    QVERIFY(tool.ExecBackUpAuto(QString()));
    QCOMPARE(asked, 0);
}

void TestBackup::storesAreFlushedBeforeTheToolStarts()
{
    TestShop shop;
    placeTool(shop.root());
    shop.addCustomer(QStringLiteral("홍길동"), QStringLiteral("12가3456"));
    const QString wal = shop.stores().paths().basePath + QStringLiteral("-wal");
    QVERIFY(QFileInfo(wal).size() > 0);

    RecordingLauncher launcher;
    BackupTool tool(shop.context(), launcher);
    tool.setProgramFolder(shop.root());
    QVERIFY(tool.ExecBackUp(BackupTool::Disk, true, QString()));
    // What the tool copies is complete without the log.
    QCOMPARE(QFileInfo(wal).size(), 0);
}

void TestBackup::dialogTextAndButtons()
{
    FrmMsgBackUp dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("frmMsgBackUp"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("데이터 백업"));
    const QString expected
            = QStringLiteral("\r\n\r\n                             [데이터 백업]\r\n\r\n"
                             "    ※프로그램의 안전한 사용을 위하여 현재까지 작업한\r\n"
                             "    데이터를 보관하세요.\r\n\r\n"
                             "    데이터 문제 발생시 보관한 파일로 복구가 가능합니다.");
    QCOMPARE(FrmMsgBackUp::messageText(), expected);
    auto *text = dialog.findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    QVERIFY(text);
    QCOMPARE(text->toPlainText(), QString(expected).replace("\r\n", "\n"));
    const QStringList captions = {"서버백업", "하드백업", "종료", "취소"};
    for (int i = 0; i < captions.size(); ++i) {
        auto *button = dialog.findChild<QPushButton *>(QStringLiteral("btnResult_%1").arg(i));
        QVERIFY(button);
        QCOMPARE(button->text(), captions.at(i));
    }
}

void TestBackup::dialogAnswers_data()
{
    QTest::addColumn<int>("button"); // -1: closed by the window's close box
    QTest::addColumn<int>("choice");
    QTest::newRow("서버백업") << 0 << 0;
    QTest::newRow("하드백업") << 1 << 1;
    QTest::newRow("종료") << 2 << 2;
    QTest::newRow("취소") << 3 << 3;
    QTest::newRow("closed") << -1 << 3;
}

void TestBackup::dialogAnswers()
{
    QFETCH(int, button);
    QFETCH(int, choice);
    FrmMsgBackUp dialog;
    QTimer::singleShot(0, &dialog, [&] {
        if (button < 0)
            dialog.close();
        else
            dialog.button(button)->click();
    });
    dialog.exec();
    QCOMPARE(dialog.choice(), choice);
}

QTEST_MAIN(TestBackup)
#include "tst_backup.moc"
