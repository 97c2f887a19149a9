#pragma once

#include <QMap>
#include <QString>

// The settings a screen has made for a report, slot by slot, as they stand at the run.
struct ReportRequest
{
    QString reportFile;
    QMap<int, QString> dataFiles;
    QMap<int, QString> formulas; // "name = 'value'"
    QMap<int, QString> sortFields; // "+{table.column}"
    QString selection;
};
