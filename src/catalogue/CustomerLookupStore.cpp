#include "CustomerLookupStore.h"

#include "Database.h"
#include "LikePattern.h"
#include "TextUtil.h"

#include <QSqlQuery>

namespace {

bool isPhone(const QString &kind)
{
    return kind == QStringLiteral("자택전화") || kind == QStringLiteral("직장전화")
            || kind == QStringLiteral("휴대폰");
}

// By name without walking the name index: reading every customer through the index costs
// a table look-up per row, several times a plain scan and sort.
const QString kByName = QStringLiteral(" order by +고객명, 고객코드");

} // namespace

CustomerLookupStore::CustomerLookupStore(Database &base)
    : m_db(base)
{ }

QStringList CustomerLookupStore::pickColumns()
{
    return {QStringLiteral("고객명"), QStringLiteral("차량번호"), QStringLiteral("차량명"),
            QStringLiteral("고객코드")};
}

QStringList CustomerLookupStore::valueColumns()
{
    return {QStringLiteral("고객명"), QStringLiteral("차량번호"), QStringLiteral("소속회사"),
            QStringLiteral("차량명")};
}

std::optional<QList<QStringList>> CustomerLookupStore::customers(const QString &kind,
                                                                 const QString &text)
{
    const QStringList columns = pickColumns();
    // The kind names the column; only these names ever reach the statement.
    if (kind == QStringLiteral("차량번호")) {
        return rows(columns,
                    QStringLiteral(" where 차량번호") + LikePattern::likeClause()
                            + QStringLiteral(" order by 차량번호, 고객코드"),
                    {LikePattern::contains(text)});
    }
    if (kind == QStringLiteral("고객명")) {
        if (text.isEmpty())
            return rows(columns, kByName, {});
        return rows(columns,
                    QStringLiteral(" where 고객명") + LikePattern::likeClause()
                            + QStringLiteral(" order by 고객명, 고객코드"),
                    {LikePattern::beginsWith(text)});
    }
    if (isPhone(kind)) {
        return rows(columns, QStringLiteral(" where ") + kind + LikePattern::likeClause() + kByName,
                    {LikePattern::contains(text)});
    }
    return rows(columns, QStringLiteral(" order by 고객코드"), {});
}

std::optional<QList<QStringList>> CustomerLookupStore::values(const QString &kind,
                                                              const QString &text)
{
    const QStringList columns = valueColumns();
    if (kind == QStringLiteral("차량번호")) {
        if (text.isEmpty())
            return rows(columns, QStringLiteral(" order by 차량번호, 고객코드"), {});
        return rows(columns,
                    QStringLiteral(" where 차량번호") + LikePattern::likeClause()
                            + QStringLiteral(" order by 차량번호, 고객코드"),
                    {LikePattern::contains(text)});
    }
    if (kind == QStringLiteral("고객명") || kind == QStringLiteral("소속회사")) {
        if (text.isEmpty()) {
            if (kind == QStringLiteral("고객명"))
                return rows(columns, kByName, {});
            return rows(columns,
                        QStringLiteral(" where 소속회사 <> '' order by 소속회사, 고객코드"), {});
        }
        return rows(columns,
                    QStringLiteral(" where ") + kind + LikePattern::likeClause()
                            + QStringLiteral(" order by ") + kind + QStringLiteral(", 고객코드"),
                    {LikePattern::beginsWith(text)});
    }
    return QList<QStringList>();
}

std::optional<QList<QStringList>> CustomerLookupStore::rows(const QStringList &columns,
                                                            const QString &tail,
                                                            const QVariantList &params)
{
    auto q = m_db.query(QStringLiteral("select ") + columns.join(QStringLiteral(", "))
                                + QStringLiteral(" from 고객") + tail,
                        params);
    if (!q) {
        m_lastError = m_db.lastError();
        return std::nullopt;
    }
    const int n = int(columns.size());
    QList<QStringList> out;
    while (q->next()) {
        QStringList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << NullToStr(q->value(i));
        out << row;
    }
    return out;
}

ListPrintRequest CustomerLookupStore::customerReport(const QString &kind, const QString &text)
{
    ListPrintRequest request;
    request.reportFile = QStringLiteral("C:\\voz\\RPT\\고객현황.RPT");
    if (kind == QStringLiteral("차량번호")) {
        request.sortField = QStringLiteral("+{고객.차량번호}");
        request.selection = QStringLiteral("{고객.차량번호} like '*") + text + QStringLiteral("*'");
    } else if (kind == QStringLiteral("고객명")) {
        request.sortField = QStringLiteral("+{고객.고객명}");
        request.selection = QStringLiteral("{고객.고객명} like '") + text + QStringLiteral("*'");
    } else if (isPhone(kind)) {
        request.sortField = QStringLiteral("+{고객.고객명}");
        request.selection = QStringLiteral("{고객.") + kind + QStringLiteral("} like '*") + text
                + QStringLiteral("*'");
    }
    return request;
}
