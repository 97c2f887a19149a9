#pragma once

#include "MemoStore.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;
struct AppContext;

// frm메모장: the customer's memo. 저장 stores it and closes, 닫기 (or Esc) closes without
// storing, 지우기 empties the text.
class FrmMemo : public QDialog
{
    Q_OBJECT
public:
    explicit FrmMemo(AppContext &context, QWidget *parent = nullptr);

    QPlainTextEdit *textBox() const { return m_text; }
    // Places the window by the ledger screen: 2000 twips from its top, its right edge
    // 280 twips inside the ledger's.
    void placeBy(const QWidget *ledger);

private:
    void save();

    AppContext &m_context;
    MemoStore m_store;
    qint64 m_customer;
    bool m_hadMemo = false;
    QPlainTextEdit *m_text;
};
