#pragma once

#include <QFont>
#include <QHash>
#include <QPointF>

class QFontMetricsF;

class QPainter;
struct ReportPage;
struct ReportFontSpec;

// Paints one page of a PageModel. The one drawing path of the preview, the printer and the
// PDF file: only the scale (device pixels per millimetre) differs.
class PagePainter
{
public:
    // The page's top-left corner is at the painter's origin.
    PagePainter(QPainter &painter, double pixelsPerMm);

    void paint(const ReportPage &page);

private:
    QFont deviceFont(const ReportFontSpec &spec);
    void drawWords(const QFontMetricsF &metrics, QPointF at, const QString &text);

    QPainter &m_painter;
    double m_scale;
    QHash<QString, QFont> m_fonts;
};
