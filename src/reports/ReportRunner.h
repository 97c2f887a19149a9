#pragma once

#include "PageModel.h"
#include "ReportError.h"
#include "ReportRequest.h"

#include <QPointer>
#include <QString>

struct AppContext;
class QWidget;
class ReportPreview;

// The report component of a screen: one instance per screen, every setting kept until it
// is set again, then RunReport renders the named template to the preview window, the
// printer or a PDF file. Failures are shown through the Prompter (unless the screen shows
// them itself) and RunReport returns false; nothing is printed then.
//
//   ReportRunner report(context, this);
//   report.SetReportFile("C:\\voz\\RPT\\정비부품.RPT");
//   report.SetSelection("{정비부품.부품명} <> ''");
//   report.SetDestination(ReportRunner::ToPreview);
//   report.RunReport();
class ReportRunner
{
public:
    enum Destination { ToPreview = 0, ToPrinter = 1, ToPdf = 2 };

    explicit ReportRunner(AppContext &context, QWidget *parent = nullptr);

    void SetReportFile(const QString &path);
    // i from 0; "기초자료" and "정비내역" files name the base and maintenance stores.
    void SetDataFile(int index, const QString &path);
    // "name = 'value'": the template's formula field of that name shows the value.
    void SetFormula(int index, const QString &text);
    // "+{table.column}" ascending or "-{table.column}" descending, key i.
    void SetSortField(int index, const QString &text);
    // Record selection, e.g. "{고객.고객명} like '김*'"; empty selects all.
    void SetSelection(const QString &text);
    // 0 preview window, 1 default printer, 2 PDF file (SetPdfFile).
    void SetDestination(int destination);
    void SetCopies(int copies);
    void SetPdfFile(const QString &path);
    bool RunReport();

    // false: RunReport shows no message and the screen reports lastError() itself.
    void setShowErrors(bool show) { m_showErrors = show; }
    const ReportError &lastError() const { return m_error; }
    // The pages of the last successful run.
    const PageModel &lastPages() const { return m_pages; }
    // The preview window of the last run while it is open.
    ReportPreview *preview() const { return m_preview.data(); }
    // The print date {today}; tests pin it.
    void setToday(const QString &today) { m_today = today; }

private:
    bool fail(const ReportError &error);

    AppContext &m_context;
    QWidget *m_parent;
    ReportRequest m_request;
    int m_destination = -1; // -1: the template's choice
    int m_copies = 0; // 0: the template's choice
    QString m_pdfFile;
    bool m_showErrors = true;
    ReportError m_error;
    PageModel m_pages;
    QPointer<ReportPreview> m_preview;
    QString m_today;
};
