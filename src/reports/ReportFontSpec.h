#pragma once

#include <QString>

// A font as templates name it: the document's family (굴림, 굴림체, 돋움, 바탕 …, mapped to this
// platform's fonts by FontMap), size in points and style.
struct ReportFontSpec
{
    QString family = QStringLiteral("굴림");
    double size = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    QString key() const
    {
        return QStringLiteral("%1|%2|%3%4%5")
                .arg(family)
                .arg(size)
                .arg(bold ? 'b' : '-')
                .arg(italic ? 'i' : '-')
                .arg(underline ? 'u' : '-');
    }
    bool operator==(const ReportFontSpec &o) const
    {
        return family == o.family && size == o.size && bold == o.bold && italic == o.italic
                && underline == o.underline;
    }
};
