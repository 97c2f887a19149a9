#include "AppContext.h"
#include "AppScreens.h"
#include "CatalogueLookups.h"
#include "DataPaths.h"
#include "FrmInfo.h"
#include "FrmMain.h"
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
    RegisterLedgerScreen(mainWindow);
    RegisterCatalogueScreens(mainWindow, lookups);
    if (!mainWindow.start())
        return 0;
    mainWindow.show();
    return app.exec();
}
