#pragma once

#include "GridLayer.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QStringList>

enum class GridCellType { Text, Number, Check };

// How one column shows and accepts its cells.
struct GridColumn
{
    QString header;
    GridCellType type = GridCellType::Text;
    int maxLength = 0; // typed characters of a text cell, 0 = no limit
    int maxDigits = 14; // number cells: digits before the point
    int decimals = 0; // number cells: digits after the point
    bool negative = true;
    Qt::Alignment alignment; // empty: by cell type
};

// The cells of a grid: text stored row by row (a never-written cell costs nothing), and
// lock, colour and border settings stored sparsely. Rows and columns are 0-based here;
// the Grid adapter offers the 1-based operations screens use.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Role { BorderRole = Qt::UserRole + 1, LockedRole, CellTypeRole };

    explicit GridModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void resize(int rows, int cols);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);
    // Rows from firstRow on receive the lists (item i to column i); every other cell's text
    // is emptied. The grid grows when the lists do not fit. One reset, not one signal a cell.
    void setAllText(QList<QStringList> rows);
    // Texts of one row from column firstCol on, with one change signal.
    void setRowText(int row, int firstCol, const QStringList &texts);
    void clearText(const GridBlock &block);
    // Removes the text and settings of `row`; the rows below move up, the last row is empty.
    void removeRowShift(int row);
    // Index of the last row holding any text, -1 when none does.
    int lastDataRow() const;

    void setLocked(const GridBlock &block, bool locked);
    bool isLocked(int row, int col) const;
    // An invalid colour, or white, removes the marking (the row's own colour shows again).
    void setBackground(const GridBlock &block, const QColor &color);
    QColor background(int row, int col) const;
    void setBorder(const GridBlock &block, Qt::Edges edges);
    Qt::Edges border(int row, int col) const;

    const GridColumn &column(int col) const;
    void setColumn(int col, const GridColumn &column);
    bool isEditable(int row, int col) const;

    // What a typed number cell stores: no separators or '+', whole numbers without leading
    // zeros. Text cells are stored as typed.
    QString normalised(int col, const QString &typed) const;
    // A number cell's text with thousands separators; other text unchanged.
    QString shown(int col, const QString &text) const;

private:
    GridBlock normalise(GridBlock block) const;
    void emitBlockChanged(const GridBlock &block, const QList<int> &roles);

    int m_rowCount = 0;
    int m_colCount = 0;
    QList<QStringList> m_text;
    QList<GridColumn> m_columns;
    GridLayer<bool> m_locks;
    GridLayer<QRgb> m_colors; // 0 = no marking
    GridLayer<int> m_borders;
};
