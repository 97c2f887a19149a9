#pragma once

#include "CodeStore.h"

#include <QList>
#include <QWidget>

class Grid;
class QPushButton;
struct AppContext;

// frm기타자료 ("기초자료등록"): the eight reference-code lists, one at a time in a grid
// edited in place. The header of the name column shows the category being edited; every
// change is stored at once; F4 deletes the active row's code.
class FrmCodes : public QWidget
{
    Q_OBJECT
public:
    enum Column { Name = 1, Category, Id };

    explicit FrmCodes(AppContext &context, QWidget *parent = nullptr);

    Grid *grid() const { return m_grid; }
    QString category() const;

    // 데이타연결: shows one category (any other text leaves the grid as it is).
    void showCategory(const QString &category);
    // 데이타삭제: deletes the active row's code after the question.
    void deleteActiveRow();

private:
    void onEditStarted(int col, int row);
    void onEditEnded(int col, int row, bool changed);
    void onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool *consumed);

    AppContext &m_context;
    CodeStore m_store;
    Grid *m_grid;
    QList<QPushButton *> m_buttons;
    QPushButton *m_close;
    QString m_editCategory; // category and id remembered when an edit starts
    QString m_editId;
    bool m_open = false;
};
