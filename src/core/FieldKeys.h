#pragma once

#include <QObject>

class QWidget;

// Enter (or Down) moves to the next field, Up to the previous one.
void EnterToTab(QWidget *field, int key);
// Selects the whole text of a line edit, spin box or date field.
void SelectAllText(QWidget *field);

// Installs the two behaviours every entry field shares: Enter/Down/Up moving the focus and
// the whole text selected when the field gets the focus.
class FieldKeys : public QObject
{
    Q_OBJECT
public:
    enum Behaviour { MoveOnEnter = 1, SelectOnFocus = 2, Both = 3 };

    static void install(QWidget *field, Behaviour behaviour = Both);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    FieldKeys(QObject *parent, Behaviour behaviour);
    Behaviour m_behaviour;
};
