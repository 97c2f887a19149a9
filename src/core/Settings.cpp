#include "Settings.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace {

const QString kVoz = QStringLiteral("voz");

#ifdef Q_OS_WIN
const bool kNative = true;
#else
const bool kNative = false;
#endif

// The key as it is spelled in the store, found without regard to letter case.
QString storedKey(QSettings &s, const QString &key)
{
    const QStringList keys = s.childKeys();
    for (const QString &k : keys) {
        if (k.compare(key, Qt::CaseInsensitive) == 0)
            return k;
    }
    return QString();
}

QString storedGroup(QSettings &s, const QString &section)
{
    const QStringList groups = s.childGroups();
    for (const QString &g : groups) {
        if (g.compare(section, Qt::CaseInsensitive) == 0)
            return g;
    }
    return section;
}

} // namespace

Settings::Settings(const QString &directory)
    : m_directory(directory.isEmpty() ? defaultDirectory() : directory)
{
}

QString Settings::defaultDirectory()
{
    const QString fromEnv = qEnvironmentVariable("TORVIK_SETTINGS_DIR");
    if (!fromEnv.isEmpty())
        return fromEnv;
    if (kNative)
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings");
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/Torvik/settings");
}

QString Settings::storagePath(const QString &application) const
{
    if (m_directory.startsWith(QLatin1String("HKEY_")))
        return m_directory + QLatin1Char('\\') + application;
    return m_directory + QLatin1Char('/') + application + QStringLiteral(".ini");
}

static std::unique_ptr<QSettings> openStore(const QString &path)
{
    if (path.startsWith(QLatin1String("HKEY_")))
        return std::make_unique<QSettings>(path, QSettings::NativeFormat);
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString Settings::value(const QString &application, const QString &section, const QString &key,
                        const QString &defaultValue) const
{
    auto s = openStore(storagePath(application));
    s->beginGroup(storedGroup(*s, section));
    const QString k = storedKey(*s, key);
    if (k.isEmpty())
        return defaultValue;
    return s->value(k).toString();
}

int Settings::intValue(const QString &application, const QString &section, const QString &key,
                       int defaultValue, bool *isNumber) const
{
    const QString text = value(application, section, key).trimmed();
    if (isNumber)
        *isNumber = true;
    if (text.isEmpty() && !contains(application, section, key))
        return defaultValue;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) {
        if (isNumber)
            *isNumber = false;
        return defaultValue;
    }
    return n;
}

bool Settings::contains(const QString &application, const QString &section,
                        const QString &key) const
{
    auto s = openStore(storagePath(application));
    s->beginGroup(storedGroup(*s, section));
    return !storedKey(*s, key).isEmpty();
}

void Settings::setValue(const QString &application, const QString &section, const QString &key,
                        const QString &value)
{
    if (!m_directory.startsWith(QLatin1String("HKEY_")))
        QDir().mkpath(m_directory);
    auto s = openStore(storagePath(application));
    s->beginGroup(storedGroup(*s, section));
    QString k = storedKey(*s, key);
    if (k.isEmpty())
        k = key;
    s->setValue(k, value);
    s->endGroup();
    s->sync();
}

QString Settings::documentKindSection(DocumentKind kind)
{
    switch (kind) {
    case DocumentKind::TaxInvoice:
        return QStringLiteral("세금계산서");
    case DocumentKind::Statement:
        return QStringLiteral("거래명세표");
    case DocumentKind::DirectMail:
        return QStringLiteral("DM인쇄");
    case DocumentKind::MaintenanceStatement:
        return QStringLiteral("정비내역서");
    case DocumentKind::WorkOrder:
        return QStringLiteral("작업지시서");
    case DocumentKind::Receipt:
        return QStringLiteral("영수증");
    case DocumentKind::Bankbook:
        return QStringLiteral("통장정리");
    }
    return QString();
}

QString Settings::backgroundPicture() const
{
    return value(kVoz, QStringLiteral("사용등록"), QStringLiteral("바탕화면"));
}

void Settings::setBackgroundPicture(const QString &path)
{
    setValue(kVoz, QStringLiteral("사용등록"), QStringLiteral("바탕화면"), path);
}

QString Settings::noMsg(const QString &applicationTitle) const
{
    return value(applicationTitle, QStringLiteral("환경설정"), QStringLiteral("NoMsg"),
                 QStringLiteral("0"));
}

void Settings::setNoMsg(const QString &value, const QString &applicationTitle)
{
    setValue(applicationTitle, QStringLiteral("환경설정"), QStringLiteral("NoMsg"), value);
}

QString Settings::backupDataPath() const
{
    return value(QStringLiteral("Backup"), QStringLiteral("DB경로"), QStringLiteral("경로"));
}

void Settings::setBackupDataPath(const QString &path)
{
    setValue(QStringLiteral("Backup"), QStringLiteral("DB경로"), QStringLiteral("경로"), path);
}

int Settings::leftMargin(DocumentKind kind, bool *isNumber) const
{
    return intValue(kVoz, documentKindSection(kind), QStringLiteral("LeftMargin"), 0, isNumber);
}

int Settings::topMargin(DocumentKind kind, bool *isNumber) const
{
    return intValue(kVoz, documentKindSection(kind), QStringLiteral("TopMargin"), 0, isNumber);
}

void Settings::setMargins(DocumentKind kind, const QString &left, const QString &top)
{
    setValue(kVoz, documentKindSection(kind), QStringLiteral("LeftMargin"), left);
    setValue(kVoz, documentKindSection(kind), QStringLiteral("TopMargin"), top);
}

bool Settings::amountOption() const
{
    return value(kVoz, QStringLiteral("Registration"), QStringLiteral("금액"), QStringLiteral("0"))
            == QLatin1String("1");
}

void Settings::setAmountOption(bool ticked)
{
    setValue(kVoz, QStringLiteral("Registration"), QStringLiteral("금액"),
             ticked ? QStringLiteral("1") : QStringLiteral("0"));
}

QString Settings::smsAppPath() const
{
    return value(QStringLiteral("Halvard SMS"), QStringLiteral("환경설정"), QStringLiteral("AppPath"));
}

QString Settings::crossShotAppPath() const
{
    return value(QStringLiteral("Halvard크로샷"), QStringLiteral("환경설정"),
                 QStringLiteral("AppPath"));
}

QString Settings::scheduleAppPath() const
{
    return value(QStringLiteral("Kestrel스케줄"), QStringLiteral("General"),
                 QStringLiteral("AppPath"));
}

void Settings::setScheduleAppPath(const QString &path)
{
    setValue(QStringLiteral("Kestrel스케줄"), QStringLiteral("General"), QStringLiteral("AppPath"),
             path);
}

QString Settings::cashbookAppPath() const
{
    return value(QStringLiteral("Rivodoro"), QStringLiteral("General"), QStringLiteral("AppPath"));
}

void Settings::setCashbookAppPath(const QString &path)
{
    setValue(QStringLiteral("Rivodoro"), QStringLiteral("General"), QStringLiteral("AppPath"), path);
}
