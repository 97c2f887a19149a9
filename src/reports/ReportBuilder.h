#pragma once

#include "PageModel.h"
#include "ReportRows.h"
#include "ReportTemplate.h"

#include <QHash>
#include <QString>

struct AppContext;
struct ReportError;
struct ReportRequest;

// Makes the pages of a report from a screen's settings: finds and reads the template,
// translates the selection and sort keys, reads the records, fills the formula fields and
// lays it all out. No window is involved; the result goes to the preview, a printer or PDF.
class ReportBuilder
{
public:
    explicit ReportBuilder(AppContext &context);

    bool build(const ReportRequest &request, ReportError &error);

    const PageModel &pages() const { return m_pages; }
    const ReportTemplate &report() const { return m_report; }
    const ReportRows &rows() const { return m_rows; }
    // The print date shown by {today}; today's date unless set (tests).
    void setToday(const QString &today) { m_today = today; }

    // Which store a data-file path names ("c:\voz\Dbs\기초자료.mdb" -> "base"); "" if none.
    static QString storeOfDataFile(const QString &path);

private:
    bool readFormulas(const ReportRequest &request, QHash<QString, QString> &formulas,
                      ReportError &error) const;

    AppContext &m_context;
    ReportTemplate m_report;
    ReportRows m_rows;
    PageModel m_pages;
    QString m_today;
};
