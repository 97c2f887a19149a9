#include "LedgerStore.h"

#include "Stores.h"
#include "TextUtil.h"
#include "Transaction.h"

namespace {

QVariantList lineValues(const LedgerLine &l)
{
    return {l.date, l.kind,  l.customer, l.partCode, l.text, l.spec,    l.price,
            l.quantity, l.amount, l.discount, l.due, l.paid, l.mileage, l.mechanic};
}

const char kLineColumns[] = "정비일자, 구분, 고객코드, 부품코드, 부품명, 규격, 판매단가, 수량, 금액, "
                            "활인, 판매금액, 입금액, 주행, 정비담당";

} // namespace

LedgerStore::LedgerStore(Stores &stores)
    : m_stores(stores)
{
}

std::optional<QList<LedgerLine>> LedgerStore::lines(qint64 customer)
{
    Database &db = m_stores.maintenance();
    auto q = db.query(QStringLiteral("SELECT 정비코드, %1 FROM 정비내역 WHERE 고객코드 = ? "
                                     "ORDER BY 정비일자, 정비코드, 구분")
                              .arg(QString::fromUtf8(kLineColumns)),
                      {customer});
    if (!q) {
        m_lastError = db.lastError();
        return std::nullopt;
    }
    QList<LedgerLine> out;
    while (q->next()) {
        LedgerLine l;
        l.lineCode = q->value(0).toLongLong();
        l.date = NullToStr(q->value(1));
        l.kind = NullToStr(q->value(2));
        l.customer = q->value(3).toLongLong();
        l.partCode = q->value(4).toLongLong();
        l.text = NullToStr(q->value(5));
        l.spec = NullToStr(q->value(6));
        l.price = q->value(7).toLongLong();
        l.quantity = q->value(8).toLongLong();
        l.amount = q->value(9).toLongLong();
        l.discount = q->value(10).toLongLong();
        l.due = q->value(11).toLongLong();
        l.paid = q->value(12).toLongLong();
        l.mileage = q->value(13).toLongLong();
        l.mechanic = NullToStr(q->value(14));
        out << l;
    }
    return out;
}

qint64 LedgerStore::insertLine(const LedgerLine &line)
{
    if (!line.amountsFit()) {
        m_lastError = QStringLiteral("금액이 너무 큽니다.");
        return 0;
    }
    Database &db = m_stores.maintenance();
    Transaction t(db);
    if (!t.isActive()
        || !db.exec(QStringLiteral("INSERT INTO 정비내역 (%1, 통장, 상태) "
                                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 'A')")
                            .arg(QString::fromUtf8(kLineColumns)),
                    lineValues(line))) {
        m_lastError = db.lastError();
        return 0;
    }
    const qint64 code = db.lastInsertId();
    if (!writeSummary(line.customer) || !t.commit()) {
        m_lastError = db.lastError();
        return 0;
    }
    return code;
}

bool LedgerStore::updateLine(const LedgerLine &line)
{
    if (!line.amountsFit()) {
        m_lastError = QStringLiteral("금액이 너무 큽니다.");
        return false;
    }
    Database &db = m_stores.maintenance();
    Transaction t(db);
    QString assignments = QString::fromUtf8(kLineColumns);
    assignments.replace(QStringLiteral(", "), QStringLiteral(" = ?, "));
    assignments += QStringLiteral(" = ?");
    QVariantList params = lineValues(line);
    params << line.lineCode;
    // The line may have moved to another customer: both summaries follow.
    const qint64 before = db.scalar(QStringLiteral("SELECT 고객코드 FROM 정비내역 WHERE 정비코드 = ?"),
                                    {line.lineCode})
                                  .toLongLong();
    const bool ok = t.isActive()
            && db.exec(QStringLiteral("UPDATE 정비내역 SET %1 WHERE 정비코드 = ?").arg(assignments),
                       params)
            && writeSummary(line.customer) && (before == line.customer || writeSummary(before))
            && t.commit();
    if (!ok)
        m_lastError = db.lastError();
    return ok;
}

bool LedgerStore::deleteLine(qint64 lineCode, qint64 customer)
{
    Database &db = m_stores.maintenance();
    Transaction t(db);
    const bool ok = t.isActive()
            && db.exec(QStringLiteral("DELETE FROM 정비내역 WHERE 정비코드 = ?"), {lineCode})
            && writeSummary(customer) && t.commit();
    if (!ok)
        m_lastError = db.lastError();
    return ok;
}

qint64 LedgerStore::insertPayment(qint64 customer, const QString &date, qint64 amount)
{
    LedgerLine line;
    line.customer = customer;
    line.date = date;
    line.kind = QStringLiteral("2");
    line.text = LedgerLine::paymentText();
    line.spec = QStringLiteral("0");
    line.paid = amount;
    return insertLine(line);
}

std::optional<ReceivableSummary> LedgerStore::computeSummary(qint64 customer)
{
    Database &db = m_stores.maintenance();
    auto q = db.query(QStringLiteral("SELECT coalesce(sum(금액), 0), coalesce(sum(활인), 0), coalesce(sum(판매금액), 0), coalesce(sum(입금액), 0) "
                                     "FROM 정비내역 WHERE 고객코드 = ?"),
                      {customer});
    if (!q || !q->next()) {
        m_lastError = db.lastError();
        return std::nullopt;
    }
    ReceivableSummary s;
    s.amount = q->value(0).toLongLong();
    s.discount = q->value(1).toLongLong();
    s.due = q->value(2).toLongLong();
    s.paid = q->value(3).toLongLong();
    s.balance = s.due - s.paid;
    return s;
}

std::optional<ReceivableSummary> LedgerStore::storedSummary(qint64 customer)
{
    Database &db = m_stores.maintenance();
    auto q = db.query(QStringLiteral("SELECT 판매금액, 할인, 받을금액, 입금액, 미수금 "
                                     "FROM base.고객미수금 WHERE 고객코드 = ?"),
                      {customer});
    if (!q || !q->next()) {
        m_lastError = q ? QString() : db.lastError();
        return std::nullopt;
    }
    return ReceivableSummary{q->value(0).toLongLong(), q->value(1).toLongLong(),
                             q->value(2).toLongLong(), q->value(3).toLongLong(),
                             q->value(4).toLongLong()};
}

std::optional<ReceivableSummary> LedgerStore::refreshSummary(qint64 customer)
{
    const auto computed = computeSummary(customer);
    if (!computed)
        return std::nullopt;
    if (storedSummary(customer) == computed)
        return computed;
    Database &db = m_stores.maintenance();
    Transaction t(db);
    if (!t.isActive() || !writeSummary(customer) || !t.commit()) {
        m_lastError = db.lastError();
        return std::nullopt;
    }
    return computed;
}

bool LedgerStore::writeSummary(qint64 customer)
{
    // Rebuilt in full from the stored lines, never adjusted by the change alone.
    Database &db = m_stores.maintenance();
    auto q = db.query(QStringLiteral("UPDATE base.고객미수금 SET (판매금액, 할인, 받을금액, 입금액, 미수금) = "
                                     "(SELECT coalesce(sum(금액), 0), coalesce(sum(활인), 0), coalesce(sum(판매금액), 0), coalesce(sum(입금액), 0), "
                                     "coalesce(sum(판매금액), 0) - coalesce(sum(입금액), 0) FROM 정비내역 WHERE 고객코드 = ?) "
                                     "WHERE 고객코드 = ?"),
                      {customer, customer});
    if (!q)
        return false;
    if (q->numRowsAffected() > 0)
        return true;
    return db.exec(QStringLiteral("INSERT INTO base.고객미수금 (고객코드, 판매금액, 할인, 받을금액, "
                                  "입금액, 미수금) SELECT ?, coalesce(sum(금액), 0), coalesce(sum(활인), 0), coalesce(sum(판매금액), 0), "
                                  "coalesce(sum(입금액), 0), coalesce(sum(판매금액), 0) - coalesce(sum(입금액), 0) "
                                  "FROM 정비내역 WHERE 고객코드 = ?"),
                   {customer, customer});
}
