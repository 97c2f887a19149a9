#include "RecordingLauncher.h"

bool RecordingLauncher::startDetached(const QString &program, const QStringList &arguments,
                                      const QString &workingDirectory, QString *error)
{
    if (!m_failure.isEmpty()) {
        if (error)
            *error = m_failure;
        return false;
    }
    m_starts.append({program, arguments, workingDirectory});
    return true;
}
