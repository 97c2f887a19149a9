#pragma once

#include <QString>
#include <QStringList>

// Finds the template a screen names. Screens name templates as the shop's old program did
// ("C:\voz\RPT\고객미수현황.RPT", "\RPT\점검정비내역서.rpt"); only the name counts, not the
// folder, the extension or the letter case. A shop may override a shipped template with a
// file of the same name in its own report folder (<root>/RPT).
class TemplateLocator
{
public:
    static constexpr const char *kExtension = "json";

    // overrideDir is the shop's report folder; shipped folders are searched after it.
    explicit TemplateLocator(const QString &overrideDir);

    // "고객미수현황" for "C:\voz\RPT\고객미수현황.RPT".
    static QString templateName(const QString &callerPath);
    // The template's file, or "" when there is none.
    QString find(const QString &callerPath) const;
    QStringList searchDirs() const;

    // Folders holding the templates that come with the program: "reports/templates" beside
    // the executable, then the source tree the program was built from.
    static QStringList shippedDirs();

private:
    QString m_overrideDir;
};
