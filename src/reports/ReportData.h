#pragma once

#include "ReportRows.h"
#include "SelectionFormula.h"
#include "SortField.h"

#include <QHash>
#include <QList>
#include <QVariant>

class Database;
class Prompter;
class Stores;
struct ReportError;
struct ReportTemplate;

// Reads the records of a report: the template's tables joined on their key, the template's
// fixed selection and the screen's selection as bound SQL conditions, sorted by the group
// keys, then the screen's sort keys (or the template's own), then the order the records were
// stored. Runs on the base store, or on the maintenance store (which sees the base tables)
// when the template reads 정비내역.
class ReportData
{
public:
    ReportData(Stores &stores, Prompter &prompter);

    bool load(const ReportTemplate &report, const SelectionFormula &selection,
              const QList<SortField> &sort, ReportRows &rows, ReportError &error);
    // The shop's own record (사용자등록), column names in lower case; empty when none.
    QHash<QString, QVariant> shopRecord();

private:
    Database *storeFor(const ReportTemplate &report, ReportError &error);

    Stores &m_stores;
    Prompter &m_prompter;
};
