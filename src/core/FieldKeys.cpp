#include "FieldKeys.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

void EnterToTab(QWidget *field, int key)
{
    if (!field)
        return;
    const bool forward = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down;
    const bool back = key == Qt::Key_Up;
    if (!forward && !back)
        return;
    // A Tab key press lets the field's window walk its own focus chain.
    QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                  forward ? Qt::NoModifier : Qt::ShiftModifier);
    QCoreApplication::sendEvent(field, &tab);
}

void SelectAllText(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(field))
        spin->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

FieldKeys::FieldKeys(QObject *parent, Behaviour behaviour)
    : QObject(parent)
    , m_behaviour(behaviour)
{
}

void FieldKeys::install(QWidget *field, Behaviour behaviour)
{
    field->installEventFilter(new FieldKeys(field, behaviour));
}

bool FieldKeys::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QWidget *>(watched);
    if (!field)
        return false;
    if ((m_behaviour & MoveOnEnter) && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Down:
        case Qt::Key_Up:
            // An open drop-down list keeps its arrow keys.
            if (auto *combo = qobject_cast<QComboBox *>(field);
                combo && combo->view() && combo->view()->isVisible()) {
                return false;
            }
            EnterToTab(field, key->key());
            return true;
        default:
            break;
        }
    }
    if ((m_behaviour & SelectOnFocus) && event->type() == QEvent::FocusIn) {
        // After the focus change is complete, or a mouse click would undo the selection.
        QTimer::singleShot(0, field, [field] { SelectAllText(field); });
    }
    return false;
}
