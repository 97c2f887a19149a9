#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
struct AppContext;

// frm참조: the one-line entry of a new or changed code name. "확인(&S)" hands the text back
// in Session::codeEntryText; any other way out leaves it empty. The opener sets the caption.
class FrmCodeEntry : public QDialog
{
    Q_OBJECT
public:
    explicit FrmCodeEntry(AppContext &context, QWidget *parent = nullptr);

    QLineEdit *text() const { return m_text; }
    void setText(const QString &text);

    void accept() override;
    void reject() override;

private:
    AppContext &m_context;
    QLineEdit *m_text;
    QPushButton *m_ok;
    QPushButton *m_exit;
};
