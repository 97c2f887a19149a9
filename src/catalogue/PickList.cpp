#include "PickList.h"

#include "Grid.h"

#include <QBoxLayout>
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

void ConnectEditablePicking(QDialog *dialog, Grid *grid, QPushButton *add, QPushButton *change,
                            QPushButton *close, const std::function<void(int row)> &pick,
                            const std::function<void()> &onAdd,
                            const std::function<void()> &onChange)
{
    QObject::connect(grid, &Grid::keyDown, dialog,
                     [grid, pick, onAdd, onChange](int key, Qt::KeyboardModifiers, bool *consumed) {
                         switch (key) {
                         case Qt::Key_Return:
                             *consumed = true;
                             pick(grid->activeRow());
                             break;
                         case Qt::Key_F2:
                             *consumed = true;
                             onAdd();
                             break;
                         case Qt::Key_F3:
                             *consumed = true;
                             onChange();
                             break;
                         default:
                             break;
                         }
                     });
    QObject::connect(grid, &Grid::doubleClicked, dialog, [pick](int, int row) { pick(row); });
    QObject::connect(add, &QPushButton::clicked, dialog, onAdd);
    QObject::connect(change, &QPushButton::clicked, dialog, onChange);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
}

void LayOutPickList(QDialog *dialog, QWidget *list, std::initializer_list<QPushButton *> buttons)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    QWidget *previous = list;
    for (QPushButton *button : buttons) {
        button->setAutoDefault(false);
        button->setMinimumWidth(96);
        row->addWidget(button);
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
    auto *layout = new QVBoxLayout(dialog);
    layout->addWidget(list, 1);
    layout->addLayout(row);
}
