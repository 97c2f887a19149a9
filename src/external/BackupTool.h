#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ProcessLauncher;
struct AppContext;

// Backing up, sending and restoring the data is done by the compression tool beside the
// program. This side only asks, starts the tool with its mode argument and lets the
// program end, so that the store files are free for the tool.
class BackupTool
{
public:
    // Modes of ExecBackUp; ExecRestore only knows mode 1 as "unzip".
    enum Mode { Disk = 0, Server = 1, AfterSales = 2 };
    // Answers of the backup dialog.
    enum Choice { ServerBackup = 0, DiskBackup = 1, EndOnly = 2, Cancel = 3 };

    using ChoiceDialog = std::function<int()>;
    using CloseOthers = std::function<void(const QString &keepWindow)>;

    BackupTool(AppContext &context, ProcessLauncher &launcher);

    static QString toolName() { return QStringLiteral("데이터압축.EXE"); }
    // "하드", "서버", "AS": the mode as named in the question title.
    static QString modeName(int mode);
    // " SERVERUP", " AS" or "" as the command line carries it.
    static QString backupArgument(int mode);
    static QString restoreArgument(int mode);

    QString programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder) { m_programFolder = folder; }
    QString toolPath() const;

    // The backup dialog; by default the real frmMsgBackUp over the active window.
    void setChoiceDialog(ChoiceDialog dialog) { m_choiceDialog = std::move(dialog); }
    // Closing every window but one; by default UnloadAllBut.
    void setCloseOthers(CloseOthers closeOthers) { m_closeOthers = std::move(closeOthers); }

    // True when the tool was started; the caller then ends the program.
    bool ExecBackUp(int mode, bool quiet, const QString &keepWindow);
    bool ExecRestore(int mode, const QString &keepWindow);
    // Run when the main window is asked to close: false keeps it open.
    bool ExecBackUpAuto(const QString &keepWindow);

private:
    bool startTool(const QString &argument, const QString &procedure);
    void flushStores();

    AppContext &m_context;
    ProcessLauncher &m_launcher;
    QString m_programFolder;
    ChoiceDialog m_choiceDialog;
    CloseOthers m_closeOthers;
};
