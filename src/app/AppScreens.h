#pragma once

class CatalogueLookups;
class FrmMain;

// The screens of the other folders behind the main window's menu entries, and the look-ups
// and print-outs they share. The shell itself knows none of them.
void RegisterCatalogueScreens(FrmMain &mainWindow, CatalogueLookups &lookups);
void RegisterLedgerScreen(FrmMain &mainWindow);
