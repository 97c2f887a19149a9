#include "ReportField.h"

std::optional<ReportField> ReportField::parse(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == t.size() - 1)
        return std::nullopt;
    ReportField f {t.left(dot).trimmed(), t.mid(dot + 1).trimmed()};
    if (f.table.isEmpty() || f.column.isEmpty())
        return std::nullopt;
    for (const QString &part : {f.table, f.column}) {
        for (const QChar c : part) {
            if (c.isSpace() || c == QLatin1Char('{') || c == QLatin1Char('}')
                || c == QLatin1Char('.') || c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                return std::nullopt;
            }
        }
    }
    return f;
}

std::optional<ReportField> ReportField::parseBraced(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() < 2 || !t.startsWith(QLatin1Char('{')) || !t.endsWith(QLatin1Char('}')))
        return std::nullopt;
    return parse(t.mid(1, t.size() - 2));
}
