#pragma once

#include "PageModel.h"
#include "ReportContext.h"
#include "ReportTemplate.h"
#include "RunningTotals.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class ReportMeasure;
class ReportRows;

// Lays the records out into pages: report header, page header, group headers and footers
// at each control break, one detail band per record, page footer, report footer. A band
// that does not fit on the page moves to the next one; a group header keeps its first
// record with it; page headers and footers know the page's records and the page count.
class ReportLayout
{
public:
    ReportLayout(const ReportTemplate &report, const ReportRows &rows,
                 const ReportMeasure &measure);

    void setFormulas(const QHash<QString, QString> &formulas) { m_formulas = formulas; }
    void setShop(const QHash<QString, QVariant> &shop) { m_shop = shop; }
    void setToday(const QString &today) { m_today = today; }
    void setWorkDate(const QString &workDate) { m_workDate = workDate; }

    PageModel run();

private:
    using Band = ReportTemplate::Band;
    using Item = ReportTemplate::Item;

    struct Prepared
    {
        const Item *item = nullptr;
        QString text;
        QStringList lines; // wrapped texts
        bool deferred = false;
    };
    struct PreparedBand
    {
        const Band *band = nullptr;
        QList<Prepared> items;
        double height = 0;
        ReportContext context;
        bool detail = false;
    };
    struct PageInfo
    {
        double headerY = 0;
        int firstRow = -1;
        int lastRow = -1;
        int anyRow = -1;
    };
    struct Deferred
    {
        int page = 0;
        const Item *item = nullptr;
        ReportContext context;
        QPointF origin;
        double grow = 0;
        double bandHeight = 0;
    };

    ReportContext context(int row, int scopeBegin, int scopeEnd);
    PreparedBand prepare(const Band &band, const ReportContext &context, bool detail);
    void place(const PreparedBand &band);
    void emitItem(int page, const Item &item, const QString &text, const QStringList &lines,
                  QPointF origin, double grow, double bandHeight);
    void emitText(ReportPage &page, const Item &item, const QString &text, QRectF rect);
    double wrappedHeight(const Item &item, const QStringList &lines) const;
    bool fits(double height) const;
    bool pageHasBody() const;
    void newPage(bool first);
    void groupHeaders(int fromLevel, int row);
    void groupFooters(int fromLevel, int endRow);
    int groupEnd(int level, int start) const;
    QString key(int row, int level) const;
    void finish();

    const ReportTemplate &m_report;
    const ReportRows &m_rows;
    const ReportMeasure &m_measure;
    QHash<QString, QString> m_formulas;
    QHash<QString, QVariant> m_shop;
    QString m_today;
    QString m_workDate;

    PageModel m_model;
    QList<PageInfo> m_pages;
    QList<Deferred> m_deferred;
    QHash<const Item *, QString> m_lastShown; // suppressRepeated, per page
    RunningTotals m_running;
    QList<int> m_groupStart; // per level: first row of the open group, -1
    QList<int> m_groupEnd;
    double m_y = 0;
    double m_bodyTop = 0;
    double m_bodyBottom = 0;
    int m_currentRow = -1;
};
