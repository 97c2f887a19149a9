#pragma once

#include "CodeRecord.h"

#include <QList>
#include <QStringList>

#include <optional>

class Database;

// The reference codes (기타참조): eight short lists told apart by their category text.
// Every statement on the table is here; a name is stored exactly as typed.
class CodeStore
{
public:
    explicit CodeStore(Database &base);

    // Longest name the screens accept.
    static constexpr int kNameLength = 15;

    // The eight categories in the order of the maintenance screen's buttons.
    static QStringList categories();
    static bool isCategory(const QString &category);

    // The category as the maintenance screen lists it: 차종 by id, 차량색상 by name, the
    // others in the order they were added. nullopt when the statement failed.
    std::optional<QList<CodeRecord>> list(const QString &category);
    // The codes of the category whose name begins with prefix ("" = all), by name.
    std::optional<QList<CodeRecord>> find(const QString &category, const QString &prefix);

    // Adds a code and answers its new id (0 on failure).
    qint64 add(const QString &category, const QString &name);
    bool rename(qint64 id, const QString &name, const QString &category);
    bool remove(qint64 id);

    QString lastError() const { return m_lastError; }
    int lastErrorCode() const { return m_lastErrorCode; }

private:
    std::optional<QList<CodeRecord>> read(const QString &sql, const QVariantList &params);
    bool failed();

    Database &m_db;
    QString m_lastError;
    int m_lastErrorCode = 0;
};
