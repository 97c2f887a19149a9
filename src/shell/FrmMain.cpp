#include "FrmMain.h"

#include "AppContext.h"
#include "AppInfo.h"
#include "DateUtil.h"
#include "FrmStart.h"
#include "Prompter.h"
#include "Session.h"
#include "Settings.h"

#include <QDir>

FrmMain::FrmMain(AppContext &context, QWidget *parent)
    : QMainWindow(parent)
    , m_context(context)
{
    setObjectName(QStringLiteral("frm주화면"));
    setWindowTitle(AppInfo::mainWindowTitle());
    resize(800, 600);
    setStyleSheet(QStringLiteral("QMainWindow#frm주화면 { background: rgb(5, 126, 128); }"));
}

bool FrmMain::start()
{
    Session &session = m_context.session;
    m_context.prompter.setApplicationTitle(session.applicationTitle);
    // The backup tool reads where the stores are from here, at every start.
    m_context.settings.setBackupDataPath(QDir::toNativeSeparators(session.paths.dbsDir));

    FrmStart login(m_context, this);
    login.load();
    if (login.exec() != QDialog::Accepted)
        return false;

    SetToday(session);
    return true;
}
