#include "PagePainter.h"

#include "PageModel.h"
#include "ReportMeasure.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

PagePainter::PagePainter(QPainter &painter, double pixelsPerMm)
    : m_painter(painter)
    , m_scale(pixelsPerMm)
{ }

QFont PagePainter::deviceFont(const ReportFontSpec &spec)
{
    const QString key = spec.key();
    auto it = m_fonts.constFind(key);
    if (it != m_fonts.constEnd())
        return *it;
    // The size in device pixels the millimetre scale asks for, given as points of the device.
    const double pixels = spec.size * 25.4 / 72.0 * m_scale;
    const int dpi = m_painter.device() ? m_painter.device()->logicalDpiY() : 96;
    QFont f = ReportMeasure::font(spec, pixels * 72.0 / dpi);
    m_fonts.insert(key, f);
    return f;
}

// Word by word: the blank glyph of the Korean fonts carries no text in a PDF, so a text
// drawn in one piece would copy and search without its blanks; separate words are read
// with the blanks between them.
void PagePainter::drawWords(const QFontMetricsF &metrics, QPointF at, const QString &text)
{
    if (!text.contains(QLatin1Char(' '))) {
        m_painter.drawText(at, text);
        return;
    }
    qsizetype start = 0;
    while (start < text.size()) {
        while (start < text.size() && text.at(start) == QLatin1Char(' '))
            ++start;
        if (start >= text.size())
            break;
        qsizetype end = text.indexOf(QLatin1Char(' '), start);
        if (end < 0)
            end = text.size();
        const double offset = metrics.horizontalAdvance(text.left(start));
        m_painter.drawText(QPointF(at.x() + offset, at.y()), text.mid(start, end - start));
        start = end;
    }
}

void PagePainter::paint(const ReportPage &page)
{
    const double s = m_scale;
    const auto scaled = [s](const QRectF &r) {
        return QRectF(r.x() * s, r.y() * s, r.width() * s, r.height() * s);
    };
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    for (const PageItem &item : page.items) {
        switch (item.kind) {
        case PageItem::Box: {
            const QRectF r = scaled(item.rect);
            if (item.fill.isValid())
                m_painter.fillRect(r, item.fill);
            if (item.lineWidth > 0) {
                QPen pen(item.color, item.lineWidth * s);
                pen.setJoinStyle(Qt::MiterJoin);
                m_painter.setPen(pen);
                m_painter.setBrush(Qt::NoBrush);
                m_painter.drawRect(r);
            }
            break;
        }
        case PageItem::Line: {
            if (item.lineWidth <= 0)
                break;
            QPen pen(item.color, item.lineWidth * s);
            pen.setCapStyle(Qt::FlatCap);
            m_painter.setPen(pen);
            m_painter.drawLine(QLineF(item.line.p1() * s, item.line.p2() * s));
            break;
        }
        case PageItem::Text: {
            const QFont font = deviceFont(item.font);
            m_painter.setFont(font);
            m_painter.setPen(item.color);
            const QFontMetricsF metrics(font, m_painter.device());
            const QRectF r = scaled(item.rect);
            const double width = metrics.horizontalAdvance(item.text);
            double x = r.left();
            if (item.align & Qt::AlignRight)
                x = r.right() - width;
            else if (item.align & Qt::AlignHCenter)
                x = r.left() + (r.width() - width) / 2;
            double baseline;
            const double textHeight = metrics.ascent() + metrics.descent();
            if (item.align & Qt::AlignTop)
                baseline = r.top() + metrics.ascent();
            else if (item.align & Qt::AlignBottom)
                baseline = r.bottom() - metrics.descent();
            else
                baseline = r.top() + (r.height() - textHeight) / 2 + metrics.ascent();
            // The layout measured the text to fit; a device whose glyphs come out wider
            // still must not write into the next column.
            const bool clip = width > r.width() + 0.5;
            if (clip) {
                m_painter.save();
                m_painter.setClipRect(r.adjusted(0, -r.height(), 0, r.height()));
            }
            drawWords(metrics, QPointF(x, baseline), item.text);
            if (clip)
                m_painter.restore();
            break;
        }
        }
    }
    m_painter.restore();
}
