#include "QtPrompter.h"

#include "WindowTools.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

void QtPrompter::beep()
{
    QApplication::beep();
}

QWidget *QtPrompter::parentWindow()
{
    if (QWidget *w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void QtPrompter::message(const QString &text, const QString &title, MsgIcon icon)
{
    QMessageBox box(parentWindow());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MsgIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MsgIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MsgIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case MsgIcon::None:
        break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("확인"));
    ExecModal(box);
}

bool QtPrompter::question(const QString &text, const QString &title, bool defaultYes)
{
    QMessageBox box(parentWindow());
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("예(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("아니오(&N)"));
    box.setDefaultButton(defaultYes ? QMessageBox::Yes : QMessageBox::No);
    return ExecModal(box) == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::input(const QString &prompt, const QString &title,
                                         const QString &initial)
{
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(initial);
    dialog.setOkButtonText(QStringLiteral("확인"));
    dialog.setCancelButtonText(QStringLiteral("취소"));
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QString> QtPrompter::inputPassword(const QString &prompt, const QString &title)
{
    QInputDialog dialog(parentWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setOkButtonText(QStringLiteral("확인"));
    dialog.setCancelButtonText(QStringLiteral("취소"));
    if (ExecModal(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtPrompter::notice(const QString &text)
{
    if (m_noticeHandler) {
        m_noticeHandler(text);
        return;
    }
    auto *label = new QLabel(text, parentWindow(), Qt::ToolTip);
    label->setAttribute(Qt::WA_DeleteOnClose);
    label->setMargin(16);
    label->adjustSize();
    label->show();
    QTimer::singleShot(1000, label, &QWidget::close);
}

void QtPrompter::setNoticeHandler(std::function<void(const QString &)> handler)
{
    m_noticeHandler = std::move(handler);
}
