#include "ProcessLauncher.h"

#include <QProcess>

bool QtProcessLauncher::startDetached(const QString &program, const QStringList &arguments,
                                      const QString &workingDirectory, QString *error)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setWorkingDirectory(workingDirectory);
    if (process.startDetached())
        return true;
    if (error) {
        *error = process.errorString();
        if (error->isEmpty())
            *error = QStringLiteral("%1 을(를) 실행할 수 없습니다.").arg(program);
    }
    return false;
}
