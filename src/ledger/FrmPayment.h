#pragma once

#include <QDialog>

class Grid;
class QPushButton;
struct AppContext;

// frm입금, "입금": the payment date and amount. Opens with the working date and the suggested
// amount (the current balance); 확인 hands both back, 닫기 records nothing.
class FrmPayment : public QDialog
{
    Q_OBJECT
public:
    FrmPayment(AppContext &context, const QString &suggestion, QWidget *parent = nullptr);

    QString date() const;
    QString amount() const;
    Grid *grid() const { return m_grid; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void confirm();

    AppContext &m_context;
    QString m_suggestion;
    Grid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    bool m_prepared = false;
};
