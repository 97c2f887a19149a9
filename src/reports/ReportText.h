#pragma once

#include "ReportExpression.h"

#include <QList>
#include <QString>

struct ReportContext;

// A template text with placeholders: "출력일자 : {today}", "{정비내역.판매금액:#,###}",
// "{page} / {pages}". A placeholder holds an expression and, after ':', its own format;
// "{{" and "}}" stand for literal braces.
class ReportText
{
public:
    ReportText() = default;
    static ReportText parse(const QString &text, QString *error);

    // defaultFormat applies to placeholders without a format of their own.
    QString evaluate(const ReportContext &context, const QString &defaultFormat) const;

    QString source() const { return m_source; }
    bool isEmpty() const { return m_parts.isEmpty(); }
    bool isConstant() const;
    QList<ReportField> fields() const;
    QStringList formulas() const;
    bool usesPages() const;
    bool usesAggregate() const;

private:
    struct Part
    {
        QString literal;
        ReportExpression expression; // null for a literal part
        QString format;
        bool hasFormat = false;
    };
    QString m_source;
    QList<Part> m_parts;
};
