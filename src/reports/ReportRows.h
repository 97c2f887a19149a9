#pragma once

#include "ReportField.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QVariant>

// The records a report prints, in print order, with the columns its template and formulas
// name. Columns are looked up by ReportField::key().
class ReportRows
{
public:
    void setColumns(const QList<ReportField> &fields);
    void append(QVariantList values) { m_rows.append(std::move(values)); }
    void reserve(qsizetype n) { m_rows.reserve(n); }

    int count() const { return static_cast<int>(m_rows.size()); }
    int columnIndex(const ReportField &field) const { return m_index.value(field.key(), -1); }
    QVariant value(int row, const ReportField &field) const
    {
        return value(row, columnIndex(field));
    }
    QVariant value(int row, int column) const
    {
        if (row < 0 || row >= m_rows.size() || column < 0)
            return QVariant();
        return m_rows.at(row).value(column);
    }
    const QList<ReportField> &columns() const { return m_columns; }

private:
    QList<ReportField> m_columns;
    QHash<QString, int> m_index;
    QList<QVariantList> m_rows;
};
