#pragma once

#include "CustomerLookupStore.h"
#include "ListPrintRequest.h"

#include <QDialog>

#include <optional>

class Grid;
class QPushButton;
struct AppContext;

// frm고객조회 ("고객조회"): the customers matching Session::customerSearchKind and
// customerSearchText, for the ledger (PopupCaller "1") and the maintenance statement
// ("111"). Picking hands back the row's 고객코드 (0 for a row without a customer); for the
// ledger it becomes Session::curCustomerCode as well. It can print the customers listed.
// Closing in any way empties the search kind and text.
class FrmCustomerPick : public QDialog
{
    Q_OBJECT
public:
    enum Column { Name = 1, Vehicle, Model, Code };

    explicit FrmCustomerPick(AppContext &context, QWidget *parent = nullptr);

    // Enables the print button.
    void setListPrinter(ListPrinter printer);

    // 조건검색: opens the store and lists the customers; false when the store does not open.
    bool load();

    Grid *grid() const { return m_grid; }
    std::optional<qint64> choice() const { return m_choice; }

    void pick(int row);
    void printList();

    void done(int result) override;

private:
    AppContext &m_context;
    CustomerLookupStore m_store;
    Grid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    QPushButton *m_print;
    ListPrinter m_printer;
    std::optional<qint64> m_choice;
};
