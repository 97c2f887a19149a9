#include "ReportRunner.h"

#include "AppContext.h"
#include "Prompter.h"
#include "ReportBuilder.h"
#include "ReportOutput.h"
#include "ReportPreview.h"

#include <QApplication>

namespace {

// The hourglass while the report is made and sent; back to normal before any message.
class WaitCursor
{
public:
    WaitCursor()
        : m_active(qobject_cast<QApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (m_active)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor() { release(); }
    void release()
    {
        if (m_active)
            QApplication::restoreOverrideCursor();
        m_active = false;
    }

private:
    bool m_active;
};

} // namespace

ReportRunner::ReportRunner(AppContext &context, QWidget *parent)
    : m_context(context)
    , m_parent(parent)
{ }

void ReportRunner::SetReportFile(const QString &path)
{
    m_request.reportFile = path;
}

void ReportRunner::SetDataFile(int index, const QString &path)
{
    m_request.dataFiles.insert(index, path);
}

void ReportRunner::SetFormula(int index, const QString &text)
{
    m_request.formulas.insert(index, text);
}

void ReportRunner::SetSortField(int index, const QString &text)
{
    m_request.sortFields.insert(index, text);
}

void ReportRunner::SetSelection(const QString &text)
{
    m_request.selection = text;
}

void ReportRunner::SetDestination(int destination)
{
    m_destination = destination;
}

void ReportRunner::SetCopies(int copies)
{
    m_copies = copies;
}

void ReportRunner::SetPdfFile(const QString &path)
{
    m_pdfFile = path;
}

bool ReportRunner::fail(const ReportError &error)
{
    m_error = error;
    if (m_showErrors && !error.shown) {
        m_context.prompter.message(error.text, QStringLiteral("출력 오류"), MsgIcon::Warning);
        m_error.shown = true;
    }
    return false;
}

bool ReportRunner::RunReport()
{
    m_error.clear();
    WaitCursor wait;
    ReportBuilder builder(m_context);
    builder.setToday(m_today);
    ReportError error;
    if (!builder.build(m_request, error)) {
        wait.release();
        return fail(error);
    }
    m_pages = builder.pages();
    const int destination = m_destination >= 0 ? m_destination : builder.report().destination;
    const int copies = m_copies > 0 ? m_copies : builder.report().copies;

    QString why;
    switch (destination) {
    case ToPreview: {
        wait.release();
        auto *preview = new ReportPreview(m_pages, m_context.prompter, copies, m_parent);
        m_preview = preview;
        preview->show();
        preview->raise();
        preview->activateWindow();
        return true;
    }
    case ToPrinter:
        if (ReportOutput::printToDefault(m_pages, copies, &why))
            return true;
        break;
    case ToPdf:
        if (m_pdfFile.isEmpty())
            why = QStringLiteral("PDF 화일 이름이 없습니다.");
        else if (ReportOutput::writePdf(m_pages, m_pdfFile, &why))
            return true;
        break;
    default:
        why = QStringLiteral("알 수 없는 출력 대상입니다: %1").arg(destination);
        break;
    }
    wait.release();
    ReportError outputError;
    outputError.set(ReportError::Output, why);
    return fail(outputError);
}
