#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

class ReportRows;
class RunningTotals;

// What a template's placeholders are evaluated against: the current record, the records an
// aggregate such as sum() runs over (a group, a page or the whole report), the page numbers,
// the formula values handed in by the screen and the shop's own record.
struct ReportContext
{
    const ReportRows *rows = nullptr;
    int row = -1; // current record; -1 when there is none
    int scopeBegin = 0; // aggregates run over [scopeBegin, scopeEnd)
    int scopeEnd = 0;
    int page = 0; // 1-based
    int pages = 0;
    const QHash<QString, QString> *formulas = nullptr; // lower-case name -> value
    const QHash<QString, QVariant> *shop = nullptr; // lower-case column -> value
    QString today; // "yyyy.mm.dd" when printed
    QString workDate;
    RunningTotals *running = nullptr;
};
