#pragma once

#include "CustomerStore.h"
#include "LedgerGrid.h"
#include "LedgerStore.h"

#include <QWidget>

#include <functional>

class LedgerFields;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
struct AppContext;

// frm정비내역, "고객정비내역 등록": the screen the shop lives in. The customer record with its
// search, new, save and delete at the top; the customer's service lines and payments below
// (LedgerGrid) with the day totals and the balance.
class FrmLedger : public QWidget
{
    Q_OBJECT
public:
    // The memo window frm메모장, modal; replaceable for tests.
    using MemoWindow = std::function<void(AppContext &, QWidget *ledger)>;

    explicit FrmLedger(AppContext &context, QWidget *parent = nullptr);

    void setMemoWindow(MemoWindow window) { m_memoWindow = std::move(window); }
    void setPaymentDialog(LedgerGrid::PaymentDialog dialog);

    LedgerFields *fields() const { return m_fields; }
    LedgerGrid *lines() const { return m_lines; }
    bool customerLoaded() const { return m_customerLoaded; }

    // The buttons of the customer part.
    void search();
    void newCustomer();
    void save();
    void deleteCustomer();
    void exitScreen();
    void openMemo();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void open();
    void buildLayout();
    void showCustomer(const CustomerRecord &record);
    bool pickCustomer(const QString &kind, const QString &word);
    void loadLines();
    void 메모장검색();
    void lookUp(int field);
    void lookUpCode(int field);
    void lookUpAddress(int field);
    void resetBankbookOptions();

    AppContext &m_context;
    CustomerStore m_customers;
    LedgerStore m_store;
    LedgerFields *m_fields;
    LedgerGrid *m_lines;
    QComboBox *m_kind;
    QLineEdit *m_searchWord;
    QPushButton *m_searchButton;
    QPushButton *m_wordButton;
    QPushButton *m_new;
    QPushButton *m_save;
    QPushButton *m_delete;
    QPushButton *m_exit;
    QPushButton *m_memo;
    QPushButton *m_statement;
    QPushButton *m_receipt;
    QCheckBox *m_amountOption;
    QCheckBox *m_coverOption;
    QPushButton *m_bankbook;
    QPushButton *m_bankbookMargin;
    MemoWindow m_memoWindow;
    bool m_customerLoaded = false;
    bool m_shown = false;
};
