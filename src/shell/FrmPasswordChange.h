#pragma once

#include "PasswordService.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
struct AppContext;

// frm입력비밀번호, "비밀번호 변경": the current password, then the new one.
class FrmPasswordChange : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPasswordChange(AppContext &context, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void save();

    PasswordService m_service;
    QLineEdit *m_current;
    QLineEdit *m_new;
    QPushButton *m_ok;
    QPushButton *m_exit;
};
