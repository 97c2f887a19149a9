#include "ReportPageView.h"

#include "PageModel.h"
#include "PagePainter.h"

#include <QPainter>

namespace {
constexpr int kMargin = 16; // grey border around the sheet
}

ReportPageView::ReportPageView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("pageView"));
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ReportPageView::setModel(const PageModel *model)
{
    m_model = model;
    m_page = 0;
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

void ReportPageView::setPage(int page)
{
    if (!m_model || m_model->pages.isEmpty())
        return;
    m_page = qBound(0, page, m_model->pageCount() - 1);
    update();
}

void ReportPageView::setZoom(double zoom)
{
    m_zoom = qBound(0.1, zoom, 8.0);
    // The scroll area makes the view at least as large as the page, larger to fill itself.
    setMinimumSize(sizeHint());
    updateGeometry();
    update();
}

double ReportPageView::pixelsPerMm() const
{
    return logicalDpiX() / 25.4 * m_zoom;
}

QSizeF ReportPageView::pageSizePixels() const
{
    if (!m_model)
        return QSizeF(0, 0);
    return m_model->pageSizeMm() * pixelsPerMm();
}

double ReportPageView::zoomToFitWidth(const QSize &size) const
{
    if (!m_model)
        return 1.0;
    const double full = m_model->pageSizeMm().width() * logicalDpiX() / 25.4;
    return (size.width() - 2 * kMargin) / full;
}

double ReportPageView::zoomToFitPage(const QSize &size) const
{
    if (!m_model)
        return 1.0;
    const QSizeF mm = m_model->pageSizeMm();
    const double w = (size.width() - 2 * kMargin) / (mm.width() * logicalDpiX() / 25.4);
    const double h = (size.height() - 2 * kMargin) / (mm.height() * logicalDpiY() / 25.4);
    return qMin(w, h);
}

QSize ReportPageView::sizeHint() const
{
    const QSizeF page = pageSizePixels();
    return QSize(qCeil(page.width()) + 2 * kMargin, qCeil(page.height()) + 2 * kMargin);
}

void ReportPageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    if (!m_model || m_model->pages.isEmpty())
        return;
    const QSizeF page = pageSizePixels();
    const QRectF sheet(qMax(double(kMargin), (width() - page.width()) / 2),
                       qMax(double(kMargin), (height() - page.height()) / 2), page.width(),
                       page.height());
    painter.fillRect(sheet.translated(3, 3), QColor(80, 80, 80));
    painter.fillRect(sheet, Qt::white);
    painter.translate(sheet.topLeft());
    painter.setClipRect(QRectF(QPointF(0, 0), page));
    PagePainter(painter, pixelsPerMm()).paint(m_model->pages.at(m_page));
}
