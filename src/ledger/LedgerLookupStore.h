#pragma once

#include "Lookups.h"

#include <QList>
#include <QStringList>

class Database;

// The quick matches the ledger tries before it opens a pick-list: reference codes and
// catalogue items whose name begins with what was typed.
class LedgerLookupStore
{
public:
    explicit LedgerLookupStore(Database &base);

    // At most limit names of the category beginning with prefix, in entry order.
    QStringList codesBeginningWith(const QString &category, const QString &prefix, int limit);
    // At most limit catalogue items whose name begins with prefix, by name.
    QList<PartChoice> partsBeginningWith(const QString &prefix, int limit);

private:
    Database &m_base;
};
