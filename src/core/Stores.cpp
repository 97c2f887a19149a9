#include "Stores.h"

#include "DataAccess.h"
#include "Prompter.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <functional>

namespace {

QString connectionName(const char *role)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("torvik-%1-%2").arg(QLatin1String(role)).arg(++counter);
}

bool createStore(const QString &path, const std::function<bool(Database &)> &build,
                 QString *error)
{
    if (QFileInfo::exists(path))
        return true;
    const QString temporary = path + QStringLiteral(".new");
    for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
        QFile::remove(temporary + suffix);
    bool ok = false;
    {
        Database db(connectionName("create"));
        ok = db.openFile(temporary, true) && build(db);
        if (!ok && error)
            *error = db.lastError();
        db.close();
    }
    if (ok && !QFile::rename(temporary, path)) {
        ok = false;
        if (error)
            *error = QStringLiteral("%1 화일을 만들 수 없습니다.").arg(path);
    }
    if (!ok) {
        for (const QString &suffix : {QString(), QStringLiteral("-wal"), QStringLiteral("-shm")})
            QFile::remove(temporary + suffix);
    }
    return ok;
}

} // namespace

Stores::Stores(const DataPaths &paths)
    : m_paths(paths)
    , m_base(connectionName("base"))
    , m_maintenance(connectionName("maintenance"))
    , m_postal(connectionName("postal"))
{
}

bool Stores::createMissing(QString *error)
{
    if (!QDir().mkpath(m_paths.dbsDir)) {
        if (error)
            *error = QStringLiteral("%1 폴더를 만들 수 없습니다.").arg(m_paths.dbsDir);
        return false;
    }
    return createStore(m_paths.basePath, &Schema::createBase, error)
            && createStore(m_paths.maintenancePath, &Schema::createMaintenance, error)
            && createStore(m_paths.postalPath, &Schema::createPostal, error);
}

// A store that is open already stays as it is: screens call these when they load.
bool Stores::openBase(Prompter &prompter)
{
    if (m_base.isOpen())
        return true;
    return OpenMdb(prompter, m_base, m_paths.basePath);
}

bool Stores::openMaintenance(Prompter &prompter)
{
    if (m_maintenance.isOpen())
        return true;
    if (!OpenMdb(prompter, m_maintenance, m_paths.maintenancePath))
        return false;
    if (!m_maintenance.attach(m_paths.basePath, QStringLiteral("base"))) {
        ShowMsg(prompter, m_maintenance.lastError(), QStringLiteral("Error"));
        m_maintenance.close();
        return false;
    }
    return true;
}

bool Stores::openPostal(Prompter &prompter)
{
    if (m_postal.isOpen())
        return true;
    return OpenMdb(prompter, m_postal, m_paths.postalPath);
}

void Stores::closeAll()
{
    m_postal.close();
    m_maintenance.close();
    m_base.close();
}
