#include "ReportLayout.h"

#include "ReportFormat.h"
#include "ReportMeasure.h"
#include "ReportRows.h"

#include <QRegularExpression>

namespace {

constexpr double kEpsilon = 0.001;

// A number is never cut: "1,234,567" cut to "1,234,5" would be a wrong amount.
bool looksLikeNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?[\\d,]+(\\.\\d+)?\\D{0,2}$"));
    return number.match(text.trimmed()).hasMatch();
}

} // namespace

ReportLayout::ReportLayout(const ReportTemplate &report, const ReportRows &rows,
                           const ReportMeasure &measure)
    : m_report(report)
    , m_rows(rows)
    , m_measure(measure)
{ }

ReportContext ReportLayout::context(int row, int scopeBegin, int scopeEnd)
{
    ReportContext c;
    c.rows = &m_rows;
    c.row = row;
    c.scopeBegin = scopeBegin;
    c.scopeEnd = scopeEnd;
    c.page = static_cast<int>(m_model.pages.size());
    c.formulas = &m_formulas;
    c.shop = &m_shop;
    c.today = m_today;
    c.workDate = m_workDate;
    c.running = &m_running;
    return c;
}

QString ReportLayout::key(int row, int level) const
{
    return ReportFormat::plain(m_rows.value(row, m_report.groups.at(level).key));
}

int ReportLayout::groupEnd(int level, int start) const
{
    int end = start + 1;
    while (end < m_rows.count()) {
        bool same = true;
        for (int l = 0; l <= level && same; ++l)
            same = key(end, l) == key(start, l);
        if (!same)
            break;
        ++end;
    }
    return end;
}

ReportLayout::PreparedBand ReportLayout::prepare(const Band &band, const ReportContext &context,
                                                 bool detail)
{
    PreparedBand p;
    p.band = &band;
    p.context = context;
    p.detail = detail;
    p.height = band.height;
    for (const Item &item : band.items) {
        Prepared prepared;
        prepared.item = &item;
        if (item.kind == ReportTemplate::ItemKind::Text) {
            if (item.text.usesPages()) {
                prepared.deferred = true;
            } else {
                prepared.text = item.text.evaluate(context, item.format);
                if (item.overflow == ReportTemplate::Overflow::Wrap && !prepared.text.isEmpty()) {
                    const double width = item.rect.width() - 2 * item.padding;
                    prepared.lines = m_measure.wrap(item.font, prepared.text, width);
                    p.height
                            = qMax(p.height, item.rect.top() + wrappedHeight(item, prepared.lines));
                }
            }
        }
        p.items << prepared;
    }
    return p;
}

// Wrapped lines keep the space above and below that one line has in the item's box.
double ReportLayout::wrappedHeight(const Item &item, const QStringList &lines) const
{
    const double lineHeight = m_measure.lineHeight(item.font);
    return lines.size() * lineHeight + qMax(0.0, item.rect.height() - lineHeight);
}

bool ReportLayout::fits(double height) const
{
    return m_y + height <= m_bodyBottom + kEpsilon;
}

bool ReportLayout::pageHasBody() const
{
    return m_y > m_bodyTop + kEpsilon;
}

void ReportLayout::place(const PreparedBand &band)
{
    if (!band.band->present)
        return;
    if (!fits(band.height) && pageHasBody())
        newPage(false);
    const int page = static_cast<int>(m_model.pages.size()) - 1;
    const QPointF origin(m_report.margins.left(), m_y);
    const double grow = band.height - band.band->height;
    for (const Prepared &p : band.items) {
        if (p.deferred) {
            ReportContext c = band.context;
            c.page = page + 1;
            m_deferred << Deferred {page, p.item, c, origin, grow, band.band->height};
            continue;
        }
        QString text = p.text;
        QStringList lines = p.lines;
        if (band.detail && p.item->suppressRepeated) {
            const auto last = m_lastShown.constFind(p.item);
            if (last != m_lastShown.constEnd() && *last == text) {
                text.clear();
                lines.clear();
            } else {
                m_lastShown.insert(p.item, text);
            }
        }
        emitItem(page, *p.item, text, lines, origin, grow, band.band->height);
    }
    m_y += band.height;
}

void ReportLayout::emitItem(int pageIndex, const Item &item, const QString &text,
                            const QStringList &lines, QPointF origin, double grow,
                            double bandHeight)
{
    ReportPage &page = m_model.pages[pageIndex];
    switch (item.kind) {
    case ReportTemplate::ItemKind::Line: {
        PageItem out;
        out.kind = PageItem::Line;
        QLineF line = item.line;
        // An end on the band's bottom edge moves down with the edge when the band grew.
        if (item.stretch && grow > 0) {
            if (qAbs(line.y1() - bandHeight) < kEpsilon)
                line.setP1(line.p1() + QPointF(0, grow));
            if (qAbs(line.y2() - bandHeight) < kEpsilon)
                line.setP2(line.p2() + QPointF(0, grow));
        }
        line.translate(origin);
        out.line = line;
        out.lineWidth = item.lineWidth;
        out.color = item.color;
        page.items << out;
        return;
    }
    case ReportTemplate::ItemKind::Box: {
        PageItem out;
        out.kind = PageItem::Box;
        out.rect = item.rect.translated(origin);
        if (item.stretch)
            out.rect.setHeight(out.rect.height() + grow);
        out.lineWidth = item.lineWidth;
        out.color = item.color;
        out.fill = item.fill;
        page.items << out;
        return;
    }
    case ReportTemplate::ItemKind::Text:
        break;
    }
    QRectF rect = item.rect.translated(origin);
    if (item.stretch)
        rect.setHeight(rect.height() + grow);
    if (item.frame || item.fill.isValid()) {
        PageItem box;
        box.kind = PageItem::Box;
        box.rect = rect;
        box.lineWidth = item.frame ? item.lineWidth : 0;
        box.color = item.color;
        box.fill = item.fill;
        page.items << box;
    }
    const QRectF inner = rect.adjusted(item.padding, 0, -item.padding, 0);
    if (item.overflow != ReportTemplate::Overflow::Wrap || lines.size() <= 1) {
        emitText(page, item, lines.size() == 1 ? lines.first() : text, inner);
        return;
    }
    const double lineHeight = m_measure.lineHeight(item.font);
    const double total = lines.size() * lineHeight;
    const double height = qMax(inner.height(), wrappedHeight(item, lines));
    double top = inner.top();
    if (item.align & Qt::AlignBottom)
        top = inner.top() + height - total;
    else if (item.align & Qt::AlignVCenter)
        top = inner.top() + (height - total) / 2;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines.at(i).isEmpty())
            continue;
        PageItem out;
        out.kind = PageItem::Text;
        out.rect = QRectF(inner.left(), top + i * lineHeight, inner.width(), lineHeight);
        out.text = lines.at(i);
        out.font = item.font;
        out.align = (item.align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
        out.color = item.color;
        page.items << out;
    }
}

void ReportLayout::emitText(ReportPage &page, const Item &item, const QString &value, QRectF rect)
{
    QString text = value;
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.remove(QLatin1Char('\r'));
    if (text.isEmpty())
        return;
    ReportFontSpec font = item.font;
    const double width = m_measure.width(font, text);
    if (width > rect.width() + kEpsilon) {
        const bool shrink
                = item.overflow == ReportTemplate::Overflow::Shrink || looksLikeNumber(text);
        if (shrink) {
            // Shrink to fit, down to half the size; past that, cut.
            font.size = qMax(item.font.size / 2, font.size * rect.width() / width * 0.995);
        }
        if (m_measure.width(font, text) > rect.width() + kEpsilon)
            text = m_measure.fit(font, text, rect.width());
    }
    if (text.isEmpty())
        return;
    PageItem out;
    out.kind = PageItem::Text;
    out.rect = rect;
    out.text = text;
    out.font = font;
    out.align = item.align;
    out.color = item.color;
    page.items << out;
}

void ReportLayout::newPage(bool first)
{
    m_model.pages.append(ReportPage());
    PageInfo info;
    info.anyRow = m_currentRow;
    m_y = m_report.margins.top();
    m_bodyTop = m_y;
    m_bodyBottom = m_report.pageSizeMm().height() - m_report.margins.bottom()
            - m_report.pageFooter.height;
    m_lastShown.clear();
    if (first && m_report.reportHeader.present) {
        const int last = m_rows.count();
        place(prepare(m_report.reportHeader, context(last ? 0 : -1, 0, last), false));
    }
    info.headerY = m_y;
    m_pages.append(info);
    m_y += m_report.pageHeader.height;
    m_bodyTop = m_y;
    if (first)
        return;
    // Groups running on from the last page show their header again where asked to.
    for (int level = 0; level < m_report.groups.size(); ++level) {
        const auto &group = m_report.groups.at(level);
        if (group.repeatHeader && group.header.present && m_groupStart.at(level) >= 0) {
            const int row = qMax(m_currentRow, m_groupStart.at(level));
            place(prepare(group.header, context(row, m_groupStart.at(level), m_groupEnd.at(level)),
                          false));
        }
    }
    m_bodyTop = m_y;
}

void ReportLayout::groupHeaders(int fromLevel, int row)
{
    const int levels = static_cast<int>(m_report.groups.size());
    QList<PreparedBand> headers;
    double height = 0;
    QList<int> ends;
    for (int level = fromLevel; level < levels; ++level) {
        const int end = groupEnd(level, row);
        ends << end;
        headers << prepare(m_report.groups.at(level).header, context(row, row, end), false);
        if (m_report.groups.at(level).header.present)
            height += headers.last().height;
    }
    bool breakPage = false;
    for (int level = fromLevel; level < levels && row > 0; ++level)
        breakPage = breakPage || m_report.groups.at(level).newPage;
    // A header is never left alone at the foot of a page: its first record comes with it.
    const double first = m_report.detail.present
            ? prepare(m_report.detail, context(row, 0, m_rows.count()), true).height
            : 0;
    if ((breakPage || !fits(height + first)) && pageHasBody())
        newPage(false);
    for (int i = 0; i < headers.size(); ++i) {
        const int level = fromLevel + i;
        place(headers.at(i));
        m_groupStart[level] = row;
        m_groupEnd[level] = ends.at(i);
    }
}

void ReportLayout::groupFooters(int fromLevel, int endRow)
{
    for (int level = static_cast<int>(m_report.groups.size()) - 1; level >= fromLevel; --level) {
        const int start = m_groupStart.at(level);
        if (start < 0)
            continue;
        place(prepare(m_report.groups.at(level).footer, context(endRow - 1, start, endRow), false));
        m_groupStart[level] = -1;
    }
}

PageModel ReportLayout::run()
{
    m_model = PageModel();
    m_model.title = m_report.title;
    m_model.pageSize = m_report.pageSize;
    m_model.orientation = m_report.orientation;
    m_pages.clear();
    m_deferred.clear();
    m_running.clear();
    const int levels = static_cast<int>(m_report.groups.size());
    m_groupStart = QList<int>(levels, -1);
    m_groupEnd = QList<int>(levels, -1);
    const int count = m_rows.count();
    m_currentRow = count ? 0 : -1;

    newPage(true);
    for (int row = 0; row < count; ++row) {
        int changed = levels;
        for (int level = 0; level < levels; ++level) {
            if (row == 0 || key(row, level) != key(row - 1, level)) {
                changed = level;
                break;
            }
        }
        if (row > 0 && changed < levels)
            groupFooters(changed, row);
        m_currentRow = row;
        if (changed < levels)
            groupHeaders(changed, row);
        place(prepare(m_report.detail, context(row, 0, count), true));
        PageInfo &info = m_pages.last();
        if (info.firstRow < 0)
            info.firstRow = row;
        info.lastRow = row;
    }
    if (count > 0)
        groupFooters(0, count);
    place(prepare(m_report.reportFooter, context(count - 1, 0, count), false));
    finish();
    return m_model;
}

void ReportLayout::finish()
{
    const int pages = static_cast<int>(m_model.pages.size());
    const double footerY = m_report.pageSizeMm().height() - m_report.margins.bottom()
            - m_report.pageFooter.height;
    for (int p = 0; p < pages; ++p) {
        const PageInfo &info = m_pages.at(p);
        const int row = info.firstRow >= 0 ? info.firstRow : info.anyRow;
        const int begin = info.firstRow >= 0 ? info.firstRow : 0;
        const int end = info.firstRow >= 0 ? info.lastRow + 1 : 0;
        for (const Band *band : {&m_report.pageHeader, &m_report.pageFooter}) {
            if (!band->present)
                continue;
            ReportContext c = context(
                    band == &m_report.pageHeader ? row : (info.lastRow >= 0 ? info.lastRow : row),
                    begin, end);
            c.page = p + 1;
            c.pages = pages;
            const double y = band == &m_report.pageHeader ? info.headerY : footerY;
            const QPointF origin(m_report.margins.left(), y);
            for (const Item &item : band->items) {
                QString text;
                QStringList lines;
                if (item.kind == ReportTemplate::ItemKind::Text) {
                    text = item.text.evaluate(c, item.format);
                    if (item.overflow == ReportTemplate::Overflow::Wrap)
                        lines = m_measure.wrap(item.font, text,
                                               item.rect.width() - 2 * item.padding);
                }
                emitItem(p, item, text, lines, origin, 0, band->height);
            }
        }
    }
    for (Deferred &d : m_deferred) {
        d.context.pages = pages;
        emitItem(d.page, *d.item, d.item->text.evaluate(d.context, d.item->format), {}, d.origin,
                 d.grow, d.bandHeight);
    }
}
