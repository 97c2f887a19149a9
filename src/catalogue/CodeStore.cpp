#include "CodeStore.h"

#include "Database.h"
#include "LikePattern.h"
#include "TextUtil.h"

#include <QSqlQuery>

CodeStore::CodeStore(Database &base)
    : m_db(base)
{ }

QStringList CodeStore::categories()
{
    return {QStringLiteral("차종"),     QStringLiteral("차량색상"), QStringLiteral("소속회사"),
            QStringLiteral("보험회사"), QStringLiteral("차량지역"), QStringLiteral("정비담당"),
            QStringLiteral("수입계정"), QStringLiteral("지출계정")};
}

bool CodeStore::isCategory(const QString &category)
{
    return categories().contains(category);
}

std::optional<QList<CodeRecord>> CodeStore::list(const QString &category)
{
    QString order = QStringLiteral(" order by id");
    if (category == QStringLiteral("차량색상"))
        order = QStringLiteral(" order by name, id");
    return read(QStringLiteral("select id, name, gubun from 기타참조 where gubun = ?") + order,
                {category});
}

std::optional<QList<CodeRecord>> CodeStore::find(const QString &category, const QString &prefix)
{
    return read(QStringLiteral("select id, name, gubun from 기타참조 where gubun = ? and name")
                        + LikePattern::likeClause() + QStringLiteral(" order by name, id"),
                {category, LikePattern::beginsWith(prefix)});
}

std::optional<QList<CodeRecord>> CodeStore::read(const QString &sql, const QVariantList &params)
{
    auto q = m_db.query(sql, params);
    if (!q) {
        failed();
        return std::nullopt;
    }
    QList<CodeRecord> out;
    while (q->next())
        out << CodeRecord {q->value(0).toLongLong(), NullToStr(q->value(1)),
                           NullToStr(q->value(2))};
    return out;
}

qint64 CodeStore::add(const QString &category, const QString &name)
{
    if (!m_db.exec(QStringLiteral("insert into 기타참조 (name, gubun) values (?, ?)"),
                   {name, category})) {
        failed();
        return 0;
    }
    return m_db.lastInsertId();
}

bool CodeStore::rename(qint64 id, const QString &name, const QString &category)
{
    if (m_db.exec(QStringLiteral("update 기타참조 set name = ?, gubun = ? where id = ?"),
                  {name, category, id})) {
        return true;
    }
    return failed();
}

bool CodeStore::remove(qint64 id)
{
    if (m_db.exec(QStringLiteral("delete from 기타참조 where id = ?"), {id}))
        return true;
    return failed();
}

bool CodeStore::failed()
{
    m_lastError = m_db.lastError();
    m_lastErrorCode = m_db.lastErrorCode();
    return false;
}
