#pragma once

#include <QString>

// Where the shop's data lives: <root>/DBS holds the three stores, <root>/RPT may hold
// report templates that override the ones shipped with the program.
struct DataPaths
{
    QString root;
    QString dbsDir;
    QString basePath;
    QString maintenancePath;
    QString postalPath;
    QString reportDir;

    static DataPaths fromRoot(const QString &root);
    // VOZ_ROOT when set, otherwise C:\voz on Windows and $HOME/voz elsewhere.
    static QString defaultRoot();
};
