#pragma once

#include <QString>

#include <optional>

// The number patterns of screens and print-outs: "#,###" (0 shows empty), "#,##0"
// (0 shows "0"), "#,###,###" and "###,###,###" (both as "#,###"). Fractions are rounded
// half away from zero; negative values carry a leading "-".
QString FormatNumber(double value, const QString &pattern = QStringLiteral("#,###"));

// Reads what the user typed as a whole number: thousands separators and spaces are ignored,
// a leading sign is allowed. nullopt when it is no number or has more than maxDigits digits.
std::optional<qint64> ParseWholeNumber(const QString &text, int maxDigits = 14);
