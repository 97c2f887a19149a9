#pragma once

#include <QFont>
#include <QString>

// The shop's documents name the Windows fonts they were laid out with; this maps such a
// name to the font of this platform that takes its role (굴림체, the fixed-width one, to
// NanumGothicCoding on Linux; 굴림 and 돋움 to NanumGothic; 바탕 to NanumMyeongjo).
class FontMap
{
public:
    static QString family(const QString &documentFamily);
    static QFont font(const QString &documentFamily, double pointSize, bool bold = false);
    static bool isFixedWidth(const QString &documentFamily);
};
