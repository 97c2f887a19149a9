#pragma once

#include <QString>

#include <optional>

class Database;

// The one free-text memo of a customer (메모장).
class MemoStore
{
public:
    explicit MemoStore(Database &base);

    // The customer's memo; nullopt when there is none (or on failure: lastError()).
    std::optional<QString> load(qint64 customer);
    bool hasMemo(qint64 customer);
    // Stores text as the customer's memo. hadMemo tells whether a row existed when the memo
    // window opened: then empty text removes it.
    bool save(qint64 customer, const QString &text, bool hadMemo);

    QString lastError() const { return m_lastError; }

private:
    Database &m_base;
    QString m_lastError;
};
