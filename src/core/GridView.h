#pragma once

#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>

class GridModel;

// The table view under a Grid. It owns the cursor and the editing cycle so that the cell
// events come in a fixed order whatever moved the cursor (keys, mouse, code):
//   edit end (with the changed flag) -> leave cell (may cancel) -> cell entered.
// A handler of any of these may set texts, start editing or place the cursor itself; when
// it places the cursor, that placement wins over the move in progress.
// Signals carry 1-based columns and rows; everything else here is 0-based.
class GridView : public QTableView
{
    Q_OBJECT
public:
    explicit GridView(GridModel *model, QWidget *parent = nullptr);

    GridModel *gridModel() const { return m_model; }

    // Moves the cursor with the events above. True when the cursor ends up on the target.
    bool moveTo(int row, int col);
    // Places the cursor without any event (after a refill).
    void placeCursor(int row, int col);

    bool isEditing() const { return !m_editor.isNull(); }
    bool isEditing(int row, int col) const;
    QModelIndex editIndex() const { return m_editor ? QModelIndex(m_editIndex) : QModelIndex(); }
    QString editorText() const;
    void setEditorText(const QString &text);
    // Opens the editor on the active cell; `replace` is the text to start from instead of
    // the cell's (the typed character), null to keep the cell's text.
    bool startEdit(const QString *replace = nullptr);
    // Closes the editor, storing what was typed (commit) or dropping it; fires editEnded.
    void endEdit(bool commit);
    // Closes the editor without storing and without any event (refill, row delete).
    void dropEdit();

    // True while an edit started by the input method waits for its first syllable to be
    // finished: the editor then takes its input through the view (see inputMethodEvent).
    bool holdsFocusForInput() const { return m_holdFocus; }

    // Called by the delegate for the editor's events.
    bool editorKeyPress(QKeyEvent *event);
    void editorFocusOut(QWidget *editor, QFocusEvent *event);
    // Keys the grid takes before window shortcuts see them.
    static bool claimsKey(const QKeyEvent *event, bool editing);

signals:
    void cellClicked(int col, int row);
    void cellEntered(int col, int row);
    void cellDoubleClicked(int col, int row);
    void leaveCell(int col, int row, int newCol, int newRow, bool *cancel);
    void editStarted(int col, int row);
    void editEnded(int col, int row, bool changed);
    void keyDown(int key, Qt::KeyboardModifiers modifiers, bool *consumed);
    void keyPress(QChar ch, bool *consumed);
    void gotFocus();
    void textChanged(int col, int row);
    void checkClicked(int col, int row);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    void commitData(QWidget *editor) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    bool processKey(QKeyEvent *event);
    bool navigate(int key, Qt::KeyboardModifiers modifiers);
    void toggleCheck(const QModelIndex &index);
    void focusChanged(QWidget *old, QWidget *now);
    bool owns(const QWidget *widget) const;
    void handFocusToEditor();

    GridModel *m_model;
    QPointer<QLineEdit> m_editor;
    QPersistentModelIndex m_editIndex;
    QString m_editStart;
    quint64 m_moveSerial = 0;
    int m_leaving = 0;
    bool m_editAfterMove = false;
    bool m_starting = false;
    bool m_openingEditor = false;
    bool m_closingEditor = false;
    bool m_holdFocus = false;
};
