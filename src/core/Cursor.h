#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class QSqlQuery;

// A read result positioned on one row at a time. It holds the whole result, so the record
// count is exact from the start; changes are made with statements, not through it.
class Cursor
{
public:
    Cursor() = default;
    static Cursor fromQuery(QSqlQuery &query);

    int recordCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    bool eof() const { return m_pos >= m_rows.size(); }
    void moveFirst() { m_pos = 0; }
    void moveNext()
    {
        if (m_pos < m_rows.size())
            ++m_pos;
    }
    void moveLast() { m_pos = m_rows.isEmpty() ? 0 : m_rows.size() - 1; }
    qsizetype position() const { return m_pos; }

    // Values of the current row; an invalid QVariant past the end or for an unknown column.
    QVariant value(int column) const;
    QVariant value(const QString &column) const;
    // The value as text, "" for Null.
    QString text(const QString &column) const;
    int columnIndex(const QString &column) const;

    const QStringList &columns() const { return m_columns; }
    const QList<QVariantList> &rows() const { return m_rows; }

private:
    QStringList m_columns;
    QList<QVariantList> m_rows;
    qsizetype m_pos = 0;
};
