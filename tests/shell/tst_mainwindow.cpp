#include "BackupTool.h"
#include "FrmCalendar.h"
#include "FrmMain.h"
#include "FrmShopInfo.h"
#include "RecordingLauncher.h"
#include "TestShop.h"
#include "WorkArea.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QScreen>
#include <QtTest>

namespace {

// The main window with its modal start-up steps answered by the test.
struct Main
{
    explicit Main(TestShop &shop,
                  const QDateTime &now = QDateTime(QDate(2005, 12, 31), QTime(15, 4)))
        : shop(shop)
        , window(shop.context(), launcher)
    {
        window.setProgramFolder(folder.path());
        FrmMain::Hooks &hooks = window.hooks();
        hooks.login = [this] {
            ++logins;
            this->shop.session().loginSucceeded = loginAccepted;
            return loginAccepted;
        };
        hooks.notice = [this] {
            ++notices;
        };
        hooks.shopInformation = [this] {
            ++shopForms;
            if (onShopForm)
                onShopForm();
        };
        hooks.now = [now] {
            return now;
        };
        window.backup().setChoiceDialog([this] {
            ++backupDialogs;
            return backupAnswer;
        });
    }
    QString panel(const char *name) const
    {
        return window.findChild<QLabel *>(QString::fromUtf8(name))->text();
    }
    void placeTool()
    {
        QFile tool(QDir(folder.path()).filePath(BackupTool::toolName()));
        QVERIFY(tool.open(QIODevice::WriteOnly));
    }
    void startAndShow()
    {
        QVERIFY(window.start());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }
    QList<QMdiSubWindow *> subWindows() const { return window.workArea()->subWindowList(); }

    TestShop &shop;
    QTemporaryDir folder;
    RecordingLauncher launcher;
    FrmMain window;
    bool loginAccepted = true;
    int logins = 0;
    int notices = 0;
    int shopForms = 0;
    int backupDialogs = 0;
    int backupAnswer = BackupTool::Cancel;
    std::function<void()> onShopForm;
};

void addShopRow(TestShop &shop, const QString &name)
{
    QVERIFY(shop.base().exec("insert into 사용자등록 (코드, 사용자명) values (9999, ?)", {name}));
    shop.session().shopName = name;
}

void writePicture(const QString &path)
{
    QImage image(24, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path));
}

const QString kInitialHelp = QStringLiteral(
        "도움말 =  F1 : 선택창  Enter : 조회시선택  F3 : 입금  F4 : 삭제   F10 : 메뉴");

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void titleAndLook();
    void abandonedLoginEndsAtOnce();
    void noticeFollowsTheSetting_data();
    void noticeFollowsTheSetting();
    void statusBar_data();
    void statusBar();
    void backupPathWrittenAtEveryStart();
    void emptyShopRecord_data();
    void emptyShopRecord();
    void chosenBackground_data();
    void chosenBackground();
    void tiledBackground_data();
    void tiledBackground();
    void menuEntries();
    void toolbarPositions();
    void screensOpenOnceInsideTheWindow();
    void factoryEnablesAnEntry();
    void ledgerOpensFirstOnceItExists();
    void screensWriteTheHelpLine();
    void calendarSetsTheWorkDatePanel();
    void shopNameFollowsTheShopScreen();
    void closing_data();
    void closing();
    void closingBeforeShownAsksNothing();
    void menuBackupEndsTheProgram_data();
    void menuBackupEndsTheProgram();
    void menuBackupWithoutToolKeepsRunning();
};

void TestMainWindow::titleAndLook()
{
    TestShop shop;
    Main m(shop);
    QCOMPARE(m.window.objectName(), QStringLiteral("frm주화면"));
    QVERIFY(m.window.windowTitle().startsWith(QStringLiteral("카센터 업무관리 Torvik  Ver.")));
    QCOMPARE(m.window.workArea()->colour(), QColor(5, 126, 128));
    // At least 12000 x 9000 twips, the whole screen where it is larger.
    QCOMPARE(m.window.pos(), QPoint(0, 0));
    QVERIFY(m.window.width() >= 800);
    QVERIFY(m.window.height() >= 600);
    QCOMPARE(m.window.size(), m.window.screen()->availableGeometry().size());
}

void TestMainWindow::abandonedLoginEndsAtOnce()
{
    TestShop shop;
    Main m(shop);
    m.loginAccepted = false;
    QVERIFY(!m.window.start());
    QCOMPARE(m.logins, 1);
    QCOMPARE(m.notices, 0);
    QCOMPARE(m.shopForms, 0);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.12.31")); // TestShop's, untouched
    QVERIFY(m.window.close());
    QCOMPARE(m.backupDialogs, 0);
}

void TestMainWindow::noticeFollowsTheSetting_data()
{
    QTest::addColumn<QString>("noMsg"); // "" = never written
    QTest::addColumn<int>("notices");
    QTest::newRow("fresh settings") << "" << 1;
    QTest::newRow("0") << "0" << 1;
    QTest::newRow("1") << "1" << 0;
}

void TestMainWindow::noticeFollowsTheSetting()
{
    QFETCH(QString, noMsg);
    QFETCH(int, notices);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    if (!noMsg.isEmpty())
        shop.settings().setNoMsg(noMsg);
    Main m(shop);
    QVERIFY(m.window.start());
    QCOMPARE(m.notices, notices);
}

void TestMainWindow::statusBar_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("weekday");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("workDate");
    QTest::newRow("afternoon of the last day of 2005")
            << QDateTime(QDate(2005, 12, 31), QTime(15, 4)) << "2005년 12월 31일"
            << "토요일"
            << "오후 03시 04분"
            << "2005.12.31";
    QTest::newRow("morning of a new year")
            << QDateTime(QDate(2006, 1, 1), QTime(9, 30)) << "2006년 01월 01일"
            << "일요일"
            << "오전 09시 30분"
            << "2006.01.01";
    QTest::newRow("leap day, noon")
            << QDateTime(QDate(2004, 2, 29), QTime(12, 0)) << "2004년 02월 29일"
            << "일요일"
            << "오후 12시 00분"
            << "2004.02.29";
}

void TestMainWindow::statusBar()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, date);
    QFETCH(QString, weekday);
    QFETCH(QString, time);
    QFETCH(QString, workDate);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop, now);
    QVERIFY(m.window.start());
    QCOMPARE(shop.session().workDate, workDate);
    QCOMPARE(m.panel("cmddate"), date);
    QCOMPARE(m.panel("lblWeekday"), weekday);
    QCOMPARE(m.panel("spTime"), time);
    QCOMPARE(m.panel("sp작업일자"), workDate);
    QCOMPARE(m.panel("sp사용자"), QStringLiteral("대한카센터"));
    QCOMPARE(m.panel("spStatus"), kInitialHelp);
}

void TestMainWindow::backupPathWrittenAtEveryStart()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    shop.settings().setBackupDataPath("somewhere else");
    Main m(shop);
    QVERIFY(m.window.start());
    QCOMPARE(shop.settings().backupDataPath(),
             QDir::toNativeSeparators(shop.stores().paths().dbsDir));
}

void TestMainWindow::emptyShopRecord_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("saved") << true;
    QTest::newRow("left empty") << false;
}

void TestMainWindow::emptyShopRecord()
{
    QFETCH(bool, save);
    TestShop shop;
    Main m(shop);
    m.onShopForm = [&] {
        FrmShopInfo form(shop.context());
        form.show();
        if (save) {
            typeText(form.field(0), "새카센터");
            form.findChild<QPushButton *>(QStringLiteral("cmd저장"))->click();
        }
        form.findChild<QPushButton *>(QStringLiteral("Cmd취소"))->click();
    };
    QCOMPARE(m.window.start(), save);
    QCOMPARE(m.shopForms, 1);
    if (save) {
        QCOMPARE(m.panel("sp사용자"), QStringLiteral("새카센터"));
        QVERIFY(shop.base().isOpen());
    } else {
        QVERIFY(!shop.base().isOpen());
    }
}

void TestMainWindow::chosenBackground_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("picture there") << true;
    QTest::newRow("picture missing") << false;
}

void TestMainWindow::chosenBackground()
{
    QFETCH(bool, exists);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    const QString path = shop.root() + "/배경.jpg";
    if (exists)
        writePicture(path);
    shop.settings().setBackgroundPicture(path);
    Main m(shop);
    QVERIFY(m.window.start());
    QCOMPARE(m.window.workArea()->hasPicture(), exists);
    if (exists) {
        QVERIFY(shop.prompter().shown().isEmpty());
    } else {
        QCOMPARE(shop.prompter().texts(),
                 QStringList {"바탕화면으로 지정된 " + path + " 화일이 없거나 손상되었습니다!"});
        QCOMPARE(shop.prompter().titles(), QStringList {"바탕화면 없슴"});
        QCOMPARE(shop.prompter().shown().first().icon, MsgIcon::Critical);
    }
}

void TestMainWindow::tiledBackground_data()
{
    QTest::addColumn<QString>("tile"); // "picture", "broken" or "" (no file)
    QTest::addColumn<bool>("ready");
    QTest::newRow("picture") << "picture" << true;
    QTest::newRow("no file") << "" << false;
    QTest::newRow("broken file") << "broken" << false;
}

void TestMainWindow::tiledBackground()
{
    QFETCH(QString, tile);
    QFETCH(bool, ready);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    QVERIFY(QDir(m.folder.path()).mkpath("Image"));
    const QString path = m.folder.path() + "/Image/mainbg.jpg";
    if (tile == "picture") {
        writePicture(path);
    } else if (tile == "broken") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a jpeg");
    }
    QVERIFY(m.window.start());
    QCOMPARE(m.window.workArea()->hasTile(), ready);
    if (tile == "broken") {
        QCOMPARE(shop.prompter().shown().size(), 1);
        QVERIFY(shop.prompter().texts().first().startsWith("Error 481 ("));
        QVERIFY(shop.prompter().texts().first().endsWith(
                ") in procedure LoadMainBG of Module modCompileEnv"));
    } else {
        QVERIFY(shop.prompter().shown().isEmpty());
    }
}

void TestMainWindow::menuEntries()
{
    TestShop shop;
    Main m(shop);
    // Each top-level entry with its submenu, separators as "-".
    QStringList seen;
    const auto tops = m.window.menuBar()->actions();
    for (const QAction *top : tops) {
        seen << top->objectName() + "|" + top->text();
        if (!top->menu())
            continue;
        const auto items = top->menu()->actions();
        for (const QAction *item : items)
            seen << "  " + item->objectName() + "|" + (item->isSeparator() ? "-" : item->text());
    }
    const QStringList expected = {
            "mnu등록조회|정비내역 등록/조회(&M)   ",
            "  mnu정비내역|고객정비내역 등록",
            "  mnu정비내역조회|정비내역 조회",
            "  mnu일자별정비현황|일자별 정비현황",
            "mnu기초|기초자료 등록(&B)   ",
            "  mnu작업일자|달력보기",
            "  mnudddd|-",
            "  mnu기타자료|각종기초자료 등록",
            "  rrtrt|-",
            "  mnu정비부품|정비목록/내역 등록",
            "  mnu참조부품|부품단가 등록(열람용)",
            "  dfdss|-",
            "  mnu안내장|안내장 작성",
            "  mnu사용자등록|사용자 등록",
            "  mnu비밀|비밀번호 변경(&K)",
            "  ddddddsss|-",
            "  mnu견적서|견적서 작성/출력",
            "  mnu배경화면|배경화면 선택",
            "  lokjd|-",
            "  mnu자료백업|데이터백업 및 전송(&B)",
            "  mnuDataManagerDN|데이터     내려받기(&D)",
            "  mnuDataManagerAS|데이터           A/S (&A)",
            "  mnuBar10|-",
            "  mnuSMS|문자전송",
            "  mnuSchedule|스케줄       관리(&S)",
            "mnu보험검사|보험/검사만기(&T)   ",
            "  mnu보험검사변경|보험/검사만기 변경",
            "  mnu보험검사조회|보험/검사만기 조회",
            "mnu현금출납장등록|현금출납장(&C)  ",
            "mnuHome|홈페이지(&H)   ",
            "mnuJung|중고차(&J)   ",
            "mnu_Teminal|원격지원서비스(&E)   ",
            "mnuExit|종 료(&X)",
    };
    QCOMPARE(seen, expected);

    // Only the entries whose screen or action exists work; the rest wait for theirs.
    const QStringList working
            = {"mnu작업일자", "mnu사용자등록",    "mnu비밀",          "mnu배경화면",
               "mnu자료백업", "mnuDataManagerDN", "mnuDataManagerAS", "mnuExit"};
    for (const QString &line : expected) {
        const QString name = line.trimmed().section('|', 0, 0);
        const QAction *action = m.window.menuAction(name);
        if (action->menu() || action->isSeparator())
            continue;
        QVERIFY2(action->isEnabled() == working.contains(name), qPrintable(name));
    }
    QVERIFY(!m.window.menuAction("mnuJung")->isVisible());
}

void TestMainWindow::toolbarPositions()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    auto *toolbar = m.window.findChild<QToolBar *>(QStringLiteral("tbrMenu"));
    QVERIFY(toolbar);
    const QStringList captions
            = {"정비등록", "정비조회", "-",        "달력보기",  "사용자등록", "기초자료",
               "-",        "정비목록", "부품단가", "안내장",    "-",          "보험변경",
               "보험조회", "-",        "스케줄",   "문자/팩스", "자료보관",   "종  료"};
    const QStringList entries = {"mnu정비내역",
                                 "mnu정비내역조회",
                                 "",
                                 "mnu작업일자",
                                 "mnu사용자등록",
                                 "mnu기타자료",
                                 "",
                                 "mnu정비부품",
                                 "mnu참조부품",
                                 "mnu안내장",
                                 "",
                                 "mnu보험검사변경",
                                 "mnu보험검사조회",
                                 "",
                                 "mnuSchedule",
                                 "mnuSMS",
                                 "mnu자료백업",
                                 "mnuExit"};
    const auto actions = toolbar->actions();
    QCOMPARE(actions.size(), 18);
    for (int i = 0; i < 18; ++i) {
        const QAction *action = actions.at(i);
        if (captions.at(i) == "-") {
            QVERIFY2(action->isSeparator(), qPrintable(QString::number(i + 1)));
            continue;
        }
        QCOMPARE(action->iconText(), captions.at(i));
        QCOMPARE(action->objectName(), entries.at(i));
        QCOMPARE(toolbar->widgetForAction(const_cast<QAction *>(action))->objectName(),
                 QStringLiteral("tbrMenu_%1").arg(i + 1));
    }
    // A button runs its menu entry: button 4 is the calendar.
    m.startAndShow();
    QTest::mouseClick(m.window.findChild<QToolButton *>(QStringLiteral("tbrMenu_4")),
                      Qt::LeftButton);
    QCOMPARE(m.subWindows().size(), 1);
    QCOMPARE(m.subWindows().first()->widget()->objectName(), QStringLiteral("frm달력"));
}

void TestMainWindow::screensOpenOnceInsideTheWindow()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.startAndShow();
    m.window.menuAction("mnu비밀")->trigger();
    m.window.menuAction("mnu비밀")->trigger();
    QCOMPARE(m.subWindows().size(), 1);
    QMdiSubWindow *sub = m.subWindows().first();
    QCOMPARE(sub->widget()->objectName(), QStringLiteral("frm입력비밀번호"));
    QCOMPARE(sub->pos(), QPoint(233, 4));
    QCOMPARE(m.window.workArea()->activeSubWindow(), sub);

    m.window.menuAction("mnu작업일자")->trigger();
    QCOMPARE(m.subWindows().size(), 2);
    // Asking again brings the open one to the front.
    m.window.menuAction("mnu비밀")->trigger();
    QCOMPARE(m.window.workArea()->activeSubWindow(), sub);

    // The screen's own close button takes its child window with it.
    QPointer<QMdiSubWindow> gone(sub);
    QTest::mouseClick(sub->widget()->findChild<QPushButton *>(QStringLiteral("cmdexit")),
                      Qt::LeftButton);
    QTRY_VERIFY(gone.isNull());
    QCOMPARE(m.subWindows().size(), 1);
    m.window.menuAction("mnu비밀")->trigger();
    QCOMPARE(m.subWindows().size(), 2);
}

void TestMainWindow::factoryEnablesAnEntry()
{
    TestShop shop;
    Main m(shop);
    QAction *codes = m.window.menuAction("mnu기타자료");
    QVERIFY(!codes->isEnabled());
    m.window.setScreen("mnu기타자료", [](AppContext &) -> QWidget * {
        auto *screen = new QWidget;
        screen->setObjectName("frm기타자료");
        return screen;
    });
    QVERIFY(codes->isEnabled());
    m.window.show();
    codes->trigger();
    QCOMPARE(m.subWindows().size(), 1);
    QCOMPARE(m.subWindows().first()->widget()->objectName(), QStringLiteral("frm기타자료"));
}

void TestMainWindow::ledgerOpensFirstOnceItExists()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.window.setScreen("mnu정비내역", [](AppContext &) -> QWidget * {
        auto *screen = new QWidget;
        screen->setObjectName("frm정비내역");
        return screen;
    });
    QVERIFY(m.window.start());
    QCOMPARE(m.subWindows().size(), 1);
    QCOMPARE(m.subWindows().first()->widget()->objectName(), QStringLiteral("frm정비내역"));
}

void TestMainWindow::screensWriteTheHelpLine()
{
    TestShop shop;
    Main m(shop);
    shop.session().setHelpLine(QStringLiteral("도움말 =  F2 : 신규"));
    QCOMPARE(m.panel("spStatus"), QStringLiteral("도움말 =  F2 : 신규"));
}

void TestMainWindow::calendarSetsTheWorkDatePanel()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop, QDateTime(QDate(2005, 3, 20), QTime(10, 0)));
    m.startAndShow();
    QCOMPARE(m.panel("sp작업일자"), QStringLiteral("2005.03.20"));
    m.window.menuAction("mnu작업일자")->trigger();
    auto *calendar = qobject_cast<FrmCalendar *>(m.subWindows().first()->widget());
    QVERIFY(calendar);
    auto *grid = calendar->findChild<QTableWidget *>(QStringLiteral("Sp달력"));
    QCOMPARE(calendar->cellText(1, 1), QStringLiteral("7"));
    grid->setCurrentCell(1, 1);
    QTest::mouseClick(calendar->findChild<QPushButton *>(QStringLiteral("cmdok")), Qt::LeftButton);
    QCOMPARE(shop.session().workDate, QStringLiteral("2005.03.07"));
    QCOMPARE(m.panel("sp작업일자"), QStringLiteral("2005.03.07"));
    QTRY_COMPARE(m.subWindows().size(), 0);
}

void TestMainWindow::shopNameFollowsTheShopScreen()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.startAndShow();
    m.window.menuAction("mnu사용자등록")->trigger();
    auto *form = qobject_cast<FrmShopInfo *>(m.subWindows().first()->widget());
    QVERIFY(form);
    // Its documented place, moved up where the work area is too low for it.
    QVERIFY(m.window.workArea()->viewport()->rect().contains(m.subWindows().first()->geometry()));
    form->field(0)->selectAll();
    typeText(form->field(0), "민국카센터");
    form->save();
    QCOMPARE(m.panel("sp사용자"), QStringLiteral("민국카센터"));
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QStringList>("started"); // arguments, "-" for none
    QTest::newRow("서버백업") << 0 << true << QStringList {"SERVERUP"};
    QTest::newRow("하드백업") << 1 << true << QStringList {};
    QTest::newRow("종료") << 2 << true << QStringList {"-"};
    QTest::newRow("취소") << 3 << false << QStringList {"-"};
}

void TestMainWindow::closing()
{
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(QStringList, started);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.placeTool();
    m.backupAnswer = answer;
    m.startAndShow();
    m.window.menuAction("mnu작업일자")->trigger();
    QPointer<QMdiSubWindow> calendar(m.subWindows().first());

    // The exit entry, the toolbar's last button and the close box all ask the same.
    QCOMPARE(m.window.close(), closes);
    QCOMPARE(m.backupDialogs, 1);
    QCOMPARE(m.window.isVisible(), !closes);
    QCOMPARE(shop.session().backupStarted, started != QStringList {"-"});
    if (started == QStringList {"-"}) {
        QVERIFY(m.launcher.starts().isEmpty());
    } else {
        QCOMPARE(m.launcher.starts().size(), 1);
        QCOMPARE(m.launcher.starts().first().arguments, started);
    }
    QVERIFY(shop.prompter().shown().isEmpty());
    if (closes)
        QTRY_VERIFY(calendar.isNull());
    else
        QVERIFY(!calendar.isNull());

    if (!closes) {
        m.backupAnswer = BackupTool::EndOnly;
        m.window.menuAction("mnuExit")->trigger();
        QVERIFY(!m.window.isVisible());
        QCOMPARE(m.backupDialogs, 2);
    }
}

void TestMainWindow::closingBeforeShownAsksNothing()
{
    TestShop shop;
    Main m(shop);
    QVERIFY(m.window.close());
    QCOMPARE(m.backupDialogs, 0);
}

void TestMainWindow::menuBackupEndsTheProgram_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("backup") << "mnu자료백업"
                            << "데이터 백업(하드)" << QStringList {};
    QTest::newRow("A/S") << "mnuDataManagerAS"
                         << "데이터 백업(AS)" << QStringList {"AS"};
    QTest::newRow("restore") << "mnuDataManagerDN"
                             << "데이터 내려받기" << QStringList {"UNZIP"};
}

void TestMainWindow::menuBackupEndsTheProgram()
{
    QFETCH(QString, entry);
    QFETCH(QString, title);
    QFETCH(QStringList, arguments);
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.placeTool();
    m.startAndShow();

    shop.prompter().answerNo();
    m.window.menuAction(entry)->trigger();
    QVERIFY(m.window.isVisible());
    QVERIFY(m.launcher.starts().isEmpty());

    shop.prompter().answerYes();
    m.window.menuAction(entry)->trigger();
    QCOMPARE(shop.prompter().titles(), (QStringList {title, title}));
    QCOMPARE(m.launcher.starts().size(), 1);
    QCOMPARE(m.launcher.starts().first().program, m.folder.path() + "/데이터압축.EXE");
    QCOMPARE(m.launcher.starts().first().arguments, arguments);
    // Once the tool runs the program ends without asking about a backup again.
    QVERIFY(!m.window.isVisible());
    QCOMPARE(m.backupDialogs, 0);
}

void TestMainWindow::menuBackupWithoutToolKeepsRunning()
{
    TestShop shop;
    addShopRow(shop, "대한카센터");
    Main m(shop);
    m.startAndShow();
    shop.prompter().answerYes();
    m.window.menuAction("mnu자료백업")->trigger();
    QVERIFY(m.window.isVisible());
    QVERIFY(!shop.session().backupStarted);
    QCOMPARE(shop.prompter().texts().size(), 2);
    QVERIFY(shop.prompter().texts().at(1).endsWith("in procedure ExecBackUp of Module mdlBackUp"));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
