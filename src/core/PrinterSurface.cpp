#include "PrinterSurface.h"

#include "FontMap.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>

PrinterSurface::PrinterSurface(QPagedPaintDevice *device)
    : m_device(device)
{
}

PrinterSurface::~PrinterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

bool PrinterSurface::ensureBegun()
{
    if (m_painter.isActive())
        return true;
    if (!m_painter.begin(m_device)) {
        m_error = true;
        return false;
    }
    fontChanged();
    return true;
}

double PrinterSurface::toDeviceX(double twips) const
{
    return twips / kTwipsPerInch * m_device->logicalDpiX();
}

double PrinterSurface::toDeviceY(double twips) const
{
    return twips / kTwipsPerInch * m_device->logicalDpiY();
}

void PrinterSurface::fontChanged()
{
    if (!m_painter.isActive())
        return;
    QFont f = FontMap::font(fontFamily(), fontSize(), bold());
    m_painter.setFont(QFont(f, m_device));
}

void PrinterSurface::drawText(double x, double y, const QString &text)
{
    if (!ensureBegun())
        return;
    m_painter.setPen(color());
    fontChanged();
    // The position is the top of the text line, as on the original printer.
    const QFontMetricsF metrics(m_painter.font(), m_device);
    m_painter.drawText(QPointF(toDeviceX(x), toDeviceY(y) + metrics.ascent()), text);
}

void PrinterSurface::newPage()
{
    if (ensureBegun())
        m_device->newPage();
}

void PrinterSurface::endDoc()
{
    if (m_painter.isActive())
        m_painter.end();
}

double PrinterSurface::charWidth() const
{
    if (FontMap::isFixedWidth(fontFamily()))
        return PrintSurface::charWidth();
    const QFontMetricsF metrics(FontMap::font(fontFamily(), fontSize(), bold()), m_device);
    return metrics.horizontalAdvance(QLatin1Char('0')) / m_device->logicalDpiX() * kTwipsPerInch;
}

double PrinterSurface::lineHeight() const
{
    const QFontMetricsF metrics(FontMap::font(fontFamily(), fontSize(), bold()), m_device);
    return metrics.height() / m_device->logicalDpiY() * kTwipsPerInch;
}
