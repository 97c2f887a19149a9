#pragma once

#include "BackupTool.h"
#include "FrmShopInfo.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class ProcessLauncher;
class QAction;
class QLabel;
class QMdiSubWindow;
class WorkArea;
struct AppContext;

// frm주화면, the frame of the application. start() runs the start-up: login, notice, working
// date, status bar, background and the shop record. Screens open inside its work area from
// the menu and the toolbar; closing it offers the backup and ends the program.
//
// A menu entry works once it has a screen factory (setScreen) or a command (setCommand);
// until then it stays disabled. A screen may name its place in the work area with the
// dynamic property "placeAt" (QPoint, pixels); otherwise it is centred.
class FrmMain : public QMainWindow
{
    Q_OBJECT
public:
    using ScreenFactory = std::function<QWidget *(AppContext &context)>;
    using Command = std::function<void()>;

    // The modal steps of the start-up, replaceable so that tests can answer them.
    struct Hooks
    {
        std::function<bool()> login; // true when the login was accepted
        std::function<void()> notice; // the notice window FrmInitMsg
        std::function<void()> shopInformation; // the shop record while it is missing
        std::function<QDateTime()> now;
    };

    FrmMain(AppContext &context, ProcessLauncher &launcher, QWidget *parent = nullptr);
    ~FrmMain() override;

    Hooks &hooks() { return m_hooks; }
    BackupTool &backup() { return m_backup; }
    WorkArea *workArea() const { return m_area; }
    QAction *menuAction(const QString &name) const { return m_actions.value(name); }

    // Pictures and the backup tool are looked for here (the program folder by default).
    void setProgramFolder(const QString &folder);
    void setScreen(const QString &menuName, ScreenFactory factory);
    void setCommand(const QString &menuName, Command command);
    // The address list the shop-information screen opens for several postal matches.
    void setAddressLookup(FrmShopInfo::AddressLookup lookup);

    // The start-up sequence; false when the program must end (login abandoned, or the
    // shop record still missing).
    bool start();
    // Opens the screen of a menu entry, or brings it to the front when it is open;
    // returns the screen, nullptr when the entry has no screen.
    QWidget *openScreen(const QString &menuName);
    // The window's background picture; false when the file is no picture.
    bool setBackgroundPicture(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildStatusBar();
    void placeWindow();
    void installOwnScreens();
    void fillStatus(const QDateTime &now);
    void showStatus();
    void prepareTile();
    void loadChosenBackground();
    void runBackup(int mode);
    void runRestore();

    AppContext &m_context;
    BackupTool m_backup;
    Hooks m_hooks;
    QString m_programFolder;
    WorkArea *m_area;
    QHash<QString, QAction *> m_actions;
    QHash<QString, ScreenFactory> m_screens;
    QHash<QString, QPointer<QMdiSubWindow>> m_open;
    FrmShopInfo::AddressLookup m_addressLookup;
    QLabel *m_help = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_weekday = nullptr;
    QLabel *m_time = nullptr;
    QLabel *m_workDate = nullptr;
    QLabel *m_shopName = nullptr;
    bool m_closing = false;
};
