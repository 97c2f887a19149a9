#pragma once

#include <QColor>
#include <QString>

// Printing straight onto the printer, line by line, the way bankbook lines, covers and
// address labels are printed. Positions are in twips (1/1440 inch) from the top-left of
// the printable area. Printing a text works like a line printer: the text starts at the
// current position, then the position moves to the start of the next line.
class PrintSurface
{
public:
    static constexpr double kTwipsPerInch = 1440.0;

    virtual ~PrintSurface() = default;

    void setFont(const QString &family, double pointSize, bool bold);
    void setFontSize(double pointSize);
    void setBold(bool bold);
    void setColor(const QColor &color);
    QString fontFamily() const { return m_family; }
    double fontSize() const { return m_size; }
    bool bold() const { return m_bold; }
    QColor color() const { return m_color; }

    void setX(double twips) { m_x = twips; }
    void setY(double twips) { m_y = twips; }
    double x() const { return m_x; }
    double y() const { return m_y; }
    void setXInches(double inches) { m_x = inches * kTwipsPerInch; }
    void setYInches(double inches) { m_y = inches * kTwipsPerInch; }
    // Character column k (from 1) of the current font: k - 1 half-width characters.
    void setColumn(int column);

    void printText(const QString &text);
    virtual void newPage() = 0;
    // Ends the document: what was printed goes to the printer.
    virtual void endDoc() = 0;

    // Width of one half-width character and height of one text line, in twips.
    virtual double charWidth() const;
    virtual double lineHeight() const;

protected:
    virtual void drawText(double x, double y, const QString &text) = 0;
    virtual void fontChanged() {}

private:
    QString m_family = QStringLiteral("굴림체");
    double m_size = 9.75;
    bool m_bold = false;
    QColor m_color = Qt::black;
    double m_x = 0;
    double m_y = 0;
};

// Inches as the unit, font "굴림체" 9.75 point, black text, position at the top-left.
void InitPrinter(PrintSurface &surface);
// Vertical position of line n for six lines an inch below a top margin of topMargin lines.
void SetPrintLine(PrintSurface &surface, int topMargin, int n);
