#pragma once

#include "CustomerRecord.h"

#include <QList>
#include <QStringList>

#include <optional>

class Stores;

// Every statement on 고객 the ledger needs: searching by kind, loading, the duplicate
// vehicle check, inserting and updating, and deleting a customer with all its data.
class CustomerStore
{
public:
    explicit CustomerStore(Stores &stores);

    // The search kinds of the ledger, in list order.
    static QStringList searchKinds();
    // The 고객 column a search kind names; "" for an unknown kind.
    static QString columnForKind(const QString &kind);

    // At most limit customers whose kind column contains word anywhere, in key order.
    // nullopt when the statement failed (lastError()).
    std::optional<QList<CustomerRecord>> search(const QString &kind, const QString &word,
                                                int limit);
    std::optional<CustomerRecord> load(qint64 code);

    // Whether saving vehicle would give it to a second customer. When updating, keeping the
    // customer's own stored number is no duplicate.
    bool isDuplicateVehicle(const QString &vehicle, qint64 updatingCode = 0);

    // Inserts the customer (fields already cut) with its bankbook row (line 0) and an empty
    // receivable summary, all or nothing. Returns the new key, 0 on failure.
    qint64 insert(const CustomerRecord &record);
    enum class UpdateResult { Updated, Missing, Failed };
    UpdateResult update(const CustomerRecord &record);
    // Deletes the customer's 고객, 고객미수금, 통장 and 정비내역 rows as one action; the memo
    // stays.
    bool remove(qint64 code);

    QString lastError() const { return m_lastError; }

private:
    Stores &m_stores;
    QString m_lastError;
};
