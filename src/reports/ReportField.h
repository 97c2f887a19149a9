#pragma once

#include <QString>

#include <optional>

// One column of one table as templates and formulas name it: {table.column}.
struct ReportField
{
    QString table;
    QString column;

    // Lower-case "table.column", the key rows are looked up by.
    QString key() const { return (table + QLatin1Char('.') + column).toLower(); }
    QString display() const
    {
        return QLatin1Char('{') + table + QLatin1Char('.') + column + QLatin1Char('}');
    }
    bool operator==(const ReportField &other) const { return key() == other.key(); }

    // Reads "table.column" (surrounding blanks allowed); nullopt when either part is missing.
    static std::optional<ReportField> parse(const QString &text);
    // Reads "{table.column}".
    static std::optional<ReportField> parseBraced(const QString &text);
};
