#include "ReportTemplate.h"

QStringList ReportTemplate::tables() const
{
    QStringList out {from};
    for (const Join &j : joins)
        out << j.table;
    return out;
}

QSizeF ReportTemplate::pageSizeMm() const
{
    const QSizeF s = pageSize.size(QPageSize::Millimeter);
    return orientation == QPageLayout::Landscape ? s.transposed() : s;
}

QRectF ReportTemplate::bodyRectMm() const
{
    const QSizeF s = pageSizeMm();
    return QRectF(margins.left(), margins.top(), s.width() - margins.left() - margins.right(),
                  s.height() - margins.top() - margins.bottom());
}

bool ReportTemplate::hasTable(const QString &table) const
{
    for (const QString &t : tables()) {
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

const ReportTemplate::Formula *ReportTemplate::formula(const QString &name) const
{
    for (const Formula &f : formulas) {
        if (f.name.compare(name, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

QList<const ReportTemplate::Band *> ReportTemplate::bands() const
{
    QList<const Band *> out {&reportHeader, &pageHeader};
    for (const Group &g : groups)
        out << &g.header << &g.footer;
    out << &detail << &pageFooter << &reportFooter;
    return out;
}

QList<ReportField> ReportTemplate::fields() const
{
    QList<ReportField> out;
    const auto add = [&](const ReportField &f) {
        if (!out.contains(f))
            out << f;
    };
    for (const Band *band : bands()) {
        for (const Item &item : band->items) {
            for (const ReportField &f : item.text.fields())
                add(f);
        }
    }
    for (const Group &g : groups)
        add(g.key);
    for (const SortField &s : sort)
        add(s.field);
    for (const ReportField &f : where.fields())
        add(f);
    return out;
}
