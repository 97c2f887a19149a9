#pragma once

#include "LedgerLine.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class Grid;
class LedgerStore;
class QLabel;
class QWidget;
struct AppContext;

// The service-line grid of the ledger (vs3) with its four total panels: loading a customer's
// lines, the rules of every column when a cell is entered and when its editing ends, the
// look-ups from the text and mechanic cells, payments (F3) and deleting a line (F4). Every
// committed change is stored at once, together with the customer's receivable summary.
//
// The grid behaves as if a cell were being edited from the moment the cursor enters it: the
// rules for the start of editing run when a cell is entered, and leaving a cell that was not
// typed into counts as an edit ended without a change.
class LedgerGrid : public QObject
{
    Q_OBJECT
public:
    enum Column {
        Date = 1,
        Text,
        Price,
        Quantity,
        Amount,
        Discount,
        Due,
        Paid,
        Mileage,
        Mechanic,
        Customer,
        PartCode,
        LineCode,
        Kind,
        Spec,
        ColumnCount = Spec
    };
    static constexpr int kMinRows = 1000;

    struct Payment
    {
        QString date;
        QString amount;
    };
    // The payment window frm입금: shown with the suggested amount, answers what was
    // confirmed (nullopt when it was closed).
    using PaymentDialog = std::function<std::optional<Payment>(AppContext &, const QString &)>;

    LedgerGrid(QWidget *parent, AppContext &context, LedgerStore &store);

    Grid *grid() const { return m_grid; }
    QLabel *dayServicePanel() const { return m_dayService; }
    QLabel *dayPaymentPanel() const { return m_dayPayment; }
    QLabel *duePanel() const { return m_due; }
    QLabel *balancePanel() const { return m_balance; }
    void setPaymentDialog(PaymentDialog dialog) { m_paymentDialog = std::move(dialog); }

    QString defaultLineDate() const { return m_defaultLineDate; }
    QString currentLineDate() const { return m_currentLineDate; }
    // When the screen opens: new lines get the working date.
    void resetDates();

    void 데이타박기();
    void 입금데이타박기();
    // Empties the grid and the day totals (a new customer, a deleted one).
    void clearLines();
    void 금액합계();
    void 미수금관리();
    // Stores row as a new line (isNew) or as a change of its stored line.
    bool 정비내역저장_수정(bool isNew, int row);
    void recordPayment();
    void deleteLine();

private:
    void load(bool afterPayment);
    void cellEntered(int col, int row);
    void editStarted(int col, int row);
    void editEnded(int col, int row, bool changed);
    void leaveCell(int col, int row, int newCol, int newRow);
    void keyDown(int key, bool *consumed);
    void startRules(int col, int row);
    // An unpriced quantity becomes 1 and the amounts follow the price (service lines).
    void prepareAmounts(int row);
    void changedRules(int col, int row);
    void unchangedRules(int col, int row);
    void moveOnEnter(int col, int row);
    void lookUpPart();
    void lookUpMechanic();
    // Ends an open edit without the rules of its column (a look-up takes over).
    void endEditQuietly();

    bool confirmChange(int col, int row);
    bool isPaymentRow(int row) const;
    bool isStored(int row) const;
    qint64 number(int col, int row) const;
    void setNumber(int col, int row, qint64 value);
    // 금액 = price × quantity and 판매금액 = 금액 − discount; false (with a message) when the
    // result is larger than an amount may be.
    bool recompute(int row);
    LedgerLine lineOf(int row, bool isNew) const;
    void writeFailed(const QString &error);
    void colourPaymentRows();
    void showHelp(int col);

    AppContext &m_context;
    LedgerStore &m_store;
    Grid *m_grid;
    QLabel *m_dayService;
    QLabel *m_dayPayment;
    QLabel *m_due;
    QLabel *m_balance;
    PaymentDialog m_paymentDialog;

    QString m_defaultLineDate;
    QString m_currentLineDate;
    QString m_editStartValue;
    int m_cellCol = 0;
    int m_cellRow = 0;
    bool m_untouched = false; // the cell entered was not typed into yet
    bool m_quiet = false;     // an edit is being ended by a look-up
};
