#include "PrintSurface.h"

void PrintSurface::setFont(const QString &family, double pointSize, bool bold)
{
    m_family = family;
    m_size = pointSize;
    m_bold = bold;
    fontChanged();
}

void PrintSurface::setFontSize(double pointSize)
{
    m_size = pointSize;
    fontChanged();
}

void PrintSurface::setBold(bool bold)
{
    m_bold = bold;
    fontChanged();
}

void PrintSurface::setColor(const QColor &color)
{
    m_color = color;
}

void PrintSurface::setColumn(int column)
{
    m_x = (column - 1) * charWidth();
}

void PrintSurface::printText(const QString &text)
{
    if (!text.isEmpty())
        drawText(m_x, m_y, text);
    m_x = 0;
    m_y += lineHeight();
}

double PrintSurface::charWidth() const
{
    // A half-width character of a fixed-width Korean font is half the point size wide.
    return m_size / 2.0 * 20.0;
}

double PrintSurface::lineHeight() const
{
    return m_size * 20.0 * 1.2;
}

void InitPrinter(PrintSurface &surface)
{
    surface.setFont(QStringLiteral("굴림체"), 9.75, false);
    surface.setColor(Qt::black);
    surface.setX(0);
    surface.setY(0);
}

void SetPrintLine(PrintSurface &surface, int topMargin, int n)
{
    surface.setYInches((topMargin + n + 0.2) / 6.0);
}
