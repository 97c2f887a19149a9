#pragma once

#include <QString>

// The per-user settings store: (application, section, key) -> text. Keys are compared
// without regard to letter case. On Windows the entries live in the registry where the
// shop's companion programs read them; elsewhere in one INI file per application.
class Settings
{
public:
    // The document kinds whose print margins have a section of their own.
    enum class DocumentKind {
        TaxInvoice = 0,
        Statement = 1,
        DirectMail = 2,
        MaintenanceStatement = 3,
        WorkOrder = 4,
        Receipt = 5,
        Bankbook = 6,
    };

    // directory empty: the platform's own place (TORVIK_SETTINGS_DIR overrides it).
    explicit Settings(const QString &directory = QString());

    QString directory() const { return m_directory; }

    QString value(const QString &application, const QString &section, const QString &key,
                  const QString &defaultValue = QString()) const;
    // Whole numbers; the default when the entry is absent or no number.
    int intValue(const QString &application, const QString &section, const QString &key,
                 int defaultValue = 0, bool *isNumber = nullptr) const;
    void setValue(const QString &application, const QString &section, const QString &key,
                  const QString &value);
    bool contains(const QString &application, const QString &section, const QString &key) const;

    static QString documentKindSection(DocumentKind kind);

    // The entries the program reads and writes, by name.
    QString backgroundPicture() const;
    void setBackgroundPicture(const QString &path);
    QString noMsg(const QString &applicationTitle = QStringLiteral("Torvik")) const;
    void setNoMsg(const QString &value, const QString &applicationTitle = QStringLiteral("Torvik"));
    QString backupDataPath() const;
    void setBackupDataPath(const QString &path);
    int leftMargin(DocumentKind kind, bool *isNumber = nullptr) const;
    int topMargin(DocumentKind kind, bool *isNumber = nullptr) const;
    void setMargins(DocumentKind kind, const QString &left, const QString &top);
    bool amountOption() const;
    void setAmountOption(bool ticked);
    QString smsAppPath() const;
    QString crossShotAppPath() const;
    QString scheduleAppPath() const;
    void setScheduleAppPath(const QString &path);
    QString cashbookAppPath() const;
    void setCashbookAppPath(const QString &path);

    static QString defaultDirectory();

private:
    QString storagePath(const QString &application) const;
    QString m_directory;
};
