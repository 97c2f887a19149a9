#include "FormulaAssignment.h"

std::optional<FormulaAssignment> FormulaAssignment::parse(const QString &text, QString *error)
{
    const qsizetype eq = text.indexOf(QLatin1Char('='));
    FormulaAssignment a;
    a.name = eq < 0 ? QString() : text.left(eq).trimmed();
    if (a.name.startsWith(QLatin1Char('@')))
        a.name = a.name.mid(1).trimmed();
    if (eq < 0 || a.name.isEmpty()) {
        if (error)
            *error = QStringLiteral("수식은 이름 = '값' 모양이어야 합니다: %1").arg(text);
        return std::nullopt;
    }
    const QString rest = text.mid(eq + 1).trimmed();
    if (rest.size() >= 2
        && ((rest.startsWith(QLatin1Char('\'')) && rest.endsWith(QLatin1Char('\'')))
            || (rest.startsWith(QLatin1Char('"')) && rest.endsWith(QLatin1Char('"'))))) {
        a.value = rest.mid(1, rest.size() - 2);
    } else {
        // A bare number or word, as some screens send it.
        a.value = rest;
    }
    return a;
}
