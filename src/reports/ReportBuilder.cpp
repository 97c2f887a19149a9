#include "ReportBuilder.h"

#include "AppContext.h"
#include "FormulaAssignment.h"
#include "ReportData.h"
#include "ReportError.h"
#include "ReportLayout.h"
#include "ReportMeasure.h"
#include "ReportRequest.h"
#include "SelectionFormula.h"
#include "Session.h"
#include "SortField.h"
#include "TemplateLocator.h"
#include "TemplateReader.h"

#include <QDate>

ReportBuilder::ReportBuilder(AppContext &context)
    : m_context(context)
{ }

QString ReportBuilder::storeOfDataFile(const QString &path)
{
    const QString name = TemplateLocator::templateName(path);
    if (name == QStringLiteral("기초자료"))
        return QStringLiteral("base");
    if (name == QStringLiteral("정비내역"))
        return QStringLiteral("maintenance");
    if (name == QStringLiteral("우편번호"))
        return QStringLiteral("postal");
    return QString();
}

bool ReportBuilder::readFormulas(const ReportRequest &request, QHash<QString, QString> &formulas,
                                 ReportError &error) const
{
    for (const ReportTemplate::Formula &f : m_report.formulas)
        formulas.insert(f.name.toLower(), f.value);
    for (auto it = request.formulas.begin(); it != request.formulas.end(); ++it) {
        if (it.value().trimmed().isEmpty())
            continue;
        QString why;
        const auto a = FormulaAssignment::parse(it.value(), &why);
        if (!a) {
            error.set(ReportError::Formula, why);
            return false;
        }
        // A name the template does not show is of no use to it, and no error.
        if (m_report.formula(a->name))
            formulas.insert(a->name.toLower(), a->value);
    }
    return true;
}

bool ReportBuilder::build(const ReportRequest &request, ReportError &error)
{
    error.clear();
    m_pages = PageModel();
    m_rows = ReportRows();

    const TemplateLocator locator(m_context.session.paths.reportDir);
    const QString path = locator.find(request.reportFile);
    if (path.isEmpty()) {
        error.set(ReportError::TemplateNotFound,
                  QStringLiteral("보고서 양식을 찾을 수 없습니다: %1\n(찾아본 곳: %2)")
                          .arg(request.reportFile.isEmpty() ? QStringLiteral("(이름 없음)")
                                                            : request.reportFile,
                               locator.searchDirs().join(QStringLiteral(", "))));
        return false;
    }
    QString why;
    const auto report = TemplateReader::readFile(path, &why);
    if (!report) {
        error.set(ReportError::TemplateInvalid, why);
        return false;
    }
    m_report = *report;

    for (const QString &file : request.dataFiles) {
        if (!file.trimmed().isEmpty() && storeOfDataFile(file).isEmpty()) {
            error.set(ReportError::DataFile,
                      QStringLiteral("알 수 없는 자료 화일입니다: %1").arg(file));
            return false;
        }
    }

    const SelectionFormula selection = SelectionFormula::parse(request.selection);
    if (!selection.isValid()) {
        error.set(ReportError::Selection,
                  QStringLiteral("선택 조건을 읽을 수 없습니다: %1\n%2")
                          .arg(selection.error(), request.selection));
        return false;
    }
    QList<SortField> sort;
    for (const QString &text : request.sortFields) {
        if (text.trimmed().isEmpty())
            continue;
        const auto s = SortField::parse(text, &why);
        if (!s) {
            error.set(ReportError::Sort, why);
            return false;
        }
        sort << *s;
    }
    if (sort.isEmpty())
        sort = m_report.sort;

    QHash<QString, QString> formulas;
    if (!readFormulas(request, formulas, error))
        return false;

    ReportData data(m_context.stores, m_context.prompter);
    if (!data.load(m_report, selection, sort, m_rows, error))
        return false;

    const ReportMeasure measure;
    ReportLayout layout(m_report, m_rows, measure);
    layout.setFormulas(formulas);
    layout.setShop(data.shopRecord());
    layout.setToday(m_today.isEmpty() ? QDate::currentDate().toString(QStringLiteral("yyyy.MM.dd"))
                                      : m_today);
    layout.setWorkDate(m_context.session.workDate);
    m_pages = layout.run();
    return true;
}
