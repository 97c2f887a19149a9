#pragma once

#include <QString>

class Database;
class Prompter;

// The tables of the three stores: creating a new store, and the steps that bring an older
// store up to date. Every step runs only when its table, column or index is missing, so
// running them again changes nothing.
class Schema
{
public:
    // New stores with every table, column and index.
    static bool createBase(Database &db);
    static bool createMaintenance(Database &db);
    static bool createPostal(Database &db);

    // Start-up steps on the base store, in the order they run at login.
    static void addRegistrationNumber(Prompter &prompter, Database &db);
    static bool ensureBankbookTable(Database &db);
    // One 통장 row (line 0) per customer, only when 고객 has rows and 통장 has none.
    static void fillBankbookRows(Prompter &prompter, Database &db);
    static bool ensureMemoTable(Database &db);
    // Indexes the searches need; not part of the older layout, added when missing.
    static bool ensureBaseIndexes(Database &db);

    // Run when the ledger screen opens: the 통장 and 상태 columns of 정비내역.
    static void upgradeMaintenance(Prompter &prompter, Database &db);
    static bool ensureMaintenanceIndexes(Database &db);
};
