#include "Transaction.h"

#include "Database.h"

#include <QHash>

namespace {
// Open guards per connection; the user interface is the only thread.
QHash<QString, int> &depths()
{
    static QHash<QString, int> d;
    return d;
}
} // namespace

Transaction::Transaction(Database &db)
    : m_db(db)
{
    int &depth = depths()[db.connectionName()];
    if (depth == 0) {
        m_active = m_db.exec(QStringLiteral("BEGIN IMMEDIATE"));
    } else {
        m_savepoint = QStringLiteral("sp%1").arg(depth);
        m_active = m_db.exec(QStringLiteral("SAVEPOINT %1").arg(m_savepoint));
    }
    if (m_active)
        ++depth;
}

Transaction::~Transaction()
{
    if (m_active)
        rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    const bool ok = m_savepoint.isEmpty()
            ? m_db.exec(QStringLiteral("COMMIT"))
            : m_db.exec(QStringLiteral("RELEASE %1").arg(m_savepoint));
    if (!ok) {
        rollback();
        return false;
    }
    m_active = false;
    --depths()[m_db.connectionName()];
    return true;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    // Keep the error that made the action fail readable for the caller's message.
    const QString error = m_db.lastError();
    const int code = m_db.lastErrorCode();
    if (m_savepoint.isEmpty()) {
        m_db.exec(QStringLiteral("ROLLBACK"));
    } else {
        m_db.exec(QStringLiteral("ROLLBACK TO %1").arg(m_savepoint));
        m_db.exec(QStringLiteral("RELEASE %1").arg(m_savepoint));
    }
    m_active = false;
    --depths()[m_db.connectionName()];
    m_db.m_lastError = error;
    m_db.m_lastErrorCode = code;
}
