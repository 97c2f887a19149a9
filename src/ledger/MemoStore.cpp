#include "MemoStore.h"

#include "Database.h"
#include "TextUtil.h"

MemoStore::MemoStore(Database &base)
    : m_base(base)
{
}

std::optional<QString> MemoStore::load(qint64 customer)
{
    auto q = m_base.query(QStringLiteral("SELECT 메모 FROM 메모장 WHERE 고객코드 = ? "
                                         "ORDER BY rowid LIMIT 1"),
                          {customer});
    if (!q) {
        m_lastError = m_base.lastError();
        return std::nullopt;
    }
    if (!q->next())
        return std::nullopt;
    return NullToStr(q->value(0));
}

bool MemoStore::hasMemo(qint64 customer)
{
    // An empty memo left by older versions is no reason to open the memo window.
    const auto memo = load(customer);
    return memo && !memo->isEmpty();
}

bool MemoStore::save(qint64 customer, const QString &text, bool hadMemo)
{
    bool ok = true;
    if (hadMemo && text.isEmpty()) {
        ok = m_base.exec(QStringLiteral("DELETE FROM 메모장 WHERE 고객코드 = ?"), {customer});
    } else if (hadMemo) {
        ok = m_base.exec(QStringLiteral("UPDATE 메모장 SET 메모 = ? WHERE 고객코드 = ?"),
                         {text, customer});
    } else if (!text.isEmpty()) {
        // Nothing typed for a customer without a memo stores nothing: an empty row would
        // open an empty memo window at every search of the customer.
        ok = m_base.exec(QStringLiteral("INSERT INTO 메모장 (고객코드, 메모) VALUES (?, ?)"),
                         {customer, text});
    }
    if (!ok)
        m_lastError = m_base.lastError();
    return ok;
}
