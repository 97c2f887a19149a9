#include "GridModel.h"

#include <QBrush>
#include <QLocale>

#include <cmath>

namespace {
const GridColumn &plainColumn()
{
    static const GridColumn column;
    return column;
}

const QLocale &numberLocale()
{
    static const QLocale locale = [] {
        QLocale l(QLocale::C);
        l.setNumberOptions(QLocale::DefaultNumberOptions); // with thousands separators
        return l;
    }();
    return locale;
}

// The normalised block, keeping "all" where the caller said all, so that a whole column
// stays one entry and also covers rows added later.
GridBlock layerBlock(const GridBlock &given, GridBlock normalised)
{
    if (given.col1 < 0 || given.col2 < 0)
        normalised.col1 = normalised.col2 = -1;
    if (given.row1 < 0 || given.row2 < 0)
        normalised.row1 = normalised.row2 = -1;
    return normalised;
}

QString stripNumber(const QString &text)
{
    QString s;
    s.reserve(text.size());
    for (const QChar ch : text) {
        if (ch != QLatin1Char(',') && !ch.isSpace())
            s += ch;
    }
    if (s.startsWith(QLatin1Char('+')))
        s.remove(0, 1);
    return s;
}
} // namespace

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_colCount;
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int r = index.row();
    const int c = index.column();
    const GridColumn &col = column(c);
    switch (role) {
    case Qt::DisplayRole:
        if (col.type == GridCellType::Check)
            return {};
        return shown(c, text(r, c));
    case Qt::EditRole:
        return text(r, c);
    case Qt::TextAlignmentRole:
        if (col.alignment)
            return int(col.alignment);
        if (col.type == GridCellType::Number)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (col.type == GridCellType::Check)
            return int(Qt::AlignCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        const QColor color = background(r, c);
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    case Qt::CheckStateRole:
        if (col.type != GridCellType::Check)
            return {};
        return text(r, c) == QLatin1String("1") ? Qt::Checked : Qt::Unchecked;
    case BorderRole:
        return int(border(r, c));
    case LockedRole:
        return isLocked(r, c);
    case CellTypeRole:
        return int(col.type);
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    setText(index.row(), index.column(), value.toString());
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (isEditable(index.row(), index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    return column(section).header;
}

void GridModel::resize(int rows, int cols)
{
    rows = qMax(0, rows);
    cols = qMax(0, cols);
    if (cols != m_colCount) {
        if (cols > m_colCount) {
            beginInsertColumns({}, m_colCount, cols - 1);
            m_colCount = cols;
            m_columns.resize(cols);
            endInsertColumns();
        } else {
            beginRemoveColumns({}, cols, m_colCount - 1);
            m_colCount = cols;
            m_columns.resize(cols);
            for (QStringList &row : m_text) {
                if (row.size() > cols)
                    row.resize(cols);
            }
            endRemoveColumns();
        }
    }
    if (rows != m_rowCount) {
        if (rows > m_rowCount) {
            beginInsertRows({}, m_rowCount, rows - 1);
            m_rowCount = rows;
            m_text.resize(rows);
            endInsertRows();
        } else {
            beginRemoveRows({}, rows, m_rowCount - 1);
            m_rowCount = rows;
            m_text.resize(rows);
            endRemoveRows();
        }
    }
    m_locks.truncate(m_rowCount, m_colCount);
    m_colors.truncate(m_rowCount, m_colCount);
    m_borders.truncate(m_rowCount, m_colCount);
}

QString GridModel::text(int row, int col) const
{
    if (row < 0 || row >= m_rowCount || col < 0 || col >= m_colCount)
        return QStringLiteral("");
    const QStringList &cells = m_text.at(row);
    if (col >= cells.size() || cells.at(col).isNull())
        return QStringLiteral("");
    return cells.at(col);
}

void GridModel::setText(int row, int col, const QString &text)
{
    if (row < 0 || row >= m_rowCount || col < 0 || col >= m_colCount)
        return;
    QStringList &cells = m_text[row];
    if (col >= cells.size()) {
        if (text.isEmpty())
            return;
        cells.resize(col + 1);
    }
    if (cells.at(col) == text)
        return;
    cells[col] = text;
    const QModelIndex i = index(row, col);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole, Qt::CheckStateRole});
}

void GridModel::setAllText(QList<QStringList> rows)
{
    beginResetModel();
    if (rows.size() > m_rowCount)
        m_rowCount = int(rows.size());
    for (QStringList &row : rows) {
        if (row.size() > m_colCount)
            row.resize(m_colCount);
    }
    rows.resize(m_rowCount);
    m_text = std::move(rows);
    m_locks.truncate(m_rowCount, m_colCount);
    m_colors.truncate(m_rowCount, m_colCount);
    m_borders.truncate(m_rowCount, m_colCount);
    endResetModel();
}

void GridModel::setRowText(int row, int firstCol, const QStringList &texts)
{
    if (row < 0 || row >= m_rowCount || firstCol < 0 || firstCol >= m_colCount || texts.isEmpty())
        return;
    const int lastCol = qMin(m_colCount - 1, firstCol + int(texts.size()) - 1);
    QStringList &cells = m_text[row];
    if (cells.size() <= lastCol)
        cells.resize(lastCol + 1);
    for (int c = firstCol; c <= lastCol; ++c)
        cells[c] = texts.at(c - firstCol);
    emit dataChanged(index(row, firstCol), index(row, lastCol),
                     {Qt::DisplayRole, Qt::EditRole, Qt::CheckStateRole});
}

void GridModel::clearText(const GridBlock &block)
{
    const GridBlock b = normalise(block);
    if (b.row2 < b.row1 || b.col2 < b.col1)
        return;
    for (int r = b.row1; r <= b.row2; ++r) {
        QStringList &cells = m_text[r];
        if (cells.isEmpty())
            continue;
        if (b.col1 == 0 && b.col2 >= cells.size() - 1) {
            cells.clear();
            continue;
        }
        for (int c = b.col1; c <= b.col2 && c < cells.size(); ++c)
            cells[c].clear();
    }
    emitBlockChanged(b, {Qt::DisplayRole, Qt::EditRole, Qt::CheckStateRole});
}

void GridModel::removeRowShift(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    m_text.removeAt(row);
    m_text.append(QStringList());
    m_locks.removeRow(row);
    m_colors.removeRow(row);
    m_borders.removeRow(row);
    // The rows keep their places in the view; only their contents change.
    emit dataChanged(index(row, 0), index(m_rowCount - 1, m_colCount - 1));
}

int GridModel::lastDataRow() const
{
    for (int r = m_rowCount - 1; r >= 0; --r) {
        for (const QString &cell : m_text.at(r)) {
            if (!cell.isEmpty())
                return r;
        }
    }
    return -1;
}

void GridModel::setLocked(const GridBlock &block, bool locked)
{
    const GridBlock n = normalise(block);
    if (n.row2 < n.row1 || n.col2 < n.col1)
        return;
    m_locks.set(layerBlock(block, n), m_rowCount, m_colCount, locked);
    emitBlockChanged(n, {LockedRole});
}

bool GridModel::isLocked(int row, int col) const
{
    return m_locks.at(row, col).value_or(false);
}

void GridModel::setBackground(const GridBlock &block, const QColor &color)
{
    const GridBlock n = normalise(block);
    if (n.row2 < n.row1 || n.col2 < n.col1)
        return;
    const QRgb value = (!color.isValid() || color == QColor(Qt::white)) ? 0 : color.rgba();
    m_colors.set(layerBlock(block, n), m_rowCount, m_colCount, value);
    emitBlockChanged(n, {Qt::BackgroundRole});
}

QColor GridModel::background(int row, int col) const
{
    const QRgb value = m_colors.at(row, col).value_or(0);
    return value ? QColor::fromRgba(value) : QColor();
}

void GridModel::setBorder(const GridBlock &block, Qt::Edges edges)
{
    const GridBlock n = normalise(block);
    if (n.row2 < n.row1 || n.col2 < n.col1)
        return;
    m_borders.set(layerBlock(block, n), m_rowCount, m_colCount, int(edges));
    emitBlockChanged(n, {BorderRole});
}

Qt::Edges GridModel::border(int row, int col) const
{
    return Qt::Edges(m_borders.at(row, col).value_or(0));
}

const GridColumn &GridModel::column(int col) const
{
    return col >= 0 && col < m_columns.size() ? m_columns.at(col) : plainColumn();
}

void GridModel::setColumn(int col, const GridColumn &column)
{
    if (col < 0 || col >= m_colCount)
        return;
    const bool headerChanged = m_columns.at(col).header != column.header;
    m_columns[col] = column;
    if (headerChanged)
        emit headerDataChanged(Qt::Horizontal, col, col);
    if (m_rowCount > 0)
        emit dataChanged(index(0, col), index(m_rowCount - 1, col));
}

bool GridModel::isEditable(int row, int col) const
{
    return column(col).type != GridCellType::Check && !isLocked(row, col);
}

QString GridModel::normalised(int col, const QString &typed) const
{
    const GridColumn &c = column(col);
    if (c.type != GridCellType::Number)
        return typed;
    const QString s = stripNumber(typed);
    if (s.isEmpty() || s == QLatin1String("-") || s == QLatin1String("."))
        return QStringLiteral("");
    bool ok = false;
    const qint64 whole = s.toLongLong(&ok);
    if (ok)
        return QString::number(whole);
    const double value = s.toDouble(&ok);
    if (!ok)
        return s;
    return c.decimals > 0 ? QString::number(value, 'f', c.decimals)
                          : QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString GridModel::shown(int col, const QString &text) const
{
    const GridColumn &c = column(col);
    if (c.type != GridCellType::Number || text.isEmpty())
        return text;
    const QString s = stripNumber(text);
    bool ok = false;
    const qint64 whole = s.toLongLong(&ok);
    if (ok && c.decimals == 0)
        return numberLocale().toString(whole);
    const double value = s.toDouble(&ok);
    if (!ok)
        return text;
    if (c.decimals > 0)
        return numberLocale().toString(value, 'f', c.decimals);
    return numberLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}

GridBlock GridModel::normalise(GridBlock b) const
{
    if (b.col1 < 0 || b.col2 < 0) {
        b.col1 = 0;
        b.col2 = m_colCount - 1;
    }
    if (b.row1 < 0 || b.row2 < 0) {
        b.row1 = 0;
        b.row2 = m_rowCount - 1;
    }
    if (b.col1 > b.col2)
        std::swap(b.col1, b.col2);
    if (b.row1 > b.row2)
        std::swap(b.row1, b.row2);
    b.col1 = qMax(0, b.col1);
    b.row1 = qMax(0, b.row1);
    b.col2 = qMin(b.col2, m_colCount - 1);
    b.row2 = qMin(b.row2, m_rowCount - 1);
    return b;
}

void GridModel::emitBlockChanged(const GridBlock &b, const QList<int> &roles)
{
    if (b.row2 < b.row1 || b.col2 < b.col1)
        return;
    emit dataChanged(index(b.row1, b.col1), index(b.row2, b.col2), roles);
}
