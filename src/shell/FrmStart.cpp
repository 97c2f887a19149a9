#include "FrmStart.h"

#include "AppContext.h"
#include "AppInfo.h"
#include "FieldKeys.h"
#include "Session.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QVBoxLayout>

FrmStart::FrmStart(AppContext &context, QWidget *parent)
    : QDialog(parent)
    , m_context(context)
    , m_service(context)
    , m_password(new QLineEdit(this))
{
    setObjectName(QStringLiteral("frmstart"));
    setWindowTitle(QStringLiteral("카센터 업무관리 Torvik"));
    setFixedSize(480, 300);
    setModal(true);

    const QString picture = AppInfo::programFolder() + QStringLiteral("/Image/loginbg.jpg");
    if (QFileInfo::exists(picture))
        m_background.load(picture);

    auto *title = new QLabel(QStringLiteral("카센터 업무관리 Torvik"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 22pt; font-weight: bold;"));
    title->setVisible(m_background.isNull());

    auto *caption = new QLabel(QStringLiteral("비밀번호"), this);
    caption->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    caption->setBuddy(m_password);

    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setFixedWidth(220);
    m_password->setAlignment(Qt::AlignCenter);
    m_password->installEventFilter(this);
    FieldKeys::install(m_password, FieldKeys::SelectOnFocus);

    auto *layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(title);
    layout->addStretch(3);
    layout->addWidget(caption, 0, Qt::AlignHCenter);
    layout->addWidget(m_password, 0, Qt::AlignHCenter);
    layout->addStretch(1);
}

void FrmStart::load()
{
    m_service.prepare();
    if (m_service.passwordRequired()) {
        m_password->setEchoMode(QLineEdit::Password);
        m_password->clear();
    } else {
        m_password->setEchoMode(QLineEdit::Normal);
        m_password->setText(LoginService::hintText());
    }
    m_password->setFocus();
    m_password->selectAll();
}

bool FrmStart::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_password && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            checkPassword();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmStart::checkPassword()
{
    switch (m_service.check(m_password->text())) {
    case LoginService::Check::Accepted:
        accept();
        break;
    case LoginService::Check::TooManyAttempts:
        reject();
        break;
    case LoginService::Check::Wrong:
        m_password->clear();
        m_password->setFocus();
        break;
    case LoginService::Check::NotReady:
        m_password->setFocus();
        break;
    }
}

void FrmStart::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    if (!m_background.isNull()) {
        painter.drawPixmap(rect(), m_background);
    } else {
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, QColor(5, 126, 128));
        gradient.setColorAt(1, QColor(3, 70, 72));
        painter.fillRect(rect(), gradient);
    }
    QDialog::paintEvent(event);
}

void FrmStart::closeEvent(QCloseEvent *event)
{
    // Closing the window without a login ends the program; the caller sees Rejected.
    if (!m_context.session.loginSucceeded)
        setResult(QDialog::Rejected);
    QDialog::closeEvent(event);
}
