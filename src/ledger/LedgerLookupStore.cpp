#include "LedgerLookupStore.h"

#include "Database.h"
#include "LikePattern.h"
#include "TextUtil.h"

LedgerLookupStore::LedgerLookupStore(Database &base)
    : m_base(base)
{
}

QStringList LedgerLookupStore::codesBeginningWith(const QString &category, const QString &prefix,
                                                  int limit)
{
    QStringList names;
    auto q = m_base.query(QStringLiteral("SELECT name FROM 기타참조 WHERE gubun = ? AND name")
                                  + LikePattern::likeClause()
                                  + QStringLiteral(" ORDER BY id LIMIT ?"),
                          {category, LikePattern::beginsWith(prefix), limit});
    while (q && q->next())
        names << NullToStr(q->value(0));
    return names;
}

QList<PartChoice> LedgerLookupStore::partsBeginningWith(const QString &prefix, int limit)
{
    QList<PartChoice> parts;
    auto q = m_base.query(QStringLiteral("SELECT 부품코드, 부품명, 규격, 단위, 판매단가, 매입단가 "
                                         "FROM 정비부품 WHERE 부품명")
                                  + LikePattern::likeClause()
                                  + QStringLiteral(" ORDER BY 부품명 LIMIT ?"),
                          {LikePattern::beginsWith(prefix), limit});
    while (q && q->next()) {
        parts << PartChoice{q->value(0).toLongLong(), NullToStr(q->value(1)),
                            NullToStr(q->value(2)), NullToStr(q->value(3)),
                            q->value(4).toLongLong(), q->value(5).toLongLong()};
    }
    return parts;
}
