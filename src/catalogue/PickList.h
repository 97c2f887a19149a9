#pragma once

#include <functional>
#include <initializer_list>

class Grid;
class QDialog;
class QPushButton;
class QWidget;

// How every pick-list chooses: Enter or a double click in the list, or the OK button, picks
// the active row; the close button closes the window without a choice.
void ConnectPicking(QDialog *dialog, Grid *grid, QPushButton *ok, QPushButton *close,
                    const std::function<void(int row)> &pick);

// The pick-lists that also keep their list: Enter or a double click picks the active row,
// F2 or the new button adds, F3 or the change button changes, the close button closes.
void ConnectEditablePicking(QDialog *dialog, Grid *grid, QPushButton *add, QPushButton *change,
                            QPushButton *close, const std::function<void(int row)> &pick,
                            const std::function<void()> &onAdd,
                            const std::function<void()> &onChange);

// The layout of the plain pick-lists: the list over a row of buttons at the right, in that
// tab order.
void LayOutPickList(QDialog *dialog, QWidget *list, std::initializer_list<QPushButton *> buttons);
