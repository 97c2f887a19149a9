#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

// frmMsgBackUp, "데이터 백업": asked on every normal exit. The answer is the index of the
// button pressed; closing the window any other way counts as "취소".
class FrmMsgBackUp : public QDialog
{
    Q_OBJECT
public:
    explicit FrmMsgBackUp(QWidget *parent = nullptr);

    // The message, lines separated by CR LF.
    static QString messageText();
    int choice() const { return m_choice; }
    QPushButton *button(int index) const;

private:
    void choose(int index);

    QPlainTextEdit *m_text;
    QList<QPushButton *> m_buttons;
    int m_choice = 3;
};
