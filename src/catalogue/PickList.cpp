#include "PickList.h"

#include "Grid.h"

#include <QDialog>
#include <QPushButton>

void ConnectPicking(QDialog *dialog, Grid *grid, QPushButton *ok, QPushButton *close,
                    const std::function<void(int row)> &pick)
{
    QObject::connect(grid, &Grid::keyDown, dialog,
                     [grid, pick](int key, Qt::KeyboardModifiers, bool *consumed) {
                         if (key == Qt::Key_Return) {
                             *consumed = true;
                             pick(grid->activeRow());
                         }
                     });
    QObject::connect(grid, &Grid::doubleClicked, dialog, [pick](int, int row) { pick(row); });
    QObject::connect(ok, &QPushButton::clicked, dialog, [grid, pick] { pick(grid->activeRow()); });
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
}
