#include "FrmMain.h"

#include "AppContext.h"
#include "AppInfo.h"
#include "DateUtil.h"
#include "FrmBackground.h"
#include "FrmCalendar.h"
#include "FrmInitMsg.h"
#include "FrmMsgBackUp.h"
#include "FrmPasswordChange.h"
#include "FrmStart.h"
#include "MainMenu.h"
#include "Prompter.h"
#include "Session.h"
#include "Settings.h"
#include "ShopInfoService.h"
#include "Stores.h"
#include "WindowTools.h"
#include "WorkArea.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

const QString kInitialHelp = QStringLiteral(
        "도움말 =  F1 : 선택창  Enter : 조회시선택  F3 : 입금  F4 : 삭제   F10 : 메뉴");
const QString kLedger = QStringLiteral("mnu정비내역");

// The window's documented size, 12000 x 9000 twips.
constexpr int kTwipsPerPixel = 15;
constexpr int kWidthTwips = 12000;
constexpr int kHeightTwips = 9000;
// What the older program reported for a picture it could not read.
constexpr int kInvalidPicture = 481;

QLabel *panel(QWidget *parent, const QString &name, int minimumWidth)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(minimumWidth);
    label->setContentsMargins(6, 0, 6, 0);
    return label;
}

} // namespace

FrmMain::FrmMain(AppContext &context, ProcessLauncher &launcher, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
    , m_backup(context, launcher)
    , m_programFolder(AppInfo::programFolder())
    , m_area(new WorkArea(this))
{
    setObjectName(QStringLiteral("frm주화면"));
    setWindowTitle(AppInfo::mainWindowTitle());
    setContextMenuPolicy(Qt::NoContextMenu);
    setCentralWidget(m_area);

    m_actions = MainMenu::build(this);
    // No used-car site is known to us; the entry is not offered.
    m_actions.value(QStringLiteral("mnuJung"))->setVisible(false);
    buildStatusBar();
    installOwnScreens();
    placeWindow();

    m_hooks.login = [this] {
        FrmStart login(m_context, this);
        login.load();
        return ExecModal(login) == QDialog::Accepted;
    };
    m_hooks.notice = [this] {
        FrmInitMsg notice(m_context, m_programFolder, this);
        ExecModal(notice);
    };
    m_hooks.shopInformation = [this] {
        FrmShopInfo shop(m_context, this);
        shop.setAddressLookup(m_addressLookup);
        ExecModal(shop);
    };
    m_hooks.now = [] {
        return QDateTime::currentDateTime();
    };
    m_backup.setChoiceDialog([this] {
        FrmMsgBackUp dialog(this);
        ExecModal(dialog);
        return dialog.choice();
    });

    Session &session = m_context.session;
    session.helpLineSink = [this](const QString &text) {
        m_help->setText(text);
    };
    session.statusSink = [this] {
        showStatus();
    };
}

FrmMain::~FrmMain()
{
    m_context.session.helpLineSink = nullptr;
    m_context.session.statusSink = nullptr;
}

void FrmMain::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setSizeGripEnabled(false);
    m_help = panel(this, QStringLiteral("spStatus"), 0);
    m_help->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_help->setText(kInitialHelp);
    m_date = panel(this, QStringLiteral("cmddate"), 0);
    m_weekday = panel(this, QStringLiteral("lblWeekday"), 0);
    m_time = panel(this, QStringLiteral("spTime"), 0);
    m_workDate = panel(this, QStringLiteral("sp작업일자"), 0);
    m_shopName = panel(this, QStringLiteral("sp사용자"), 160);
    m_shopName->setStyleSheet(QStringLiteral("QLabel#sp사용자 { background: rgb(234, 233, 233); "
                                             "color: rgb(87, 159, 174); font-weight: bold; "
                                             "font-size: 16pt; }"));
    bar->addWidget(m_help, 1);
    for (QLabel *label : {m_date, m_weekday, m_time, m_workDate, m_shopName})
        bar->addPermanentWidget(label);
}

void FrmMain::installOwnScreens()
{
    setScreen(QStringLiteral("mnu작업일자"), [this](AppContext &context) -> QWidget * {
        return new FrmCalendar(context, m_hooks.now().date());
    });
    setScreen(QStringLiteral("mnu사용자등록"), [this](AppContext &context) -> QWidget * {
        auto *shop = new FrmShopInfo(context);
        shop->setAddressLookup(m_addressLookup);
        return shop;
    });
    setScreen(QStringLiteral("mnu비밀"), [](AppContext &context) -> QWidget * {
        auto *password = new FrmPasswordChange(context);
        password->setProperty("placeAt", QPoint(3495 / kTwipsPerPixel, 60 / kTwipsPerPixel));
        return password;
    });
    setScreen(QStringLiteral("mnu배경화면"), [this](AppContext &context) -> QWidget * {
        return new FrmBackground(
                context, [this](const QString &path) { return setBackgroundPicture(path); });
    });
    setCommand(QStringLiteral("mnu자료백업"), [this] { runBackup(BackupTool::Disk); });
    setCommand(QStringLiteral("mnuDataManagerAS"), [this] { runBackup(BackupTool::AfterSales); });
    setCommand(QStringLiteral("mnuDataManagerDN"), [this] { runRestore(); });
    setCommand(QStringLiteral("mnuExit"), [this] { close(); });
}

void FrmMain::placeWindow()
{
    // The documented 12000 x 9000 twips filled the screens of its day: the window takes the
    // whole available screen, and never less than the toolbar and the status bar need.
    QSize size(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);
    if (const auto *toolbar = findChild<QToolBar *>(QStringLiteral("tbrMenu")))
        size.setWidth(qMax(size.width(), toolbar->sizeHint().width() + 16));
    int statusWidth = 24;
    for (QLabel *label : {m_help, m_date, m_weekday, m_time, m_workDate, m_shopName}) {
        label->ensurePolished();
        statusWidth += label->sizeHint().width() + 8;
    }
    size.setWidth(qMax(size.width(), statusWidth));
    if (const QScreen *screen = this->screen())
        size = size.expandedTo(screen->availableGeometry().size())
                       .boundedTo(screen->availableGeometry().size());
    move(0, 0);
    resize(size);
}

void FrmMain::setProgramFolder(const QString &folder)
{
    m_programFolder = folder;
    m_backup.setProgramFolder(folder);
}

void FrmMain::setScreen(const QString &menuName, ScreenFactory factory)
{
    m_screens.insert(menuName, std::move(factory));
    setCommand(menuName, [this, menuName] { openScreen(menuName); });
}

void FrmMain::setCommand(const QString &menuName, Command command)
{
    QAction *action = m_actions.value(menuName);
    if (!action)
        return;
    disconnect(action, &QAction::triggered, this, nullptr);
    connect(action, &QAction::triggered, this, [command = std::move(command)] { command(); });
    action->setEnabled(true);
}

void FrmMain::setAddressLookup(FrmShopInfo::AddressLookup lookup)
{
    m_addressLookup = std::move(lookup);
}

bool FrmMain::start()
{
    Session &session = m_context.session;
    Prompter &prompter = m_context.prompter;
    prompter.setApplicationTitle(session.applicationTitle);
    prepareTile();
    // The backup tool reads where the stores are from here, at every start.
    m_context.settings.setBackupDataPath(QDir::toNativeSeparators(session.paths.dbsDir));

    if (!m_hooks.login())
        return false;
    if (m_context.settings.noMsg(session.applicationTitle) == QLatin1String("0"))
        m_hooks.notice();

    const QDateTime now = m_hooks.now();
    session.workDate = DateText(now.date());
    fillStatus(now);
    placeWindow(); // after the panels are filled: their texts decide the width
    loadChosenBackground();

    if (!m_context.stores.openBase(prompter))
        return true; // the window stays up without a screen
    ShopInfoService shop(m_context);
    if (shop.isEmpty()) {
        m_hooks.shopInformation();
        if (shop.isEmpty()) {
            // Without the shop's own record nothing can be printed: the program ends.
            m_context.stores.closeAll();
            return false;
        }
    }
    // The first screen is the ledger, as soon as it has a factory.
    if (m_screens.contains(kLedger))
        openScreen(kLedger);
    return true;
}

void FrmMain::fillStatus(const QDateTime &now)
{
    const QDate today = now.date();
    const QString dateText = QStringLiteral("%1년 %2월 %3일")
                                     .arg(today.year(), 4, 10, QLatin1Char('0'))
                                     .arg(today.month(), 2, 10, QLatin1Char('0'))
                                     .arg(today.day(), 2, 10, QLatin1Char('0'));
    m_date->setText(dateText);
    m_weekday->setText(KorWeekday(dateText.mid(0, 4).toInt(), dateText.mid(6, 2).toInt(),
                                  dateText.mid(10, 2).toInt()));
    m_time->setText(QLocale(QLocale::Korean, QLocale::SouthKorea)
                            .toString(now.time(), QStringLiteral("AP hh시 mm분")));
    showStatus();
}

void FrmMain::showStatus()
{
    m_workDate->setText(m_context.session.workDate);
    m_shopName->setText(m_context.session.shopName);
}

void FrmMain::prepareTile()
{
    const QString path = QDir(m_programFolder).filePath(QStringLiteral("Image/mainbg.jpg"));
    if (!QFileInfo::exists(path))
        return;
    QImageReader reader(path);
    const QImage tile = reader.read();
    if (tile.isNull()) {
        ShowError(m_context.prompter, kInvalidPicture, reader.errorString(),
                  QStringLiteral("LoadMainBG"), QStringLiteral("modCompileEnv"));
        return;
    }
    m_area->setTile(QPixmap::fromImage(tile));
}

void FrmMain::loadChosenBackground()
{
    const QString path = m_context.settings.backgroundPicture();
    if (path.isEmpty() || setBackgroundPicture(path))
        return;
    m_context.prompter.message(QStringLiteral("바탕화면으로 지정된 ") + path
                                       + QStringLiteral(" 화일이 없거나 손상되었습니다!"),
                               QStringLiteral("바탕화면 없슴"), MsgIcon::Critical);
}

bool FrmMain::setBackgroundPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage picture = reader.read();
    if (picture.isNull())
        return false;
    m_area->setPicture(QPixmap::fromImage(picture));
    return true;
}

QWidget *FrmMain::openScreen(const QString &menuName)
{
    if (QMdiSubWindow *open = m_open.value(menuName)) {
        if (open->isMinimized())
            open->showNormal();
        open->show();
        m_area->setActiveSubWindow(open);
        open->raise();
        return open->widget();
    }
    const ScreenFactory factory = m_screens.value(menuName);
    if (!factory)
        return nullptr;
    QWidget *screen = factory(m_context);
    if (!screen)
        return nullptr;
    screen->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *sub = m_area->addSubWindow(
            screen,
            Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                    | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    QPixmap noIcon(1, 1);
    noIcon.fill(Qt::transparent);
    sub->setWindowIcon(QIcon(noIcon));
    sub->setOption(QMdiSubWindow::RubberBandResize);
    // A dialog ends by hiding itself; its window in the work area goes with it.
    if (auto *dialog = qobject_cast<QDialog *>(screen))
        connect(dialog, &QDialog::finished, sub, &QWidget::close);
    connect(screen, &QObject::destroyed, sub, &QWidget::close);
    m_open.insert(menuName, sub);

    sub->adjustSize();
    const QSize room = m_area->viewport()->size();
    if (screen->property("fillWorkArea").toBool())
        sub->resize(sub->size().expandedTo(room));
    QPoint at((room.width() - sub->width()) / 2, (room.height() - sub->height()) / 2);
    const QVariant placeAt = screen->property("placeAt");
    if (placeAt.isValid())
        at = placeAt.toPoint();
    // Moved in where the work area is too small for the documented place.
    at.setX(qMax(0, qMin(at.x(), room.width() - sub->width())));
    at.setY(qMax(0, qMin(at.y(), room.height() - sub->height())));
    sub->move(at);
    sub->show();
    m_area->setActiveSubWindow(sub);
    return screen;
}

void FrmMain::runBackup(int mode)
{
    if (m_backup.ExecBackUp(mode, false, QString()))
        close();
}

void FrmMain::runRestore()
{
    if (m_backup.ExecRestore(1, QString()))
        close();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    // Before the window was ever shown (login abandoned) nothing is asked.
    if (!isVisible() || m_closing) {
        event->accept();
        return;
    }
    if (!m_backup.ExecBackUpAuto(QString())) {
        event->ignore();
        return;
    }
    m_closing = true;
    m_area->closeAllSubWindows();
    m_area->setPicture(QPixmap());
    m_area->setTile(QPixmap());
    event->accept();
}
