#pragma once

#include <QDialog>

class QLabel;

// frm정보: the notice that confirms an action and closes itself after one second.
class FrmInfo : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kShowMs = 1000;

    explicit FrmInfo(const QString &text, QWidget *parent = nullptr);

    QString text() const;
    // Shows the notice modally over parent; returns when it has closed itself.
    static void showNotice(const QString &text, QWidget *parent);

private:
    QLabel *m_text;
};
