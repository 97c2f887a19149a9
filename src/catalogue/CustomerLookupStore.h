#pragma once

#include "ListPrintRequest.h"

#include <QList>
#include <QStringList>

#include <optional>

class Database;

// The searches of the two customer look-ups on 고객. Rows come back as texts in the order
// of the look-ups' grid columns.
class CustomerLookupStore
{
public:
    explicit CustomerLookupStore(Database &base);

    // The columns of the customer look-up: 고객명, 차량번호, 차량명 and 고객코드. The opener
    // loads the chosen customer by its code, so nothing else is read for lists of thousands.
    static QStringList pickColumns();
    // The columns of the second customer look-up: 고객명, 차량번호, 소속회사, 차량명.
    static QStringList valueColumns();

    // Customers for the customer look-up: 차량번호 and the telephone numbers contain text,
    // 고객명 begins with it. Any other kind lists every customer in the order of entry.
    std::optional<QList<QStringList>> customers(const QString &kind, const QString &text);
    // Rows for the second look-up by 차량번호 (contains), 고객명 or 소속회사 (begins with);
    // an empty text lists all (for 소속회사: every customer with a company). Any other kind
    // gives no rows.
    std::optional<QList<QStringList>> values(const QString &kind, const QString &text);

    // The customer list print-out for the same search (고객현황).
    static ListPrintRequest customerReport(const QString &kind, const QString &text);

    QString lastError() const { return m_lastError; }

private:
    std::optional<QList<QStringList>> rows(const QStringList &columns, const QString &tail,
                                           const QVariantList &params);

    Database &m_db;
    QString m_lastError;
};
