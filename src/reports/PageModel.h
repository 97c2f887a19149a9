#pragma once

#include "ReportFontSpec.h"

#include <QColor>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>

// A laid-out report: per page, positioned texts, lines and boxes in millimetres from the
// page's top-left corner, in painting order. Texts are single lines that already fit their
// box; preview, printer and PDF all paint this same model.
struct PageItem
{
    enum Kind { Text, Line, Box };
    Kind kind = Text;
    QRectF rect; // text: the line's box; box: the box
    QLineF line;
    QString text;
    ReportFontSpec font;
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    QColor fill; // box: invalid for none
    double lineWidth = 0; // line and box border; 0 for none
};

struct ReportPage
{
    QList<PageItem> items;
};

class PageModel
{
public:
    QString title;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QList<ReportPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
    // Page size in millimetres as printed (landscape already turned).
    QSizeF pageSizeMm() const;
    QPageLayout pageLayout() const;
    // The texts of a page in painting order, for tests and searches.
    QStringList texts(int page) const;
};
