#include "AppInfo.h"

#include <QCoreApplication>

QString AppInfo::programFolder()
{
    return QCoreApplication::applicationDirPath();
}
