#pragma once

#include "ReportFontSpec.h"

#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

// Measures text in millimetres, the same on every device: fonts are measured unhinted at a
// large size and scaled, so a line that fits in the preview fits on paper and in the PDF.
class ReportMeasure
{
public:
    double width(const ReportFontSpec &font, const QString &text) const;
    double lineHeight(const ReportFontSpec &font) const;
    // The longest beginning of text that fits into width.
    QString fit(const ReportFontSpec &font, const QString &text, double width) const;
    // Lines of at most width: broken at blanks where possible, inside a word otherwise;
    // line breaks in the text are kept.
    QStringList wrap(const ReportFontSpec &font, const QString &text, double width) const;

    // The font the painter and the measure use for a spec (unhinted), at pointSize.
    static QFont font(const ReportFontSpec &spec, double pointSize);

private:
    struct Metrics
    {
        std::shared_ptr<QFontMetricsF> metrics;
        double mmPerUnit = 0;
    };
    const Metrics &metrics(const ReportFontSpec &font) const;

    mutable QHash<QString, Metrics> m_cache;
};
