#include "PartStore.h"

#include "Database.h"
#include "LikePattern.h"
#include "NumberFormat.h"
#include "TextUtil.h"

#include <QSqlQuery>

PartStore::PartStore(Database &base, PartTable table)
    : m_db(base)
    , m_table(table)
{ }

QString PartStore::tableName(PartTable table)
{
    return table == PartTable::Catalogue ? QStringLiteral("정비부품") : QStringLiteral("참조부품");
}

std::optional<QList<PartRecord>> PartStore::list()
{
    // A scan and sort, not a walk of the name index with a look-up per row.
    return read(QStringLiteral(" order by +부품명, 부품코드"), {});
}

std::optional<QList<PartRecord>> PartStore::findByPrefix(const QString &prefix)
{
    if (prefix.isEmpty())
        return list();
    return read(QStringLiteral(" where 부품명") + LikePattern::likeClause()
                        + QStringLiteral(" order by 부품명, 부품코드"),
                {LikePattern::beginsWith(prefix)});
}

std::optional<QList<PartRecord>> PartStore::all()
{
    return read(QStringLiteral(" order by 부품코드"), {});
}

std::optional<PartRecord> PartStore::load(qint64 code)
{
    const auto found = read(QStringLiteral(" where 부품코드 = ?"), {code});
    if (!found || found->isEmpty())
        return std::nullopt;
    return found->first();
}

std::optional<QList<PartRecord>> PartStore::read(const QString &tail, const QVariantList &params)
{
    auto q = m_db.query(
            QStringLiteral("select 부품코드, 부품명, 규격, 단위, 판매단가, 매입단가 from ")
                    + tableName() + tail,
            params);
    if (!q) {
        failed();
        return std::nullopt;
    }
    QList<PartRecord> out;
    while (q->next()) {
        out << PartRecord {q->value(0).toLongLong(), NullToStr(q->value(1)),
                           NullToStr(q->value(2)),   NullToStr(q->value(3)),
                           q->value(4).toLongLong(), q->value(5).toLongLong()};
    }
    return out;
}

qint64 PartStore::insert(const PartRecord &part)
{
    if (!m_db.exec(QStringLiteral("insert into ") + tableName()
                           + QStringLiteral(" (부품명, 규격, 단위, 판매단가, 매입단가) "
                                            "values (?, ?, ?, ?, ?)"),
                   {part.name, part.spec, part.unit, part.price, part.cost})) {
        failed();
        return 0;
    }
    return m_db.lastInsertId();
}

bool PartStore::update(const PartRecord &part)
{
    if (m_db.exec(QStringLiteral("update ") + tableName()
                          + QStringLiteral(" set 부품명 = ?, 규격 = ?, 단위 = ?, 판매단가 = ?, "
                                           "매입단가 = ? where 부품코드 = ?"),
                  {part.name, part.spec, part.unit, part.price, part.cost, part.code})) {
        return true;
    }
    return failed();
}

bool PartStore::remove(qint64 code)
{
    if (m_db.exec(QStringLiteral("delete from ") + tableName()
                          + QStringLiteral(" where 부품코드 = ?"),
                  {code})) {
        return true;
    }
    return failed();
}

qint64 PartStore::priceFromText(const QString &text)
{
    return ParseWholeNumber(text, 14).value_or(0);
}

bool PartStore::failed()
{
    m_lastError = m_db.lastError();
    m_lastErrorCode = m_db.lastErrorCode();
    return false;
}
