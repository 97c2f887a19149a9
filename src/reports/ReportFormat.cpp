#include "ReportFormat.h"

#include <QDate>

#include <cmath>

namespace {

bool isPatternChar(QChar c)
{
    return c == QLatin1Char('#') || c == QLatin1Char('0') || c == QLatin1Char(',')
            || c == QLatin1Char('.');
}

bool isNumericType(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::Short:
        return true;
    default:
        return false;
    }
}

QString groupDigits(const QString &digits)
{
    QString out;
    const qsizetype n = digits.size();
    out.reserve(n + n / 3);
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += QLatin1Char(',');
        out += digits.at(i);
    }
    return out;
}

std::optional<QDate> readDate(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() != 10)
        return std::nullopt;
    const QChar sep = t.at(4);
    if ((sep != QLatin1Char('.') && sep != QLatin1Char('-') && sep != QLatin1Char('/'))
        || t.at(7) != sep) {
        return std::nullopt;
    }
    bool y = false, m = false, d = false;
    const QDate date(t.left(4).toInt(&y), t.mid(5, 2).toInt(&m), t.mid(8, 2).toInt(&d));
    if (!y || !m || !d || !date.isValid())
        return std::nullopt;
    return date;
}

} // namespace

bool ReportFormat::isNumberPattern(const QString &pattern)
{
    return pattern.contains(QLatin1Char('#')) || pattern.contains(QLatin1Char('0'));
}

std::optional<double> ReportFormat::toNumber(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return 0.0;
    if (isNumericType(value))
        return value.toDouble();
    QString t = value.toString();
    t.remove(QLatin1Char(','));
    t = t.trimmed();
    if (t.isEmpty())
        return 0.0;
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return d;
}

QString ReportFormat::plain(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float) {
        const double d = value.toDouble();
        if (std::isfinite(d) && d == std::trunc(d) && std::fabs(d) < 1e15)
            return QString::number(static_cast<qint64>(d));
        return QString::number(d, 'g', 15);
    }
    return value.toString();
}

QString ReportFormat::number(double value, const QString &pattern)
{
    qsizetype start = 0;
    while (start < pattern.size() && !isPatternChar(pattern.at(start)))
        ++start;
    qsizetype end = start;
    while (end < pattern.size() && isPatternChar(pattern.at(end)))
        ++end;
    const QString prefix = pattern.left(start);
    const QString core = pattern.mid(start, end - start);
    const QString suffix = pattern.mid(end);

    const qsizetype point = core.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? core : core.left(point);
    const int decimals = point < 0 ? 0 : static_cast<int>(core.size() - point - 1);
    const bool grouping = whole.contains(QLatin1Char(','));
    // "#,###" shows nothing for 0, "#,##0" shows "0".
    const bool zeroShowsEmpty = !whole.endsWith(QLatin1Char('0')) && decimals == 0;

    if (!std::isfinite(value))
        return QString();
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(std::fabs(value) * scale); // half away from zero
    if (rounded == 0.0 && zeroShowsEmpty)
        return QString();
    const bool negative = value < 0 && rounded != 0.0;
    QString digits = QString::number(rounded, 'f', 0);
    QString fraction;
    if (decimals > 0) {
        while (digits.size() <= decimals)
            digits.prepend(QLatin1Char('0'));
        fraction = digits.right(decimals);
        digits.chop(decimals);
    }
    if (grouping)
        digits = groupDigits(digits);
    QString out = digits;
    if (decimals > 0)
        out += QLatin1Char('.') + fraction;
    return prefix + (negative ? QStringLiteral("-") : QString()) + out + suffix;
}

QString ReportFormat::date(const QString &text, const QString &pattern)
{
    const auto d = readDate(text);
    if (!d)
        return text;
    QString out;
    qsizetype i = 0;
    const auto run = [&](QChar c) {
        qsizetype j = i;
        while (j < pattern.size() && pattern.at(j) == c)
            ++j;
        return j - i;
    };
    while (i < pattern.size()) {
        const QChar c = pattern.at(i);
        if (c == QLatin1Char('y')) {
            const qsizetype n = run(c);
            out += n >= 4 ? QString::number(d->year()).rightJustified(4, QLatin1Char('0'))
                          : QString::number(d->year() % 100).rightJustified(2, QLatin1Char('0'));
            i += n;
        } else if (c == QLatin1Char('m') || c == QLatin1Char('d')) {
            const qsizetype n = run(c);
            const int v = c == QLatin1Char('m') ? d->month() : d->day();
            out += n >= 2 ? QString::number(v).rightJustified(2, QLatin1Char('0'))
                          : QString::number(v);
            i += n;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

QString ReportFormat::apply(const QVariant &value, const QString &pattern)
{
    if (pattern.isEmpty())
        return plain(value);
    if (isNumberPattern(pattern)) {
        if ((value.isNull() || !value.isValid()
             || (!isNumericType(value) && value.toString().trimmed().isEmpty()))) {
            return QString(); // nothing known, not a zero
        }
        const auto n = toNumber(value);
        return n ? number(*n, pattern) : plain(value);
    }
    return date(plain(value), pattern);
}
