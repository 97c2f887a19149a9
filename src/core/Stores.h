#pragma once

#include "DataPaths.h"
#include "Database.h"

class Prompter;

// The three stores of a data root: base data, maintenance records (which sees the base
// tables as well, so that joins of 고객, 고객미수금 and 정비내역 run on it) and postal codes.
class Stores
{
public:
    explicit Stores(const DataPaths &paths);

    const DataPaths &paths() const { return m_paths; }
    Database &base() { return m_base; }
    Database &maintenance() { return m_maintenance; }
    Database &postal() { return m_postal; }

    // Creates the DBS folder and every store file that does not exist yet, complete with its
    // tables. A file is built under a temporary name and renamed when complete, so a failed
    // first start never leaves a half-made store behind.
    bool createMissing(QString *error);

    bool openBase(Prompter &prompter);
    bool openMaintenance(Prompter &prompter);
    bool openPostal(Prompter &prompter);
    void closeAll();

private:
    DataPaths m_paths;
    Database m_base;
    Database m_maintenance;
    Database m_postal;
};
