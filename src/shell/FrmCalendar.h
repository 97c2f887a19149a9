#pragma once

#include <QDate>
#include <QDialog>

class QComboBox;
class QPushButton;
class QTableWidget;
struct AppContext;

// frm달력, "달력": picks the working date. The year and month lists choose the month, the
// grid shows its days, cmdok takes the active day as WorkDate.
class FrmCalendar : public QDialog
{
    Q_OBJECT
public:
    // today: the date the lists and the active cell start from.
    explicit FrmCalendar(AppContext &context, const QDate &today = QDate::currentDate(),
                         QWidget *parent = nullptr);

    int year() const;
    int month() const;
    // Shows another month, as choosing it in the lists does.
    void showMonth(int year, int month);
    // The text of a cell, "" when no day falls there; row and column from 0.
    QString cellText(int row, int column) const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fillGrid();
    void listsChanged();
    void cellClicked(int row, int column);
    void takeDate();

    AppContext &m_context;
    QDate m_today;
    QComboBox *m_years;
    QComboBox *m_months;
    QTableWidget *m_grid;
    QPushButton *m_ok;
    bool m_filling = false;
};
