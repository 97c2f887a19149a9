#include "PostalStore.h"

#include "Database.h"
#include "LikePattern.h"
#include "TextUtil.h"

#include <QSqlQuery>

PostalStore::PostalStore(Database &postal)
    : m_db(postal)
{
}

QString PostalStore::addressText(const QVariant &province, const QVariant &district,
                                 const QVariant &town)
{
    QString out;
    for (const QVariant &part : {province, district, town}) {
        // An empty part counts as missing: no double blank in the middle.
        const QString text = part.isNull() ? QString() : part.toString().trimmed();
        if (!text.isEmpty())
            out += text + QLatin1Char(' ');
    }
    return out;
}

std::optional<QList<PostalRecord>> PostalStore::findByTown(const QString &text)
{
    return find(QStringLiteral("동면"), text);
}

std::optional<QList<PostalRecord>> PostalStore::findByCode(const QString &text)
{
    return find(QStringLiteral("우편번호"), text);
}

std::optional<QList<PostalRecord>> PostalStore::find(const QString &column, const QString &text)
{
    // column is one of the two names above, never typed text.
    auto q = m_db.query(QStringLiteral("select 우편번호, 시도, 구군, 동면, 번지 from 우편번호 where ")
                                + column + LikePattern::likeClause()
                                + QStringLiteral(" order by 우편번호"),
                        {LikePattern::contains(text)});
    if (!q) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    QList<PostalRecord> out;
    while (q->next()) {
        out << PostalRecord {NullToStr(q->value(0)),
                             addressText(q->value(1), q->value(2), q->value(3)),
                             NullToStr(q->value(4))};
    }
    return out;
}
