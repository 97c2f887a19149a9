#include "LikePattern.h"

QString LikePattern::escape(const QString &typed)
{
    QString out;
    out.reserve(typed.size() + 4);
    for (const QChar c : typed) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString LikePattern::beginsWith(const QString &typed)
{
    return escape(typed) + QLatin1Char('%');
}

QString LikePattern::contains(const QString &typed)
{
    return QLatin1Char('%') + escape(typed) + QLatin1Char('%');
}

QString LikePattern::likeClause()
{
    return QStringLiteral(" LIKE ? ESCAPE '\\'");
}
