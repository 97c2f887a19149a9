#include "BackupTool.h"

#include "AppContext.h"
#include "AppInfo.h"
#include "Database.h"
#include "FrmMsgBackUp.h"
#include "ProcessLauncher.h"
#include "Prompter.h"
#include "Session.h"
#include "Stores.h"
#include "WindowTools.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace {

const QString kModule = QStringLiteral("mdlBackUp");
const QString kCrLf = QStringLiteral("\r\n");

// Error numbers as the shop's support staff know them from the older program.
constexpr int kFileNotFound = 53;
constexpr int kFileAccess = 75;

} // namespace

BackupTool::BackupTool(AppContext &context, ProcessLauncher &launcher)
    : m_context(context)
    , m_launcher(launcher)
    , m_programFolder(AppInfo::programFolder())
{ }

QString BackupTool::modeName(int mode)
{
    switch (mode) {
    case Disk:
        return QStringLiteral("하드");
    case Server:
        return QStringLiteral("서버");
    case AfterSales:
        return QStringLiteral("AS");
    default:
        return QString();
    }
}

QString BackupTool::backupArgument(int mode)
{
    switch (mode) {
    case Server:
        return QStringLiteral(" SERVERUP");
    case AfterSales:
        return QStringLiteral(" AS");
    default:
        return QString();
    }
}

QString BackupTool::restoreArgument(int mode)
{
    return mode == 1 ? QStringLiteral(" UNZIP") : QString();
}

QString BackupTool::toolPath() const
{
    return QDir(m_programFolder).filePath(toolName());
}

bool BackupTool::ExecBackUp(int mode, bool quiet, const QString &keepWindow)
{
    if (m_context.session.backupStarted)
        return false;
    if (!quiet) {
        const QString text = QStringLiteral("안전한 백업을 위하여 현재 사용중인 ")
                + m_context.session.applicationTitle + QStringLiteral(" 프로그램을 종료합니다.")
                + kCrLf + QStringLiteral("계속하시겠습니까?");
        if (!AskYesNo(m_context.prompter, text,
                      QStringLiteral("데이터 백업(") + modeName(mode) + QStringLiteral(")"))) {
            return false;
        }
    }
    if (!keepWindow.isEmpty()) {
        if (m_closeOthers)
            m_closeOthers(keepWindow);
        else
            UnloadAllBut(keepWindow);
    }
    return startTool(backupArgument(mode), QStringLiteral("ExecBackUp"));
}

bool BackupTool::ExecRestore(int mode, const QString &keepWindow)
{
    if (m_context.session.backupStarted)
        return false;
    const QString text = QStringLiteral("안전한 복구를 위하여 현재 사용중인 ")
            + m_context.session.applicationTitle + QStringLiteral(" 프로그램을 종료합니다.") + kCrLf
            + QStringLiteral("계속하시겠습니까?");
    if (!AskYesNo(m_context.prompter, text, QStringLiteral("데이터 내려받기")))
        return false;
    if (!keepWindow.isEmpty()) {
        if (m_closeOthers)
            m_closeOthers(keepWindow);
        else
            UnloadAllBut(keepWindow);
    }
    return startTool(restoreArgument(mode), QStringLiteral("ExecRestore"));
}

bool BackupTool::ExecBackUpAuto(const QString &keepWindow)
{
    if (m_context.session.backupStarted)
        return true;
    int choice = Cancel;
    if (m_choiceDialog) {
        choice = m_choiceDialog();
    } else {
        FrmMsgBackUp dialog(QApplication::activeWindow());
        dialog.exec();
        choice = dialog.choice();
    }
    switch (choice) {
    case ServerBackup:
        // Whether the tool started or not, the program ends as the user asked.
        ExecBackUp(Server, true, keepWindow);
        return true;
    case DiskBackup:
        ExecBackUp(Disk, true, keepWindow);
        return true;
    case EndOnly:
        return true;
    default:
        return false;
    }
}

bool BackupTool::startTool(const QString &argument, const QString &procedure)
{
    const QString program = toolPath();
    if (!QFileInfo(program).isFile()) {
        ShowError(m_context.prompter, kFileNotFound,
                  QStringLiteral("파일을 찾을 수 없습니다: ") + QDir::toNativeSeparators(program),
                  procedure, kModule);
        return false;
    }
    // The tool copies the store files while this program ends: everything committed must
    // be in the files themselves by then, not in their write-ahead logs.
    flushStores();
    QStringList arguments;
    if (!argument.trimmed().isEmpty())
        arguments << argument.trimmed();
    QString error;
    if (!m_launcher.startDetached(program, arguments, m_programFolder, &error)) {
        ShowError(m_context.prompter, kFileAccess, error, procedure, kModule);
        return false;
    }
    m_context.session.backupStarted = true;
    return true;
}

void BackupTool::flushStores()
{
    Stores &stores = m_context.stores;
    for (Database *db : {&stores.base(), &stores.maintenance(), &stores.postal()}) {
        if (db->isOpen())
            db->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
}
