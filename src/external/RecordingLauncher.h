#pragma once

#include "ProcessLauncher.h"

#include <QList>

// Records what would have been started; can be told to fail.
class RecordingLauncher : public ProcessLauncher
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
        QString workingDirectory;
    };

    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory, QString *error) override;

    void failWith(const QString &error) { m_failure = error; }
    const QList<Start> &starts() const { return m_starts; }

private:
    QList<Start> m_starts;
    QString m_failure;
};
