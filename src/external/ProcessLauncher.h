#pragma once

#include <QString>
#include <QStringList>

// Starts another program in a normal window without waiting for it. Behind an interface so
// that tests record the command line instead of starting anything.
class ProcessLauncher
{
public:
    virtual ~ProcessLauncher() = default;

    // False when the program could not be started; error then says why.
    virtual bool startDetached(const QString &program, const QStringList &arguments,
                               const QString &workingDirectory, QString *error)
            = 0;
};

// The real one.
class QtProcessLauncher : public ProcessLauncher
{
public:
    bool startDetached(const QString &program, const QStringList &arguments,
                       const QString &workingDirectory, QString *error) override;
};
