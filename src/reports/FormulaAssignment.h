#pragma once

#include <QString>

#include <optional>

// A formula value as screens hand it over: name = 'value'. Everything between the first
// quote after '=' and the last quote is the value, so quotes typed inside it stay.
struct FormulaAssignment
{
    QString name;
    QString value;

    static std::optional<FormulaAssignment> parse(const QString &text, QString *error = nullptr);
};
