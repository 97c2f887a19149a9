#include "CalendarMonth.h"

#include "DateUtil.h"

QList<int> CalendarMonth::days(int year, int month)
{
    QList<int> cells(kColumns * kRows, 0);
    const QDate last = MonthEnd(year, month);
    if (!last.isValid())
        return cells;
    // Row 1 starts in the column of the weekday of the 1st; every Saturday ends a row.
    int cell = WeekdayNo(year, month, 1) - 1;
    for (int day = 1; day <= last.day() && cell < cells.size(); ++day, ++cell)
        cells[cell] = day;
    return cells;
}
