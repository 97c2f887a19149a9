#include "Database.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>

Database::Database(const QString &connectionName)
    : m_connection(connectionName)
{
}

Database::~Database()
{
    close();
}

bool Database::isOpen() const
{
    return QSqlDatabase::contains(m_connection) && handle().isOpen();
}

QSqlDatabase Database::handle() const
{
    return QSqlDatabase::database(m_connection, false);
}

bool Database::openFile(const QString &path, bool create)
{
    close();
    clearError();
    if (!create && !QFileInfo::exists(path)) {
        m_lastError = QStringLiteral("%1 화일을 찾을 수 없습니다.").arg(path);
        m_lastErrorCode = 14; // SQLITE_CANTOPEN
        return false;
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            setError(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_connection);
            return false;
        }
    }
    m_path = path;
    // WAL keeps readers and the writer apart; FULL makes a committed action survive a
    // power cut.
    if (!exec(QStringLiteral("PRAGMA journal_mode=WAL"))
        || !exec(QStringLiteral("PRAGMA synchronous=FULL"))
        || !exec(QStringLiteral("PRAGMA foreign_keys=OFF"))) {
        const QString error = m_lastError;
        const int code = m_lastErrorCode;
        close();
        m_lastError = error;
        m_lastErrorCode = code;
        return false;
    }
    return true;
}

void Database::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
    m_path.clear();
}

bool Database::attach(const QString &path, const QString &alias)
{
    if (!exec(QStringLiteral("ATTACH DATABASE ? AS %1").arg(quoteName(alias)), {path}))
        return false;
    return exec(QStringLiteral("PRAGMA %1.synchronous=FULL").arg(quoteName(alias)));
}

bool Database::exec(const QString &sql, const QVariantList &params)
{
    return query(sql, params).has_value();
}

std::optional<QSqlQuery> Database::query(const QString &sql, const QVariantList &params)
{
    clearError();
    if (!isOpen()) {
        m_lastError = QStringLiteral("Data Base MDB가 선언되지 않았습니다.");
        m_lastErrorCode = -1;
        return std::nullopt;
    }
    QSqlQuery q(handle());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        setError(q.lastError());
        return std::nullopt;
    }
    for (const QVariant &p : params) {
        // A null QString would be stored as Null; text columns hold '' instead. A Null is
        // written only when asked for with an invalid QVariant.
        if (p.typeId() == QMetaType::QString && p.toString().isNull())
            q.addBindValue(QStringLiteral(""));
        else
            q.addBindValue(p);
    }
    if (!q.exec()) {
        setError(q.lastError());
        return std::nullopt;
    }
    if (!q.isSelect()) {
        const QVariant id = q.lastInsertId();
        if (id.isValid())
            m_lastInsertId = id.toLongLong();
    }
    return q;
}

QVariant Database::scalar(const QString &sql, const QVariantList &params)
{
    auto q = query(sql, params);
    if (!q || !q->next())
        return QVariant();
    return q->value(0);
}

bool Database::hasTable(const QString &table, const QString &schema)
{
    const QVariant n = scalar(QStringLiteral("SELECT count(*) FROM %1.sqlite_master "
                                             "WHERE type = 'table' AND name = ? COLLATE NOCASE")
                                      .arg(quoteName(schema)),
                              {table});
    return n.toInt() > 0;
}

QStringList Database::columns(const QString &table, const QString &schema)
{
    QStringList names;
    auto q = query(QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), {table, schema});
    if (!q)
        return names;
    while (q->next())
        names << q->value(0).toString();
    return names;
}

QString Database::quoteName(const QString &name)
{
    QString quoted = name;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void Database::setError(const QSqlError &error)
{
    m_lastError = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    bool ok = false;
    m_lastErrorCode = error.nativeErrorCode().toInt(&ok);
    if (!ok)
        m_lastErrorCode = 1;
}

void Database::clearError()
{
    m_lastError.clear();
    m_lastErrorCode = 0;
}
