#pragma once

#include "GridModel.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QStringList>

class Cursor;
class GridView;
class QTableView;
class QWidget;

// The spreadsheet grid every list and entry table of the program uses.
//
// Addressing: columns and rows count from 1. Row 0 is the header row (text(c, 0) and
// setText(c, 0, …) read and write the column header). In block operations -1 means all
// columns or all rows: lock(5, -1, 5, -1) locks column 5 in every row, including rows
// added later. Blocks may be given in either corner order; parts beyond the grid are
// ignored.
//
// Text: every cell holds text; a cell never written reads "" (never a null string). Number
// cells keep the plain number ("30000", "-5") and show it right-aligned with thousands
// separators; check-box cells hold "1" (ticked) or "0"/"" (not ticked).
//
// Cursor and events (signals, all 1-based):
//   - gotoCell() and the user's keys and clicks move the active cell the same way: first
//     an open edit ends (editEnded), then leaveCell(col, row, newCol, newRow, &cancel),
//     where setting *cancel keeps the cursor where it is, then cellEntered(newCol, newRow).
//     A handler may call setText(), gotoCell() or setEditMode() from inside any signal;
//     when it places the cursor itself, its placement wins over the move in progress, and
//     setEditMode(true) inside editEnded keeps the cursor in the cell being edited.
//     setEditMode(true) inside leaveCell starts editing the cell entered (or, when the
//     handler cancelled, the cell it stayed on).
//   - editStarted(col, row) comes before the editor opens (text() still gives the old
//     text, so a handler can remember it); editEnded(col, row, changed) after the typed
//     text is stored, so a handler can put the old text back with setText().
//   - keyDown(key, modifiers, &consumed) comes first for every key, with the editor still
//     open when editing: F1–F12, Qt::Key_Return (the keypad Enter arrives as Return too),
//     Delete, Escape… Setting *consumed stops the grid's own handling. When the handler
//     moves the cursor or starts/ends editing, the key counts as handled too. Unconsumed,
//     Enter ends an open edit (storing it) and otherwise does nothing; Escape drops an open
//     edit; F2 starts editing; arrows and Page keys move; Tab leaves the grid. F1–F4 and
//     F12 come here even when the window has shortcuts on them; other keys the grid does
//     not use go on to the window.
//   - keyPress(ch, &swallowed) for a typed character (also the first character of a
//     Hangul syllable committed by the input method); unswallowed on an editable cell that
//     is not being edited, it starts editing with that character in place of the old text.
//   - cellClicked(col, row) after a click has moved the cursor there; doubleClicked(col,
//     row) for a double click (afterwards an editable cell starts editing).
//   - checkClicked(col, row) when a click or the space bar toggled a check-box cell.
//   - textChanged(col, row) while the user types in a cell and when a check box toggles;
//     setText() does not fire it.
//   - gotFocus() when the focus comes into the grid from outside; the keyboard has
//     already been switched to Hangul input (SetHangulMode) by then.
//   Signals with a bool * are answered inside the handler: connect them directly (the
//   default between objects of the one GUI thread), never queued.
// Locked cells and check-box cells never open an editor; the cursor can still rest on them.
// While a cell is being edited, text() of that cell gives what is typed so far and
// setText() on it replaces the editor's text as well. An open edit stays open while
// another window (a look-up, a question) has the focus, and is stored (editEnded) when the
// focus moves to another control of the same window. Refills (setRows, bind) and
// deleteRow() drop an open edit without events. Delete, unconsumed, changes nothing: a
// cell is never emptied behind the screen's back.
//
// Look: GridStyle (white cells, rows alternating white and light grey, the active cell in
// pale yellow, black text); marking colours in GridStyle (green, red, yellow, peach, blue).
// Screens place view() in their layouts and otherwise use only this class.
class Grid : public QObject
{
    Q_OBJECT
public:
    // The grid and its view are children of `parent` (the view is deleted with the grid).
    // `name` becomes the objectName of both: findChild<Grid *>("vs3") finds the grid,
    // findChild<QTableView *>("vs3") its view.
    explicit Grid(QWidget *parent, const QString &name = QString(), int cols = 1, int rows = 1);
    ~Grid() override;

    QTableView *view() const;
    // The Grid of a view made by this class, nullptr for any other widget.
    static Grid *of(const QWidget *view);

    // --- Size ------------------------------------------------------------------------
    int maxCols() const;
    void setMaxCols(int cols);
    int maxRows() const;
    void setMaxRows(int rows);
    // The last row that holds any text (0 when none does).
    int dataRowCount() const;

    // --- Active cell -----------------------------------------------------------------
    int activeCol() const; // 0 when the grid has no cells
    int activeRow() const;
    // Makes (col, row) active; beyond the grid it is clamped to the last column or row,
    // below 1 to the first. Fires the events above; true when the cursor got there.
    bool gotoCell(int col, int row);
    bool editMode() const;
    // On: opens the editor on the active cell (text kept, cursor at its end), if it is not
    // locked. Off: ends an open edit, storing it (editEnded fires).
    void setEditMode(bool on);
    void setFocus();
    bool hasFocus() const;
    void setEnabled(bool enabled); // disabling ends an open edit first
    bool isEnabled() const;

    // --- Cell text -------------------------------------------------------------------
    QString text(int col, int row) const;
    void setText(int col, int row, const QString &text);
    // Writes texts into row `row` from column `firstCol` on (a fill row by row).
    void setRowText(int row, const QStringList &texts, int firstCol = 1);
    QString activeText() const;
    void setActiveText(const QString &text);
    // A number cell's value (separators allowed); 0 for an empty cell or text.
    double value(int col, int row) const;

    // --- Blocks (col1, row1) to (col2, row2), -1 = all ----------------------------------
    void lock(int col1, int row1, int col2, int row2, bool locked = true);
    void unlock(int col1, int row1, int col2, int row2) { lock(col1, row1, col2, row2, false); }
    bool isLocked(int col, int row) const;
    void clear(int col1, int row1, int col2, int row2);
    // White (or an invalid colour) removes the marking, so the row's own colour shows.
    void setBackColor(int col1, int row1, int col2, int row2, const QColor &color);
    QColor backColor(int col, int row) const; // white when not marked
    // Grey cell border (RGB 192, 192, 192); by default the line under the cell.
    void setBorder(int col1, int row1, int col2, int row2, bool on,
                   Qt::Edges edges = Qt::BottomEdge);
    bool hasBorder(int col, int row) const;

    // --- Rows ------------------------------------------------------------------------
    // Deletes a row (0 = the active row): every row below moves up by one with its text,
    // colours, locks and borders, and an empty row comes in at the end, so maxRows()
    // stays. The cursor stays on the same row number.
    void deleteRow(int row = 0);

    // --- Binding ---------------------------------------------------------------------
    // Fills rows 1, 2, … from the lists (item i to column i + 1) and empties every other
    // cell; the grid grows when the rows do not fit. Colours and locks stay. One refill,
    // fast for 100 000 rows.
    void setRows(const QList<QStringList> &rows);
    // Grid column i + 1 shows the result column named fields[i] (case-insensitive; "" for
    // a column that is not bound). bind() fills the grid from a result, one row per record,
    // a Null as "".
    void setDataFields(const QStringList &fields);
    QStringList dataFields() const { return m_fields; }
    void bind(const Cursor &cursor);

    // --- Columns and look --------------------------------------------------------------
    void setHeaderTexts(const QStringList &texts); // columns 1, 2, …
    void setHeaderText(int col, const QString &text);
    // Width in characters of the grid font (-1 = all columns); never narrower than the
    // column's header text.
    void setColumnWidth(int col, double chars);
    void setColumnHidden(int col, bool hidden = true);
    bool isColumnHidden(int col) const;
    void setColumnType(int col, GridCellType type);
    // A number column: at most maxDigits digits before the point, decimals after it.
    void setNumberColumn(int col, int maxDigits = 14, int decimals = 0, bool negative = true);
    // Most characters a user can type into a text cell of the column (0 = no limit).
    void setColumnMaxLength(int col, int length);
    // Overrides the alignment that follows the cell type.
    void setColumnAlignment(int col, Qt::Alignment alignment);
    // Height in points: row 0 is the header row, -1 all rows.
    void setRowHeight(int row, double points);
    void setRowHeadersVisible(bool visible);
    void setGridLinesVisible(bool visible);

signals:
    void cellClicked(int col, int row);
    void cellEntered(int col, int row);
    void doubleClicked(int col, int row);
    void leaveCell(int col, int row, int newCol, int newRow, bool *cancel);
    void editStarted(int col, int row);
    void editEnded(int col, int row, bool changed);
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *consumed);
    void keyPress(QChar ch, bool *swallowed);
    void gotFocus();
    void textChanged(int col, int row);
    void checkClicked(int col, int row);

private:
    GridBlock block(int col1, int row1, int col2, int row2) const;
    // Calls change(column) for column col (1-based) or every column for -1, and stores it.
    template<typename Change>
    void changeColumns(int col, Change change);
    void syncEditor(const GridBlock &block);
    void updateColumn(int col, const GridColumn &column);
    void applyWidth(int col);
    int pixels(double points) const;
    void keepCursor(int col, int row);

    GridModel *m_model;
    QPointer<GridView> m_view;
    QStringList m_fields;
    QHash<int, double> m_widthChars;
};
