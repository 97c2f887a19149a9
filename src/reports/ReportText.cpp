#include "ReportText.h"

#include "ReportFormat.h"

ReportText ReportText::parse(const QString &text, QString *error)
{
    ReportText t;
    t.m_source = text;
    QString literal;
    const auto flush = [&] {
        if (!literal.isEmpty()) {
            t.m_parts.append(Part {literal, {}, {}, false});
            literal.clear();
        }
    };
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('{') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('{')) {
            literal += c;
            i += 2;
            continue;
        }
        if (c == QLatin1Char('}') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('}')) {
            literal += c;
            i += 2;
            continue;
        }
        if (c == QLatin1Char('}')) {
            if (error)
                *error = QStringLiteral("'{' 없이 '}'가 있습니다: %1").arg(text);
            return ReportText();
        }
        if (c != QLatin1Char('{')) {
            literal += c;
            ++i;
            continue;
        }
        // Find the matching '}', allowing one level of braces inside ({sum({a.b})}) and
        // skipping quoted texts.
        qsizetype j = i + 1;
        int depth = 1;
        bool quoted = false;
        while (j < text.size() && depth > 0) {
            const QChar d = text.at(j);
            if (d == QLatin1Char('\''))
                quoted = !quoted;
            else if (!quoted && d == QLatin1Char('{'))
                ++depth;
            else if (!quoted && d == QLatin1Char('}'))
                --depth;
            if (depth > 0)
                ++j;
        }
        if (depth > 0) {
            if (error)
                *error = QStringLiteral("'{' 에 맞는 '}'가 없습니다: %1").arg(text);
            return ReportText();
        }
        QString inner = text.mid(i + 1, j - i - 1);
        Part part;
        // The format follows the first ':' outside quotes.
        bool inQuote = false;
        for (qsizetype k = 0; k < inner.size(); ++k) {
            if (inner.at(k) == QLatin1Char('\''))
                inQuote = !inQuote;
            else if (!inQuote && inner.at(k) == QLatin1Char(':')) {
                part.format = inner.mid(k + 1).trimmed();
                part.hasFormat = true;
                inner = inner.left(k);
                break;
            }
        }
        QString exprError;
        part.expression = ReportExpression::parse(inner, &exprError);
        if (part.expression.isNull()) {
            if (error)
                *error = QStringLiteral("{%1}: %2").arg(inner, exprError);
            return ReportText();
        }
        flush();
        t.m_parts.append(part);
        i = j + 1;
    }
    flush();
    return t;
}

QString ReportText::evaluate(const ReportContext &context, const QString &defaultFormat) const
{
    if (m_parts.size() == 1 && m_parts.first().expression.isNull())
        return m_parts.first().literal;
    QString out;
    for (const Part &p : m_parts) {
        if (p.expression.isNull()) {
            out += p.literal;
            continue;
        }
        out += ReportFormat::apply(p.expression.evaluate(context),
                                   p.hasFormat ? p.format : defaultFormat);
    }
    return out;
}

bool ReportText::isConstant() const
{
    for (const Part &p : m_parts) {
        if (!p.expression.isNull())
            return false;
    }
    return true;
}

QList<ReportField> ReportText::fields() const
{
    QList<ReportField> out;
    for (const Part &p : m_parts) {
        for (const ReportField &f : p.expression.fields()) {
            if (!out.contains(f))
                out << f;
        }
    }
    return out;
}

QStringList ReportText::formulas() const
{
    QStringList out;
    for (const Part &p : m_parts)
        out << p.expression.formulas();
    return out;
}

bool ReportText::usesPages() const
{
    for (const Part &p : m_parts) {
        if (p.expression.usesPages())
            return true;
    }
    return false;
}

bool ReportText::usesAggregate() const
{
    for (const Part &p : m_parts) {
        if (p.expression.usesAggregate())
            return true;
    }
    return false;
}
