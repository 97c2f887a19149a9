#include "ReportMeasure.h"

#include "FontMap.h"

namespace {
// Measuring at 1000 pixels to the em makes rounding of glyph advances negligible.
constexpr int kMeasurePixels = 1000;
constexpr double kMmPerPoint = 25.4 / 72.0;
} // namespace

QFont ReportMeasure::font(const ReportFontSpec &spec, double pointSize)
{
    QFont f = FontMap::font(spec.family, pointSize, spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(true);
    return f;
}

const ReportMeasure::Metrics &ReportMeasure::metrics(const ReportFontSpec &spec) const
{
    const QString key = spec.key();
    auto it = m_cache.find(key);
    if (it == m_cache.end()) {
        QFont f = font(spec, 12);
        f.setPixelSize(kMeasurePixels);
        Metrics m;
        m.metrics = std::make_shared<QFontMetricsF>(f);
        m.mmPerUnit = spec.size * kMmPerPoint / kMeasurePixels;
        it = m_cache.insert(key, m);
    }
    return *it;
}

double ReportMeasure::width(const ReportFontSpec &font, const QString &text) const
{
    const Metrics &m = metrics(font);
    return m.metrics->horizontalAdvance(text) * m.mmPerUnit;
}

double ReportMeasure::lineHeight(const ReportFontSpec &font) const
{
    const Metrics &m = metrics(font);
    return m.metrics->height() * m.mmPerUnit;
}

QString ReportMeasure::fit(const ReportFontSpec &font, const QString &text, double width) const
{
    if (this->width(font, text) <= width)
        return text;
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (this->width(font, text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && low < text.size() && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

QStringList ReportMeasure::wrap(const ReportFontSpec &font, const QString &text, double width) const
{
    QStringList lines;
    const QStringList paragraphs = QString(text)
                                           .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                                           .split(QLatin1Char('\n'));
    for (const QString &paragraph : paragraphs) {
        QString rest = paragraph;
        if (rest.isEmpty()) {
            lines << QString();
            continue;
        }
        while (!rest.isEmpty()) {
            if (this->width(font, rest) <= width) {
                lines << rest;
                break;
            }
            QString part = fit(font, rest, width);
            if (part.isEmpty())
                part = rest.left(rest.at(0).isHighSurrogate() ? 2 : 1); // at least one glyph
            // Prefer to break at the last blank of the line rather than inside a word.
            const qsizetype blank = part.lastIndexOf(QLatin1Char(' '));
            if (blank > 0 && rest.at(part.size()) != QLatin1Char(' '))
                part = part.left(blank);
            lines << part;
            rest = rest.mid(part.size());
            while (rest.startsWith(QLatin1Char(' ')))
                rest.remove(0, 1);
        }
    }
    return lines;
}
