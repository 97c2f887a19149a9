#include "AppScreens.h"

#include "AppContext.h"
#include "CatalogueLookups.h"
#include "FrmCodes.h"
#include "FrmLedger.h"
#include "FrmMain.h"
#include "FrmPartMaintenance.h"
#include "ListReports.h"

void RegisterCatalogueScreens(FrmMain &mainWindow, CatalogueLookups &lookups)
{
    mainWindow.setScreen(QStringLiteral("mnu기타자료"),
                         [](AppContext &c) -> QWidget * { return new FrmCodes(c); });
    const auto partsScreen = [](const PartMaintenanceSetup &setup) {
        return [setup](AppContext &c) -> QWidget * {
            auto *screen = new FrmPartMaintenance(c, setup);
            screen->setListPrinter(ListReports::printer());
            return screen;
        };
    };
    mainWindow.setScreen(QStringLiteral("mnu정비부품"),
                         partsScreen(PartMaintenanceSetup::catalogue()));
    mainWindow.setScreen(QStringLiteral("mnu참조부품"),
                         partsScreen(PartMaintenanceSetup::reference()));
    lookups.setListPrinter(ListReports::printer());
    // The shop information's address list for several postal matches.
    mainWindow.setAddressLookup(lookups.addressLookup());
}

void RegisterLedgerScreen(FrmMain &mainWindow)
{
    mainWindow.setScreen(QStringLiteral("mnu정비내역"),
                         [](AppContext &c) -> QWidget * { return new FrmLedger(c); });
}
