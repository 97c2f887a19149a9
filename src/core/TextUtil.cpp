#include "TextUtil.h"

namespace {
int charBytes(char32_t c)
{
    return c < 0x80 ? 1 : 2;
}
} // namespace

QString NullToStr(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    return value.toString();
}

int ByteLen(const QString &text)
{
    int n = 0;
    for (const char32_t c : text.toUcs4())
        n += charBytes(c);
    return n;
}

QString CutByBytes(const QString &text, int n)
{
    if (n <= 0)
        return QString();
    const QList<uint> chars = text.toUcs4();
    int bytes = 0;
    int count = 0;
    while (count < chars.size() && bytes < n) {
        bytes += charBytes(chars.at(count));
        ++count;
    }
    if (bytes <= n && count == chars.size())
        return text;
    if (bytes == n)
        return QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), count);
    // The last character crossed the limit: drop it and pad to n bytes.
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(chars.constData()), count - 1)
            + QLatin1Char(' ');
}

QString FixWidth(const QVariant &value, int n)
{
    const QString text = NullToStr(value);
    if (n <= 0)
        return QString();
    if (text.isEmpty())
        return QString(n, QLatin1Char(' '));
    if (text.size() >= n)
        return text.left(n);
    return text + QString(n - text.size(), QLatin1Char(' '));
}
