#pragma once

#include "CustomerLookupStore.h"

#include <QDialog>

#include <optional>

class Grid;
class QPushButton;
struct AppContext;

// frm고객조회2 ("고객조회"): customers by 차량번호, 고객명 or 소속회사 for the per-customer
// inquiry. Picking hands back the searched column's value of the row in
// Session::customerPickResult; "닫기(&K)" empties it. Closing in any way empties the search
// kind and text.
class FrmCustomerPick2 : public QDialog
{
    Q_OBJECT
public:
    enum Column { Name = 1, Vehicle, Company, Model };

    explicit FrmCustomerPick2(AppContext &context, QWidget *parent = nullptr);

    // 조건검색: opens the store and lists the customers; false when the store does not open.
    bool load();

    Grid *grid() const { return m_grid; }
    // The picked value; nullopt when closed without a pick or when the row was empty.
    std::optional<QString> choice() const;

    // 고객검색: with a search kind other than the three nothing happens and the list stays.
    void pick(int row);

    void reject() override;
    void done(int result) override;

private:
    AppContext &m_context;
    CustomerLookupStore m_store;
    Grid *m_grid;
    QPushButton *m_ok;
    QPushButton *m_exit;
    bool m_picked = false;
};
