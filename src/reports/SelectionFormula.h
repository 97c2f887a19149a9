#pragma once

#include "ReportField.h"

#include <QList>
#include <QString>
#include <QVariantList>

// A record-selection formula as screens build it, e.g.
//   {고객.고객명} like '김*' and {고객미수금.미수금} <> 0
// turned into an SQL condition with bound values. Texts typed by the user go in as values,
// never as SQL; field names are quoted and checked against the report's tables by the caller
// (fields()). Quotes inside a quoted text need no escaping: a quote ends the text only where
// the formula goes on (before and/or, a ')' or the end).
class SelectionFormula
{
public:
    static SelectionFormula parse(const QString &text);

    bool isValid() const { return m_error.isEmpty(); }
    // An empty (or blank) formula selects every record.
    bool isEmpty() const { return m_sql.isEmpty(); }
    // Why the formula could not be read, in words for the user; empty when valid.
    QString error() const { return m_error; }
    QString text() const { return m_text; }

    // The condition, e.g. ("고객"."고객명" LIKE ? ESCAPE '\'), and its values in order.
    QString sql() const { return m_sql; }
    QVariantList values() const { return m_values; }
    QList<ReportField> fields() const { return m_fields; }

private:
    friend class SelectionParser;
    QString m_text;
    QString m_sql;
    QVariantList m_values;
    QList<ReportField> m_fields;
    QString m_error;
};
