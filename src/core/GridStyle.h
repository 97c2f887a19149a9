#pragma once

#include <QColor>
#include <QFont>

class QTableView;

// The one look every grid of the program shares: white cells, black text, rows alternating
// white and light grey, the active cell in pale yellow. Screens mark rows with the colours
// below so that the same meaning always has the same colour.
class GridStyle
{
public:
    static QColor cell() { return Qt::white; }
    static QColor alternate() { return QColor(245, 245, 245); }
    static QColor selection() { return QColor(254, 254, 186); }
    static QColor text() { return Qt::black; }
    static QColor border() { return QColor(192, 192, 192); }

    // Row markings.
    static QColor green() { return QColor(192, 255, 192); } // payments, first level
    static QColor red() { return QColor(255, 192, 192); } // waiting for a delete question
    static QColor yellow() { return QColor(255, 255, 192); } // second level, totals
    static QColor peach() { return QColor(255, 224, 192); } // third level
    static QColor blue() { return QColor(192, 192, 255); } // fourth level

    static QFont font();
    // Default heights in points, as the shop's screens were laid out.
    static constexpr double headerHeight = 17.5;
    static constexpr double rowHeight = 12.95;

    // Palette, font, header and selection settings of a grid view.
    static void apply(QTableView *view);
};
