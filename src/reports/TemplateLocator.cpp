#include "TemplateLocator.h"

#include "AppInfo.h"

#include <QDir>
#include <QFileInfo>

TemplateLocator::TemplateLocator(const QString &overrideDir)
    : m_overrideDir(overrideDir)
{ }

QString TemplateLocator::templateName(const QString &callerPath)
{
    QString name = callerPath.trimmed();
    const qsizetype slash
            = qMax(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    name = name.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot > 0)
        name = name.left(dot);
    return name.trimmed();
}

QStringList TemplateLocator::shippedDirs()
{
    QStringList dirs {AppInfo::programFolder() + QStringLiteral("/reports/templates")};
#ifdef TORVIK_TEMPLATE_SOURCE_DIR
    dirs << QStringLiteral(TORVIK_TEMPLATE_SOURCE_DIR);
#endif
    return dirs;
}

QStringList TemplateLocator::searchDirs() const
{
    QStringList dirs;
    if (!m_overrideDir.isEmpty())
        dirs << m_overrideDir;
    dirs << shippedDirs();
    return dirs;
}

QString TemplateLocator::find(const QString &callerPath) const
{
    const QString name = templateName(callerPath);
    if (name.isEmpty())
        return QString();
    const QString wanted = name + QLatin1Char('.') + QLatin1String(kExtension);
    for (const QString &dir : searchDirs()) {
        const QString exact = dir + QLatin1Char('/') + wanted;
        if (QFileInfo(exact).isFile())
            return exact;
        // Names differing only in letter case, on file systems that tell them apart.
        const QFileInfoList files = QDir(dir).entryInfoList(
                {QStringLiteral("*.") + QLatin1String(kExtension)}, QDir::Files);
        for (const QFileInfo &file : files) {
            if (file.fileName().compare(wanted, Qt::CaseInsensitive) == 0)
                return file.absoluteFilePath();
        }
    }
    return QString();
}
