#pragma once

#include <QList>

// A month as the calendar lays it out: six weeks of seven days, Sunday first, row by row.
// Each entry is the day number, 0 where no day of the month falls.
namespace CalendarMonth {

constexpr int kColumns = 7;
constexpr int kRows = 6;

QList<int> days(int year, int month);

} // namespace CalendarMonth
