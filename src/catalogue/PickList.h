#pragma once

#include <functional>

class Grid;
class QDialog;
class QPushButton;

// How every pick-list chooses: Enter or a double click in the list, or the OK button, picks
// the active row; the close button closes the window without a choice.
void ConnectPicking(QDialog *dialog, Grid *grid, QPushButton *ok, QPushButton *close,
                    const std::function<void(int row)> &pick);
