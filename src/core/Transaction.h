#pragma once

#include <QString>

class Database;

// Groups the statements of one user action: commit() makes them permanent, leaving the
// scope without commit() takes them all back. Guards may nest; an inner guard becomes a
// savepoint of the outer one.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    bool isActive() const { return m_active; }
    bool commit();
    void rollback();

private:
    Database &m_db;
    QString m_savepoint;
    bool m_active = false;
};
