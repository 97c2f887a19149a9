#include "GridView.h"

#include "GridDelegate.h"
#include "GridModel.h"
#include "GridStyle.h"
#include "InputMode.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

GridView::GridView(GridModel *model, QWidget *parent)
    : QTableView(parent)
    , m_model(model)
{
    setModel(model);
    setItemDelegate(new GridDelegate(this));
    // Editing starts only through startEdit(), so every edit fires editStarted first.
    setEditTriggers(NoEditTriggers);
    // Tab leaves the grid for the next control, as in the shop's other fields.
    setTabKeyNavigation(false);
    GridStyle::apply(this);
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, &GridView::dropEdit);
    connect(qApp, &QApplication::focusChanged, this, &GridView::focusChanged);
}

bool GridView::moveTo(int row, int col)
{
    const QModelIndex target = model()->index(row, col);
    if (!target.isValid())
        return false;
    // Every request gets a number; a handler that places the cursor during this move makes
    // the number stale and its own placement stands.
    const quint64 serial = ++m_moveSerial;
    const QModelIndex from = currentIndex();
    if (from == target)
        return true;
    QPointer<GridView> alive(this);
    if (m_editor) {
        endEdit(true);
        // A handler that placed the cursor, or went back to editing (a value it refused),
        // decides where the cursor is.
        if (!alive || serial != m_moveSerial || m_editor)
            return false;
    }
    if (from.isValid()) {
        bool cancel = false;
        m_editAfterMove = false;
        ++m_leaving;
        emit leaveCell(from.column() + 1, from.row() + 1, col + 1, row + 1, &cancel);
        if (!alive)
            return false;
        --m_leaving;
        const bool editHere = std::exchange(m_editAfterMove, false);
        if (serial != m_moveSerial)
            return false;
        if (cancel) {
            // "Edit mode on" from a handler that refused the move means: keep editing here.
            if (editHere)
                startEdit();
            return false;
        }
        m_editAfterMove = editHere;
    }
    placeCursor(row, col);
    const bool editThere = std::exchange(m_editAfterMove, false);
    emit cellEntered(col + 1, row + 1);
    if (!alive)
        return false;
    if (editThere && serial == m_moveSerial && currentIndex() == target)
        startEdit();
    return currentIndex() == target;
}

void GridView::placeCursor(int row, int col)
{
    const QModelIndex index = model()->index(row, col);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    scrollTo(index);
}

bool GridView::isEditing(int row, int col) const
{
    return m_editor && m_editIndex.row() == row && m_editIndex.column() == col;
}

QString GridView::editorText() const
{
    return m_editor ? m_editor->text() : QStringLiteral("");
}

void GridView::setEditorText(const QString &text)
{
    if (m_editor)
        m_editor->setText(text);
}

bool GridView::startEdit(const QString *replace)
{
    if (m_editor)
        return true;
    if (m_leaving > 0) {
        // Asked from a leave-cell handler: the edit starts once the move is decided.
        m_editAfterMove = true;
        return false;
    }
    if (m_starting)
        return false;
    const QModelIndex index = currentIndex();
    if (!index.isValid() || !isEnabled() || !m_model->isEditable(index.row(), index.column()))
        return false;

    QPointer<GridView> alive(this);
    const quint64 serial = m_moveSerial;
    m_starting = true;
    emit editStarted(index.column() + 1, index.row() + 1);
    if (!alive)
        return false;
    m_starting = false;
    if (serial != m_moveSerial || currentIndex() != index || !isEnabled()
        || !m_model->isEditable(index.row(), index.column())) {
        return false;
    }

    m_editStart = m_model->text(index.row(), index.column());
    m_openingEditor = true;
    QTableView::edit(index, AllEditTriggers, nullptr);
    m_openingEditor = false;
    auto *editor = qobject_cast<QLineEdit *>(indexWidget(index));
    if (!editor)
        return false;
    m_editor = editor;
    m_editIndex = index;
    connect(editor, &QLineEdit::textEdited, this, [this, editor] {
        if (editor == m_editor && m_editIndex.isValid())
            emit textChanged(m_editIndex.column() + 1, m_editIndex.row() + 1);
    });
    SetHangulMode(editor, true);
    if (replace) {
        editor->clear();
        // Through the validator and the length limit; counts as typed (textChanged).
        if (!replace->isEmpty())
            editor->insert(*replace);
    } else {
        editor->deselect();
        editor->end(false);
    }
    return true;
}

void GridView::endEdit(bool commit)
{
    if (!m_editor)
        return;
    QLineEdit *editor = m_editor;
    const QPersistentModelIndex index = m_editIndex;
    const QString typed = editor->text();
    m_editor = nullptr;
    m_holdFocus = false;
    bool changed = false;
    if (commit && index.isValid()) {
        const QString stored = m_model->normalised(index.column(), typed);
        m_model->setText(index.row(), index.column(), stored);
        changed = stored != m_editStart;
    }
    m_closingEditor = true;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_closingEditor = false;
    if (index.isValid())
        emit editEnded(index.column() + 1, index.row() + 1, changed);
}

void GridView::dropEdit()
{
    if (!m_editor)
        return;
    QLineEdit *editor = m_editor;
    m_editor = nullptr;
    m_holdFocus = false;
    m_closingEditor = true;
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    m_closingEditor = false;
}

bool GridView::editorKeyPress(QKeyEvent *event)
{
    return processKey(event);
}

void GridView::editorFocusOut(QWidget *editor, QFocusEvent *event)
{
    if (editor != m_editor || m_closingEditor)
        return;
    // Another window (a look-up, a question) leaves the edit open; the handler that opened
    // it decides where the cursor goes afterwards.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    // Focus moving to the view itself: a click on another cell, handled by the move.
    if (owns(QApplication::focusWidget()))
        return;
    endEdit(true);
}

bool GridView::claimsKey(const QKeyEvent *event, bool editing)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    // The function keys the grids use (look-up, new, change, delete, bankbook); the others
    // stay with the window's shortcuts and menu.
    switch (event->key()) {
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_F3:
    case Qt::Key_F4:
    case Qt::Key_F12:
        return true;
    case Qt::Key_Escape:
        return editing;
    default:
        return false;
    }
}

bool GridView::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride
        && claimsKey(static_cast<QKeyEvent *>(event), isEditing())) {
        event->accept();
        return true;
    }
    return QTableView::event(event);
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    // Keys sent to the view while a cell is being edited belong to the editor.
    if (isEditing()) {
        QCoreApplication::sendEvent(m_editor, event);
        event->accept();
        return;
    }
    if (processKey(event))
        event->accept();
    else
        event->ignore();
}

bool GridView::processKey(QKeyEvent *event)
{
    QPointer<GridView> alive(this);
    const bool editing = isEditing();
    const QPointer<QLineEdit> editor = m_editor;
    const int key = event->key() == Qt::Key_Enter ? int(Qt::Key_Return) : event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // A handler that changed the editing state has done what the key is for.
    auto stateChanged = [&] {
        return editing != isEditing() || m_editor != editor;
    };

    bool consumed = false;
    emit keyDown(key, modifiers, &consumed);
    if (!alive || consumed || stateChanged())
        return true;

    const QString text = event->text();
    const bool printable = !text.isEmpty() && text.at(0).isPrint()
            && !(modifiers & (Qt::ControlModifier | Qt::AltModifier));
    if (printable) {
        bool swallowed = false;
        emit keyPress(text.at(0), &swallowed);
        if (!alive || swallowed || stateChanged())
            return true;
    }

    if (editing) {
        switch (key) {
        case Qt::Key_Return:
            endEdit(true);
            return true;
        case Qt::Key_Escape:
            endEdit(false);
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            navigate(key, modifiers);
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            endEdit(true);
            if (alive)
                focusNextPrevChild(key == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
            return true;
        default:
            return false; // the editor takes it
        }
    }

    const QModelIndex current = currentIndex();
    switch (key) {
    case Qt::Key_Return:
        // Handled by the screens through keyDown; never passed on to a dialog's default button.
        return true;
    case Qt::Key_F2:
        startEdit();
        return true;
    case Qt::Key_Space:
        if (current.isValid() && m_model->column(current.column()).type == GridCellType::Check) {
            toggleCheck(current);
            return true;
        }
        break;
    default:
        break;
    }
    if (navigate(key, modifiers))
        return true;
    if (printable) {
        // Typing over a cell replaces its text, as in a spreadsheet.
        startEdit(&text);
        return true;
    }
    return false;
}

bool GridView::navigate(int key, Qt::KeyboardModifiers modifiers)
{
    CursorAction action;
    switch (key) {
    case Qt::Key_Up:
        action = MoveUp;
        break;
    case Qt::Key_Down:
        action = MoveDown;
        break;
    case Qt::Key_Left:
        action = MoveLeft;
        break;
    case Qt::Key_Right:
        action = MoveRight;
        break;
    case Qt::Key_PageUp:
        action = MovePageUp;
        break;
    case Qt::Key_PageDown:
        action = MovePageDown;
        break;
    case Qt::Key_Home:
        action = MoveHome;
        break;
    case Qt::Key_End:
        action = MoveEnd;
        break;
    default:
        return false;
    }
    const QModelIndex target = moveCursor(action, modifiers);
    if (target.isValid())
        moveTo(target.row(), target.column());
    return true;
}

// A Korean input method composes a syllable in steps (ㅈ, 저, 정) and commits it only when
// the next one begins. Moving the keyboard focus while a syllable is being composed makes
// Qt commit the unfinished part, which splits the syllable. So an edit started by the input
// method keeps the focus on the view, hands its input on to the editor, and gives the
// editor the focus only once nothing is being composed.
void GridView::inputMethodEvent(QInputMethodEvent *event)
{
    event->accept();
    if (m_editor) {
        QCoreApplication::sendEvent(m_editor, event);
        if (m_holdFocus && event->preeditString().isEmpty())
            handFocusToEditor();
        return;
    }
    if (event->commitString().isEmpty() && event->preeditString().isEmpty())
        return;
    QPointer<GridView> alive(this);
    if (!event->commitString().isEmpty()) {
        bool swallowed = false;
        emit keyPress(event->commitString().at(0), &swallowed);
        if (!alive || swallowed)
            return;
    }
    const QString empty;
    m_holdFocus = true;
    const bool started = startEdit(&empty);
    if (!alive)
        return;
    if (!started || !m_editor) {
        m_holdFocus = false;
        return;
    }
    QCoreApplication::sendEvent(m_editor, event);
    if (event->preeditString().isEmpty())
        handFocusToEditor();
}

QVariant GridView::inputMethodQuery(Qt::InputMethodQuery query) const
{
    if (!m_editor || !m_holdFocus)
        return QTableView::inputMethodQuery(query);
    // The input method places its window by the editor's cursor.
    const QVariant value = m_editor->inputMethodQuery(query);
    if (query == Qt::ImCursorRectangle || query == Qt::ImAnchorRectangle)
        return QRectF(value.toRectF().translated(m_editor->mapTo(this, QPoint(0, 0))));
    return value;
}

void GridView::handFocusToEditor()
{
    m_holdFocus = false;
    if (!m_editor)
        return;
    m_editor->setFocusProxy(nullptr);
    if (hasFocus())
        m_editor->setFocus(Qt::OtherFocusReason);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        endEdit(true);
        return;
    }
    QPointer<GridView> alive(this);
    if (!moveTo(index.row(), index.column()) || !alive)
        return;
    if (event->button() != Qt::LeftButton)
        return;
    emit cellClicked(index.column() + 1, index.row() + 1);
    if (alive && currentIndex() == index)
        toggleCheck(index);
}

void GridView::mouseMoveEvent(QMouseEvent *event)
{
    // Dragging does not select blocks or move the cursor.
    if (event->buttons() != Qt::NoButton) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void GridView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || event->button() != Qt::LeftButton)
        return;
    QPointer<GridView> alive(this);
    if (currentIndex() != index && !moveTo(index.row(), index.column()))
        return;
    if (!alive)
        return;
    emit cellDoubleClicked(index.column() + 1, index.row() + 1);
    if (!alive || currentIndex() != index)
        return;
    if (m_model->column(index.column()).type == GridCellType::Check)
        toggleCheck(index); // the second click of the pair counts as a click
    else if (!isEditing())
        startEdit();
}

void GridView::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (m_editor && !m_closingEditor && !m_holdFocus)
        m_editor->setFocus(event->reason());
}

bool GridView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Qt's own edit triggers are off; editors open only from startEdit().
    if (!m_openingEditor)
        return false;
    return QTableView::edit(index, trigger, event);
}

void GridView::commitData(QWidget *editor)
{
    if (editor == m_editor)
        return; // stored by endEdit()
    QTableView::commitData(editor);
}

void GridView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint)
{
    if (editor == m_editor && !m_closingEditor) {
        endEdit(hint != QAbstractItemDelegate::RevertModelCache);
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void GridView::toggleCheck(const QModelIndex &index)
{
    const int row = index.row();
    const int col = index.column();
    if (m_model->column(col).type != GridCellType::Check || m_model->isLocked(row, col)
        || !isEnabled()) {
        return;
    }
    const bool on = m_model->text(row, col) == QLatin1String("1");
    m_model->setText(row, col, on ? QStringLiteral("0") : QStringLiteral("1"));
    QPointer<GridView> alive(this);
    emit checkClicked(col + 1, row + 1);
    if (alive)
        emit textChanged(col + 1, row + 1);
}

void GridView::focusChanged(QWidget *old, QWidget *now)
{
    if (!owns(now) || owns(old))
        return;
    SetHangulMode(this, true);
    if (m_editor)
        SetHangulMode(m_editor, true);
    emit gotFocus();
}

bool GridView::owns(const QWidget *widget) const
{
    return widget && (widget == this || isAncestorOf(widget));
}
