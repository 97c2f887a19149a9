#pragma once

#include <QDate>
#include <QString>

class Session;

// Dates are kept as text "yyyy.mm.dd" everywhere: stored, shown and compared.

// What the user typed turned into "yyyy.mm.dd", or "" when it is no valid date.
QString NormDate(const QString &text, const QString &separator = QStringLiteral("."));
// The last day of the month.
QDate MonthEnd(int year, int month);
// "일요일" .. "토요일"; "" for an invalid date.
QString KorWeekday(int year, int month, int day);
// 1 (Sunday) .. 7 (Saturday); 0 for an invalid date.
int WeekdayNo(int year, int month, int day);
// WorkDate := today.
void SetToday(Session &session);

QString DateText(const QDate &date);
QDate DateFromText(const QString &text);
QString TodayText();
