#include "AppContext.h"
#include "CatalogueLookups.h"
#include "DataPaths.h"
#include "FrmInfo.h"
#include "FrmCodes.h"
#include "FrmLedger.h"
#include "FrmMain.h"
#include "FrmPartMaintenance.h"
#include "ListReports.h"
#include "ProcessLauncher.h"
#include "QtPrompter.h"
#include "Session.h"
#include "Settings.h"
#include "Stores.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvik"));
    QLocale::setDefault(QLocale(QLocale::Korean, QLocale::SouthKorea));

    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        app.installTranslator(&qtTranslator);
    }
#ifndef Q_OS_WIN
    app.setFont(QFont(QStringLiteral("NanumGothic"), 10));
#endif

    Session session;
    session.paths = DataPaths::fromRoot(DataPaths::defaultRoot());
    QtPrompter prompter;
    prompter.setNoticeHandler(
            [](const QString &text) { FrmInfo::showNotice(text, QApplication::activeWindow()); });
    Settings settings;
    Stores stores(session.paths);
    CatalogueLookups lookups;
    AppContext context {session, prompter, settings, stores, &lookups};
    QtProcessLauncher launcher;

    FrmMain mainWindow(context, launcher);
    // Screens of the other folders, one factory per menu entry.
    mainWindow.setScreen(QStringLiteral("mnu정비내역"),
                         [](AppContext &c) -> QWidget * { return new FrmLedger(c); });
    mainWindow.setScreen(QStringLiteral("mnu기타자료"),
                         [](AppContext &c) -> QWidget * { return new FrmCodes(c); });
    const auto partsScreen = [](const PartMaintenanceSetup &setup) {
        return [setup](AppContext &c) -> QWidget * {
            auto *screen = new FrmPartMaintenance(c, setup);
            screen->setListPrinter(ListReports::printer());
            return screen;
        };
    };
    mainWindow.setScreen(QStringLiteral("mnu정비부품"), partsScreen(PartMaintenanceSetup::catalogue()));
    mainWindow.setScreen(QStringLiteral("mnu참조부품"), partsScreen(PartMaintenanceSetup::reference()));
    lookups.setListPrinter(ListReports::printer());
    // The shop information's address list for several postal matches.
    mainWindow.setAddressLookup(lookups.addressLookup());
    if (!mainWindow.start())
        return 0;
    mainWindow.show();
    return app.exec();
}
