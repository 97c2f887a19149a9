#include "SortField.h"

std::optional<SortField> SortField::parse(const QString &text, QString *error)
{
    QString t = text.trimmed();
    SortField s;
    if (t.startsWith(QLatin1Char('+')) || t.startsWith(QLatin1Char('-'))) {
        s.descending = t.startsWith(QLatin1Char('-'));
        t = t.mid(1).trimmed();
    }
    const auto field = ReportField::parseBraced(t);
    if (!field) {
        if (error) {
            *error = QStringLiteral("정렬 필드는 +{테이블.열} 또는 -{테이블.열} 모양이어야 "
                                    "합니다: %1")
                             .arg(text);
        }
        return std::nullopt;
    }
    s.field = *field;
    return s;
}
