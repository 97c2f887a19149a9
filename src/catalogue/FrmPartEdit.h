#pragma once

#include <QDialog>
#include <QStringList>

class Grid;
class QPushButton;
struct AppContext;

// frm부품수정: the five values of a new or changed part, one grid row each (name,
// 규격, unit, selling price, purchase price). "확인(&S)" hands them back in
// Session::partEditBuffer; "닫기(&K)" (or any other way out) empties it. The opener sets the
// caption and, for a change, the values.
class FrmPartEdit : public QDialog
{
    Q_OBJECT
public:
    enum Row { Name = 1, Spec, Unit, Price, Cost };
    static constexpr int kUnitLength = 4;

    explicit FrmPartEdit(AppContext &context, QWidget *parent = nullptr);

    Grid *grid() const { return m_grid; }
    // Rows 1 to 5; prices shown with thousands separators.
    void setValues(const QStringList &values);
    QStringList values() const;

    void accept() override;
    void reject() override;

private:
    void onKeyDown(int key, Qt::KeyboardModifiers modifiers, bool *consumed);
    void onEditEnded(int col, int row, bool changed);

    AppContext &m_context;
    Grid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    QString m_editText; // the cell's text when its edit began
};
