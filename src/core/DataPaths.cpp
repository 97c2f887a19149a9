#include "DataPaths.h"

#include <QDir>
#include <QtGlobal>

DataPaths DataPaths::fromRoot(const QString &root)
{
    DataPaths p;
    p.root = QDir::cleanPath(root);
    p.dbsDir = p.root + QStringLiteral("/DBS");
    p.basePath = p.dbsDir + QStringLiteral("/기초자료.db");
    p.maintenancePath = p.dbsDir + QStringLiteral("/정비내역.db");
    p.postalPath = p.dbsDir + QStringLiteral("/우편번호.db");
    p.reportDir = p.root + QStringLiteral("/RPT");
    return p;
}

QString DataPaths::defaultRoot()
{
    const QString fromEnv = qEnvironmentVariable("VOZ_ROOT");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
#ifdef Q_OS_WIN
    return QStringLiteral("C:/voz");
#else
    return QDir::homePath() + QStringLiteral("/voz");
#endif
}
