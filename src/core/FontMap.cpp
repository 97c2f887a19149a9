#include "FontMap.h"

namespace {
bool oneOf(const QString &name, std::initializer_list<const char *> names)
{
    for (const char *n : names) {
        if (name.compare(QString::fromUtf8(n), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
} // namespace

bool FontMap::isFixedWidth(const QString &documentFamily)
{
    return oneOf(documentFamily.trimmed(), {"굴림체", "돋움체", "바탕체", "궁서체", "GulimChe",
                                            "DotumChe", "BatangChe", "NanumGothicCoding"});
}

QString FontMap::family(const QString &documentFamily)
{
    const QString name = documentFamily.trimmed();
#ifdef Q_OS_WIN
    return name.isEmpty() ? QStringLiteral("굴림") : name;
#else
    if (isFixedWidth(name))
        return QStringLiteral("NanumGothicCoding");
    if (oneOf(name, {"바탕", "궁서", "Batang", "Gungsuh", "NanumMyeongjo"}))
        return QStringLiteral("NanumMyeongjo");
    return QStringLiteral("NanumGothic");
#endif
}

QFont FontMap::font(const QString &documentFamily, double pointSize, bool bold)
{
    QFont f(family(documentFamily));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    if (isFixedWidth(documentFamily))
        f.setStyleHint(QFont::TypeWriter);
    return f;
}
