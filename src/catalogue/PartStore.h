#pragma once

#include "PartRecord.h"

#include <QList>
#include <QString>

#include <optional>

class Database;

// The two lists with the same six columns: the shop's own catalogue and the reference
// price list kept for looking prices up.
enum class PartTable { Catalogue, Reference };

// Every statement on one parts list. The table name comes from PartTable only, never from
// text; every value is a bound parameter.
class PartStore
{
public:
    PartStore(Database &base, PartTable table);

    // Longest texts the screens accept.
    static constexpr int kNameLength = 30;
    static constexpr int kSpecLength = 30;
    static constexpr int kUnitLength = 5;

    static QString tableName(PartTable table);
    QString tableName() const { return tableName(m_table); }
    PartTable table() const { return m_table; }

    // The whole list by name (equal names by code), as the maintenance screen shows it.
    std::optional<QList<PartRecord>> list();
    // The items whose name begins with prefix ("" = all), by name.
    std::optional<QList<PartRecord>> findByPrefix(const QString &prefix);
    // Every item in the order they were added.
    std::optional<QList<PartRecord>> all();
    std::optional<PartRecord> load(qint64 code);

    // Adds the item and answers its new code (0 on failure).
    qint64 insert(const PartRecord &part);
    // Writes every column of the item with part.code.
    bool update(const PartRecord &part);
    bool remove(qint64 code);

    // A price as the grids hold it: separators allowed, empty (or no number) is 0.
    static qint64 priceFromText(const QString &text);

    QString lastError() const { return m_lastError; }
    int lastErrorCode() const { return m_lastErrorCode; }

private:
    std::optional<QList<PartRecord>> read(const QString &tail, const QVariantList &params);
    bool failed();

    Database &m_db;
    PartTable m_table;
    QString m_lastError;
    int m_lastErrorCode = 0;
};
