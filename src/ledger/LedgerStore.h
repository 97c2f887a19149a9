#pragma once

#include "LedgerLine.h"

#include <QList>

#include <optional>

class Stores;

// The service lines and payments of a customer. Every change is stored together with the
// rebuilt receivable summary of that customer, in one transaction, so the summary always
// agrees with the lines.
class LedgerStore
{
public:
    explicit LedgerStore(Stores &stores);

    // The customer's lines in ledger order (date, key, kind); nullopt on failure.
    std::optional<QList<LedgerLine>> lines(qint64 customer);

    // Stores a new line (통장 0, 상태 "A"); returns its key, 0 on failure.
    qint64 insertLine(const LedgerLine &line);
    bool updateLine(const LedgerLine &line);
    bool deleteLine(qint64 lineCode, qint64 customer);
    // A payment line "< 입금 >" of amount on date.
    qint64 insertPayment(qint64 customer, const QString &date, qint64 amount);

    // What the lines add up to, and what 고객미수금 holds.
    std::optional<ReceivableSummary> computeSummary(qint64 customer);
    std::optional<ReceivableSummary> storedSummary(qint64 customer);
    // Writes the summary computed from the lines when the stored one differs or is missing.
    std::optional<ReceivableSummary> refreshSummary(qint64 customer);

    QString lastError() const { return m_lastError; }

private:
    bool writeSummary(qint64 customer);

    Stores &m_stores;
    QString m_lastError;
};
