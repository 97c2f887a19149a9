#include "GridStyle.h"

#include "FontMap.h"

#include <QHeaderView>
#include <QPalette>
#include <QTableView>

QFont GridStyle::font()
{
    return FontMap::font(QStringLiteral("굴림"), 9);
}

void GridStyle::apply(QTableView *view)
{
    QPalette p = view->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Base, cell());
        p.setColor(group, QPalette::AlternateBase, alternate());
        p.setColor(group, QPalette::Text, text());
        p.setColor(group, QPalette::WindowText, text());
        p.setColor(group, QPalette::Highlight, selection());
        p.setColor(group, QPalette::HighlightedText, text());
    }
    view->setPalette(p);
    view->setFont(font());
    view->horizontalHeader()->setFont(font());
    view->verticalHeader()->setFont(font());
    view->setAlternatingRowColors(true);
    view->setShowGrid(true);
    view->setGridStyle(Qt::SolidLine);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setWordWrap(false);
    view->setTextElideMode(Qt::ElideNone);
    view->setCornerButtonEnabled(false);
    for (QHeaderView *header : {view->horizontalHeader(), view->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setDefaultAlignment(Qt::AlignCenter);
    }
    // Uniform row heights keep a grid of many thousand rows as fast as a short one.
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(false);
}
