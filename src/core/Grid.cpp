#include "Grid.h"

#include "Cursor.h"
#include "GridStyle.h"
#include "GridView.h"
#include "TextUtil.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QHeaderView>

namespace {
// 1-based to 0-based, keeping -1 (all). Row 0 (the header) is no block row.
int toIndex(int value)
{
    return value < 0 ? -1 : qMax(0, value - 1);
}

// One character of the grid's width unit, a little wider than a digit so that a date of ten
// characters fits the 8.75 units the screens give it.
constexpr double CharUnitFactor = 1.15;
constexpr int CellPadding = 6;
constexpr const char *OwnerProperty = "torvikGrid";
} // namespace

Grid::Grid(QWidget *parent, const QString &name, int cols, int rows)
    : QObject(parent)
    , m_model(new GridModel(this))
    , m_view(new GridView(m_model, parent))
{
    m_view->setProperty(OwnerProperty, QVariant::fromValue(static_cast<QObject *>(this)));
    setObjectName(name);
    m_view->setObjectName(name);
    m_model->resize(rows, cols);
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->horizontalHeader()->setMinimumSectionSize(1);
    setRowHeight(-1, GridStyle::rowHeight);
    setRowHeight(0, GridStyle::headerHeight);

    connect(m_view, &GridView::cellClicked, this, &Grid::cellClicked);
    connect(m_view, &GridView::cellEntered, this, &Grid::cellEntered);
    connect(m_view, &GridView::cellDoubleClicked, this, &Grid::doubleClicked);
    connect(m_view, &GridView::leaveCell, this, &Grid::leaveCell);
    connect(m_view, &GridView::editStarted, this, &Grid::editStarted);
    connect(m_view, &GridView::editEnded, this, &Grid::editEnded);
    connect(m_view, &GridView::keyDown, this, &Grid::keyDown);
    connect(m_view, &GridView::keyPress, this, &Grid::keyPress);
    connect(m_view, &GridView::gotFocus, this, &Grid::gotFocus);
    connect(m_view, &GridView::textChanged, this, &Grid::textChanged);
    connect(m_view, &GridView::checkClicked, this, &Grid::checkClicked);

    keepCursor(1, 1);
}

Grid::~Grid()
{
    // The view goes with the grid, unless its window has already taken it down.
    delete m_view.data();
}

QTableView *Grid::view() const
{
    return m_view;
}

Grid *Grid::of(const QWidget *view)
{
    return view ? qobject_cast<Grid *>(view->property(OwnerProperty).value<QObject *>()) : nullptr;
}

// --- Size ----------------------------------------------------------------------------

int Grid::maxCols() const
{
    return m_model->columnCount();
}

void Grid::setMaxCols(int cols)
{
    const int col = activeCol();
    const int row = activeRow();
    if (m_view->isEditing() && m_view->editIndex().column() >= cols)
        m_view->dropEdit();
    m_model->resize(maxRows(), cols);
    for (auto it = m_widthChars.cbegin(); it != m_widthChars.cend(); ++it) {
        if (it.key() < cols)
            applyWidth(it.key());
    }
    keepCursor(col, row);
}

int Grid::maxRows() const
{
    return m_model->rowCount();
}

void Grid::setMaxRows(int rows)
{
    const int col = activeCol();
    const int row = activeRow();
    if (m_view->isEditing() && m_view->editIndex().row() >= rows)
        m_view->dropEdit();
    m_model->resize(rows, maxCols());
    keepCursor(col, row);
}

int Grid::dataRowCount() const
{
    return m_model->lastDataRow() + 1;
}

// --- Active cell -----------------------------------------------------------------------

int Grid::activeCol() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.column() + 1 : 0;
}

int Grid::activeRow() const
{
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

bool Grid::gotoCell(int col, int row)
{
    if (maxCols() < 1 || maxRows() < 1)
        return false;
    col = qBound(1, col, maxCols());
    row = qBound(1, row, maxRows());
    return m_view->moveTo(row - 1, col - 1);
}

bool Grid::editMode() const
{
    return m_view->isEditing();
}

void Grid::setEditMode(bool on)
{
    if (on)
        m_view->startEdit();
    else
        m_view->endEdit(true);
}

void Grid::setFocus()
{
    m_view->setFocus(Qt::OtherFocusReason);
}

bool Grid::hasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == m_view || m_view->isAncestorOf(focus));
}

void Grid::setEnabled(bool enabled)
{
    if (!enabled)
        m_view->endEdit(true);
    m_view->setEnabled(enabled);
}

bool Grid::isEnabled() const
{
    return m_view->isEnabled();
}

// --- Cell text ---------------------------------------------------------------------------

QString Grid::text(int col, int row) const
{
    if (row == 0) {
        const QString header = m_model->column(col - 1).header;
        return header.isNull() ? QStringLiteral("") : header;
    }
    if (m_view->isEditing(row - 1, col - 1))
        return m_view->editorText();
    return m_model->text(row - 1, col - 1);
}

void Grid::setText(int col, int row, const QString &text)
{
    if (row == 0) {
        setHeaderText(col, text);
        return;
    }
    if (m_view->isEditing(row - 1, col - 1))
        m_view->setEditorText(text);
    m_model->setText(row - 1, col - 1, text);
}

void Grid::setRowText(int row, const QStringList &texts, int firstCol)
{
    if (row < 1 || row > maxRows() || firstCol < 1)
        return;
    m_model->setRowText(row - 1, firstCol - 1, texts);
    syncEditor(block(firstCol, row, firstCol + int(texts.size()) - 1, row));
}

QString Grid::activeText() const
{
    return text(activeCol(), activeRow());
}

void Grid::setActiveText(const QString &text)
{
    if (activeRow() > 0)
        setText(activeCol(), activeRow(), text);
}

double Grid::value(int col, int row) const
{
    QString t = text(col, row);
    t.remove(QLatin1Char(','));
    bool ok = false;
    const double v = t.trimmed().toDouble(&ok);
    return ok ? v : 0.0;
}

// --- Blocks ------------------------------------------------------------------------------

GridBlock Grid::block(int col1, int row1, int col2, int row2) const
{
    GridBlock b;
    if (col1 >= 0 && col2 >= 0) {
        b.col1 = toIndex(col1);
        b.col2 = toIndex(col2);
    }
    if (row1 >= 0 && row2 >= 0) {
        b.row1 = toIndex(row1);
        b.row2 = toIndex(row2);
    }
    return b;
}

void Grid::lock(int col1, int row1, int col2, int row2, bool locked)
{
    m_model->setLocked(block(col1, row1, col2, row2), locked);
}

bool Grid::isLocked(int col, int row) const
{
    return m_model->isLocked(row - 1, col - 1);
}

void Grid::clear(int col1, int row1, int col2, int row2)
{
    const GridBlock b = block(col1, row1, col2, row2);
    m_model->clearText(b);
    syncEditor(b);
}

void Grid::setBackColor(int col1, int row1, int col2, int row2, const QColor &color)
{
    m_model->setBackground(block(col1, row1, col2, row2), color);
}

QColor Grid::backColor(int col, int row) const
{
    const QColor color = m_model->background(row - 1, col - 1);
    return color.isValid() ? color : GridStyle::cell();
}

void Grid::setBorder(int col1, int row1, int col2, int row2, bool on, Qt::Edges edges)
{
    m_model->setBorder(block(col1, row1, col2, row2), on ? edges : Qt::Edges());
}

bool Grid::hasBorder(int col, int row) const
{
    return m_model->border(row - 1, col - 1) != Qt::Edges();
}

void Grid::syncEditor(const GridBlock &b)
{
    const QModelIndex editing = m_view->editIndex();
    if (!editing.isValid())
        return;
    const bool inCols = b.col1 < 0
            || (editing.column() >= qMin(b.col1, b.col2)
                && editing.column() <= qMax(b.col1, b.col2));
    const bool inRows = b.row1 < 0
            || (editing.row() >= qMin(b.row1, b.row2) && editing.row() <= qMax(b.row1, b.row2));
    if (inCols && inRows)
        m_view->setEditorText(m_model->text(editing.row(), editing.column()));
}

// --- Rows --------------------------------------------------------------------------------

void Grid::deleteRow(int row)
{
    if (row <= 0)
        row = activeRow();
    if (row < 1 || row > maxRows())
        return;
    m_view->dropEdit();
    m_model->removeRowShift(row - 1);
}

// --- Binding -----------------------------------------------------------------------------

void Grid::setRows(const QList<QStringList> &rows)
{
    const int col = activeCol();
    const int row = activeRow();
    m_model->setAllText(rows);
    keepCursor(col, row);
}

void Grid::setDataFields(const QStringList &fields)
{
    m_fields = fields;
}

void Grid::bind(const Cursor &cursor)
{
    const int cols = maxCols();
    QList<int> source(cols, -1);
    int lastBound = -1;
    for (int c = 0; c < cols; ++c) {
        if (m_fields.isEmpty())
            source[c] = c < cursor.columns().size() ? c : -1;
        else if (c < m_fields.size() && !m_fields.at(c).isEmpty())
            source[c] = cursor.columnIndex(m_fields.at(c));
        if (source[c] >= 0)
            lastBound = c;
    }
    QList<QStringList> rows;
    rows.reserve(cursor.recordCount());
    for (const QVariantList &record : cursor.rows()) {
        QStringList row;
        row.reserve(lastBound + 1);
        for (int c = 0; c <= lastBound; ++c)
            row << (source[c] >= 0 ? NullToStr(record.value(source[c])) : QString());
        rows << row;
    }
    setRows(rows);
}

// --- Columns and look ----------------------------------------------------------------------

void Grid::setHeaderTexts(const QStringList &texts)
{
    for (int i = 0; i < texts.size() && i < maxCols(); ++i)
        setHeaderText(i + 1, texts.at(i));
}

void Grid::setHeaderText(int col, const QString &text)
{
    if (col < 1 || col > maxCols())
        return;
    GridColumn c = m_model->column(col - 1);
    c.header = text;
    m_model->setColumn(col - 1, c);
    if (m_widthChars.contains(col - 1))
        applyWidth(col - 1);
}

void Grid::setColumnWidth(int col, double chars)
{
    const int first = col < 0 ? 0 : col - 1;
    const int last = col < 0 ? maxCols() - 1 : col - 1;
    for (int c = qMax(0, first); c <= last && c < maxCols(); ++c) {
        m_widthChars.insert(c, chars);
        applyWidth(c);
    }
}

void Grid::applyWidth(int col)
{
    const double chars = m_widthChars.value(col);
    const QFontMetricsF cell(m_view->font());
    const QFontMetricsF header(m_view->horizontalHeader()->font());
    const double unit = cell.horizontalAdvance(QLatin1Char('0')) * CharUnitFactor;
    double headerWidth = 0;
    for (const QString &line : m_model->column(col).header.split(QLatin1Char('\n')))
        headerWidth = qMax(headerWidth, header.horizontalAdvance(line));
    const int width
            = qMax(qRound(chars * unit) + CellPadding, qRound(headerWidth) + 2 * CellPadding);
    m_view->setColumnWidth(col, width);
}

void Grid::setColumnHidden(int col, bool hidden)
{
    const int first = col < 0 ? 0 : col - 1;
    const int last = col < 0 ? maxCols() - 1 : col - 1;
    for (int c = qMax(0, first); c <= last && c < maxCols(); ++c)
        m_view->setColumnHidden(c, hidden);
}

bool Grid::isColumnHidden(int col) const
{
    return m_view->isColumnHidden(col - 1);
}

void Grid::updateColumn(int col, const GridColumn &column)
{
    m_model->setColumn(col, column);
}

template<typename Change>
void Grid::changeColumns(int col, Change change)
{
    const int first = col < 0 ? 0 : col - 1;
    const int last = col < 0 ? maxCols() - 1 : col - 1;
    for (int c = qMax(0, first); c <= last && c < maxCols(); ++c) {
        GridColumn column = m_model->column(c);
        change(column);
        updateColumn(c, column);
    }
}

void Grid::setColumnType(int col, GridCellType type)
{
    changeColumns(col, [type](GridColumn &column) { column.type = type; });
}

void Grid::setNumberColumn(int col, int maxDigits, int decimals, bool negative)
{
    changeColumns(col, [=](GridColumn &column) {
        column.type = GridCellType::Number;
        column.maxDigits = maxDigits;
        column.decimals = decimals;
        column.negative = negative;
    });
}

void Grid::setColumnMaxLength(int col, int length)
{
    changeColumns(col, [length](GridColumn &column) { column.maxLength = length; });
}

void Grid::setColumnAlignment(int col, Qt::Alignment alignment)
{
    changeColumns(col, [alignment](GridColumn &column) { column.alignment = alignment; });
}

void Grid::setRowHeight(int row, double points)
{
    const int px = pixels(points);
    if (row == 0)
        m_view->horizontalHeader()->setFixedHeight(px);
    else if (row < 0)
        m_view->verticalHeader()->setDefaultSectionSize(px);
    else if (row <= maxRows())
        m_view->verticalHeader()->resizeSection(row - 1, px);
}

void Grid::setRowHeadersVisible(bool visible)
{
    m_view->verticalHeader()->setVisible(visible);
}

void Grid::setGridLinesVisible(bool visible)
{
    m_view->setShowGrid(visible);
}

int Grid::pixels(double points) const
{
    return qMax(1, qRound(points * m_view->logicalDpiY() / 72.0));
}

void Grid::keepCursor(int col, int row)
{
    if (maxCols() < 1 || maxRows() < 1)
        return;
    m_view->placeCursor(qBound(1, row, maxRows()) - 1, qBound(1, col, maxCols()) - 1);
}
