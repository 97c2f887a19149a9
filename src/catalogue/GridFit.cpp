#include "GridFit.h"

#include "Grid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

void FitGridView(Grid *grid, int visibleRows, int rowDigits)
{
    QTableView *view = grid->view();
    const QHeaderView *rows = view->verticalHeader();
    const int frame = 2 * view->frameWidth();
    int width = frame + view->verticalScrollBar()->sizeHint().width();
    if (!rows->isHidden()) {
        // The row numbers grow with long lists; room for them keeps the columns whole.
        width += qMax(rows->sizeHint().width(),
                      rows->fontMetrics().horizontalAdvance(QString(rowDigits, QLatin1Char('0')))
                              + 12);
    }
    for (int c = 1; c <= grid->maxCols(); ++c) {
        if (!grid->isColumnHidden(c))
            width += view->columnWidth(c - 1);
    }
    const int height = frame + view->horizontalHeader()->sizeHint().height()
            + visibleRows * rows->defaultSectionSize();
    view->setMinimumSize(width, height);
    // Room the row numbers leave over goes to the last column rather than showing as a gap.
    view->horizontalHeader()->setStretchLastSection(true);
}
