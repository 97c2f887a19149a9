#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Formats values the way templates ask for them:
//   numbers  "#,###" (0 shows empty), "#,##0" (0 shows "0"), "0", "#,##0.00", with any text
//            before or after ("#,##0원"); rounded half away from zero;
//   dates    "yyyy.mm.dd", "mm.dd", "yyyy년 m월 d일" … applied to "yyyy.mm.dd" texts.
// A value that does not fit the pattern (a name under a number format) is shown unchanged.
class ReportFormat
{
public:
    static QString apply(const QVariant &value, const QString &pattern);
    // Plain text of a value: whole numbers without a fraction, Null as "".
    static QString plain(const QVariant &value);
    // A value as a number: numeric types, or a text such as "1,234" or "-5"; an empty text or
    // Null is 0; nullopt for any other text.
    static std::optional<double> toNumber(const QVariant &value);

    static QString number(double value, const QString &pattern);
    static QString date(const QString &text, const QString &pattern);
    static bool isNumberPattern(const QString &pattern);
};
