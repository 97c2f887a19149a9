#include "NumberFormat.h"

#include <cmath>

QString FormatNumber(double value, const QString &pattern)
{
    if (!std::isfinite(value))
        return QString();
    const double rounded = std::round(value); // half away from zero
    if (rounded == 0.0)
        return pattern.endsWith(QLatin1Char('0')) ? QStringLiteral("0") : QString();
    const bool negative = rounded < 0;
    const QString digits = QString::number(std::fabs(rounded), 'f', 0);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 + 1);
    const int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return negative ? QLatin1Char('-') + out : out;
}

std::optional<qint64> ParseWholeNumber(const QString &text, int maxDigits)
{
    QString t = text;
    t.remove(QLatin1Char(','));
    t = t.trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) {
        negative = t.startsWith(QLatin1Char('-'));
        t = t.mid(1).trimmed();
    }
    while (t.size() > 1 && t.startsWith(QLatin1Char('0')))
        t.remove(0, 1);
    if (t.isEmpty() || t.size() > maxDigits || maxDigits > 18)
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return negative ? -value : value;
}
