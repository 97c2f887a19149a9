// catalogue_shots ROOT OUTDIR: opens the catalogue screens and look-ups on the shop in ROOT
// (a demo shop) from the main window's menu and saves a picture of each into OUTDIR.
#include "AppContext.h"
#include "AppScreens.h"
#include "CatalogueLookups.h"
#include "FrmCodePick.h"
#include "FrmMain.h"
#include "FrmPartPick.h"
#include "Grid.h"
#include "RecordingLauncher.h"
#include "ScriptedPrompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"
#include "WorkArea.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QHash>
#include <QMdiSubWindow>
#include <QTest>

namespace {

QString g_out;

void save(QWidget *widget, const QString &name)
{
    QApplication::processEvents();
    const QString path = QDir(g_out).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path))
        qWarning("could not save %s", qPrintable(path));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setFont(QFont(QStringLiteral("NanumGothic"), 10));
    if (argc < 3) {
        qWarning("usage: catalogue_shots ROOT OUTDIR");
        return 2;
    }
    g_out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);

    Session session;
    session.paths = DataPaths::fromRoot(QString::fromLocal8Bit(argv[1]));
    ScriptedPrompter prompter;
    Settings settings(QDir(g_out).filePath(QStringLiteral(".settings")));
    Stores stores(session.paths);
    CatalogueLookups lookups;
    AppContext context {session, prompter, settings, stores, &lookups};
    RecordingLauncher launcher;

    FrmMain window(context, launcher);
    window.hooks().login = [] {
        return true;
    };
    window.hooks().notice = [] {
    };
    window.hooks().shopInformation = [] {
    };
    window.hooks().now = [] {
        return QDateTime(QDate(2005, 12, 31), QTime(15, 4));
    };
    RegisterCatalogueScreens(window, lookups);
    if (!window.start())
        return 1;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;

    const auto open = [&](const char *menu, const QString &name) {
        window.menuAction(QString::fromUtf8(menu))->trigger();
        QApplication::processEvents();
        if (name == QLatin1String("parts"))
            save(&window, QStringLiteral("catalogue-parts-main"));
        if (QMdiSubWindow *sub = window.workArea()->activeSubWindow()) {
            save(sub, QStringLiteral("catalogue-") + name);
            sub->close();
        }
    };
    open("mnu기타자료", QStringLiteral("codes"));
    open("mnu정비부품", QStringLiteral("parts"));
    open("mnu참조부품", QStringLiteral("reference-prices"));

    // Each look-up: shown, pictured, closed. The pick-lists also show their entry dialogs.
    lookups.setDialogRunner([&](QDialog &dialog) {
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog))
            qWarning("%s not shown", qPrintable(dialog.objectName()));
        static const QHash<QString, QString> files = {
                {QStringLiteral("frm기타자료조회"), QStringLiteral("lookup-codes")},
                {QStringLiteral("frm참조"), QStringLiteral("lookup-code-entry")},
                {QStringLiteral("frm정비부품조회"), QStringLiteral("lookup-parts")},
                {QStringLiteral("frm부품수정"), QStringLiteral("lookup-part-edit")},
                {QStringLiteral("frm고객조회"), QStringLiteral("lookup-customers")},
                {QStringLiteral("frm고객조회2"), QStringLiteral("lookup-customer-values")},
                {QStringLiteral("frm주소"), QStringLiteral("lookup-address")},
        };
        save(&dialog, files.value(dialog.objectName(), dialog.objectName()));
        if (auto *parts = qobject_cast<FrmPartPick *>(&dialog)) {
            parts->grid()->gotoCell(1, 3);
            parts->changePart();
        } else if (auto *codes = qobject_cast<FrmCodePick *>(&dialog)) {
            codes->grid()->gotoCell(1, 2);
            codes->renameCode();
        }
        dialog.reject();
        return int(QDialog::Rejected);
    });
    session.codeCategory = QStringLiteral("보험회사");
    session.lookupSearchText.clear();
    lookups.pickCode(context, &window);
    lookups.pickPart(context, &window);
    session.customerSearchKind = QStringLiteral("고객명");
    session.customerSearchText = QStringLiteral("김");
    session.popupCaller = QStringLiteral("1");
    lookups.pickCustomer(context, &window);
    session.customerSearchKind = QStringLiteral("소속회사");
    session.customerSearchText.clear();
    lookups.pickCustomerValue(context, &window);
    session.addressSearchText = QStringLiteral("동");
    lookups.pickAddress(context, &window);
    return 0;
}
