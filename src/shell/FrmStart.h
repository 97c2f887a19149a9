#pragma once

#include "LoginService.h"

#include <QDialog>
#include <QPixmap>

class QLineEdit;
struct AppContext;

// The login window (frmstart): loading it prepares the stores; Enter checks the password.
// Accepted means the login succeeded; anything else ends the program.
class FrmStart : public QDialog
{
    Q_OBJECT
public:
    explicit FrmStart(AppContext &context, QWidget *parent = nullptr);

    // Runs the loading steps; the window stays up even when one fails.
    void load();
    QLineEdit *passwordBox() const { return m_password; }
    const LoginService &service() const { return m_service; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void checkPassword();

    AppContext &m_context;
    LoginService m_service;
    QLineEdit *m_password;
    QPixmap m_background;
};
