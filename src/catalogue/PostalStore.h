#pragma once

#include "PostalRecord.h"

#include <QList>
#include <QVariant>

#include <optional>

class Database;

// Searches in the postal-code list (우편번호 of the postal store).
class PostalStore
{
public:
    explicit PostalStore(Database &postal);

    // 시도, 구군 and 동면, each followed by one blank; a missing or empty part leaves out
    // its blank. The text ends in a blank, so the lot number can be typed straight after it.
    static QString addressText(const QVariant &province, const QVariant &district,
                               const QVariant &town);

    // The rows whose 동면 contains text anywhere, by postal code.
    std::optional<QList<PostalRecord>> findByTown(const QString &text);
    // The rows whose postal code contains text anywhere, by postal code.
    std::optional<QList<PostalRecord>> findByCode(const QString &text);

    QString lastError() const { return m_lastError; }

private:
    std::optional<QList<PostalRecord>> find(const QString &column, const QString &text);

    Database &m_db;
    QString m_lastError;
};
