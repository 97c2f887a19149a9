#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// One SQLite store reached through one named Qt connection. Statements always take bound
// parameters; the error of the last failed call stays readable until the next one. A null
// QString parameter is bound as '' (text columns never hold Null); pass QVariant() for Null.
class Database
{
public:
    explicit Database(const QString &connectionName);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    QString connectionName() const { return m_connection; }
    QString path() const { return m_path; }
    bool isOpen() const;
    QSqlDatabase handle() const;

    // Opens (or creates, when create is true) the file with WAL and synchronous=FULL.
    bool openFile(const QString &path, bool create);
    void close();
    // Makes another store's tables visible on this connection under alias.
    bool attach(const QString &path, const QString &alias);

    bool exec(const QString &sql, const QVariantList &params = {});
    // Runs a statement and hands back the positioned-before-first query, or nullopt.
    std::optional<QSqlQuery> query(const QString &sql, const QVariantList &params = {});
    // First column of the first row; an invalid QVariant when there is no row or on error.
    QVariant scalar(const QString &sql, const QVariantList &params = {});
    qint64 lastInsertId() const { return m_lastInsertId; }

    bool hasTable(const QString &table, const QString &schema = QStringLiteral("main"));
    QStringList columns(const QString &table, const QString &schema = QStringLiteral("main"));

    QString lastError() const { return m_lastError; }
    int lastErrorCode() const { return m_lastErrorCode; }

    // Quotes a table or column name for statements that cannot bind it.
    static QString quoteName(const QString &name);

private:
    friend class Transaction;
    void setError(const QSqlError &error);
    void clearError();

    QString m_connection;
    QString m_path;
    QString m_lastError;
    int m_lastErrorCode = 0;
    qint64 m_lastInsertId = 0;
};
