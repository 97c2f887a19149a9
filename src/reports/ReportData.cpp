#include "ReportData.h"

#include "Database.h"
#include "ReportError.h"
#include "ReportTemplate.h"
#include "Stores.h"

#include <QSqlRecord>

namespace {

bool isShopTable(const QString &table)
{
    return table.compare(QStringLiteral("사용자등록"), Qt::CaseInsensitive) == 0;
}

QString quoted(const ReportField &f)
{
    return Database::quoteName(f.table) + QLatin1Char('.') + Database::quoteName(f.column);
}

struct TableInfo
{
    QString schema;
    QHash<QString, QString> columns; // lower-case -> stored name
};

} // namespace

ReportData::ReportData(Stores &stores, Prompter &prompter)
    : m_stores(stores)
    , m_prompter(prompter)
{ }

Database *ReportData::storeFor(const ReportTemplate &report, ReportError &error)
{
    if (!m_stores.openBase(m_prompter)) {
        error.set(ReportError::Data, QStringLiteral("기초자료 화일을 열 수 없습니다."), true);
        return nullptr;
    }
    bool maintenance = report.store == QLatin1String("maintenance");
    if (report.store.isEmpty()) {
        for (const QString &table : report.tables())
            maintenance = maintenance || !m_stores.base().hasTable(table);
    }
    if (!maintenance)
        return &m_stores.base();
    if (!m_stores.openMaintenance(m_prompter)) {
        error.set(ReportError::Data, QStringLiteral("정비내역 화일을 열 수 없습니다."), true);
        return nullptr;
    }
    return &m_stores.maintenance();
}

bool ReportData::load(const ReportTemplate &report, const SelectionFormula &selection,
                      const QList<SortField> &sort, ReportRows &rows, ReportError &error)
{
    Database *db = storeFor(report, error);
    if (!db)
        return false;
    const bool attached = db == &m_stores.maintenance();

    QHash<QString, TableInfo> tables;
    for (const QString &table : report.tables()) {
        TableInfo info;
        if (db->hasTable(table, QStringLiteral("main")))
            info.schema = QStringLiteral("main");
        else if (attached && db->hasTable(table, QStringLiteral("base")))
            info.schema = QStringLiteral("base");
        else {
            error.set(ReportError::Data,
                      QStringLiteral("양식 %1: %2 테이블이 없습니다.").arg(report.name, table));
            return false;
        }
        for (const QString &c : db->columns(table, info.schema))
            info.columns.insert(c.toLower(), c);
        tables.insert(table.toLower(), info);
    }

    // Every column named anywhere must exist, so that a typing error in a template or a
    // screen's formula is reported instead of printing blanks.
    const auto check = [&](const ReportField &f, const QString &where, int number) {
        const auto it = tables.constFind(f.table.toLower());
        if (it == tables.constEnd()) {
            error.set(number,
                      QStringLiteral(
                              "%1의 %2: 양식 %3이(가) 읽지 않는 테이블입니다 (읽는 테이블: %4).")
                              .arg(where, f.display(), report.name,
                                   report.tables().join(QStringLiteral(", "))));
            return false;
        }
        if (!it->columns.contains(f.column.toLower())) {
            error.set(number,
                      QStringLiteral("%1의 %2: %3 테이블에 그런 열이 없습니다.")
                              .arg(where, f.display(), f.table));
            return false;
        }
        return true;
    };

    QList<ReportField> columns;
    const auto use = [&](const ReportField &f) {
        if (!columns.contains(f))
            columns << f;
    };
    QStringList shopColumns;
    for (const QString &c : m_stores.base().columns(QStringLiteral("사용자등록")))
        shopColumns << c.toLower();
    for (const ReportField &f : report.fields()) {
        if (isShopTable(f.table)) {
            if (!shopColumns.contains(f.column.toLower())) {
                error.set(ReportError::TemplateInvalid,
                          QStringLiteral("양식 %1의 %2: 사용자등록에 그런 열이 없습니다.")
                                  .arg(report.name, f.display()));
                return false;
            }
            continue;
        }
        if (!check(f, QStringLiteral("양식 %1").arg(report.name), ReportError::TemplateInvalid))
            return false;
        use(f);
    }
    for (const ReportField &f : selection.fields()) {
        if (!check(f, QStringLiteral("선택 조건"), ReportError::Selection))
            return false;
    }
    for (const SortField &s : sort) {
        if (!check(s.field, QStringLiteral("정렬 필드"), ReportError::Sort))
            return false;
        use(s.field);
    }
    for (const ReportTemplate::Join &j : report.joins) {
        const QString with = j.with.isEmpty() ? report.from : j.with;
        for (const QString &t : {j.table, with}) {
            if (!tables.value(t.toLower()).columns.contains(j.column.toLower())) {
                error.set(ReportError::TemplateInvalid,
                          QStringLiteral("양식 %1: %2 테이블에 연결할 열 %3이(가) 없습니다.")
                                  .arg(report.name, t, j.column));
                return false;
            }
        }
    }
    if (columns.isEmpty())
        columns << ReportField {report.from,
                                tables.value(report.from.toLower()).columns.begin().value()};

    QStringList select;
    for (const ReportField &f : columns)
        select << quoted(f);
    const auto source = [&](const QString &table) {
        return Database::quoteName(tables.value(table.toLower()).schema) + QLatin1Char('.')
                + Database::quoteName(table) + QStringLiteral(" AS ") + Database::quoteName(table);
    };
    QString sql = QStringLiteral("SELECT ") + select.join(QStringLiteral(", "))
            + QStringLiteral(" FROM ") + source(report.from);
    for (const ReportTemplate::Join &j : report.joins) {
        const QString with = j.with.isEmpty() ? report.from : j.with;
        sql += (j.inner ? QStringLiteral(" INNER JOIN ") : QStringLiteral(" LEFT JOIN "))
                + source(j.table) + QStringLiteral(" ON ") + quoted(ReportField {j.table, j.column})
                + QStringLiteral(" = ") + quoted(ReportField {with, j.column});
    }
    QStringList conditions;
    QVariantList values;
    for (const SelectionFormula *f : {&report.where, &selection}) {
        if (!f->isEmpty()) {
            conditions << f->sql();
            values << f->values();
        }
    }
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));

    QStringList order;
    for (const ReportTemplate::Group &g : report.groups)
        order << quoted(g.key) + (g.descending ? QStringLiteral(" DESC") : QString());
    for (const SortField &s : sort)
        order << quoted(s.field) + (s.descending ? QStringLiteral(" DESC") : QString());
    order << Database::quoteName(report.from) + QStringLiteral(".rowid");
    sql += QStringLiteral(" ORDER BY ") + order.join(QStringLiteral(", "));

    auto query = db->query(sql, values);
    if (!query) {
        error.set(ReportError::Data,
                  QStringLiteral("양식 %1의 자료를 읽을 수 없습니다: %2")
                          .arg(report.name, db->lastError()));
        return false;
    }
    rows = ReportRows();
    rows.setColumns(columns);
    const int n = static_cast<int>(columns.size());
    while (query->next()) {
        QVariantList values;
        values.reserve(n);
        for (int i = 0; i < n; ++i)
            values << query->value(i);
        rows.append(std::move(values));
    }
    return true;
}

QHash<QString, QVariant> ReportData::shopRecord()
{
    QHash<QString, QVariant> shop;
    Database &base = m_stores.base();
    if (!base.isOpen() || !base.hasTable(QStringLiteral("사용자등록")))
        return shop;
    auto q = base.query(QStringLiteral("SELECT * FROM 사용자등록 ORDER BY rowid LIMIT 1"));
    if (!q || !q->next())
        return shop;
    const QSqlRecord record = q->record();
    for (int i = 0; i < record.count(); ++i)
        shop.insert(record.fieldName(i).toLower(), q->value(i));
    return shop;
}
