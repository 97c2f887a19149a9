#include "PostalStore.h"

#include "Cursor.h"
#include "DataAccess.h"
#include "LikePattern.h"
#include "Stores.h"
#include "TextUtil.h"

namespace {
QString withSpace(const QVariant &part)
{
    const QString text = NullToStr(part).trimmed();
    // A missing part is left out rather than leaving a double space.
    return text.isEmpty() ? QString() : text + QLatin1Char(' ');
}
} // namespace

PostalStore::PostalStore(Stores &stores, Prompter &prompter)
    : m_stores(stores)
    , m_prompter(prompter)
{
}

QString PostalStore::addressText(const QVariant &province, const QVariant &district,
                                 const QVariant &town)
{
    return withSpace(province) + withSpace(district) + withSpace(town);
}

QList<AddressChoice> PostalStore::search(By by, const QString &typed)
{
    QList<AddressChoice> found;
    if (!m_stores.openPostal(m_prompter))
        return found;
    const QString column = by == By::Town ? QStringLiteral("동면") : QStringLiteral("우편번호");
    Cursor rows;
    if (!OpenQuery(m_prompter, m_stores.postal(), rows,
                   QStringLiteral("select 우편번호, 시도, 구군, 동면, 번지 from 우편번호 where ") + column
                           + LikePattern::likeClause() + QStringLiteral(" order by 우편번호"),
                   {LikePattern::contains(typed.trimmed())})) {
        return found;
    }
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        found << AddressChoice{rows.text(QStringLiteral("우편번호")),
                               addressText(rows.value(QStringLiteral("시도")),
                                           rows.value(QStringLiteral("구군")),
                                           rows.value(QStringLiteral("동면"))),
                               rows.text(QStringLiteral("번지"))};
    }
    return found;
}
