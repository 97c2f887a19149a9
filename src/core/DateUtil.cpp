#include "DateUtil.h"

#include "Session.h"

#include <QStringList>

namespace {
const char kFormat[] = "yyyy.MM.dd";
}

QString DateText(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(kFormat)) : QString();
}

QDate DateFromText(const QString &text)
{
    return QDate::fromString(text, QLatin1String(kFormat));
}

QString TodayText()
{
    return DateText(QDate::currentDate());
}

QString NormDate(const QString &text, const QString &separator)
{
    QString digits = text;
    if (!separator.isEmpty())
        digits.remove(separator);
    digits = digits.trimmed();
    if (digits.isEmpty())
        return QString();
    for (const QChar c : digits) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return QString();
    }
    // As the number is formatted "00.00.00": the last six digits make three groups and
    // any further digits stay in front of the first.
    while (digits.size() > 6 && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() < 6)
        digits = QString(6 - digits.size(), QLatin1Char('0')) + digits;
    const QString yearText = digits.left(digits.size() - 4);
    const int month = digits.mid(digits.size() - 4, 2).toInt();
    const int day = digits.right(2).toInt();
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year < 30 ? 2000 : 1900;
    else if (yearText.size() != 4)
        return QString();
    const QDate date(year, month, day);
    return DateText(date);
}

QDate MonthEnd(int year, int month)
{
    const QDate first(year, month, 1);
    if (!first.isValid())
        return QDate();
    return first.addMonths(1).addDays(-1);
}

int WeekdayNo(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return 0;
    return date.dayOfWeek() % 7 + 1; // Qt: Monday 1 .. Sunday 7
}

QString KorWeekday(int year, int month, int day)
{
    static const QStringList names = {
        QStringLiteral("일요일"), QStringLiteral("월요일"), QStringLiteral("화요일"),
        QStringLiteral("수요일"), QStringLiteral("목요일"), QStringLiteral("금요일"),
        QStringLiteral("토요일"),
    };
    const int n = WeekdayNo(year, month, day);
    return n == 0 ? QString() : names.at(n - 1);
}

void SetToday(Session &session)
{
    session.workDate = TodayText();
}
