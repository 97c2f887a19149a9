#include "Cursor.h"

#include "TextUtil.h"

#include <QSqlQuery>
#include <QSqlRecord>

Cursor Cursor::fromQuery(QSqlQuery &query)
{
    Cursor c;
    const QSqlRecord record = query.record();
    const int n = record.count();
    for (int i = 0; i < n; ++i)
        c.m_columns << record.fieldName(i);
    while (query.next()) {
        QVariantList row;
        row.reserve(n);
        for (int i = 0; i < n; ++i)
            row << query.value(i);
        c.m_rows << row;
    }
    return c;
}

QVariant Cursor::value(int column) const
{
    if (eof() || column < 0 || column >= m_columns.size())
        return QVariant();
    return m_rows.at(m_pos).at(column);
}

QVariant Cursor::value(const QString &column) const
{
    return value(columnIndex(column));
}

QString Cursor::text(const QString &column) const
{
    return NullToStr(value(column));
}

int Cursor::columnIndex(const QString &column) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(column, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}
